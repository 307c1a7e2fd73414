#include "app/cli/BatchLine.h"

#include "app/cli/Calculation.h"
#include "app/cli/ResultRecord.h"

namespace cli {

namespace {

constexpr std::size_t FieldCount = 3;

// Splits a CSV line into its fields; a field that starts with a quote is unquoted ("" stands for one quote).
// Returns the number of fields found, or 0 with a reason when a quoted field is malformed.
std::size_t SplitFields(std::string_view line, TBatchScratch& scratch)
{
    std::size_t count = 0;
    std::size_t pos = 0;
    while (true) {
        const std::size_t index = count++;
        const bool kept = index < FieldCount;
        if (pos < line.size() && line[pos] == '"') {
            std::string* field = kept ? &scratch.unquoted[index] : nullptr;
            if (field) {
                field->clear();
            }
            ++pos;
            while (true) {
                const std::size_t quote = line.find('"', pos);
                if (quote == std::string_view::npos) {
                    scratch.reason = "a quoted field has no closing quote";
                    return 0;
                }
                if (field) {
                    field->append(line.substr(pos, quote - pos));
                }
                pos = quote + 1;
                if (pos < line.size() && line[pos] == '"') {
                    if (field) {
                        *field += '"';
                    }
                    ++pos;
                    continue;
                }
                break;
            }
            if (pos < line.size() && line[pos] != ',') {
                scratch.reason = "a quoted field is followed by text before the next comma";
                return 0;
            }
            if (field) {
                scratch.fields[index] = *field;
            }
        } else {
            // Fields are a few characters long: a plain loop is cheaper than a library search per field, and the
            // field is used where it stands in the line.
            std::size_t comma = pos;
            while (comma < line.size() && line[comma] != ',') {
                ++comma;
            }
            if (kept) {
                scratch.fields[index] = line.substr(pos, comma - pos);
            }
            pos = comma;
        }
        if (pos >= line.size()) {
            return count;
        }
        ++pos;
    }
}

}

TBatchLine HandleBatchLine(std::string_view line, std::size_t lineNumber, TOutputFormat format, TBatchScratch& scratch,
    std::string& output)
{
    if (line.empty() || line.front() == '#' || (lineNumber == 1 && line == BatchInputHeader)) {
        return TBatchLine::Skipped;
    }
    const std::size_t count = SplitFields(line, scratch);
    if (count == 0) {
        return TBatchLine::Refused;
    }
    if (count != FieldCount) {
        scratch.reason = "expected 3 fields variable,standard,mode but found " + std::to_string(count);
        return TBatchLine::Refused;
    }
    if (!Calculate(scratch.fields[0], scratch.fields[1], scratch.fields[2], TFieldNames::Columns, scratch.texts,
            scratch.reason)) {
        return TBatchLine::Refused;
    }
    const auto append = format == TOutputFormat::Json ? AppendJsonResult : AppendCsvResult;
    append(output, scratch.fields[0], scratch.fields[1], scratch.fields[2], scratch.texts);
    return TBatchLine::Written;
}

}
