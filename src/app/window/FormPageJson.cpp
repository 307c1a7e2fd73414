#include "app/window/FormPageJson.h"

#include "app/cli/JsonText.h"
#include "numeric/FloatChars.h"
#include "platform/form/TFormParser.h"

#include <array>
#include <charconv>

namespace {

void AppendNumber(std::string& out, long long value)
{
    std::array<char, 32> digits{};
    out.append(digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr);
}

void AppendNumber(std::string& out, double value)
{
    std::array<char, 32> digits{};
    out.append(digits.data(), FloatChars::ToChars(digits.data(), digits.data() + digits.size(), value));
}

void AppendValue(std::string& out, const TFormValue& value)
{
    switch (value.Kind) {
    case TFormValueKind::Integer:
        AppendNumber(out, value.Integer);
        return;
    case TFormValueKind::Float:
        AppendNumber(out, value.Float);
        return;
    case TFormValueKind::String:
    case TFormValueKind::Identifier:
        cli::AppendJsonString(out, value.Text);
        return;
    case TFormValueKind::Set:
    case TFormValueKind::StringList:
        out += '[';
        for (std::size_t i = 0; i < value.Items.size(); ++i) {
            out += i == 0 ? "" : ",";
            cli::AppendJsonString(out, value.Items[i]);
        }
        out += ']';
        return;
    }
}

void AppendNode(std::string& out, const TFormNode& node)
{
    out += "{\"name\":";
    cli::AppendJsonString(out, node.Name);
    out += ",\"class\":";
    cli::AppendJsonString(out, node.ClassName);
    out += ",\"properties\":{";
    for (std::size_t i = 0; i < node.Properties.size(); ++i) {
        out += i == 0 ? "" : ",";
        cli::AppendJsonString(out, node.Properties[i].Path);
        out += ':';
        AppendValue(out, node.Properties[i].Value);
    }
    out += "},\"children\":[";
    for (std::size_t i = 0; i < node.Children.size(); ++i) {
        out += i == 0 ? "" : ",";
        AppendNode(out, node.Children[i]);
    }
    out += "]}";
}

}  // namespace

std::string FormPageJson(std::string_view formText, const std::string& fileName)
{
    std::string out;
    AppendNode(out, ParseForm(formText, fileName));
    return out;
}
