#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "FuzzText.h"

#include "app/cli/BatchLine.h"
#include "app/cli/CommandLine.h"
#include "app/cli/TBatchReader.h"

#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsSkipped(std::string_view line, std::size_t number)
{
    return line.size() <= cli::MaxBatchLineBytes && (line.empty() || line.front() == '#' || (number == 1 && line == cli::BatchInputHeader));
}

// "line N: reason" for each refused line, in order; returns the refused line numbers.
std::set<std::size_t> RefusedLines(std::string_view err, std::size_t lineCount)
{
    std::set<std::size_t> refused;
    for (const std::string_view message : OutputLines(err)) {
        FuzzCheck(message.substr(0, 5) == "line ", "an error starts with \"line N:\"");
        std::size_t pos = 5;
        std::size_t number = 0;
        while (pos < message.size() && message[pos] >= '0' && message[pos] <= '9' && number <= lineCount) {
            number = number * 10 + static_cast<std::size_t>(message[pos++] - '0');
        }
        FuzzCheck(message.substr(pos, 2) == ": " && message.size() > pos + 2, "an error starts with \"line N:\" and says why");
        FuzzCheck(number >= 1 && number <= lineCount, "an error names a line of the input");
        FuzzCheck(refused.empty() || number > *refused.rbegin(), "errors come in line order, one per line");
        refused.insert(number);
    }
    return refused;
}

bool IsFixed(std::string_view text, std::size_t decimals)
{
    const std::size_t point = text.find('.');
    return point != std::string_view::npos && point >= 1 && text.size() == point + 1 + decimals
        && text.find_first_not_of("0123456789.") == std::string_view::npos && text.find('.', point + 1) == std::string_view::npos;
}

}

int FuzzBatch(const std::uint8_t* data, std::size_t size)
{
    FuzzBegin(data, size);
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCommandLine({"batch"}, in, out, err);

    const std::vector<std::string_view> lines = BatchInputLines(input);
    const std::string errText = err.str();
    const std::set<std::size_t> refused = RefusedLines(errText, lines.size());
    FuzzCheck(status == (refused.empty() ? 0 : 1), "the status is 0, or 1 when a line was refused");

    const std::string outText = out.str();
    const std::vector<std::string_view> written = OutputLines(outText);
    FuzzCheck(!outText.empty() && outText.back() == '\n', "every output line ends in a newline");
    FuzzCheck(written.front() == cli::BatchOutputHeader, "the output starts with its header");
    std::size_t next = 1;
    for (std::size_t number = 1; number <= lines.size(); ++number) {
        const bool skipped = IsSkipped(lines[number - 1], number);
        FuzzCheck(!skipped || !refused.contains(number), "a skipped line is not refused");
        FuzzCheck(lines[number - 1].size() <= cli::MaxBatchLineBytes || refused.contains(number),
            "a line over the length limit is refused");
        if (skipped || refused.contains(number)) {
            continue;
        }
        FuzzCheck(next < written.size(), "every good line gives an output line");
        const std::optional<std::vector<std::string>> result = CsvFields(written[next++]);
        FuzzCheck(result && result->size() == 6, "an output line has 6 fields");
        const std::string_view line = lines[number - 1];
        const std::optional<std::vector<std::string>> fields = CsvFields(line);
        FuzzCheck(fields && fields->size() == 3, "only a line of three CSV fields is written");
        for (std::size_t k = 0; k < 3; ++k) {
            FuzzCheck((*fields)[k] == (*result)[k], "the output repeats the line's fields");
        }
        FuzzCheck(IsFixed((*result)[3], 3) && IsFixed((*result)[4], 4) && IsFixed((*result)[5], 4),
            "the results have 3, 4 and 4 decimals");
    }
    FuzzCheck(next == written.size(), "no output line without an input line");
    return 0;
}
