#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/BrushTypes.h"
#include "chart/panel/TCustomChartPanelExtended.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TChartSeries;
class TCustomChartAxis;
class TChartAxis;
class TChartDepthAxis;
struct TFrameLayout;

// Adds the series list, the five axes, the ordered draw pass, paging and axis ranges from series.
class BHN_CHART_API TCustomAxisPanel : public TCustomChartPanelExtended {
public:
    explicit TCustomAxisPanel(TNotifyEvent onInvalidate = {});
    ~TCustomAxisPanel() override;

    // Loading from a form description: setters skip the checks that depend on other properties.
    bool IsLoading() const { return loading_ > 0; }
    void BeginLoading() { ++loading_; }
    // The end of the outermost loading also remembers the cursor to restore when the mouse leaves.
    void EndLoading();

    // Series, in attach order.
    int SeriesCount() const { return static_cast<int>(seriesList_.size()); }
    TChartSeries* Series(int index) const { return seriesList_.at(static_cast<std::size_t>(index)); }
    const std::vector<TChartSeries*>& SeriesList() const { return seriesList_; }
    int ActiveSeriesCount() const;
    TChartSeries* FirstActiveSeries() const;
    // The index-th series (from 0) among the active ones shown in the legend, or none.
    TChartSeries* NthLegendSeries(int index) const;
    // The legend text of NthLegendSeries(index): its Title, else its Name, else "Series <index>".
    std::string LegendSeriesText(int index) const;
    // Appends the series (once), giving it a palette colour when it has none.
    void AttachSeries(TChartSeries* series);
    // Removes the series (when present) and clears its link to this chart.
    void DetachSeries(TChartSeries* series);
    // Detaches and deletes every series.
    void DestroyAllSeries();
    // The first palette colour no series uses and that differs from the chart's background colours.
    TColor PickSeriesColor() const;
    // Whether no series has the colour and it is neither the control's nor the back wall's colour.
    virtual bool ColorIsUnused(TColor color) const;
    // Refuses a data source whose chain of source series leads back to the series.
    void CheckDataSourceCycle(TChartSeries* series, TChartSeries* source);

    // Axes, in creation order: Bottom, Top, Left, Right, Depth, then any later ones.
    TChartAxis& BottomAxis() { return *bottomAxis_; }
    TChartAxis& TopAxis() { return *topAxis_; }
    TChartAxis& LeftAxis() { return *leftAxis_; }
    TChartAxis& RightAxis() { return *rightAxis_; }
    TChartDepthAxis& DepthAxis() { return *depthAxis_; }
    const TChartAxis& BottomAxis() const { return *bottomAxis_; }
    const TChartAxis& TopAxis() const { return *topAxis_; }
    const TChartAxis& LeftAxis() const { return *leftAxis_; }
    const TChartAxis& RightAxis() const { return *rightAxis_; }
    const TChartDepthAxis& DepthAxis() const { return *depthAxis_; }
    void SetBottomAxis(const TChartAxis& value);
    void SetTopAxis(const TChartAxis& value);
    void SetLeftAxis(const TChartAxis& value);
    void SetRightAxis(const TChartAxis& value);
    void SetDepthAxis(const TChartDepthAxis& value);
    const std::vector<TCustomChartAxis*>& AxesList() const { return axesList_; }
    // Called by an axis's constructor.
    void AddAxis(TCustomChartAxis* axis) { axesList_.push_back(axis); }
    bool AxisIsShown(const TCustomChartAxis& axis) const;
    // The wall size an axis leaves beside the plot; a chart without walls leaves none.
    virtual int WallSizeForAxis(const TCustomChartAxis&) const { return 0; }
    // Paints at once where the chart can; this one only marks the picture for the next paint.
    virtual void RepaintNow() { Invalidate(); }

