#pragma once

#include "chart/canvas/TChartFont.h"

#include <string>

class TCustomAxisPanel;

// The title of an axis: a caption drawn beside the labels at an angle, in its own font.
class TChartAxisTitle {
public:
    TChartAxisTitle(TCustomAxisPanel& chart, int defaultAngle);
    TChartAxisTitle(const TChartAxisTitle&) = delete;
    TChartAxisTitle& operator=(const TChartAxisTitle&) = delete;

    int Angle() const { return angle_; }
    // Refuses an angle outside 0..359 with a ChartException.
    void SetAngle(int value);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }
    void SetFont(const TChartFont& value) { font_.Assign(value); }

    int DefaultAngle() const { return defaultAngle_; }
    // The angle is written to a form description only when it differs from the axis default.
    bool IsAngleStored() const { return angle_ != defaultAngle_; }

    // Copies angle, caption and font (the default angle belongs to the owning axis).
    void Assign(const TChartAxisTitle& source);

private:
    TCustomAxisPanel& chart_;
    int defaultAngle_;
    int angle_;
    std::string caption_;
    TChartFont font_;
};
