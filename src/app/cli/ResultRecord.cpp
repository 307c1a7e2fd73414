#include "app/cli/ResultRecord.h"

#include "app/cli/JsonText.h"

#include <algorithm>

namespace cli {

namespace {

void AppendCsvField(std::string& out, std::string_view field)
{
    // A plain loop: find_first_of tests each character against the set through a call.
    if (std::none_of(field.begin(), field.end(), [](char c) { return c == '"' || c == ','; })) {
        out.append(field);
        return;
    }
    out += '"';
    for (const char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

}

void AppendPlainResult(std::string& out, const TCalcTexts& texts)
{
    out += "Multiplier: ";
    out += texts.multiplier;
    out += "\nRelative Quality: ";
    out += texts.relativeQuality;
    out += "\nInverse: ";
    out += texts.inverse;
}

void AppendCsvResult(std::string& out, std::string_view variable, std::string_view standard, std::string_view mode,
    const TCalcTexts& texts)
{
    for (const std::string_view field : {variable, standard, mode}) {
        AppendCsvField(out, field);
        out += ',';
    }
    out += texts.multiplier;
    out += ',';
    out += texts.relativeQuality;
    out += ',';
    out += texts.inverse;
}

void AppendJsonResult(std::string& out, std::string_view variable, std::string_view standard, std::string_view mode,
    const TCalcTexts& texts)
{
    out += "{\"variable\":";
    AppendJsonString(out, variable);
    out += ",\"standard\":";
    AppendJsonString(out, standard);
    out += ",\"mode\":";
    AppendJsonString(out, mode);
    out += ",\"multiplier\":";
    out += texts.multiplier;
    out += ",\"relative_quality\":";
    out += texts.relativeQuality;
    out += ",\"inverse\":";
    out += texts.inverse;
    out += '}';
}

}
