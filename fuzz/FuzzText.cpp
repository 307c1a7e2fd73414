#include "FuzzText.h"

#include <algorithm>

std::vector<std::string_view> OutputLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return lines;
}

std::vector<std::string_view> BatchInputLines(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 1;
        if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    }
    return lines;
}

std::optional<std::vector<std::string>> CsvFields(std::string_view line)
{
    std::vector<std::string> fields(1);
    std::size_t pos = 0;
    bool quotedStart = true;
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == ',') {
            fields.emplace_back();
            quotedStart = true;
        } else if (c == '"' && quotedStart) {
            for (;;) {
                if (pos >= line.size()) {
                    return std::nullopt;
                }
                const char q = line[pos++];
                if (q != '"') {
                    fields.back() += q;
                } else if (pos < line.size() && line[pos] == '"') {
                    fields.back() += '"';
                    ++pos;
                } else {
                    break;
                }
            }
            if (pos < line.size() && line[pos] != ',') {
                return std::nullopt;
            }
        } else {
            fields.back() += c;
            quotedStart = false;
        }
    }
    return fields;
}

namespace {

// A recursive-descent reader that only says whether the text is JSON.
class TJsonReader {
public:
    explicit TJsonReader(std::string_view text) : text_(text) {}

    bool Document()
    {
        SkipSpace();
        if (!Value(0)) {
            return false;
        }
        SkipSpace();
        return pos_ == text_.size();
    }

private:
    static constexpr int MaxDepth = 64;

    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    void SkipSpace()
    {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            ++pos_;
        }
    }

    bool Literal(std::string_view word)
    {
        if (text_.substr(pos_, word.size()) != word) {
            return false;
        }
        pos_ += word.size();
        return true;
    }

    bool Value(int depth)
    {
        if (depth > MaxDepth) {
            return false;
        }
        switch (Peek()) {
        case '{':
            return Object(depth);
        case '[':
            return Array(depth);
        case '"':
            return String();
        case 't':
            return Literal("true");
        case 'f':
            return Literal("false");
        case 'n':
            return Literal("null");
        default:
            return Number();
        }
    }

    bool Object(int depth)
    {
        ++pos_;
        SkipSpace();
        if (Peek() == '}') {
            ++pos_;
            return true;
        }
        for (;;) {
            SkipSpace();
            if (Peek() != '"' || !String()) {
                return false;
            }
            SkipSpace();
            if (Peek() != ':') {
                return false;
            }
            ++pos_;
            SkipSpace();
            if (!Value(depth + 1)) {
                return false;
            }
            SkipSpace();
            if (Peek() == '}') {
                ++pos_;
                return true;
            }
            if (Peek() != ',') {
                return false;
            }
            ++pos_;
        }
    }

    bool Array(int depth)
    {
        ++pos_;
        SkipSpace();
        if (Peek() == ']') {
            ++pos_;
            return true;
        }
        for (;;) {
            SkipSpace();
            if (!Value(depth + 1)) {
                return false;
            }
            SkipSpace();
            if (Peek() == ']') {
                ++pos_;
                return true;
            }
            if (Peek() != ',') {
                return false;
            }
            ++pos_;
        }
    }

    bool Digits()
    {
        const std::size_t start = pos_;
        while (!AtEnd() && Peek() >= '0' && Peek() <= '9') {
            ++pos_;
        }
        return pos_ > start;
    }

    bool Number()
    {
        if (Peek() == '-') {
            ++pos_;
        }
        if (Peek() == '0') {
            ++pos_;
        } else if (!Digits()) {
            return false;
        }
        if (Peek() == '.') {
            ++pos_;
            if (!Digits()) {
                return false;
            }
        }
        if (Peek() == 'e' || Peek() == 'E') {
            ++pos_;
            if (Peek() == '+' || Peek() == '-') {
                ++pos_;
            }
            if (!Digits()) {
                return false;
            }
        }
        return true;
    }

    // One UTF-8 sequence of two to four bytes: decoded, then held to the shortest form, no surrogates and at most
    // U+10FFFF.
    bool Utf8Sequence()
    {
        const auto lead = static_cast<unsigned char>(text_[pos_]);
        const std::size_t length = lead >= 0xF0 && lead < 0xF8 ? 4 : lead >= 0xE0 && lead < 0xF0 ? 3 : lead >= 0xC0 && lead < 0xE0 ? 2 : 0;
        if (length == 0 || pos_ + length > text_.size()) {
            return false;
        }
        char32_t code = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text_[pos_ + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t Shortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < Shortest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            return false;
        }
        pos_ += length;
        return true;
    }

    bool String()
    {
        ++pos_;
        while (!AtEnd()) {
            const auto c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20) {
                return false;
            }
            if (c == '\\') {
                ++pos_;
                const char e = Peek();
                if (e == 'u') {
                    ++pos_;
                    for (int k = 0; k < 4; ++k, ++pos_) {
                        if (AtEnd() || std::string_view("0123456789abcdefABCDEF").find(Peek()) == std::string_view::npos) {
                            return false;
                        }
                    }
                } else if (std::string_view("\"\\/bfnrt").find(e) != std::string_view::npos && e != '\0') {
                    ++pos_;
                } else {
                    return false;
                }
            } else if (c >= 0x80) {
                if (!Utf8Sequence()) {
                    return false;
                }
            } else {
                ++pos_;
            }
        }
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}

bool IsJson(std::string_view text)
{
    return TJsonReader(text).Document();
}
