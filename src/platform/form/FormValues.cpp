#include "platform/form/FormValues.h"

#include "platform/form/EFormError.h"

#include <array>
#include <limits>
#include <string_view>

namespace {

std::string Describe(const TFormValue& value)
{
    switch (value.Kind) {
    case TFormValueKind::Integer: return "the number " + std::to_string(value.Integer);
    case TFormValueKind::Float: return "a number with a fraction";
    case TFormValueKind::String: return "the string '" + value.Text + "'";
    case TFormValueKind::Identifier: return "the name " + value.Text;
    case TFormValueKind::Set: return "a set";
    case TFormValueKind::StringList: return "a string list";
    }
    return "a value";
}

struct TColorName {
    std::string_view Name;
    TColor Color;
};

constexpr std::array ColorNames{
    TColorName{"clBlack", clBlack}, TColorName{"clMaroon", clMaroon}, TColorName{"clGreen", clGreen},
    TColorName{"clOlive", clOlive}, TColorName{"clNavy", clNavy}, TColorName{"clPurple", clPurple},
    TColorName{"clTeal", clTeal}, TColorName{"clGray", clGray}, TColorName{"clSilver", clSilver},
    TColorName{"clRed", clRed}, TColorName{"clLime", clLime}, TColorName{"clYellow", clYellow},
    TColorName{"clBlue", clBlue}, TColorName{"clFuchsia", clFuchsia}, TColorName{"clAqua", clAqua},
    TColorName{"clWhite", clWhite}, TColorName{"clNone", clNone}, TColorName{"clWindow", clWindow},
    TColorName{"clWindowText", clWindowText}, TColorName{"clBtnFace", clBtnFace},
    TColorName{"clBtnShadow", clBtnShadow}, TColorName{"clBtnHighlight", clBtnHighlight},
    TColorName{"clBtnText", clBtnText}, TColorName{"clGrayText", clGrayText},
    TColorName{"clHighlight", clHighlight}, TColorName{"clHighlightText", clHighlightText},
};

}  // namespace

void FormValueMismatch(const TFormValue& value, const std::string& expected)
{
    throw EFormError("malformed value: " + Describe(value) + " where " + expected + " is expected");
}

int FormInteger(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::Integer || value.Integer < std::numeric_limits<int>::min()
        || value.Integer > std::numeric_limits<int>::max()) {
        FormValueMismatch(value, "an integer");
    }
    return static_cast<int>(value.Integer);
}

double FormDouble(const TFormValue& value)
{
    if (value.Kind == TFormValueKind::Integer) {
        return static_cast<double>(value.Integer);
    }
    if (value.Kind != TFormValueKind::Float) {
        FormValueMismatch(value, "a number");
    }
    return value.Float;
}

std::string FormString(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::String) {
        FormValueMismatch(value, "a string");
    }
    return value.Text;
}

std::string FormIdentifier(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::Identifier) {
        FormValueMismatch(value, "a name");
    }
    return value.Text;
}

bool FormBoolean(const TFormValue& value)
{
    return FormEnum<bool>(value, {{"True", true}, {"False", false}});
}

std::vector<std::string> FormStrings(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::StringList) {
        FormValueMismatch(value, "a string list");
    }
    return value.Items;
}

std::vector<std::string> FormSet(const TFormValue& value)
{
    if (value.Kind != TFormValueKind::Set) {
        FormValueMismatch(value, "a set");
    }
    return value.Items;
}

TColor FormColor(const TFormValue& value)
{
    if (value.Kind == TFormValueKind::Integer && value.Integer >= 0
        && value.Integer <= static_cast<long long>(std::numeric_limits<TColor>::max())) {
        return static_cast<TColor>(value.Integer);
    }
    if (value.Kind == TFormValueKind::Identifier) {
        for (const auto& [name, color] : ColorNames) {
            if (value.Text == name) {
                return color;
            }
        }
    }
    FormValueMismatch(value, "a colour");
}
