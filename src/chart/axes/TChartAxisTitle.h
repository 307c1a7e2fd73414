#pragma once

#include "chart/ChartApi.h"
#include "chart/frame/TChartFontObject.h"

#include <string>

// The title of an axis: a caption drawn beside the labels at an angle, in its own font.
class BHN_CHART_API TChartAxisTitle : public TChartFontObject {
public:
    TChartAxisTitle(TCustomAxisPanel& chart, int defaultAngle);

    int Angle() const { return angle_; }
    // Refuses an angle outside 0..359 with a ChartException.
    void SetAngle(int value);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);

    int DefaultAngle() const { return defaultAngle_; }
    // The angle is written to a form description only when it differs from the axis default.
    bool IsAngleStored() const { return angle_ != defaultAngle_; }

    // Copies angle, caption and font (the default angle belongs to the owning axis).
    void Assign(const TChartAxisTitle& source);

private:
    int defaultAngle_;
    int angle_;
    std::string caption_;
};
