#pragma once

#include "chart/ChartApi.h"
#include "chart/panel/TBackImagePlace.h"
#include "chart/panel/TChartBackImageMode.h"
#include "chart/panel/TChartGradient.h"
#include "chart/panel/TChartPicture.h"
#include "chart/panel/TCustomChartPanel.h"
#include "chart/panel/TPanningMode.h"

// Adds the background gradient, the back image and the zoom and panning settings.
class BHN_CHART_API TCustomChartPanelExtended : public TCustomChartPanel {
public:
    explicit TCustomChartPanelExtended(TNotifyEvent onInvalidate = {});

    TChartGradient& Gradient() { return gradient_; }
    const TChartGradient& Gradient() const { return gradient_; }
    void SetGradient(const TChartGradient& value) { gradient_.Assign(value); }
    TChartPicture& BackImage() { return backImage_; }
    const TChartPicture& BackImage() const { return backImage_; }
    void SetBackImage(const TChartPicture& value) { backImage_.Assign(value); }
    TChartBackImageMode BackImageMode() const { return backImageMode_; }
    void SetBackImageMode(TChartBackImageMode value);

    bool AllowZoom() const { return allowZoom_; }
    void SetAllowZoom(bool value) { allowZoom_ = value; }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode value) { allowPanning_ = value; }
    bool AnimatedZoom() const { return animatedZoom_; }
    void SetAnimatedZoom(bool value) { animatedZoom_ = value; }
    int AnimatedZoomSteps() const { return animatedZoomSteps_; }
    void SetAnimatedZoomSteps(int value) { animatedZoomSteps_ = value; }
    bool Zoomed() const { return zoomed_; }
    void SetZoomed(bool value) { zoomed_ = value; }

    // Draws the back image into the rectangle in BackImageMode (nothing without a graphic).
    void DrawBackImage(const TRect& rect, TBackImagePlace place);

    TNotifyEvent OnAfterDraw;
    TNotifyEvent OnScroll;
    TNotifyEvent OnUndoZoom;
    TNotifyEvent OnZoom;

protected:
    // Fills the rectangle with the gradient when it is visible, else (unless printing) with Color.
    void FillPanelBackground(const TRect& rect);

private:
    TChartGradient gradient_;
    TChartPicture backImage_;
    TChartBackImageMode backImageMode_ = pbmStretch;
    bool allowZoom_ = true;
    TPanningMode allowPanning_ = pmBoth;
    bool animatedZoom_ = false;
    int animatedZoomSteps_ = 8;
    bool zoomed_ = false;
};
