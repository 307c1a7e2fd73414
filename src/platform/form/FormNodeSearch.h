#pragma once

#include "platform/form/TFormNode.h"

#include <optional>
#include <string_view>

// The object named name in the parsed form (the form itself included), or null.
const TFormNode* FindFormObject(const TFormNode& form, std::string_view name);
// The value the form gives the object's property path, or null when it sets none.
const TFormValue* FindFormProperty(const TFormNode& object, std::string_view path);

struct TFormSize {
    int Width = 0;
    int Height = 0;
};
// The width and height the form gives the object, or none when it lacks either.
std::optional<TFormSize> FindFormSize(const TFormNode& object);
