#include "app/cli/Calculation.h"

#include "app/cli/ModeCurves.h"
#include "app/cli/ModeNames.h"
#include "model/BHNcalc.h"
#include "model/FullStop.h"

#include <cstdint>
#include <optional>

namespace cli {

namespace {

constexpr std::size_t QuotedLength = 40;

// The format controls a terminal shows as nothing or uses to reorder the line: zero-width characters, line and
// paragraph separators, direction marks and overrides, the byte order mark.
bool IsInvisibleControl(std::string_view sequence)
{
    const auto second = static_cast<unsigned char>(sequence[1]);
    const auto third = static_cast<unsigned char>(sequence[2]);
    if (sequence.substr(0, 3) == "\xEF\xBB\xBF") {
        return true;
    }
    if (sequence[0] != '\xE2') {
        return false;
    }
    return (second == 0x80 && ((third >= 0x8B && third <= 0x8F) || (third >= 0xA8 && third <= 0xAE)))
        || (second == 0x81 && third >= 0xA0 && third <= 0xAF);
}

// The length of the character at the start of text when it is printable as it stands: ASCII other than
// controls and the backslash, or a well-formed UTF-8 sequence that is not a C1 or invisible control; 0 otherwise.
std::size_t PrintableSequence(std::string_view text)
{
    const auto byte = [text](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const auto continues = [&byte](std::size_t i, unsigned low = 0x80, unsigned high = 0xBF) {
        return byte(i) >= low && byte(i) <= high;
    };
    const unsigned lead = byte(0);
    if (lead < 0x80) {
        return lead >= 0x20 && lead < 0x7F && lead != '\\' ? 1 : 0;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continues(1, lead == 0xC2 ? 0xA0 : 0x80) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        const unsigned low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = lead == 0xED ? 0x9F : 0xBF;
        return continues(1, low, high) && continues(2) && !IsInvisibleControl(text) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        const unsigned low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned high = lead == 0xF4 ? 0x8F : 0xBF;
        return continues(1, low, high) && continues(2) && continues(3) ? 4 : 0;
    }
    return 0;
}

std::string RangeReason(std::string_view field, std::string_view text, double maximum)
{
    return std::string(field) + " hardness " + Quoted(text) + " is not accepted: enter a number from "
        + std::to_string(BHNcalc::MinimumBHN) + " to " + std::to_string(static_cast<int>(maximum));
}

}

std::string Quoted(std::string_view text)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    std::size_t shown = 0;
    std::size_t at = 0;
    for (; at < text.size() && shown < QuotedLength; ++shown) {
        const std::size_t length = PrintableSequence(text.substr(at));
        if (length > 0) {
            out += text.substr(at, length);
            at += length;
            continue;
        }
        const auto byte = static_cast<unsigned char>(text[at++]);
        out += "\\x";
        out += Hex[byte >> 4];
        out += Hex[byte & 0xF];
    }
    out += at < text.size() ? "\"..." : "\"";
    return out;
}

bool ReadCalcInputs(std::string_view variable, std::string_view standard, std::string_view mode, TFieldNames names,
    TCalcInputs& inputs, std::string& reason)
{
    using namespace BHNcalc;
    const std::optional<std::int32_t> modeIndex = ParseModeName(mode);
    if (!modeIndex) {
        reason = "unknown mode " + Quoted(mode) + "; accepted: " + std::string(AcceptedModeNames);
        return false;
    }
    inputs.mode = *modeIndex;
    // The standard is entered before Calculate reads the variable, so its faults are found first.
    const struct {
        std::string_view field;
        std::string_view text;
        double maximum;
        double& value;
    } fields[] = {{"standard", standard, MaximumStandardBHN, inputs.standard},
        {"variable", variable, MaximumVariableBHN, inputs.variable}};
    for (const auto& field : fields) {
        bool valid = false;
        try {
            ParseHardness(field.text, MinimumBHN, field.maximum, valid, field.value);
        } catch (const EOverflow& e) {
            reason = (names == TFieldNames::Options ? "--" : "") + std::string(field.field) + " " + Quoted(field.text)
                + ": " + WithFullStop(e.what());
            return false;
        }
        if (!valid) {
            reason = RangeReason(field.field, field.text, field.maximum);
            return false;
        }
    }
    return true;
}

bool Calculate(std::string_view variable, std::string_view standard, std::string_view mode, TFieldNames names,
    TCalcTexts& texts, std::string& reason)
{
    using namespace BHNcalc;
    TCalcInputs inputs;
    if (!ReadCalcInputs(variable, standard, mode, names, inputs, reason)) {
        return false;
    }
    const TCurve& curve = ModeCurve(inputs.mode);
    const double pv = InterpolateProtection(curve, inputs.variable);
    const double q = RelativeQuality(InterpolateProtection(curve, inputs.standard), pv);
    // The texts are rewritten in place, so a batch reuses their buffers from line to line.
    texts.multiplier.clear();
    AppendFixed(texts.multiplier, pv, 3);
    texts.relativeQuality.clear();
    AppendFixed(texts.relativeQuality, q, 4);
    texts.inverse.clear();
    AppendFixed(texts.inverse, InverseQuality(q), 4);
    return true;
}

}
