// Aliased text on the Qt device: each glyph drawn in the place the layout measured for it, so that glyphs keep
// the spacing they were drawn for and every word stands apart from the next, at every scale.

#include "platform/TQtDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TTextCase {
    const char* Text;
    TFontStyles Style;
};

// The chart's texts: the bold title and texts in the engine's default font.
const TTextCase Texts[] = {
    {"Relation of Hardness to Equivalent Protection", fsBold},
    {"Equivalent Protection of 320 BHN", {}},
    {"Hardness", {}},
    {"Selected 0\xC2\xB0-35\xC2\xB0 40\xC2\xB0-60\xC2\xB0 APFSDS 3\" M62", {}},
};
const qreal Scales[] = {1.0, 1.5, 2.0};

// Black text in the chart's font on white, without a background box, from the top left corner.
void PrepareForText(TQtDevice& device, TFontStyles style)
{
    device.SetFont(TDeviceFont{"Arial", -11, style, 0, clBlack});
    device.SetBackMode(bmTransparent);
    device.SetTextAlign(TA_LEFT | TA_TOP);
}

QImage Drawn(const std::string& text, TFontStyles style, qreal scale)
{
    TQtDevice device(400, 24, bfColor, scale);
    PrepareForText(device, style);
    device.TextOut(4, 4, text);
    return device.Image().copy();
}

bool Ink(const QImage& image, int x, int y)
{
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

// The characters of a UTF-8 text, each with all its bytes.
std::vector<std::string> Characters(const std::string& text)
{
    std::vector<std::string> characters;
    for (const char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0) == 0x80)
            characters.back() += byte;
        else
            characters.emplace_back(1, byte);
    }
    return characters;
}

// The columns holding ink, as runs from first to last column (inclusive).
std::vector<std::pair<int, int>> InkColumns(const QImage& image)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            ink = Ink(image, x, y);
        if (!ink)
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// The width from a word's first ink column to its last.
int InkWidth(const QImage& image)
{
    const auto runs = InkColumns(image);
    return runs.empty() ? 0 : runs.back().second - runs.front().first + 1;
}

}  // namespace

// A glyph drawn on other advances than the layout measured runs into its neighbour or leaves a gap inside a
// word: the text drawn whole is pixel for pixel its characters drawn one by one, each where the widths
// measured for the characters before it end, and its width is theirs added up.
TEST(QtDeviceTextPlacement, EachGlyphIsDrawnWhereTheMeasuredWidthsPlaceIt)
{
    for (const qreal scale : Scales)
        for (const TTextCase& c : Texts) {
            TQtDevice oneByOne(400, 24, bfColor, scale);
            PrepareForText(oneByOne, c.Style);
            int x = 4;
            for (const std::string& character : Characters(c.Text)) {
                oneByOne.TextOut(x, 4, character);
                x += oneByOne.TextExtent(character).Width;
            }
            EXPECT_EQ(oneByOne.TextExtent(c.Text).Width, x - 4) << c.Text;
            const QImage whole = Drawn(c.Text, c.Style, scale);
            int differing = 0;
            for (int y = 0; y < whole.height(); ++y)
                for (int px = 0; px < whole.width(); ++px)
                    differing += whole.pixel(px, y) != oneByOne.Image().pixel(px, y);
            EXPECT_EQ(differing, 0) << c.Text << " at " << scale;
        }
}

// Between two words lies a gap of background at least two logical pixels wide and wider than any gap inside a
// word: the widest gaps split the text's ink into its words, each as wide as that word drawn alone.
TEST(QtDeviceTextPlacement, AClearGapStandsBetweenWords)
{
    for (const qreal scale : Scales)
        for (const TTextCase& c : Texts) {
            const std::string text(c.Text);
            const std::vector<std::string> words = Words(text);
            const auto runs = InkColumns(Drawn(text, c.Style, scale));
            ASSERT_GE(runs.size(), words.size()) << text << " at " << scale;
            std::vector<std::pair<int, std::size_t>> gaps;
            for (std::size_t i = 1; i < runs.size(); ++i)
                gaps.emplace_back(runs[i].first - runs[i - 1].second - 1, i);
            std::sort(gaps.begin(), gaps.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
            const std::size_t between = words.size() - 1;
            if (between > 0 && between < gaps.size()) {
                EXPECT_GT(gaps[between - 1].first, gaps[between].first) << text << " at " << scale;
            }
            std::vector<std::size_t> starts{0};
            for (std::size_t i = 0; i < between; ++i) {
                EXPECT_GE(gaps[i].first, std::lround(2 * scale)) << text << " at " << scale;
                starts.push_back(gaps[i].second);
            }
            std::sort(starts.begin(), starts.end());
            starts.push_back(runs.size());
            for (std::size_t w = 0; w < words.size(); ++w) {
                const int width = runs[starts[w + 1] - 1].second - runs[starts[w]].first + 1;
                // At a fractional scale a word's pixels depend a little on where it starts.
                const int tolerance = scale == std::floor(scale) ? 0 : 1;
                EXPECT_NEAR(width, InkWidth(Drawn(words[w], c.Style, scale)), tolerance)
                    << words[w] << " in " << text << " at " << scale;
            }
        }
}
