#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TRect.h"

class TCanvas3D;

// An image the chart can draw behind its contents; the platform supplies concrete ones.
class BHN_CHART_API TChartGraphic {
public:
    virtual ~TChartGraphic() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws the whole image stretched into the rectangle.
    virtual void Draw(TCanvas3D& canvas, const TRect& rect) const = 0;
};
