#include "AxisTestChart.h"

#include "chart/axes/TAxisPixelMapping.h"
#include "numeric/Extended.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// The value moved by the given number of ulps (negative: downwards).
double Ulps(double value, int steps)
{
    for (; steps > 0; --steps)
        value = std::nextafter(value, Infinity);
    for (; steps < 0; ++steps)
        value = std::nextafter(value, -Infinity);
    return value;
}

// Values whose exact offset on the axis lies on, or a few ulps either side of, the half pixel
// after each given pixel: there the pixel depends on the last bit of the offset.
void AddNearHalfPixels(std::vector<double>& values, const TCustomChartAxis& axis, const std::vector<long long>& pixels)
{
    if (axis.PixelLength() == 0)
        return;
    for (const long long n : pixels) {
        const Extended along = (static_cast<Extended>(n) + 0.5_ext) * axis.ScaleRange() / axis.PixelLength();
        const double tie = static_cast<double>(axis.ScaleMinimum() + along);
        for (int steps = -4; steps <= 4; ++steps)
            values.push_back(Ulps(tie, steps));
    }
}

// Every pixel of the span and a margin on either side, at most about 400 of them.
std::vector<long long> SpanPixels(const TCustomChartAxis& axis)
{
    const long long length = std::abs(axis.PixelLength());
    const long long step = std::max(1LL, length / 400);
    std::vector<long long> pixels;
    for (long long n = -length / 4 - 2; n <= length + length / 4 + 2; n += step)
        pixels.push_back(axis.PixelLength() < 0 ? -n : n);
    return pixels;
}

std::string Describe(double value)
{
    std::ostringstream text;
    text.precision(17);
    text << value << " (" << std::hexfloat << value << ")";
    return text.str();
}

// The values whose mapped pixel differs from the axis' own, upright and inverted, as X and as Y.
std::vector<std::string> Mismatches(TCustomChartAxis& axis, const std::vector<double>& values)
{
    std::vector<std::string> found;
    for (const bool inverted : {false, true}) {
        axis.SetInverted(inverted);
        const TAxisPixelMapping x = TAxisPixelMapping::ForX(axis);
        const TAxisPixelMapping y = TAxisPixelMapping::ForY(axis);
        for (const double v : values) {
            const int exactX = axis.XValueToPixel(v);
            const int exactY = axis.YValueToPixel(v);
            if (x(v) != exactX)
                found.push_back("X of " + Describe(v) + (inverted ? " inverted" : "") + ": " + std::to_string(x(v)) + " instead of " + std::to_string(exactX));
            if (y(v) != exactY)
                found.push_back("Y of " + Describe(v) + (inverted ? " inverted" : "") + ": " + std::to_string(y(v)) + " instead of " + std::to_string(exactY));
        }
    }
    axis.SetInverted(false);
    return found;
}

std::string FirstFew(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size() && i < 8; ++i)
        text += lines[i] + "\n";
    return text;
}

// A bottom axis with the limits and plot, set up further by Adjust before its scale and pixels are placed.
struct TMappingCase {
    const char* Name;
    double Min, Max;
    TRect Plot;
    std::function<void(TChartAxis&)> Adjust;
    std::vector<long long> MoreHalfPixels;
    std::vector<double> MoreValues;
};

void Place(TChartAxis& axis, TAxisTestChart& chart, const TMappingCase& c)
{
    axis.SetMinMax(c.Min, c.Max);
    if (c.Adjust)
        c.Adjust(axis);
    chart.SetPlotRect(c.Plot);
    axis.PrepareScale();
    axis.PlacePixels();
}

const std::vector<double> AnyAxisValues{0.0, -0.0, 1.0, -1.0, 0.5, -0.5, DBL_MAX, -DBL_MAX, DBL_MIN, -DBL_MIN,
    std::numeric_limits<double>::denorm_min(), Infinity, -Infinity, std::numeric_limits<double>::quiet_NaN(), 1e12, -1e12};

