#include "web/TPageEdit.h"

#include "chart/canvas/SystemColors.h"

#include <emscripten.h>

#include <cstdlib>
#include <memory>

EM_JS(char*, bhn_edit_text, (const char* name), {
    const text = BhnPage.editText(UTF8ToString(name));
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, bhn_edit_set_text, (const char* name, const char* text), {
    BhnPage.setEditText(UTF8ToString(name), UTF8ToString(text));
});
EM_JS(void, bhn_edit_set_color, (const char* name, int rgb), { BhnPage.setEditColor(UTF8ToString(name), rgb); });
EM_JS(void, bhn_edit_set_hint, (const char* name, const char* hint), {
    BhnPage.setEditHint(UTF8ToString(name), UTF8ToString(hint));
});

std::string TPageEdit::Text() const
{
    const std::unique_ptr<char, decltype(&std::free)> text(bhn_edit_text(name_.c_str()), &std::free);
    return text.get();
}

bool TPageEdit::ShowText(const std::string& text)
{
    if (text == Text()) {
        return false;
    }
    bhn_edit_set_text(name_.c_str(), text.c_str());
    return true;
}

std::string TPageEdit::AnsiText() const
{
    // Latin-1 is the first 256 code points: one byte for each, '?' for any other character.
    const std::string utf8 = Text();
    std::string ansi;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (length == 1) {
            ansi += static_cast<char>(lead);
        } else if (length == 2 && lead <= 0xC3 && i + 1 < utf8.size()) {
            ansi += static_cast<char>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
        } else {
            ansi += '?';
        }
        i += length;
    }
    return ansi;
}

void TPageEdit::SetColor(TColor color)
{
    bhn_edit_set_color(name_.c_str(), static_cast<int>(ColorToRGB(color) & 0xFFFFFF));
}

void TPageEdit::SetHint(const std::string& hint)
{
    bhn_edit_set_hint(name_.c_str(), hint.c_str());
}
