#include "chart/canvas/TView3DOptions.h"

#include "chart/canvas/SetterRule.h"

#include <utility>

TView3DOptions::TView3DOptions(TNotifyEvent onChange) : onChange_(std::move(onChange))
{
}

template <typename T>
void TView3DOptions::StoreAndInvalidate(T& field, T value)
{
    ::StoreAndInvalidate(field, value, [this] { InvalidateChart(); });
}

void TView3DOptions::SetElevation(int value) { StoreAndInvalidate(elevation_, value); }
void TView3DOptions::SetHorizOffset(int value) { StoreAndInvalidate(horizOffset_, value); }
void TView3DOptions::SetOrthogonal(bool value) { StoreAndInvalidate(orthogonal_, value); }
void TView3DOptions::SetPerspective(int value) { StoreAndInvalidate(perspective_, value); }
void TView3DOptions::SetRotation(int value) { StoreAndInvalidate(rotation_, value); }
void TView3DOptions::SetTilt(int value) { StoreAndInvalidate(tilt_, value); }
void TView3DOptions::SetVertOffset(int value) { StoreAndInvalidate(vertOffset_, value); }
void TView3DOptions::SetZoomText(bool value) { StoreAndInvalidate(zoomText_, value); }

void TView3DOptions::SetZoom(int value)
{
    if (zoom_ == value)
        return;
    if (onZoom_)
        onZoom_(value);
    zoom_ = value;
    InvalidateChart();
}

void TView3DOptions::Assign(const TView3DOptions& source)
{
    const bool same = elevation_ == source.elevation_ && horizOffset_ == source.horizOffset_
        && orthogonal_ == source.orthogonal_ && perspective_ == source.perspective_ && rotation_ == source.rotation_
        && tilt_ == source.tilt_ && vertOffset_ == source.vertOffset_ && zoom_ == source.zoom_
        && zoomText_ == source.zoomText_;
    if (same)
        return;
    elevation_ = source.elevation_;
    horizOffset_ = source.horizOffset_;
    orthogonal_ = source.orthogonal_;
    perspective_ = source.perspective_;
    rotation_ = source.rotation_;
    tilt_ = source.tilt_;
    vertOffset_ = source.vertOffset_;
    zoom_ = source.zoom_;
    zoomText_ = source.zoomText_;
    InvalidateChart();
}

void TView3DOptions::SetOnChange(TNotifyEvent handler)
{
    onChange_ = std::move(handler);
}

void TView3DOptions::SetOnZoom(TZoomHandler handler)
{
    onZoom_ = std::move(handler);
}

void TView3DOptions::InvalidateChart() const
{
    if (onChange_)
        onChange_();
}
