#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TPen.h"

// An engine pen: a canvas pen that can be hidden and can draw small dots.
class BHN_CHART_API TChartPen : public TPen {
public:
    TChartPen() = default;
    explicit TChartPen(TNotifyEvent onChange);

    bool SmallDots() const { return smallDots_; }
    void SetSmallDots(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    using TPen::Assign;
    // Copies every setting of another engine pen; notifies once when anything changed.
    void Assign(const TChartPen& source);

    // Whether every setting equals the defaults of this pen's class.
    bool IsDefault() const;

protected:
    TChartPen(TColor color, TPenStyle style, int width, bool visible);

private:
    TColor defaultColor_ = clBlack;
    TPenStyle defaultStyle_ = psSolid;
    int defaultWidth_ = 1;
    bool defaultVisible_ = true;
    bool smallDots_ = false;
    bool visible_ = true;
};

// Engine pens that differ from TChartPen only by their defaults.
class BHN_CHART_API TChartHiddenPen : public TChartPen {
public:
    TChartHiddenPen() : TChartPen(clBlack, psSolid, 1, false) {}
};

class BHN_CHART_API TDottedGrayPen : public TChartPen {
public:
    TDottedGrayPen() : TChartPen(clGray, psDot, 1, true) {}
};

class BHN_CHART_API TDarkGrayPen : public TChartPen {
public:
    TDarkGrayPen() : TChartPen(clGray, psSolid, 1, true) {}
};

class BHN_CHART_API TChartAxisPen : public TChartPen {
public:
    TChartAxisPen() : TChartPen(clBlack, psSolid, 2, true) {}
};

class BHN_CHART_API TChartArrowPen : public TChartPen {
public:
    TChartArrowPen() : TChartPen(clWhite, psSolid, 1, true) {}
};
