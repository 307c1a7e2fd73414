#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/BrushTypes.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TRect.h"
#include "chart/series/TLegendTextStyle.h"
#include "chart/series/TPersistentObject.h"
#include "chart/series/TSeriesAxes.h"
#include "chart/series/TSeriesMarks.h"
#include "chart/series/TSeriesNotification.h"
#include "chart/series/TSeriesPoints.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TChartAxis;
class TChartFunction;
class TCustomAxisPanel;
class TCustomChartAxis;
class TChartCanvas3D;

// Which mouse button event reached a series.
enum TSeriesClickKind { sckClick, sckDoubleClick };

// One set of data points of a chart: X and Y per point, an optional label and an optional colour.
class BHN_CHART_API TChartSeries : public TPersistentObject {
public:
    static constexpr const char* DefaultValueFormat = "#,##0.###";
    static constexpr const char* DefaultPercentFormat = "##0.## %";

    TChartSeries();
    TChartSeries(const TChartSeries&) = delete;
    TChartSeries& operator=(const TChartSeries&) = delete;
    ~TChartSeries() override;

    // The component name (Series1 ...), used by the legend when there is no Title.
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }

    // Value lists and points.
    TChartValueList& XValues() { return points_.XValues(); }
    const TChartValueList& XValues() const { return points_.XValues(); }
    void SetXValues(const TChartValueList& value);
    TChartValueList& YValues() { return points_.YValues(); }
    const TChartValueList& YValues() const { return points_.YValues(); }
    void SetYValues(const TChartValueList& value);
    const TChartValueLists& ValueLists() const { return points_.Lists(); }
    // Whether points may have labels; false while every point was added without one.
    bool StoresLabels() const { return points_.StoresLabels(); }
    int Count() const { return points_.Count(); }
    int PointCount() const { return Count(); }

    // A point without label or colour of its own; the caller builds no label string.
    int AddPoint(double x, double y);
    int AddPoint(double x, double y, const std::string& label, TColor color = clAutoColor);
    int AddNullPoint(double x, double y, const std::string& label = {});
    int AppendValue(double value, const std::string& label = {}, TColor color = clAutoColor);
    int AppendNull(const std::string& label = {});
    virtual int AddPointFrom(const TChartSeries& source, int index);
    virtual int CopyPointFrom(const TChartSeries& source, int index);
    virtual void CopyAllFrom(TChartSeries& source);
    virtual void ClearPoints();
    virtual void DeletePoint(int index);
    virtual void DeleteFromSource(TChartSeries& source, int index);
    // Clears the series and adds numValues random points.
    virtual void FillSamples(int numValues);
    virtual int SampleCount() const { return 26; }
    // Fills a small preview: four samples, no marks, no per-point colours, silver unless second.
    virtual void PrepareForGallery(bool second);
    // Sets the chart's 3D view to the value and its point clipping to the opposite.
    void SetView3DAndClip(bool on);
    // Exchanges points i and j in every value list, the colour list and the label list.
    virtual void SwapPoints(int i, int j);
    // Inserts the pending values of the lists beyond X and Y at the index.
    void AddExtraValues(int index) { points_.AddExtraValues(index); }

    bool IsNullPoint(int index) const { return points_.IsNull(index); }
    // A point's own colour, else the palette's when each point takes one, else the series colour.
    TColor PointColor(int index) const
    {
        // Past the stored colours, or outside the series, a point has no colour of its own.
        if (!colorEachPoint_ && static_cast<std::size_t>(index) >= points_.Colors().size())
            return seriesColor_;
        return OwnOrPaletteColor(index);
    }
    // Stores a colour of one point (clAutoColor: none of its own); the point must exist.
    void SetPointColor(int index, TColor color);
    virtual std::string PointLabel(int index) const;
    virtual double XValueAt(int index) const;
    virtual double YValueAt(int index) const;
    virtual double XMin() const;
    virtual double XMax() const;
    virtual double YMin() const;
    virtual double YMax() const;
    virtual double ZMin() const;
    virtual double ZMax() const;
    virtual double MarkValue(int index) const;
    virtual double OriginValue(int index) const;
    virtual TChartValueList& MandatoryList();
    const TChartValueList& MandatoryList() const;
    // The list beyond X and Y named so (case ignored), else YValues.
    virtual TChartValueList& ValueListByName(const std::string& name);

    // Drawing, driven by the chart.
    int FirstVisible() const { return firstVisible_; }
    int LastVisible() const { return lastVisible_; }
    virtual void CalcFirstLastVisible();
    // Runs for every active series before the chart places its titles, legend and axes, so a series
    // type can prepare what they need; nothing by default.
    virtual void BeforeDrawChart() {}
    virtual void DoBeforeDrawValues();
    virtual void DoAfterDrawValues();
    virtual void DrawAllPoints();
    virtual void DrawPoint(int index);
    virtual bool DrawForward() const { return true; }
    virtual bool DrawSeriesForward(int) const { return true; }
    // Draws the mark of every visible point.
    virtual void DrawMarks();
    virtual void DrawMark(int index, const std::string& text, const TRect& position);
    // Half the height of the marker drawn at each point, or -1 when none is: a mark's arrow starts beyond it.
    virtual int MarkerHalfHeight() const { return -1; }
    // The mark text of a point by Marks().Style, then OnGetMarkText.
    std::string MarkText(int index) const;
    virtual void HorizMargins(int& left, int& right);
    virtual void VertMargins(int& top, int& bottom);
    virtual int CalcXPixel(int index) const;
    virtual int CalcYPixel(int index) const;
    virtual int PointAtPixel(int x, int y);
    // A button event on the series: raises OnDblClick or OnClick; whether one was raised.
    bool DoSeriesClick(TSeriesClickKind kind, int valueIndex, int x, int y);

    // Legend.
    virtual int LegendItemCount() const { return Count(); }
    virtual std::string LegendText(int index, TLegendTextStyle style) const;
    // Draws the symbol of item index (-1: the whole series) on a legend of colour legendColor.
    virtual void DrawLegendItem(int index, const TRect& rect, TColor legendColor);
    virtual void DrawLegendSymbol(int index, const TRect& rect, TColor legendColor);
    virtual void LegendItemPen(int index, TColor& backColor, TBrushStyle& style);
    virtual int MapIndex(int index) const { return index; }
    virtual TColor LegendColor(int index) const { return PointColor(index); }
    std::string FormatValue(double value) const;
    std::string FormatPercent(double percent) const;

    // Axes.
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis value);
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis value);
    TChartAxis* CustomHorizAxis() const { return customHorizAxis_; }
    void SetCustomHorizAxis(TChartAxis* value);
    TChartAxis* CustomVertAxis() const { return customVertAxis_; }
    void SetCustomVertAxis(TChartAxis* value);
    TChartAxis* GetHorizAxis() const { return horizAxisRef_; }
    TChartAxis* GetVertAxis() const { return vertAxisRef_; }
    virtual bool UsesAxes() const { return true; }
    bool UsesAxis(const TCustomChartAxis& axis) const;

    // The chart.
    TCustomAxisPanel* ParentChart() const { return parentChart_; }
    // Leaves the old chart (DetachSeries) and joins the new one (AttachSeries).
    void SetParentChart(TCustomAxisPanel* value);
    TChartCanvas3D& Canvas() const;
    // Marks the parent chart, if any, for the next paint.
    void InvalidateChart() const;
    // The change handler of the series' pens and brushes.
    void ChangedNotify() const { InvalidateChart(); }

    // Published properties.
    bool Active() const { return active_; }
    void SetActive(bool value);
    TColor SeriesColor() const { return seriesColor_; }
    void SetSeriesColor(TColor value);
    bool ColorEachPoint() const { return colorEachPoint_; }
    virtual void SetColorEachPoint(bool value);
    const std::string& ColorSource() const { return colorSource_; }
    void SetColorSource(const std::string& value);
    const std::string& XLabelsSource() const { return xLabelsSource_; }
    void SetXLabelsSource(const std::string& value);
    int Cursor() const { return cursor_; }
    void SetCursor(int value) { cursor_ = value; }
    TSeriesMarks& Marks() { return marks_; }
    const TSeriesMarks& Marks() const { return marks_; }
    void SetMarks(const TSeriesMarks& value) { marks_.Assign(value); }
    const std::string& PercentFormat() const { return percentFormat_; }
    void SetPercentFormat(const std::string& value);
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool value);
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value);
    const std::string& ValueFormat() const { return valueFormat_; }
    void SetValueFormat(const std::string& value);
    int ZOrder() const { return zOrder_; }
    void SetZOrder(int value);
    bool ClipToAxisRange() const { return clipToAxisRange_; }
    void SetClipToAxisRange(bool value);
    bool KeepPointPastEdge() const { return keepPointPastEdge_; }
    void SetKeepPointPastEdge(bool value);
    unsigned SourceEvents() const { return sourceEvents_; }
    void SetSourceEvents(unsigned value) { sourceEvents_ = value; }

    // Data sources, dependents and the calculation function.
    TChartSeries* DataSource() const;
    void SetDataSource(TChartSeries* source);
    const std::vector<TChartSeries*>& DataSources() const { return dataSources_; }
    const std::vector<TChartSeries*>& Dependents() const { return dependents_; }
    void NotifyDependents(TSeriesNotification code, int index);
    // Refills the series from its data sources (through its function when it has one).
    void CheckDataSource();
    virtual bool CanTakeFrom(const TChartSeries* source) const { return source != this; }
    virtual bool IsValidSource() const { return true; }
    TChartFunction* FunctionObject() const { return function_.get(); }
    // Takes ownership of the function (none removes it) and refills from the data sources.
    virtual void SetFunction(std::unique_ptr<TChartFunction> function);

    // Events.
    std::function<void(TChartSeries& sender)> AfterDrawValues;
    std::function<void(TChartSeries& sender)> BeforeDrawValues;
    std::function<void(TChartSeries& sender, int valueIndex)> OnAfterAdd;
    std::function<bool(TChartSeries& sender)> OnBeforeAdd;
    std::function<void(TChartSeries& sender)> OnClearValues;
    std::function<void(TChartSeries& sender, int valueIndex, int x, int y)> OnClick;
    std::function<void(TChartSeries& sender, int valueIndex, int x, int y)> OnDblClick;
    std::function<void(TChartSeries& sender, int valueIndex, std::string& markText)> OnGetMarkText;

