#include "chart/canvas/TPen.h"

#include <utility>

TPen::TPen(TColor color, TPenStyle style, int width, TPenMode mode)
    : color_(color), style_(style), width_(width), mode_(mode)
{
}

void TPen::SetColor(TColor value)
{
    if (color_ == value)
        return;
    color_ = value;
    Changed();
}

void TPen::SetStyle(TPenStyle value)
{
    if (style_ == value)
        return;
    style_ = value;
    Changed();
}

void TPen::SetWidth(int value)
{
    if (width_ == value)
        return;
    width_ = value;
    Changed();
}

void TPen::SetMode(TPenMode value)
{
    if (mode_ == value)
        return;
    mode_ = value;
    Changed();
}

void TPen::Assign(const TPen& source)
{
    if (CopySettings(source))
        Changed();
}

bool TPen::CopySettings(const TPen& source)
{
    if (color_ == source.color_ && style_ == source.style_ && width_ == source.width_ && mode_ == source.mode_)
        return false;
    color_ = source.color_;
    style_ = source.style_;
    width_ = source.width_;
    mode_ = source.mode_;
    return true;
}

void TPen::SetOnChange(TNotifyEvent handler)
{
    onChange_ = std::move(handler);
}

void TPen::Changed() const
{
    if (onChange_)
        onChange_();
}
