#include "app/cli/CurveTable.h"

#include "app/cli/JsonText.h"
#include "app/cli/ModeCurves.h"
#include "app/cli/ModeNames.h"
#include "model/BHNcalc.h"
#include "numeric/FloatChars.h"

#include <array>
#include <string>
#include <vector>

namespace cli {

namespace {

struct TColumn {
    std::string_view key;
    BHNcalc::TCurve values;
};

TColumn SelectedColumn(std::int32_t mode)
{
    return {ModeKey(mode), ModeCurve(mode)};
}

void AppendValue(std::string& line, double v, TValueText valueText)
{
    if (valueText == TValueText::FourDecimals) {
        line += BHNcalc::FormatFixed(v, 1, 4);
        return;
    }
    std::array<char, 32> buffer{};
    line.append(buffer.data(), FloatChars::ToChars(buffer.data(), buffer.data() + buffer.size(), v));
}

}

void WriteCurveTable(std::ostream& out, std::optional<std::int32_t> mode, TValueText valueText, TOutputFormat format)
{
    using namespace BHNcalc;
    std::vector<TColumn> columns;
    if (mode) {
        columns.push_back(SelectedColumn(*mode));
    } else {
        columns = {{ModeKey(1), Curve0To35}, {ModeKey(2), Curve40To60}, {ModeKey(3), CurveAPFSDS},
            {ModeKey(4), CurveM62}, {ModeKey(5), CurveM79}};
        for (const std::int32_t combined : {0, 6, 7}) {
            columns.push_back(SelectedColumn(combined));
        }
    }

    const bool json = format == TOutputFormat::Json;
    std::string line;
    if (json) {
        out << "[\n";
    } else {
        line = "bhn";
        for (const TColumn& column : columns) {
            line += ',';
            line += column.key;
        }
        out << line << '\n';
    }
    for (int i = 0; i < GridPoints; ++i) {
        line = json ? "{\"bhn\":" : "";
        line += std::to_string(GridBHN(i));
        for (const TColumn& column : columns) {
            line += ',';
            if (json) {
                AppendJsonString(line, column.key);
                line += ':';
            }
            AppendValue(line, column.values[static_cast<std::size_t>(i)], valueText);
        }
        if (json) {
            line += i + 1 < GridPoints ? "}," : "}";
        }
        out << line << '\n';
    }
    if (json) {
        out << "]\n";
    }
}

}
