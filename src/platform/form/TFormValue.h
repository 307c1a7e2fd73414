#pragma once

#include <string>
#include <vector>

enum class TFormValueKind { Integer, Float, String, Identifier, Set, StringList };

// One property value as written in a form description, before a setter gives it a type.
struct TFormValue {
    TFormValueKind Kind = TFormValueKind::Integer;
    long long Integer = 0;
    double Float = 0.0;
    // The text of a string or identifier.
    std::string Text;
    // The members of a set or the lines of a string list.
    std::vector<std::string> Items;

    bool operator==(const TFormValue&) const = default;
};
