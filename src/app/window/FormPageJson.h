#pragma once

#include <string>
#include <string_view>

// The form description as JSON for a web page to build its elements from: every object as
// {"name", "class", "properties": {path: value}, "children": [...]} in file order, numbers as numbers,
// strings and names as strings, sets and string lists as arrays. Throws EFormError as the form reader does.
std::string FormPageJson(std::string_view formText, const std::string& fileName);
