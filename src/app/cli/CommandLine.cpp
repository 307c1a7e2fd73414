#include "app/cli/CommandLine.h"

#include "app/Version.h"
#include "app/cli/BatchLine.h"
#include "app/cli/Calculation.h"
#include "app/cli/ChartFormat.h"
#include "app/cli/CurveTable.h"
#include "app/cli/ModeNames.h"
#include "app/cli/OutputFormat.h"
#include "app/cli/ResultRecord.h"
#include "app/cli/StandardStreams.h"
#include "app/cli/TBatchReader.h"
#include "app/cli/Usage.h"
#include "model/BHNcalc.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <map>
#include <new>
#include <optional>
#include <string_view>

namespace cli {

namespace {

constexpr int ExitSuccess = 0;
constexpr int ExitSomeLinesRefused = 1;
constexpr int ExitRefused = 2;

// What calc and chart take when an input is not given; chart's variable is the window's first entry.
constexpr const char* DefaultStandard = "270";
constexpr const char* DefaultMode = "0";
constexpr const char* DefaultChartVariable = "237";

// Batch output is handed on in blocks of this size, or sooner when the input makes the batch wait; a failed write
// is noticed after at most one block.
constexpr std::size_t OutputBlockBytes = 65536;

enum class TOptionKind { Flag, Value };

struct TOptionRule {
    std::string_view name;
    TOptionKind kind;
};

// The parsed words after the command: options by name (a flag maps to "") and the remaining operands.
struct TArguments {
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> operands;

    std::optional<std::string> Option(std::string_view name) const
    {
        const auto found = options.find(name);
        return found == options.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
};

int UsageError(std::ostream& err, const std::string& reason)
{
    err << "bhncalc: " << reason << '\n' << UsageText();
    return ExitRefused;
}

// Reads the options that `rules` allows; anything else, a missing value or a repeated option is a usage error.
std::optional<TArguments> ParseArguments(const std::vector<std::string>& args, std::initializer_list<TOptionRule> rules,
    std::ostream& err)
{
    TArguments parsed;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.size() < 2 || word.compare(0, 2, "--") != 0 || word == "-") {
            parsed.operands.push_back(word);
            continue;
        }
        // --name=value is the same as --name value.
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const TOptionRule* rule = nullptr;
        for (const TOptionRule& candidate : rules) {
            if (name == candidate.name) {
                rule = &candidate;
            }
        }
        if (!rule) {
            UsageError(err, "unknown option " + Quoted(name) + " for " + args[0]);
            return std::nullopt;
        }
        if (parsed.options.count(name) != 0) {
            UsageError(err, "option " + name + " is given twice");
            return std::nullopt;
        }
        std::string value;
        if (rule->kind == TOptionKind::Flag) {
            if (equals != std::string::npos) {
                UsageError(err, "option " + name + " takes no value");
                return std::nullopt;
            }
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            UsageError(err, "option " + name + " needs a value");
            return std::nullopt;
        }
        parsed.options.emplace(name, std::move(value));
    }
    return parsed;
}

// The --format option's choice, or nothing after reporting a word it does not know.
std::optional<TOutputFormat> FormatOption(const TArguments& parsed, std::ostream& err)
{
    const std::optional<std::string> text = parsed.Option("--format");
    if (!text) {
        return TOutputFormat::Plain;
    }
    const std::optional<TOutputFormat> format = ParseOutputFormat(*text);
    if (!format) {
        UsageError(err, "--format takes csv or json, not " + Quoted(*text));
    }
    return format;
}

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto parsed = ParseArguments(args, {{"--variable", TOptionKind::Value}, {"--standard", TOptionKind::Value},
        {"--mode", TOptionKind::Value}, {"--format", TOptionKind::Value}}, err);
    if (!parsed) {
        return ExitRefused;
    }
    if (!parsed->operands.empty()) {
        return UsageError(err, "unexpected argument " + Quoted(parsed->operands.front()));
    }
    const std::optional<TOutputFormat> format = FormatOption(*parsed, err);
    if (!format) {
        return ExitRefused;
    }
    const std::optional<std::string> variable = parsed->Option("--variable");
    if (!variable) {
        return UsageError(err, "calc needs --variable");
    }
    const std::string standard = parsed->Option("--standard").value_or(DefaultStandard);
    const std::string mode = parsed->Option("--mode").value_or(DefaultMode);
    TCalcTexts texts;
    std::string reason;
    if (!Calculate(*variable, standard, mode, TFieldNames::Options, texts, reason)) {
        err << "bhncalc: " << reason << '\n';
        return ExitRefused;
    }
    std::string text;
    switch (*format) {
    case TOutputFormat::Plain:
        AppendPlainResult(text, texts);
        break;
    case TOutputFormat::Csv:
        text = std::string(BatchOutputHeader) + '\n';
        AppendCsvResult(text, *variable, standard, mode, texts);
        break;
    case TOutputFormat::Json:
        AppendJsonResult(text, *variable, standard, mode, texts);
        break;
    }
    out << text << '\n';
    return ExitSuccess;
}

