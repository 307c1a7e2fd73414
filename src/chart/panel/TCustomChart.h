#pragma once

#include "chart/ChartApi.h"
#include "chart/frame/TLegendEvents.h"
#include "chart/mouse/TChartClickedPart.h"
#include "chart/mouse/TChartMouseState.h"
#include "chart/mouse/TZoomValues.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/panel/TMouseButton.h"
#include "chart/panel/TShiftState.h"

#include <functional>
#include <memory>

class TChartTitle;
class TChartWall;
class TChartLegend;
class TChartPen;

// Adds the title, foot, walls and legend with their layout, and the mouse entry points.
class BHN_CHART_API TCustomChart : public TCustomAxisPanel {
public:
    explicit TCustomChart(TNotifyEvent onInvalidate = {});
    ~TCustomChart() override;

    TChartTitle& Title() { return *title_; }
    const TChartTitle& Title() const { return *title_; }
    void SetTitle(const TChartTitle& value);
    TChartTitle& Foot() { return *foot_; }
    const TChartTitle& Foot() const { return *foot_; }
    void SetFoot(const TChartTitle& value);
    TChartWall& BackWall() { return *backWall_; }
    const TChartWall& BackWall() const { return *backWall_; }
    void SetBackWall(const TChartWall& value);
    TChartWall& LeftWall() { return *leftWall_; }
    const TChartWall& LeftWall() const { return *leftWall_; }
    void SetLeftWall(const TChartWall& value);
    TChartWall& BottomWall() { return *bottomWall_; }
    const TChartWall& BottomWall() const { return *bottomWall_; }
    void SetBottomWall(const TChartWall& value);
    TChartLegend& Legend() { return *legend_; }
    const TChartLegend& Legend() const { return *legend_; }
    void SetLegend(const TChartLegend& value);

    int WallSizeForAxis(const TCustomChartAxis& axis) const override;
    // The back wall's colour; writing it (at run time) also makes the back wall's brush solid.
    TColor BackColor() const;
    void SetBackColor(TColor value);
    // The back wall's pen.
    TChartPen& Frame();
    void SetFrame(const TChartPen& value);
    bool BackImageInside() const override { return backImageInside_; }
    void SetBackImageInside(bool value);

    bool ColorIsUnused(TColor color) const override;

    // Mouse entry points; the platform forwards its events here.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseMove(TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // delta > 0: the wheel turned up (away from the user).
    void MouseWheel(int delta);
    // Lets a mouse-down or click handler stop the chart's own mouse handling.
    bool CancelMouse() const { return cancelMouse_; }
    void SetCancelMouse(bool value) { cancelMouse_ = value; }
    // What lies under the point: series (last first), axis, title, foot, plot background, legend item.
    TChartClickedPart ClickedPart(int x, int y);
    // Zooms the four side axes to the values under the normalised zoom record, unless a shown axis could no
    // longer label distinct values: a range below MinZoomRangeRatio of its values' magnitude, or labels that
    // would read the same as their neighbours.
    void ZoomToRect();
    void ZoomToValues(const TZoomValues& values);
    // Gives the axes back the settings they had before the first zoom or scroll.
    void UndoZoom();
    // Paints now: the platform's immediate paint (OnRepaint) after the buffer is marked stale.
    void RepaintNow() override
    {
        Invalidate();
        if (OnRepaint)
            OnRepaint();
    }
    TNotifyEvent OnRepaint;
    // The zoom rectangle moved or went away; it is drawn at paint time, so the platform asks for a paint.
    TNotifyEvent OnZoomRectangleChanged;

    std::function<void(TChartAxis& axis, double& newMin, double& newMax, bool& allowScroll)> OnAllowScroll;
    std::function<void(TCustomChart& sender, TChartAxis& axis, TMouseButton button, TShiftState shift, int x, int y)> OnClickAxis;
    std::function<void(TCustomChart& sender, TMouseButton button, TShiftState shift, int x, int y)> OnClickBackground;
    std::function<void(TCustomChart& sender, TMouseButton button, TShiftState shift, int x, int y)> OnClickLegend;
    std::function<void(TCustomChart& sender, TChartSeries& series, int valueIndex, TMouseButton button, TShiftState shift, int x, int y)> OnClickSeries;
    TOnGetLegendPos OnGetLegendPos;
    TOnGetLegendRect OnGetLegendRect;
    TOnGetLegendText OnGetLegendText;

protected:
    void LayOutTitlesAndLegend(TFrameLayout& layout) override;
    void PaintTitlesAndLegend(const TFrameLayout& layout) override;
    void PaintWalls() override;
    int BackWallSize() const override;

private:
    std::unique_ptr<TChartTitle> title_;
    std::unique_ptr<TChartTitle> foot_;
    std::unique_ptr<TChartWall> backWall_;
    std::unique_ptr<TChartWall> leftWall_;
    std::unique_ptr<TChartLegend> legend_;
    std::unique_ptr<TChartWall> bottomWall_;
    bool backImageInside_ = false;
    bool cancelMouse_ = false;
    TChartMouseState mouseState_;
};
