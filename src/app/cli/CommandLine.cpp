#include "app/cli/CommandLine.h"

#include "app/Version.h"
#include "app/cli/BatchLine.h"
#include "app/cli/Calculation.h"
#include "app/cli/ChartFormat.h"
#include "app/cli/CurveTable.h"
#include "app/cli/ExitStatus.h"
#include "app/cli/MessagePrefix.h"
#include "app/cli/ModeNames.h"
#include "app/cli/OutputFormat.h"
#include "app/cli/ParseArguments.h"
#include "app/cli/PictureLimits.h"
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
#include <new>
#include <optional>
#include <string_view>

namespace cli {

namespace {

// What calc and chart take when an input is not given; chart's variable is the window's first entry.
const std::string DefaultStandard = std::to_string(BHNcalc::DefaultStandardBHN);
constexpr const char* DefaultMode = "0";
constexpr const char* DefaultChartVariable = "237";

constexpr std::string_view ScreenshotCommand = "--screenshot";

// Batch output is handed on in blocks of this size, or sooner when the input makes the batch wait; a failed write
// is noticed after at most one block.
constexpr std::size_t OutputBlockBytes = 65536;

// The --format option's choice, or nothing after reporting a word it does not know.
std::optional<TOutputFormat> FormatOption(const std::string& command, const TArguments& parsed, std::ostream& err)
{
    const std::optional<std::string> text = parsed.Option("--format");
    if (!text) {
        return TOutputFormat::Plain;
    }
    const std::optional<TOutputFormat> format = ParseOutputFormat(*text);
    if (!format) {
        UsageError(err, command, "--format takes csv or json, not " + Quoted(*text));
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
        return UsageError(err, args.front(), "unexpected argument " + Quoted(parsed->operands.front()));
    }
    const std::optional<TOutputFormat> format = FormatOption(args.front(), *parsed, err);
    if (!format) {
        return ExitRefused;
    }
    const std::optional<std::string> variable = parsed->Option("--variable");
    if (!variable) {
        return UsageError(err, args.front(), "calc needs --variable");
    }
    const std::string standard = parsed->Option("--standard").value_or(DefaultStandard);
    const std::string mode = parsed->Option("--mode").value_or(DefaultMode);
    TCalcTexts texts;
    std::string reason;
    if (!Calculate(*variable, standard, mode, TFieldNames::Options, texts, reason)) {
        err << MessagePrefix << reason << '\n';
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

// Reads "WxH" with both sides from 1 to MaxPictureSide pixels.
std::optional<TPictureSize> ParseSize(const std::string& text)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) {
        return std::nullopt;
    }
    const auto side = [](std::string_view digits, int& value) {
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return ec == std::errc() && end == digits.data() + digits.size() && value >= 1 && value <= MaxPictureSide;
    };
    const std::string_view all(text);
    TPictureSize size;
    if (!side(all.substr(0, x), size.width) || !side(all.substr(x + 1), size.height)) {
        return std::nullopt;
    }
    return size;
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
        return UsageError(err, args.front(), "unexpected argument " + Quoted(parsed->operands.front()));
    }
    TChartRequest request;
    const std::optional<std::string> outPath = parsed->Option("--out");
    if (!outPath || outPath->empty()) {
        return UsageError(err, args.front(), "chart needs --out FILE.png");
    }
    if (!StandardOutputUsable(*outPath, err)) {
        return ExitRefused;
    }
    request.outPath = *outPath;
    std::string formatReason;
    const std::optional<TPictureFormat> format = ChartFormatOf(*outPath, parsed->Option("--format"), formatReason);
    if (!format) {
        err << MessagePrefix << formatReason << '\n';
        return ExitRefused;
    }
    request.format = *format;
    // The picture shows a Calculate that went through, so the inputs must be ones the window accepts.
    TCalcInputs inputs;
    std::string reason;
    if (!ReadCalcInputs(parsed->Option("--variable").value_or(DefaultChartVariable),
            parsed->Option("--standard").value_or(DefaultStandard), parsed->Option("--mode").value_or(DefaultMode),
            TFieldNames::Options, inputs, reason)) {
        err << MessagePrefix << reason << '\n';
        return ExitRefused;
    }
    request.mode = inputs.mode;
    request.variableBHN = inputs.variable;
    request.standardBHN = inputs.standard;
    if (const auto size = parsed->Option("--size")) {
        request.size = ParseSize(*size);
        if (!request.size) {
            err << MessagePrefix << "--size takes WIDTHxHEIGHT with each side from 1 to " << MaxPictureSide
                << ", not " << Quoted(*size) << '\n';
            return ExitRefused;
        }
    }
    if (!window.renderChart) {
        err << MessagePrefix << "chart is not available in this build\n";
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
        err << MessagePrefix << "reading the input failed after line " << lineNumber << ": "
            << std::strerror(reader.ReadError()) << '\n';
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
        return UsageError(err, args.front(), "batch reads one file at most");
    }
    const std::optional<TOutputFormat> format = FormatOption(args.front(), *parsed, err);
    if (!format) {
        return ExitRefused;
    }
    if (parsed->operands.empty() || parsed->operands.front() == "-") {
        return RunBatchStream(in, out, err, *format);
    }
    const std::string& path = parsed->operands.front();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        err << MessagePrefix << "cannot read " << Quoted(path) << ": it is a directory\n";
        return ExitRefused;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        err << MessagePrefix << "cannot read " << Quoted(path) << ": " << std::strerror(errno) << '\n';
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
        return UsageError(err, args.front(), "unexpected argument " + Quoted(parsed->operands.front()));
    }
    const std::optional<TOutputFormat> format = FormatOption(args.front(), *parsed, err);
    if (!format) {
        return ExitRefused;
    }
    const std::string modeText = parsed->Option("--mode").value_or("all");
    std::optional<std::int32_t> mode;
    if (!EqualsIgnoringCase(modeText, "all")) {
        mode = ParseModeName(modeText);
        if (!mode) {
            err << MessagePrefix << "unknown mode " << Quoted(modeText) << "; accepted: all, " << AcceptedModeNames
                << '\n';
            return ExitRefused;
        }
    }
    WriteCurveTable(out, mode, parsed->Option("--exact") ? TValueText::ShortestExact : TValueText::FourDecimals,
        *format);
    return ExitSuccess;
}

