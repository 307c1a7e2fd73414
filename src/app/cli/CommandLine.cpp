#include "app/cli/CommandLine.h"

#include "app/Version.h"
#include "app/cli/BatchLine.h"
#include "app/cli/Calculation.h"
#include "app/cli/ChartFormat.h"
#include "app/cli/CurveTable.h"
#include "app/cli/ModeNames.h"
#include "model/BHNcalc.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <map>
#include <optional>
#include <string_view>

namespace cli {

namespace {

constexpr int ExitSuccess = 0;
constexpr int ExitSomeLinesRefused = 1;
constexpr int ExitRefused = 2;

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
        const TOptionRule* rule = nullptr;
        for (const TOptionRule& candidate : rules) {
            if (word == candidate.name) {
                rule = &candidate;
            }
        }
        if (!rule) {
            UsageError(err, "unknown option " + Quoted(word) + " for " + args[0]);
            return std::nullopt;
        }
        if (parsed.options.count(word) != 0) {
            UsageError(err, "option " + word + " is given twice");
            return std::nullopt;
        }
        std::string value;
        if (rule->kind == TOptionKind::Value) {
            if (i + 1 >= args.size()) {
                UsageError(err, "option " + word + " needs a value");
                return std::nullopt;
            }
            value = args[++i];
        }
        parsed.options.emplace(word, std::move(value));
    }
    return parsed;
}

int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto parsed = ParseArguments(args, {{"--variable", TOptionKind::Value}, {"--standard", TOptionKind::Value},
        {"--mode", TOptionKind::Value}}, err);
    if (!parsed) {
        return ExitRefused;
    }
    if (!parsed->operands.empty()) {
        return UsageError(err, "unexpected argument " + Quoted(parsed->operands.front()));
    }
    const std::optional<std::string> variable = parsed->Option("--variable");
    if (!variable) {
        return UsageError(err, "calc needs --variable");
    }
    TCalcTexts texts;
    std::string reason;
    if (!Calculate(*variable, parsed->Option("--standard").value_or("270"), parsed->Option("--mode").value_or("0"),
            texts, reason)) {
        err << "bhncalc: " << reason << '\n';
        return ExitRefused;
    }
    out << "Multiplier: " << texts.multiplier << '\n'
        << "Relative Quality: " << texts.relativeQuality << '\n'
        << "Inverse: " << texts.inverse << '\n';
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
    request.outPath = *outPath;
    std::string formatReason;
    const std::optional<TPictureFormat> format = ChartFormatOf(*outPath, parsed->Option("--format"), formatReason);
    if (!format) {
        err << "bhncalc: " << formatReason << '\n';
        return ExitRefused;
    }
    request.format = *format;
    request.variable = parsed->Option("--variable").value_or(request.variable);
    request.standard = parsed->Option("--standard").value_or(request.standard);
    const std::string modeText = parsed->Option("--mode").value_or("0");
    // The picture shows a Calculate that went through, so the inputs must be ones the window accepts.
    TCalcTexts texts;
    std::string reason;
    if (!Calculate(request.variable, request.standard, modeText, texts, reason)) {
        err << "bhncalc: " << reason << '\n';
        return ExitRefused;
    }
    request.mode = *ParseModeName(modeText);
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

int RunBatchStream(std::istream& in, std::ostream& out, std::ostream& err)
{
    out << BatchOutputHeader << '\n';
    TBatchScratch scratch;
    std::string line;
    std::string output;
    std::size_t lineNumber = 0;
    bool refused = false;
    while (std::getline(in, line)) {
        ++lineNumber;
        output.clear();
        switch (HandleBatchLine(line, lineNumber, scratch, output)) {
        case TBatchLine::Written:
            out.write(output.data(), static_cast<std::streamsize>(output.size()));
            break;
        case TBatchLine::Refused:
            err << "line " << lineNumber << ": " << scratch.reason << '\n';
            refused = true;
            break;
        case TBatchLine::Skipped:
            break;
        }
    }
    if (in.bad()) {
        err << "bhncalc: reading the input failed after line " << lineNumber << '\n';
        return ExitRefused;
    }
    return refused ? ExitSomeLinesRefused : ExitSuccess;
}

int RunBatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    const auto parsed = ParseArguments(args, {}, err);
    if (!parsed) {
        return ExitRefused;
    }
    if (parsed->operands.size() > 1) {
        return UsageError(err, "batch reads one file at most");
    }
    if (parsed->operands.empty() || parsed->operands.front() == "-") {
        return RunBatchStream(in, out, err);
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
    return RunBatchStream(file, out, err);
}

int RunTable(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto parsed = ParseArguments(args, {{"--mode", TOptionKind::Value}, {"--exact", TOptionKind::Flag}}, err);
    if (!parsed) {
        return ExitRefused;
    }
    if (!parsed->operands.empty()) {
        return UsageError(err, "unexpected argument " + Quoted(parsed->operands.front()));
    }
    const std::string modeText = parsed->Option("--mode").value_or("all");
    std::optional<std::int32_t> mode;
    if (modeText != "all") {
        mode = ParseModeName(modeText);
        if (!mode) {
            err << "bhncalc: unknown mode " << Quoted(modeText) << "; accepted: all, " << AcceptedModeNames << '\n';
            return ExitRefused;
        }
    }
    WriteCurveTable(out, mode, parsed->Option("--exact") ? TValueText::ShortestExact : TValueText::FourDecimals);
    return ExitSuccess;
}

int Dispatch(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
    const TWindowCommands& window)
{
    if (args.empty()) {
        return UsageError(err, "a command is needed");
    }
    const std::string& command = args.front();
    if (command == "--help" && args.size() == 1) {
        out << UsageText();
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
        if (!window.screenshot) {
            err << "bhncalc: --screenshot is not available in this build\n";
            return ExitRefused;
        }
        return window.screenshot(args[1]);
    }
    return UsageError(err, "unknown command " + Quoted(command));
}

}

std::string UsageText()
{
    return std::string(
               "usage: bhncalc                 (opens the calculator window)\n"
               "       bhncalc calc --variable TEXT [--standard TEXT] [--mode MODE]\n"
               "       bhncalc batch [FILE]\n"
               "       bhncalc table [--mode MODE|all] [--exact]\n"
               "       bhncalc chart --out FILE.png|.svg|.pdf|- [--format png|svg|pdf] [--variable TEXT] [--standard TEXT]\n"
               "                     [--mode MODE] [--size WxH]\n"
               "       bhncalc --screenshot FILE.png\n"
               "       bhncalc --help | --version\n"
               "\n"
               "  calc   multiplier, relative quality and inverse for a variable hardness against a standard\n"
               "         hardness (default 270); variable 200..360, standard 200..359\n"
               "  batch  the same for CSV lines variable,standard,mode read from FILE or standard input;\n"
               "         writes variable,standard,mode,multiplier,relative_quality,inverse\n"
               "  table  the protection curves on the 200..360 BHN grid as CSV, four decimals or,\n"
               "         with --exact, the shortest text of each exact value\n"
               "  chart  the calculator's chart after Calculate (defaults: variable 237, standard 270, mode 0,\n"
               "         553x337) as a PNG image, or SVG or PDF drawing; - writes it to standard output; needs no display\n"
               "  --screenshot  opens the window, saves it after its first paint and exits\n"
               "\n"
               "MODE (default 0): ")
        + std::string(AcceptedModeNames)
        + "\n"
          "      in any case, with or without degree signs and the 3\" prefix, e.g. \"0\xC2\xB0-35\xC2\xB0\" or '3\" M62'\n";
}

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
    const TWindowCommands& window)
{
    BHNcalc::Initialize();
    const int status = Dispatch(args, in, out, err, window);
    out.flush();
    if (!out) {
        err << "bhncalc: writing the output failed\n";
        return ExitRefused;
    }
    return status;
}

}
