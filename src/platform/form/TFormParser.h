#pragma once

#include "platform/form/TFormNode.h"

#include <string>
#include <string_view>

// Reads a whole form description into its object tree, or throws EFormError naming fileName and the line.
// The text nests `object Name: Class ... end` blocks holding one `Path = value` per line; a value is an
// integer (-12, $FF8000), a number (0.9), a 'string', a name (True, clBlue), a set ([fsBold]) or a string
// list in parentheses that may span lines. Strings are UTF-8 ('' stands for one quote), so the degree
// sign is written as itself.
TFormNode ParseForm(std::string_view text, const std::string& fileName);
