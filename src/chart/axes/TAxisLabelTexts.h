#pragma once

#include <string>

class TCustomChartAxis;
class TChartSeries;

// The texts an axis labels its values with, their extents in the canvas' current font, and the label
// step those extents allow.
class TAxisLabelTexts {
public:
    // Whether a label text goes through the chart's OnGetAxisLabel handler (not while measuring).
    enum class THandlerCall { Call, Skip };

    explicit TAxisLabelTexts(const TCustomChartAxis& axis) : axis_(axis) {}

    std::string Format(double value, THandlerCall handler) const;
    // Lets the chart's OnGetAxisLabel handler, if any, change a label text.
    void CallGetAxisLabel(TChartSeries* series, int valueIndex, std::string& text) const;
    int WidestLine(const std::string& text) const;
    // The extent of a label across and along the text direction, at the axis' label angle.
    int WidthOf(const std::string& text) const;
    int HeightOf(const std::string& text) const;
    // The label step: the smallest of the 1, 2, 5 sequence (or calendar step) whose labels fit the span.
    double Increment(THandlerCall handler) const;
    // The room the widest label needs beside a vertical axis.
    int MaxLabelsWidth() const;

private:
    int FontHeight() const;
    double DateTimeIncrement(int maxLabels) const;

    const TCustomChartAxis& axis_;
};