TEST(AxisPixelMapping, GivesTheAxisPixelsOnTiesLimitsAndUnusualScales)
{
    const TRect wide{54, 31, 430, 292};
    const TMappingCase cases[] = {
        {"ties at every odd value", 0, 200, {0, 0, 100, 100}, {}, {}, {1, 3, 5, 7, 99, 101, 199, 261, -1, -3}},
        {"calculator hardness axis", 200, 360, wide, {}, {}, {}},
        {"calculator protection axis", 0.9, 1.5, {54, 31, 315, 292}, {}, {}, {0.9, 1.5, 1.2, 1.05, 1.35}},
        {"negative limits", -7.3, -0.2, {0, 0, 1000, 1000}, {}, {}, {}},
        {"large offset from zero", 1e15, 1e15 + 3, {0, 0, 977, 977}, {}, {}, {1e15 + 1, 1e15 + 2}},
        {"huge range", -1e300, 1e300, wide, {}, {}, {1e300, -1e300, 3e299, 1e308}},
        {"tiny values", 1e-300, 3e-300, wide, {}, {}, {2e-300, 1e-299}},
        {"range past the largest double", -1e308, 1e308, wide, {}, {}, {1e308, 0.0, 5e307}},
        {"scale factor below the normal range", -0.85e308, 0.85e308, {0, 0, 1, 1}, {}, {}, {0.0, 1e307}},
        {"subnormal range", 0, 1, wide, [](TChartAxis& a) { a.SetMaximum(1e-310); }, {}, {5e-311, 1e-310}},
        {"zero range", 5, 5 + 1e-10, wide, [](TChartAxis& a) { a.SetMaximum(5); }, {}, {5.0, 4.0, 6.0}},
        {"no pixel span", 0, 100, wide,
            [](TChartAxis& a) {
                a.SetStartPosition(50);
                a.SetEndPosition(50);
            },
            {}, {50.0, 100.0}},
        {"end before start", 0, 100, wide,
            [](TChartAxis& a) {
                a.SetStartPosition(80);
                a.SetEndPosition(15);
            },
            {}, {}},
        {"logarithmic", 1, 1000, {0, 0, 300, 100}, [](TChartAxis& a) { a.SetLogarithmic(true); }, {}, {1.0, 10.0, 31.6227766, 100.0, 0.0, -5.0}},
        // Offsets at 2^30, where the double path stops, and at 2^31 - 1, where the axis maps to its centre.
        // Offsets that the origin pushes past the int range are left out: the axis overflows on them.
        {"offsets at the guard limits", 0, 376, {54, 31, 430, 292}, {},
            {1073741822, 1073741823, 1073741824, -1073741825, -1073741824, 2147483000, -2147000001},
            {1073741824.0, 1073741823.5, -1073741824.5, 1.5e9, 2147483647.0, 2147483648.0, -2147483647.0, -2147483648.0, 1e9}},
    };
    for (const TMappingCase& c : cases) {
        TAxisTestChart chart;
        TRecordingDevice device{553, 337};
        chart.Canvas().AttachCanvas(device);
        TChartAxis& axis = chart.BottomAxis();
        Place(axis, chart, c);
        std::vector<double> values = AnyAxisValues;
        values.insert(values.end(), c.MoreValues.begin(), c.MoreValues.end());
        values.push_back(axis.ScaleMinimum());
        values.push_back(axis.ScaleMaximum());
        AddNearHalfPixels(values, axis, SpanPixels(axis));
        AddNearHalfPixels(values, axis, c.MoreHalfPixels);
        const std::vector<std::string> found = Mismatches(axis, values);
        EXPECT_TRUE(found.empty()) << c.Name << ": " << found.size() << " values map elsewhere\n" << FirstFew(found);
    }
}

TEST(AxisPixelMapping, GivesTheAxisPixelsOnRandomScales)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> exponent(-12, 12);
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> size(1, 3000);
    std::uniform_int_distribution<long long> pixel(-500, 3500);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int round = 0; round < 150; ++round) {
        const double magnitude = std::pow(10.0, exponent(random));
        const double min = unit(random) < 0.2 ? 0.0 : (unit(random) < 0.5 ? -1 : 1) * magnitude * unit(random);
        const double max = min + std::pow(10.0, exponent(random));
        const TMappingCase c{"random", min, max, {0, 0, size(random), 100}, {}, {}, {}};
        TAxisTestChart chart;
        TRecordingDevice device{553, 337};
        chart.Canvas().AttachCanvas(device);
        TChartAxis& axis = chart.BottomAxis();
        Place(axis, chart, c);
        std::vector<double> values;
        std::vector<long long> pixels;
        for (int i = 0; i < 40; ++i) {
            values.push_back(min + (max - min) * (unit(random) * 1.5 - 0.25));
            values.push_back(std::bit_cast<double>(bits(random)));
            pixels.push_back(pixel(random));
        }
        AddNearHalfPixels(values, axis, pixels);
        const std::vector<std::string> found = Mismatches(axis, values);
        EXPECT_TRUE(found.empty()) << "limits " << Describe(min) << " to " << Describe(max) << " over " << axis.PixelLength()
                                   << " pixels: " << found.size() << " values map elsewhere\n"
                                   << FirstFew(found);
    }
}

}
