#include "chart/canvas/TPen.h"

#include "chart/canvas/SetterRule.h"

#include <utility>

TPen::TPen(TColor color, TPenStyle style, int width, TPenMode mode)
    : color_(color), style_(style), width_(width), mode_(mode)
{
}

void TPen::SetColor(TColor value)
{
    StoreAndInvalidate(color_, value, [this] { Changed(); });
}

void TPen::SetStyle(TPenStyle value)
{
    StoreAndInvalidate(style_, value, [this] { Changed(); });
}

void TPen::SetWidth(int value)
{
    StoreAndInvalidate(width_, value, [this] { Changed(); });
}

void TPen::SetMode(TPenMode value)
{
    StoreAndInvalidate(mode_, value, [this] { Changed(); });
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
