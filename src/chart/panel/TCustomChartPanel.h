#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/SetterRule.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TNotifyEvent.h"
#include "chart/canvas/TRect.h"
#include "chart/panel/TBevelCut.h"
#include "chart/panel/TCursor.h"
#include "chart/panel/TZoomPanningRecord.h"

#include <functional>
#include <memory>

class TChartCanvas3D;
class TDrawingDevice;
class TView3DOptions;

// The chart control's base: size, colour, bevels, the canvas with its off-screen buffer, margins,
// the 3D switch and the plot rectangle. Drawing the contents is left to the derived layers.
class BHN_CHART_API TCustomChartPanel {
public:
    // onInvalidate is the platform's repaint request; it is also settable later through OnInvalidate.
    explicit TCustomChartPanel(TNotifyEvent onInvalidate = {});
    TCustomChartPanel(const TCustomChartPanel&) = delete;
    TCustomChartPanel& operator=(const TCustomChartPanel&) = delete;
    virtual ~TCustomChartPanel();

    // Called by Invalidate after the buffer is marked stale; the platform schedules a paint.
    TNotifyEvent OnInvalidate;
    // Called when the control's cursor changes; the platform shows it.
    std::function<void(TCursor)> OnCursorChange;

    // Control properties.
    int Width() const { return width_; }
    void SetWidth(int value);
    int Height() const { return height_; }
    void SetHeight(int value);
    void SetSize(int width, int height);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut value);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut value);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);
    // The cursor remembered after loading; restored when the mouse leaves.
    TCursor OriginalCursor() const { return originalCursor_; }
    void RememberCursor() { originalCursor_ = cursor_; }

    int Chart3DPercent() const { return chart3DPercent_; }
    // Refuses a value outside 1..100 with ChartException; the old value stays.
    void SetChart3DPercent(int value);
    bool View3D() const { return view3D_; }
    void SetView3D(bool value);
    TView3DOptions& View3DOptions() { return *view3DOptions_; }
    const TView3DOptions& View3DOptions() const { return *view3DOptions_; }
    void SetView3DOptions(const TView3DOptions& value);

    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int value);
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int value);
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int value);
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int value);

    bool PrintProportional() const { return printProportional_; }
    void SetPrintProportional(bool value) { printProportional_ = value; }
    bool PrintingNow() const { return printingNow_; }
    bool Monochrome() const;
    void SetMonochrome(bool value);
    bool UseBitmapBuffer() const;
    void SetUseBitmapBuffer(bool value);

    TChartCanvas3D& Canvas() { return *canvas_; }
    const TChartCanvas3D& Canvas() const { return *canvas_; }
    TZoomPanningRecord& Zoom() { return zoom_; }
    const TZoomPanningRecord& Zoom() const { return zoom_; }
    TZoomPanningRecord& Panning() { return panning_; }
    const TZoomPanningRecord& Panning() const { return panning_; }

    TRect PanelRect() const { return panelRect_; }
    TRect PlotRect() const { return plotRect_; }
    // Stores the rectangle and runs UpdatePlotSize.
    void SetPlotRect(const TRect& value);
    int PlotWidth() const { return plotWidth_; }
    int PlotHeight() const { return plotHeight_; }
    int PlotXCenter() const { return plotXCenter_; }
    int PlotYCenter() const { return plotYCenter_; }
    // Keeps PlotRect inside the panel and non-empty, then recomputes the derived sizes.
    void UpdatePlotSize();
    int Depth3DX() const { return depth3DX_; }
    int Depth3DY() const { return depth3DY_; }

    // Marks the buffer stale and asks the platform to repaint; ignored during construction.
    void Invalidate();

    // The surface the canvas stays attached to between paints (the control's own canvas).
    void SetWindowDevice(TDrawingDevice* device);
    // The window's paint request: one bitmap copy when nothing changed, else a full draw; then the
    // zoom rectangle of an active drag on top.
    void Paint(TDrawingDevice& window);
    // Draws the whole chart into the device within the rectangle, with the buffering as it is set.
    void DrawToCanvas(TDrawingDevice& destination, const TRect& rect);
    // Draws the whole chart as a picture (a file, the clipboard): straight onto the device within the
    // rectangle, past the buffer, which is drawn anew on the next paint.
    void DrawPicture(TDrawingDevice& device, const TRect& rect);
    // Draws the whole chart for a printer: as a picture, with PrintingNow set so that the printing rules apply.
    void PrintToCanvas(TDrawingDevice& printer, const TRect& rect);

    // The mouse left the control: the remembered cursor returns and a scroll drag ends.
    void MouseLeave();
    // The zoom record's rectangle in the inverting pen; drawing it twice erases it.
    void DrawZoomRectangle();

protected:
    // The ordered draw pass of the chart, into the rectangle InitWindow returned.
    virtual void DrawChartContents(const TRect& panelRect) = 0;
    // Whether the draw pass itself draws an active zoom rectangle (not when the window paints it on top).
    bool ZoomRectangleInPass() const { return !paintingWindow_; }
    // The number of z-planes the depth offsets are multiplied by.
    virtual int ZPlaneCount() const { return 1; }
    // Clipping is possible unless the canvas rotates freely or the output goes to a printer.
    bool CanClip() const;
    // Ends construction: from now on Invalidate asks for a repaint. The last layer's constructor calls it.
    void EndConstruction() { constructed_ = true; }
    // Recomputes Depth3DX and Depth3DY from the current PlotRect.
    void CalcDepth3D();
    // The panel bevels, border and inner bevel on the rectangle.
    void DrawPanelBevels(TRect rect);
    // The setter rule: a changed value is stored and the chart invalidated; an equal one costs nothing.
    template <typename T>
    void StoreAndInvalidate(T& field, T value)
    {
        ::StoreAndInvalidate(field, value, [this] { Invalidate(); });
    }

private:
    // Sets the canvas on a device, its buffering and the printing rules for one drawing.
    friend class TDeviceSession;

    // Lays out the panel within the rectangle, draws the contents and shows the buffer on the destination.
    void DrawPass(TDrawingDevice& destination, const TRect& rect);
    void DrawBevelFrame(TRect& rect, TBevelCut cut);
    // Frames of width pixels: top and left edges in one colour, bottom and right in the other; rect shrinks.
    void DrawFrame3D(TRect& rect, TColor topLeft, TColor bottomRight, int width);

    bool constructed_ = false;
    int width_ = 400;
    int height_ = 250;
    TColor color_ = clBtnFace;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TCursor cursor_ = crDefault;
    TCursor originalCursor_ = crDefault;
    int chart3DPercent_ = 15;
    bool view3D_ = true;
    std::unique_ptr<TView3DOptions> view3DOptions_;
    std::unique_ptr<TChartCanvas3D> canvas_;
    TDrawingDevice* windowDevice_ = nullptr;
    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    bool printProportional_ = true;
    bool printingNow_ = false;
    // While the window paints, the zoom rectangle goes on the window, not into the buffer.
    bool paintingWindow_ = false;
    TZoomPanningRecord zoom_;
    TZoomPanningRecord panning_;
    TRect panelRect_;
    TRect plotRect_;
    int plotWidth_ = 0;
    int plotHeight_ = 0;
    int plotXCenter_ = 0;
    int plotYCenter_ = 0;
    int depth3DX_ = 0;
    int depth3DY_ = 0;
};
