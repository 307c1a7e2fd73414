#include "FuzzCheck.h"
#include "FuzzTargets.h"

#include "platform/form/EFormError.h"
#include "platform/form/TFormParser.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <string>
#include <string_view>

namespace {

const std::string FileName = "fuzz.form";

bool IsIdentifier(std::string_view word)
{
    return !word.empty() && (std::isalpha(static_cast<unsigned char>(word[0])) != 0 || word[0] == '_')
        && std::all_of(word.begin(), word.end(),
            [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.'; });
}

void CheckNode(const TFormNode& node, int lines)
{
    FuzzCheck(IsIdentifier(node.Name) && IsIdentifier(node.ClassName), "objects have a name and a class");
    FuzzCheck(node.Line >= 1 && node.Line <= lines, "an object's line lies in the text");
    for (const TFormProperty& property : node.Properties) {
        FuzzCheck(IsIdentifier(property.Path), "a property path is a dotted name");
        FuzzCheck(property.Line >= node.Line && property.Line <= lines, "a property's line lies in its object");
    }
    for (const TFormNode& child : node.Children) {
        FuzzCheck(child.Line >= node.Line, "an object starts after its parent");
        CheckNode(child, lines);
    }
}

// "fuzz.form:LINE: message", the line within the text or just past its end.
void CheckError(std::string_view message, int lines)
{
    const std::string prefix = FileName + ":";
    FuzzCheck(message.substr(0, prefix.size()) == prefix, "an error names the file");
    std::size_t pos = prefix.size();
    int line = 0;
    while (pos < message.size() && message[pos] >= '0' && message[pos] <= '9' && line <= lines) {
        line = line * 10 + (message[pos++] - '0');
    }
    FuzzCheck(line >= 1 && line <= lines, "an error names a line of the text");
    FuzzCheck(message.substr(pos, 2) == ": " && message.size() > pos + 2, "an error says what is wrong");
}

}

// The parse stage of the form reader: applying a form builds Qt widgets, which this target leaves out.
int FuzzFormReader(const std::uint8_t* data, std::size_t size)
{
    FuzzBegin(data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    try {
        CheckNode(ParseForm(text, FileName), lines);
    } catch (const EFormError& e) {
        CheckError(e.what(), lines);
    } catch (const std::exception& e) {
        FuzzFail("the reader throws only EFormError", e.what());
    }
    return 0;
}
