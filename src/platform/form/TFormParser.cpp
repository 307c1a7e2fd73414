#include "platform/form/TFormParser.h"

#include "numeric/FloatChars.h"
#include "platform/form/EFormError.h"

#include <cctype>
#include <charconv>

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0 || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

class TFormScanner {
public:
    TFormScanner(std::string_view text, const std::string& fileName) : text_(text), fileName_(fileName) {}

    [[noreturn]] void Fail(int line, const std::string& message) const
    {
        throw EFormError(fileName_ + ":" + std::to_string(line) + ": " + message);
    }

    // Skips blanks and line breaks; returns the line of the next character.
    int SkipSpace()
    {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
            } else if (c != ' ' && c != '\t' && c != '\r') {
                break;
            }
            ++pos_;
        }
        return line_;
    }

    bool AtEnd() { SkipSpace(); return pos_ >= text_.size(); }
    char Peek() { SkipSpace(); return pos_ < text_.size() ? text_[pos_] : '\0'; }
    int Line() const { return line_; }

    std::string Identifier(const char* what)
    {
        SkipSpace();
        if (pos_ >= text_.size() || !IsIdentStart(text_[pos_])) {
            Fail(line_, std::string("expected ") + what);
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size() && IsIdentChar(text_[pos_])) {
            ++pos_;
        }
        return std::string(text_.substr(start, pos_ - start));
    }

    std::string Path()
    {
        std::string path = Identifier("a property name");
        while (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            path += '.';
            path += Identifier("a property name after '.'");
        }
        return path;
    }

    void Expect(char c, const char* what)
    {
        if (Peek() != c) {
            Fail(line_, std::string("expected ") + what);
        }
        ++pos_;
    }

    std::string String()
    {
        const int startLine = line_;
        ++pos_;
        std::string result;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') {
                Fail(startLine, "unterminated string");
            }
            const char c = text_[pos_++];
            if (c != '\'') {
                result += c;
            } else if (pos_ < text_.size() && text_[pos_] == '\'') {
                result += '\'';
                ++pos_;
            } else {
                return result;
            }
        }
    }

    TFormValue Number()
    {
        std::size_t start = pos_;
        const bool hex = text_[pos_] == '$';
        if (hex) {
            ++start;
            ++pos_;
        }
        while (pos_ < text_.size() && (IsIdentChar(text_[pos_]) || text_[pos_] == '.' || text_[pos_] == '-' || text_[pos_] == '+')) {
            ++pos_;
        }
        const std::string_view word = text_.substr(start, pos_ - start);
        const char* first = word.data();
        const char* last = first + word.size();
        TFormValue value;
        if (hex) {
            unsigned long long bits = 0;
            const auto result = std::from_chars(first, last, bits, 16);
            if (word.empty() || result.ec != std::errc() || result.ptr != last) {
                Fail(line_, "malformed number '$" + std::string(word) + "'");
            }
            value.Integer = static_cast<long long>(bits);
            return value;
        }
        const auto asInteger = std::from_chars(first, last, value.Integer);
        if (asInteger.ec == std::errc() && asInteger.ptr == last) {
            return value;
        }
        const auto asFloat = FloatChars::FromChars(first, last, value.Float);
        if (asFloat.ec != std::errc() || asFloat.ptr != last) {
            Fail(line_, "malformed number '" + std::string(word) + "'");
        }
        value.Kind = TFormValueKind::Float;
        return value;
    }

    TFormValue Value()
    {
        const char c = Peek();
        TFormValue value;
        if (c == '\'') {
            value.Kind = TFormValueKind::String;
            value.Text = String();
        } else if (c == '[') {
            value.Kind = TFormValueKind::Set;
            ++pos_;
            while (Peek() != ']') {
                if (!value.Items.empty()) {
                    Expect(',', "',' or ']' in a set");
                }
                value.Items.push_back(Identifier("a set member"));
            }
            ++pos_;
        } else if (c == '(') {
            value.Kind = TFormValueKind::StringList;
            const int startLine = line_;
            ++pos_;
            while (Peek() != ')') {
                if (AtEnd()) {
                    Fail(startLine, "unterminated string list");
                }
                if (Peek() != '\'') {
                    Fail(line_, "expected a string in a string list");
                }
                value.Items.push_back(String());
            }
            ++pos_;
        } else if (std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '+' || c == '$' || c == '.') {
            value = Number();
        } else if (IsIdentStart(c)) {
            value.Kind = TFormValueKind::Identifier;
            value.Text = Identifier("a value");
        } else {
            Fail(line_, "expected a value");
        }
        return value;
    }

private:
    std::string_view text_;
    const std::string& fileName_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

// Deeper nesting than any window needs is refused, so a hostile text cannot exhaust the stack.
constexpr int MaxObjectDepth = 64;

// Reads the rest of an object block after its word 'object'.
TFormNode ParseObject(TFormScanner& scanner, int line, int depth)
{
    if (depth > MaxObjectDepth) {
        scanner.Fail(line, "objects nested more than " + std::to_string(MaxObjectDepth) + " deep");
    }
    TFormNode node;
    node.Line = line;
    node.Name = scanner.Identifier("an object name");
    scanner.Expect(':', "':' after the object name");
    node.ClassName = scanner.Identifier("a class name");
    for (;;) {
        if (scanner.AtEnd()) {
            scanner.Fail(node.Line, "object " + node.Name + " has no 'end'");
        }
        const int wordLine = scanner.Line();
        const std::string path = scanner.Path();
        if (path == "end") {
            return node;
        }
        if (path == "object") {
            node.Children.push_back(ParseObject(scanner, wordLine, depth + 1));
            continue;
        }
        scanner.Expect('=', ("'=' after " + path).c_str());
        TFormProperty property{path, scanner.Value(), wordLine};
        const int valueEnd = scanner.Line();
        if (!scanner.AtEnd() && scanner.SkipSpace() == valueEnd) {
            scanner.Fail(valueEnd, "unexpected text after the value of " + path);
        }
        node.Properties.push_back(std::move(property));
    }
}

}  // namespace

TFormNode ParseForm(std::string_view text, const std::string& fileName)
{
    TFormScanner scanner(text, fileName);
    const int line = scanner.SkipSpace();
    if (scanner.AtEnd() || scanner.Identifier("'object'") != "object") {
        scanner.Fail(line, "expected 'object'");
    }
    TFormNode root = ParseObject(scanner, line, 1);
    if (!scanner.AtEnd()) {
        scanner.Fail(scanner.Line(), "unexpected text after the last 'end'");
    }
    return root;
}
