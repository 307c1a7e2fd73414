// Prints the whole-pixel advance of every printable Latin-1 character in the chart's fonts as the desktop device
// measures them (full hinting), as JSON: {"11": {"regular": {"A": 7, ...}, "bold": {...}}}. The web page places
// its text on these advances, so its layout is the desktop's: build/bin/bhn_text_advances > web/text-advances.json
#include "platform/TQtDevice.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(unsigned code)
{
    if (code < 0x80) {
        return std::string(1, static_cast<char>(code));
    }
    return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    TQtDevice device(1, 1);
    // The chart's fonts: the engine's default (Arial, 8 points) and the calculator's title are both 11 pixels.
    const int size = 11;
    std::string json = "{\"" + std::to_string(size) + "\":{";
    for (const bool bold : {false, true}) {
        TDeviceFont font;
        font.Name = "Arial";
        font.Height = -size;
        font.Style = bold ? TFontStyles(fsBold) : TFontStyles();
        device.SetFont(font);
        json += bold ? ",\"bold\":{" : "\"regular\":{";
        for (unsigned code = 0x20; code <= 0xFF; ++code) {
            if (code >= 0x7F && code < 0xA0) {
                continue;
            }
            std::string key = Utf8(code);
            if (key == "\"" || key == "\\") {
                key = "\\" + key;
            }
            json += (code == 0x20 ? "\"" : ",\"") + key + "\":" + std::to_string(device.TextExtent(Utf8(code)).Width);
        }
        json += '}';
    }
    std::puts((json + "}}").c_str());
    return 0;
}
