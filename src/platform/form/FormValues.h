#pragma once

#include "chart/canvas/TColor.h"
#include "platform/form/TFormValue.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// Typed readings of a form value; each throws EFormError (without a line) when the value has another form.
int FormInteger(const TFormValue& value);
double FormDouble(const TFormValue& value);
std::string FormString(const TFormValue& value);
std::string FormIdentifier(const TFormValue& value);
bool FormBoolean(const TFormValue& value);
std::vector<std::string> FormStrings(const TFormValue& value);
std::vector<std::string> FormSet(const TFormValue& value);
// A colour name (clBtnFace, clLime ...) or a number such as $FF8000.
TColor FormColor(const TFormValue& value);

[[noreturn]] void FormValueMismatch(const TFormValue& value, const std::string& expected);

// An enumeration value named by an identifier from the given list.
template <class E>
E FormEnum(const TFormValue& value, std::initializer_list<std::pair<const char*, E>> names)
{
    const std::string name = FormIdentifier(value);
    for (const auto& [text, item] : names) {
        if (name == text) {
            return item;
        }
    }
    FormValueMismatch(value, "one of the names of this property");
}
