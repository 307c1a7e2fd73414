#pragma once

#include "platform/form/TFormNode.h"

#include <string>
#include <string_view>

// Reads a whole form description into its object tree, or throws EFormError naming fileName and the line.
// Strings are single-quoted UTF-8 ('' stands for one quote), so the degree sign is written as itself.
TFormNode ParseForm(std::string_view text, const std::string& fileName);