// Reads "WxH" with both sides from 1 to 10000 pixels.
bool ParseSize(const std::string& text, int& width, int& height)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) {
        return false;
    }
    const auto side = [](std::string_view digits, int& value) {
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return ec == std::errc() && end == digits.data() + digits.size() && value >= 1 && value <= 10000;
    };
    const std::string_view all(text);
    return side(all.substr(0, x), width) && side(all.substr(x + 1), height);
}

int RunChart(const std::vector<std::string>& args, std::ostream& err, const TWindowCommands& window)
{
    const auto parsed = ParseArguments(args, {{"--out", TOptionKind::Value}, {"--variable", TOptionKind::Value},
        {"--standard", TOptionKind::Value}, {"--mode", TOptionKind::Value}, {"--size", TOptionKind::Value},
        {"--format", TOptionKind::Value}}, err);
    if (!parsed) {
        return ExitRefused;
    }
    if (!parsed->operands.empty()) {
        return UsageError(err, "unexpected argument " + Quoted(parsed->operands.front()));
    }
    TChartRequest request;
    const std::optional<std::string> outPath = parsed->Option("--out");
    if (!outPath || outPath->empty()) {
        return UsageError(err, "chart needs --out FILE.png");
    }
    if (!StandardOutputUsable(*outPath, err)) {
        return ExitRefused;
    }
    request.outPath = *outPath;
    std::string formatReason;
    const std::optional<TPictureFormat> format = ChartFormatOf(*outPath, parsed->Option("--format"), formatReason);
    if (!format) {
        err << "bhncalc: " << formatReason << '\n';
        return ExitRefused;
    }
    request.format = *format;
    // The picture shows a Calculate that went through, so the inputs must be ones the window accepts.
    TCalcInputs inputs;
    std::string reason;
    if (!ReadCalcInputs(parsed->Option("--variable").value_or(DefaultChartVariable),
            parsed->Option("--standard").value_or(DefaultStandard), parsed->Option("--mode").value_or(DefaultMode),
            TFieldNames::Options, inputs, reason)) {
        err << "bhncalc: " << reason << '\n';
        return ExitRefused;
    }
    request.mode = inputs.mode;
    request.variableBHN = inputs.variable;
    request.standardBHN = inputs.standard;
    if (const auto size = parsed->Option("--size"); size && !ParseSize(*size, request.width, request.height)) {
        err << "bhncalc: --size takes WIDTHxHEIGHT with each side from 1 to 10000, not " << Quoted(*size) << '\n';
        return ExitRefused;
    }
    if (!window.renderChart) {
        err << "bhncalc: chart is not available in this build\n";
        return ExitRefused;
    }
    return window.renderChart(request);
}

// Hands the pending output on; false once the output has failed, so the caller stops reading.
bool PassOn(std::ostream& out, std::string& pending)
{
    out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
    pending.clear();
    return static_cast<bool>(out);
}

int RunBatchStream(std::istream& in, std::ostream& out, std::ostream& err, TOutputFormat format)
{
    const bool json = format == TOutputFormat::Json;
    std::string pending = json ? "[" : std::string(BatchOutputHeader) + '\n';
    pending.reserve(OutputBlockBytes + MaxBatchLineBytes);
    TBatchReader reader(in);
    TBatchScratch scratch;
    std::string_view line;
    std::size_t lineNumber = 0;
    std::size_t written = 0;
    bool refused = false;
    while (true) {
        // The results so far go out before the reader waits, so a pipe fed line by line is answered line by line.
        if (!reader.Ready() && !pending.empty() && !(PassOn(out, pending) && out.flush())) {
            return ExitRefused;
        }
        const TLineRead read = reader.Next(line);
        if (read == TLineRead::End) {
            break;
        }
        ++lineNumber;
        if (read == TLineRead::TooLong) {
            err << "line " << lineNumber << ": longer than " << MaxBatchLineBytes << " bytes\n";
            refused = true;
            continue;
        }
        const std::size_t mark = pending.size();
        if (json) {
            pending += written == 0 ? "\n" : ",\n";
        }
        switch (HandleBatchLine(line, lineNumber, format, scratch, pending)) {
        case TBatchLine::Written:
            ++written;
            if (!json) {
                pending += '\n';
            }
            break;
        case TBatchLine::Refused:
            pending.resize(mark);
            err << "line " << lineNumber << ": " << scratch.reason << '\n';
            refused = true;
            break;
        case TBatchLine::Skipped:
            pending.resize(mark);
            break;
        }
        if (pending.size() >= OutputBlockBytes && !PassOn(out, pending)) {
            return ExitRefused;
        }
    }
    // Even when the input fails, what was answered stays a whole JSON array.
    if (json) {
        pending += written == 0 ? "]\n" : "\n]\n";
    }
    if (!PassOn(out, pending)) {
        return ExitRefused;
    }
    if (in.bad()) {
        err << "bhncalc: reading the input failed after line " << lineNumber << ": " << std::strerror(reader.ReadError())
            << '\n';
        return ExitRefused;
    }
    return refused ? ExitSomeLinesRefused : ExitSuccess;
}

int RunBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const auto parsed = ParseArguments(args, {{"--format", TOptionKind::Value}}, err);
    if (!parsed) {
        return ExitRefused;
    }
    if (parsed->operands.size() > 1) {
        return UsageError(err, "batch reads one file at most");
    }
    const std::optional<TOutputFormat> format = FormatOption(*parsed, err);
    if (!format) {
        return ExitRefused;
    }
    if (parsed->operands.empty() || parsed->operands.front() == "-") {
        return RunBatchStream(in, out, err, *format);
    }
    const std::string& path = parsed->operands.front();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        err << "bhncalc: cannot read " << Quoted(path) << ": it is a directory\n";
        return ExitRefused;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << "bhncalc: cannot read " << Quoted(path) << ": " << std::strerror(errno) << '\n';
        return ExitRefused;
    }
    return RunBatchStream(file, out, err, *format);
}

int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto parsed = ParseArguments(args, {{"--mode", TOptionKind::Value}, {"--exact", TOptionKind::Flag},
        {"--format", TOptionKind::Value}}, err);
    if (!parsed) {
        return ExitRefused;
    }
    if (!parsed->operands.empty()) {
        return UsageError(err, "unexpected argument " + Quoted(parsed->operands.front()));
    }
    const std::optional<TOutputFormat> format = FormatOption(*parsed, err);
    if (!format) {
        return ExitRefused;
    }
    const std::string modeText = parsed->Option("--mode").value_or("all");
    std::optional<std::int32_t> mode;
    if (!EqualsIgnoringCase(modeText, "all")) {
        mode = ParseModeName(modeText);
        if (!mode) {
            err << "bhncalc: unknown mode " << Quoted(modeText) << "; accepted: all, " << AcceptedModeNames << '\n';
            return ExitRefused;
        }
    }
    WriteCurveTable(out, mode, parsed->Option("--exact") ? TValueText::ShortestExact : TValueText::FourDecimals,
        *format);
    return ExitSuccess;
}

bool IsHelpWord(const std::string& word)
{
    return word == "-h" || word == "--help";
}

int Dispatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
    const TWindowCommands& window)
{
    if (args.empty()) {
        return UsageError(err, "a command is needed");
    }
    const std::string& command = args.front();
    if (IsHelpWord(command) && args.size() == 1) {
        out << UsageText();
        return ExitSuccess;
    }
    // -h or --help after a command, or a command after --help, asks for that command's usage.
    const std::optional<std::string> commandUsage
        = IsHelpWord(command) && args.size() == 2 ? CommandUsageText(args[1]) : CommandUsageText(command);
    if (commandUsage && (IsHelpWord(command) || std::any_of(args.begin() + 1, args.end(), IsHelpWord))) {
        out << *commandUsage;
        return ExitSuccess;
    }
    if (command == "--version" && args.size() == 1) {
        out << "bhncalc " << BhncalcVersion << '\n';
        return ExitSuccess;
    }
    if (command == "calc") {
        return RunCalc(args, out, err);
    }
    if (command == "batch") {
        return RunBatch(args, in, out, err);
    }
    if (command == "table") {
        return RunTable(args, out, err);
    }
    if (command == "chart") {
        return RunChart(args, err, window);
    }
    if (command == "--screenshot") {
        if (args.size() != 2 || args[1].empty()) {
            return UsageError(err, "--screenshot needs one FILE.png");
        }
        if (!StandardOutputUsable(args[1], err)) {
            return ExitRefused;
        }
        if (!window.screenshot) {
            err << "bhncalc: --screenshot is not available in this build\n";
            return ExitRefused;
        }
        return window.screenshot(args[1]);
    }
    return UsageError(err, "unknown command " + Quoted(command));
}

}

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
    const TWindowCommands& window)
{
    int status = ExitRefused;
    try {
        BHNcalc::Initialize();
        status = Dispatch(args, in, out, err, window);
    } catch (const std::bad_alloc&) {
        err << "bhncalc: out of memory\n";
        return ExitRefused;
    }
    out.flush();
    if (!out) {
        err << "bhncalc: writing the output failed\n";
        return ExitRefused;
    }
    return status;
}

}