    // The series' value range an automatic axis takes (the current page only, when paging).
    double MinXValue(const TCustomChartAxis& axis) const;
    double MaxXValue(const TCustomChartAxis& axis) const;
    double MinYValue(const TCustomChartAxis& axis) const;
    double MaxYValue(const TCustomChartAxis& axis) const;

    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool value);
    bool View3DWalls() const { return view3DWalls_; }
    void SetView3DWalls(bool value);
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool value);

    int Page() const { return page_; }
    // Clamps to 1..NumPages; a change repaints and raises OnPageChange.
    void SetPage(int value);
    int MaxPointsPerPage() const { return maxPointsPerPage_; }
    // Refuses a negative value with ChartException; pulls Page back within the page count.
    void SetMaxPointsPerPage(int value);
    bool ScaleLastPage() const { return scaleLastPage_; }
    void SetScaleLastPage(bool value);
    int NumPages() const;

    // The legend's colour, stored by the legend each time it draws; series read it for their symbols.
    TColor LegendBackColor() const { return legendBackColor_; }
    void SetLegendBackColor(TColor value) { legendBackColor_ = value; }
    // Sets the canvas brush to a fill colour and style: a pattern on an opaque background colour,
    // a solid or clear brush with a transparent background.
    void SetBrushCanvas(TColor color, TBrushStyle style, TColor background);
    // The width of the widest line of a text (lines end at '\n') and the number of lines.
    int MultiLineTextWidth(std::string_view text, int& numLines);

    std::function<void(TChartAxis& sender, TChartSeries* series, int valueIndex, std::string& labelText)> OnGetAxisLabel;
    std::function<void(TChartAxis& sender, int labelIndex, double& labelValue, bool& stop)> OnGetNextAxisLabel;
    TNotifyEvent OnPageChange;
    TNotifyEvent OnBeforeDrawAxes;
    TNotifyEvent OnBeforeDrawSeries;

protected:
    void DrawChartContents(const TRect& panelRect) override;
    int ZPlaneCount() const override { return maxZOrder_ + 1; }
    // Places the title, foot and legend, each taking its room from PlotRect; nothing is drawn.
    virtual void LayOutTitlesAndLegend(TFrameLayout& layout) = 0;
    // Draws them where the layout put them (between FrontPlaneBegin and FrontPlaneEnd).
    virtual void PaintTitlesAndLegend(const TFrameLayout& layout) = 0;
    virtual void PaintWalls() = 0;
    // The back image inside the walls is drawn by the walls; outside them by the background.
    virtual bool BackImageInside() const { return false; }
    // The back wall's size, taken from the plot in orthogonal 3D.
    virtual int BackWallSize() const { return 0; }

    void PaintPanelBackground(const TRect& panelRect);
    void ReserveAxesSpace();
    void CollectSeriesMargins();
    void PaintAxes();
    void PaintSeries(TChartSeries& series);

private:
    enum class TValueDimension : std::uint8_t { X, Y };
    enum class TRangeEnd : std::uint8_t { Minimum, Maximum };
    double AxisRange(const TCustomChartAxis& axis, TValueDimension dimension, TRangeEnd end) const;
    // The range of the current page of the series' X values.
    double PageRange(const TChartSeries& series, TRangeEnd end) const;
    int AxisPageCount(const TCustomChartAxis& axis) const;

    int loading_ = 0;
    std::vector<TChartSeries*> seriesList_;
    std::vector<TCustomChartAxis*> axesList_;
    std::unique_ptr<TChartAxis> bottomAxis_;
    std::unique_ptr<TChartAxis> topAxis_;
    std::unique_ptr<TChartAxis> leftAxis_;
    std::unique_ptr<TChartAxis> rightAxis_;
    std::unique_ptr<TChartDepthAxis> depthAxis_;
    bool axisVisible_ = true;
    bool view3DWalls_ = true;
    bool clipPoints_ = true;
    int page_ = 1;
    int maxPointsPerPage_ = 0;
    bool scaleLastPage_ = true;
    int maxZOrder_ = 0;
    TColor legendBackColor_ = clWhite;
};