protected:
    // After-add notification: OnAfterAdd, dependents, repaint.
    void PointAdded(int index);
    // Empties every value list, the colour and label lists and the mark positions.
    virtual void ClearLists();
    void SetVisibleRange(int first, int last);
    void RecalcGetAxis();
    const std::vector<TColor>& Colors() const { return points_.Colors(); }
    // A series type with more coordinates makes its further value lists on these points.
    TSeriesPoints& Points() { return points_; }
    // The base legend symbol: the rectangle filled with the current brush, outlined when it would vanish.
    void DrawBaseLegendSymbol(const TRect& rect, TColor legendColor);

private:
    TColor OwnOrPaletteColor(int index) const;
    void RemoveDataSources();
    void AddDataSource(TChartSeries* source);

    std::string name_;
    bool active_ = true;
    TColor seriesColor_ = clAutoColor;
    bool colorEachPoint_ = false;
    std::string colorSource_;
    std::string xLabelsSource_;
    int cursor_ = 0;
    std::vector<TChartSeries*> dataSources_;
    int firstVisible_ = -1;
    int lastVisible_ = -1;
    TChartAxis* horizAxisRef_ = nullptr;
    TChartAxis* vertAxisRef_ = nullptr;
    std::vector<TChartSeries*> dependents_;
    TSeriesMarks marks_;
    TCustomAxisPanel* parentChart_ = nullptr;
    std::string percentFormat_ = DefaultPercentFormat;
    bool showInLegend_ = true;
    std::string title_;
    std::string valueFormat_ = DefaultValueFormat;
    TSeriesPoints points_;
    THorizAxis horizAxis_ = aBottomAxis;
    TChartAxis* customHorizAxis_ = nullptr;
    int zOrder_ = -1;
    TVertAxis vertAxis_ = aLeftAxis;
    TChartAxis* customVertAxis_ = nullptr;
    std::unique_ptr<TChartFunction> function_;
    unsigned sourceEvents_ = AllSourceEvents;
    bool clipToAxisRange_ = true;
    bool keepPointPastEdge_ = false;
};
