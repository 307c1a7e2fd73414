#include "app/cli/JsonText.h"

namespace cli {

namespace {

constexpr char Hex[] = "0123456789abcdef";

void AppendEscaped(std::string& out, unsigned char byte)
{
    out += "\\u00";
    out += Hex[byte >> 4];
    out += Hex[byte & 0xF];
}

// The length of the valid UTF-8 sequence starting at `i`, or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    // Only the second byte has a narrower range (no overlong forms, no surrogates, nothing above U+10FFFF).
    if (byte(i + 1) < low || byte(i + 1) > high) {
        return 0;
    }
    for (std::size_t k = i + 2; k < i + length; ++k) {
        if (byte(k) < 0x80 || byte(k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

}

void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += text[i++];
        } else if (byte < 0x20 || byte == 0x7F) {
            AppendEscaped(out, byte);
            ++i;
        } else if (byte < 0x80) {
            out += text[i++];
        } else if (const std::size_t length = Utf8Length(text, i); length > 0) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            AppendEscaped(out, byte);
            ++i;
        }
    }
    out += '"';
}

}
