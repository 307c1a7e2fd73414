#include "chart/canvas/TChartFont.h"

#include "chart/canvas/ChartMath.h"
#include "chart/canvas/SetterRule.h"

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
    StoreAndInvalidate(name_, value, [this] { Changed(); });
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
    StoreAndInvalidate(height_, pixels, [this] { Changed(); });
}

void TChartFont::SetColor(TColor value)
{
    StoreAndInvalidate(color_, value, [this] { Changed(); });
}

void TChartFont::SetStyle(TFontStyles value)
{
    StoreAndInvalidate(style_, value, [this] { Changed(); });
}

void TChartFont::SetCharSet(std::uint8_t value)
{
    StoreAndInvalidate(charSet_, value, [this] { Changed(); });
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
