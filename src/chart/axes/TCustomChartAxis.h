#pragma once

#include "chart/ChartApi.h"
#include "chart/axes/TAxisKind.h"
#include "chart/axes/TAxisLabelStyle.h"
#include "chart/axes/TAxisPlacement.h"
#include "chart/axes/TAxisScale.h"
#include "chart/axes/TChartAxisTitle.h"
#include "chart/canvas/TChartFont.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TRect.h"

#include <string>
#include <vector>

class TCustomAxisPanel;
class TChartAxis;
class TChartSeries;
class TAxisTickPositions;

// One axis of a chart: its limits and the scale they give (which maps values to pixels and back),
// the label sequence and texts, the room it claims beside the plot, and its drawing (title, labels,
// line, ticks, grid).
class BHN_CHART_API TCustomChartAxis {
public:
    static constexpr const char* DefaultAxisValuesFormat = "#,##0.###";

    TCustomChartAxis(const TCustomChartAxis&) = delete;
    TCustomChartAxis& operator=(const TCustomChartAxis&) = delete;
    virtual ~TCustomChartAxis();

    TCustomAxisPanel& ParentChart() const { return chart_; }
    // The axis as the chart's handlers receive it: only TChartAxis may build this base, so every axis is one.
    TChartAxis& AsChartAxis();
    TAxisKind Kind() const { return kind_; }

    // Copies every published property, the title, the pens, the font and the kind (so the orientation).
    void Assign(const TCustomChartAxis& source);

    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool value);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool value);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool value);
    TChartPen& Axis() { return axis_; }
    const TChartPen& Axis() const { return axis_; }
    void SetAxis(const TChartPen& value) { axis_.Assign(value); }
    const std::string& AxisValuesFormat() const { return axisValuesFormat_; }
    void SetAxisValuesFormat(const std::string& value);
    bool IsAxisValuesFormatStored() const { return axisValuesFormat_ != DefaultAxisValuesFormat; }
    const std::string& DateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(const std::string& value);
    bool ExactDateTime() const { return exactDateTime_; }
    void SetExactDateTime(bool value);
    TChartPen& Grid() { return grid_; }
    const TChartPen& Grid() const { return grid_; }
    void SetGrid(const TChartPen& value) { grid_.Assign(value); }
    bool GridCentered() const { return gridCentered_; }
    void SetGridCentered(bool value);
    double Increment() const { return increment_; }
    void SetIncrement(double value);
    bool Inverted() const { return scale_.Inverted; }
    void SetInverted(bool value);
    bool Labels() const { return labels_; }
    void SetLabels(bool value);
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int value);
    TChartFont& LabelsFont() { return labelsFont_; }
    const TChartFont& LabelsFont() const { return labelsFont_; }
    void SetLabelsFont(const TChartFont& value) { labelsFont_.Assign(value); }
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool value);
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool value);
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int value);
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int value);
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle value);
    bool Logarithmic() const { return scale_.Logarithmic; }
    void SetLogarithmic(bool value);
    int LogarithmicBase() const { return logarithmicBase_; }
    void SetLogarithmicBase(int value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);
    double Minimum() const { return minimum_; }
    void SetMinimum(double value);
    TChartPen& MinorGrid() { return minorGrid_; }
    const TChartPen& MinorGrid() const { return minorGrid_; }
    void SetMinorGrid(const TChartPen& value) { minorGrid_.Assign(value); }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int value);
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int value);
    TChartPen& MinorTicks() { return minorTicks_; }
    const TChartPen& MinorTicks() const { return minorTicks_; }
    void SetMinorTicks(const TChartPen& value) { minorTicks_.Assign(value); }
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double value);
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double value);
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double value);
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool value);
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int value);
    int TickLength() const { return tickLength_; }
    void SetTickLength(int value);
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool value);
    TChartPen& Ticks() { return ticks_; }
    const TChartPen& Ticks() const { return ticks_; }
    void SetTicks(const TChartPen& value) { ticks_.Assign(value); }
    TChartPen& TicksInner() { return ticksInner_; }
    const TChartPen& TicksInner() const { return ticksInner_; }
    void SetTicksInner(const TChartPen& value) { ticksInner_.Assign(value); }
    TChartAxisTitle& Title() { return title_; }
    const TChartAxisTitle& Title() const { return title_; }
    void SetTitle(const TChartAxisTitle& value) { title_.Assign(value); }
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // The orientation follows from the kind alone.
    bool IsHorizontal() const { return kind_ == TAxisKind::Bottom || kind_ == TAxisKind::Top; }
    bool IsOtherSide() const { return kind_ == TAxisKind::Top || kind_ == TAxisKind::Right || kind_ == TAxisKind::Depth; }
    bool IsDepthAxis() const { return kind_ == TAxisKind::Depth; }
    // The pixel coordinate the values run along; depth values run along x, as horizontal ones do.
    TAxisScale::TPixelAxis Along() const { return IsHorizontal() || IsDepthAxis() ? TAxisScale::TPixelAxis::X : TAxisScale::TPixelAxis::Y; }
    int DefaultTitleAngle() const { return title_.DefaultAngle(); }
    // The limits, span and direction the mapping below works with.
    const TAxisScale& Scale() const { return scale_; }
    double ScaleMinimum() const { return scale_.Minimum; }
    double ScaleMaximum() const { return scale_.Maximum; }
    double ScaleRange() const { return scale_.Range(); }
    bool IsDateTimeScale() const { return isDateTimeScale_; }
    int PixelStart() const { return scale_.PixelStart; }
    int PixelEnd() const { return scale_.PixelEnd; }
    int PixelLength() const { return scale_.PixelLength(); }
    int PixelCentre() const { return scale_.PixelCentre(); }
    int LinePos() const { return linePos_; }
    int LabelsPos() const { return labelsPos_; }
    int TitlePos() const { return titlePos_; }

    // Layout, in the order one chart layout calls them.
    void PrepareScale();
    void ReserveSpace(TRect& rect, TAxisPlacement placement);
    void PlacePixels();
    // Puts the axis line on its side of the final PlotRect (moved by PositionPercent).
    void PlaceLine();
    void ApplySeriesMargins(int before, int after);
    // Draws the title, labels, line, ticks and grid where the layout put them.
    void DrawAxis();
    // Draws one label or title text at (x, y) with the font already selected.
    void DrawAxisText(int x, int y, int angle, const std::string& text);

    int XValueToPixel(double value) const { return scale_.XValueToPixel(value); }
    int YValueToPixel(double value) const { return scale_.YValueToPixel(value); }
    int ValueToPixel(double value) const { return scale_.PixelAlong(Along(), value); }
    double PixelToValue(int pixel) const { return scale_.PixelToValue(Along(), pixel); }

    double ComputeIncrement() const;
    // The next step of the 1, 2, 5, 10 ... sequence above x.
    static double NextStep(double x);
    TAxisLabelStyle EffectiveLabelStyle() const;
    std::string LabelText(double value) const;
    // Whether the value labels the axis would draw over minimum..maximum, with its current pixels and font,
    // read differently from their neighbours; axes whose labels are not values answer true.
    bool LabelsStayDistinct(double minimum, double maximum);
    int LabelWidth(double value) const;
    int LabelHeight(double value) const;
    int MaxLabelsWidth() const;

    void SetMinMax(double min, double max);
    void Scroll(double offset, bool checkLimits);
    bool HitTest(int x, int y) const;

    // Refreshes IsDateTimeScale from the first active series on this axis.
    void RefreshDateTimeScale();
    // The active series that use this axis, in list order.
    std::vector<TChartSeries*> ActiveSeriesOnAxis() const;

