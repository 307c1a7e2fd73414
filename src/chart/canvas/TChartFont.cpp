#include "chart/canvas/TChartFont.h"

#include "chart/canvas/ChartMath.h"

#include <utility>

TChartFont::TChartFont(TNotifyEvent onChange) : onChange_(std::move(onChange))
{
}

int TChartFont::SizeToHeight(int points)
{
    return -MulDiv(points, PixelsPerInch, 72);
}

void TChartFont::SetName(const std::string& value)
{
    if (name_ == value)
        return;
    name_ = value;
    Changed();
}

int TChartFont::Size() const
{
    return -MulDiv(height_, 72, PixelsPerInch);
}

void TChartFont::SetSize(int points)
{
    SetHeight(SizeToHeight(points));
}

void TChartFont::SetHeight(int pixels)
{
    if (height_ == pixels)
        return;
    height_ = pixels;
    Changed();
}

void TChartFont::SetColor(TColor value)
{
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TChartFont::SetStyle(TFontStyles value)
{
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

void TChartFont::SetCharSet(std::uint8_t value)
{
    if (charSet_ == value)
        return;
    charSet_ = value;
    Changed();
}

bool TChartFont::IsDefault() const
{
    return Size() == DefaultSize && name_ == DefaultName && color_ == clBlack && style_.IsEmpty()
        && charSet_ == DEFAULT_CHARSET;
}

void TChartFont::Assign(const TChartFont& source)
{
    if (name_ == source.name_ && height_ == source.height_ && color_ == source.color_ && style_ == source.style_
        && charSet_ == source.charSet_)
        return;
    name_ = source.name_;
    height_ = source.height_;
    color_ = source.color_;
    style_ = source.style_;
    charSet_ = source.charSet_;
    Changed();
}

void TChartFont::SetOnChange(TNotifyEvent handler)
{
    onChange_ = std::move(handler);
}

void TChartFont::Changed() const
{
    if (onChange_)
        onChange_();
}