// "--screenshot FILE" or "--screenshot=FILE"; the window takes the picture.
int RunScreenshot(const std::vector<std::string>& args, std::ostream& err, const TWindowCommands& window)
{
    const std::string_view command = ScreenshotCommand;
    const std::string& first = args.front();
    const bool joined = first.size() > command.size() && first[command.size()] == '=';
    const std::string path = joined ? first.substr(command.size() + 1) : args.size() > 1 ? args[1] : std::string();
    const std::size_t words = joined ? 1 : 2;
    if (path.empty()) {
        return UsageError(err, command, "--screenshot needs a FILE.png");
    }
    if (args.size() > words) {
        return UsageError(err, command, "unexpected argument " + Quoted(args[words]));
    }
    std::string reason;
    if (!ScreenshotFormatAccepted(path, reason)) {
        err << MessagePrefix << reason << '\n';
        return ExitRefused;
    }
    if (!StandardOutputUsable(path, err)) {
        return ExitRefused;
    }
    if (!window.screenshot) {
        err << MessagePrefix << "--screenshot is not available in this build\n";
        return ExitRefused;
    }
    return window.screenshot(path);
}

bool IsScreenshotWord(std::string_view word)
{
    return word.substr(0, word.find('=')) == ScreenshotCommand;
}

int Dispatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
    const TWindowCommands& window)
{
    if (args.empty()) {
        return UsageError(err, "", "a command is needed");
    }
    const std::string& command = args.front();
    if (IsHelpWord(command)) {
        if (args.size() == 1) {
            out << UsageText();
            return ExitSuccess;
        }
        // A command after --help asks for that command's usage.
        const std::optional<std::string> commandUsage = CommandUsageText(args[1]);
        if (!commandUsage) {
            return UsageError(err, "", "unknown command " + Quoted(args[1]));
        }
        if (args.size() > 2) {
            return UsageError(err, args[1], "unexpected argument " + Quoted(args[2]));
        }
        out << *commandUsage;
        return ExitSuccess;
    }
    if (command == "--version") {
        if (args.size() > 1) {
            return UsageError(err, "", "--version takes no argument, not " + Quoted(args[1]));
        }
        out << "bhncalc " << BhncalcVersion << '\n';
        return ExitSuccess;
    }
    const std::string_view name = IsScreenshotWord(command) ? ScreenshotCommand : std::string_view(command);
    // -h or --help after a command asks for that command's usage.
    if (const std::optional<std::string> commandUsage = CommandUsageText(name); commandUsage && AsksForHelp(args)) {
        out << *commandUsage;
        return ExitSuccess;
    }
    if (name == "calc") {
        return RunCalc(args, out, err);
    }
    if (name == "batch") {
        return RunBatch(args, in, out, err);
    }
    if (name == "table") {
        return RunTable(args, out, err);
    }
    if (name == "chart") {
        return RunChart(args, err, window);
    }
    if (name == ScreenshotCommand) {
        return RunScreenshot(args, err, window);
    }
    if (command.size() > 1 && command.front() == '-') {
        return UsageError(err, "", "unknown option " + Quoted(command));
    }
    return UsageError(err, "", "unknown command " + Quoted(command));
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
        err << MessagePrefix << "out of memory\n";
        return ExitRefused;
    }
    out.flush();
    if (!out) {
        err << MessagePrefix << "writing the output failed\n";
        return ExitRefused;
    }
    return status;
}

}