private:
    friend class TChartAxis;
    TCustomChartAxis(TCustomAxisPanel& chart, TAxisKind kind);

    // Marks the chart for the next paint.
    void InvalidateChart() const;
    // Paints the chart at once (the chart's immediate paint) rather than at the next paint request.
    void RepaintNow() const;
    // The setter rule: a changed value is stored and the chart invalidated.
    template <typename T>
    void StoreAndInvalidate(T& field, const T& value);

    int ShiftByPositionPercent(int coordinate) const;
    int AxisSideEdge(const TRect& rect) const;
    void ShrinkSide(TRect& rect, int amount) const;
    int OutwardFrom(int coordinate, int amount) const;
    int TickBandSize() const;
    // The wall size an axis leaves beside the plot (0 in 2D).
    int WallSize(const TCustomChartAxis& axis) const;
    int ChartDepth() const;

    void SelectTextFont(const TChartFont& font);
    void DrawTitle();
    void DrawLabel(int pos, const std::string& text);
    void DrawAxisLine();
    void DrawTick(int pos, int direction, int length);
    // Ticks, grid lines and minor marks at the label positions one drawing recorded.
    void DrawTicks(const TChartPen& pen, int direction, int length, const TAxisTickPositions& ticks);
    void DrawGridLine(int pos);
    void DrawGrid(const TAxisTickPositions& ticks);
    void DrawMinorTicksAndGrid(const TAxisTickPositions& ticks);
    template <typename Draw>
    void ForEachMinorPosition(const TAxisTickPositions& ticks, Draw draw) const;

    TCustomAxisPanel& chart_;
    TAxisKind kind_;

    bool automatic_ = true;
    bool automaticMaximum_ = true;
    bool automaticMinimum_ = true;
    TChartAxisPen axis_;
    std::string axisValuesFormat_ = DefaultAxisValuesFormat;
    std::string dateTimeFormat_;
    bool exactDateTime_ = true;
    TDottedGrayPen grid_;
    bool gridCentered_ = false;
    double increment_ = 0;
    bool labels_ = true;
    int labelsAngle_ = 0;
    TChartFont labelsFont_;
    bool labelsMultiLine_ = false;
    bool labelsOnAxis_ = true;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    TAxisLabelStyle labelStyle_ = talAuto;
    int logarithmicBase_ = 10;
    double maximum_ = 0;
    double minimum_ = 0;
    TChartHiddenPen minorGrid_;
    int minorTickCount_ = 3;
    int minorTickLength_ = 2;
    TDarkGrayPen minorTicks_;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    bool roundFirstLabel_ = true;
    int tickInnerLength_ = 0;
    int tickLength_ = 4;
    bool tickOnLabelsOnly_ = true;
    TDarkGrayPen ticks_;
    TDarkGrayPen ticksInner_;
    TChartAxisTitle title_;
    int titleSize_ = 0;
    bool visible_ = true;

    TAxisScale scale_;
    bool isDateTimeScale_ = false;
    int linePos_ = 0;
    int labelsPos_ = 0;
    int titlePos_ = 0;
};
