#pragma once

#include "platform/form/TFormValue.h"

#include <string>
#include <vector>

// `Path = value` inside an object block; the path may be dotted (Title.Font.Style).
struct TFormProperty {
    std::string Path;
    TFormValue Value;
    int Line = 0;
};

// `object Name: Class ... end` with its properties and nested objects in file order.
struct TFormNode {
    std::string Name;
    std::string ClassName;
    int Line = 0;
    std::vector<TFormProperty> Properties;
    std::vector<TFormNode> Children;
};
