#pragma once

#include "platform/form/TFormNode.h"

#include <string_view>

// The object named name in the parsed form (the form itself included), or null.
const TFormNode* FindFormObject(const TFormNode& form, std::string_view name);
// The value the form gives the object's property path, or null when it sets none.
const TFormValue* FindFormProperty(const TFormNode& object, std::string_view path);
