#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/GradientDirection.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TNotifyEvent.h"

#include <utility>

// The panel background blend. Setters compare, store and notify the owner.
class BHN_CHART_API TChartGradient {
public:
    TChartGradient() = default;
    explicit TChartGradient(TNotifyEvent onChange) : onChange_(std::move(onChange)) {}
    TChartGradient(const TChartGradient&) = delete;
    TChartGradient& operator=(const TChartGradient&) = delete;

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    TGradientDirection Direction() const { return direction_; }
    void SetDirection(TGradientDirection value);
    TColor StartColor() const { return startColor_; }
    void SetStartColor(TColor value);
    TColor EndColor() const { return endColor_; }
    void SetEndColor(TColor value);

    // Copies every setting; notifies once when anything changed.
    void Assign(const TChartGradient& source);

    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

private:
    template <typename T>
    void StoreAndInvalidate(T& field, T value);

    bool visible_ = false;
    TGradientDirection direction_ = gdTopBottom;
    TColor startColor_ = clWhite;
    TColor endColor_ = clYellow;
    TNotifyEvent onChange_;
};
