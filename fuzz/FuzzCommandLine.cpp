#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "FuzzText.h"

#include "app/cli/CommandLine.h"
#include "app/cli/PictureLimits.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t MaxWords = 16;

// The fuzz input holds the arguments, each ended by a zero byte, then a second zero byte and standard input.
// Paths stay inside the working folder: an absolute path or ".." could name an endless device such as /dev/zero.
void SplitInput(std::string_view all, std::vector<std::string>& args, std::string& input)
{
    const std::size_t end = all.find(std::string_view("\0\0", 2));
    std::string_view words = all.substr(0, end);
    input = end == std::string_view::npos ? std::string() : std::string(all.substr(end + 2));
    while (!words.empty() && args.size() < MaxWords) {
        const std::size_t zero = words.find('\0');
        std::string word(words.substr(0, zero));
        if (word.find("..") != std::string::npos || (!word.empty() && word.front() == '/')) {
            word = "./fuzz-" + std::to_string(word.size());
        }
        args.push_back(std::move(word));
        words = zero == std::string_view::npos ? std::string_view() : words.substr(zero + 1);
    }
}

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// d.ddd with exactly `decimals` decimals.
bool IsFixed(std::string_view text, std::size_t decimals)
{
    const std::size_t point = text.find('.');
    return point != std::string_view::npos && point >= 1 && text.size() == point + 1 + decimals
        && text.find_first_not_of("0123456789.") == std::string_view::npos && text.find('.', point + 1) == std::string_view::npos;
}

bool AsksForJson(const std::vector<std::string>& args)
{
    for (const std::string& word : args) {
        std::string lower = word;
        for (char& c : lower) {
            c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        if (lower.find("json") != std::string::npos) {
            return true;
        }
    }
    return false;
}

void CheckLabelledResults(std::string_view out)
{
    const std::vector<std::string_view> lines = OutputLines(out);
    FuzzCheck(lines.size() == 3, "calc prints three labelled lines");
    const std::string_view labels[] = {"Multiplier: ", "Relative Quality: ", "Inverse: "};
    const std::size_t decimals[] = {3, 4, 4};
    for (std::size_t k = 0; k < 3; ++k) {
        FuzzCheck(StartsWith(lines[k], labels[k]) && IsFixed(lines[k].substr(labels[k].size()), decimals[k]),
            "calc's lines are labelled results with 3, 4 and 4 decimals");
    }
}

void CheckCsv(std::string_view out)
{
    const std::vector<std::string_view> lines = OutputLines(out);
    const auto header = CsvFields(lines.front());
    FuzzCheck(header && header->size() >= 2, "CSV output starts with a header of named fields");
    for (const std::string_view line : lines) {
        const auto fields = CsvFields(line);
        FuzzCheck(fields && fields->size() == header->size(), "every CSV line has the header's field count");
    }
}

}

int FuzzCommandLine(const std::uint8_t* data, std::size_t size)
{
    FuzzBegin(data, size);
    std::vector<std::string> args;
    std::string input;
    SplitInput(std::string_view(reinterpret_cast<const char*>(data), size), args, input);

    // The window commands only check what reaches them; drawing is the chart tests' business.
    const cli::TWindowCommands window{
        [](const cli::TChartRequest& request) {
            const auto inRange = [](int side) { return side >= 1 && side <= MaxPictureSide; };
            FuzzCheck(!request.outPath.empty() && request.mode >= 0 && request.mode <= 7
                    && (!request.size || (inRange(request.size->width) && inRange(request.size->height))),
                "a chart request that reaches the window is complete and in range");
            return 0;
        },
        [](const std::string& path) {
            FuzzCheck(!path.empty(), "a screenshot request names its file");
            return 0;
        },
    };
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCommandLine(args, in, out, err, window);
    const std::string outText = out.str();
    const std::string errText = err.str();

    FuzzCheck(status >= 0 && status <= 2, "the exit status is 0, 1 or 2");
    FuzzCheck(status == 0 || !errText.empty(), "every refusal has a message on standard error");
    FuzzCheck(status != 0 || errText.empty(), "a run that refuses nothing writes nothing on standard error");
    FuzzCheck(errText.empty() || errText.back() == '\n', "messages end in a newline");
    for (const std::string_view message : OutputLines(errText)) {
        FuzzCheck(StartsWith(message, "bhncalc: ") || StartsWith(message, "line ") || StartsWith(message, "Try 'bhncalc "),
            "standard error holds messages and where the usage is, never the usage itself");
    }
    if (outText.empty() || StartsWith(outText, "usage: ") || StartsWith(outText, "bhncalc ")) {
        return 0;
    }
    FuzzCheck(outText.back() == '\n', "the output ends in a newline");
    if (outText.front() == '[' || outText.front() == '{') {
        FuzzCheck(AsksForJson(args), "JSON only when asked for");
        FuzzCheck(IsJson(outText), "JSON output is one valid JSON value");
    } else if (StartsWith(outText, "Multiplier: ")) {
        CheckLabelledResults(outText);
    } else {
        CheckCsv(outText);
    }
    return 0;
}
