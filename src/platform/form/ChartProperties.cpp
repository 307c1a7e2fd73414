#include "platform/form/ChartProperties.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartFont.h"
#include "chart/frame/TChartTitle.h"
#include "chart/frame/TChartWall.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "platform/form/FormValues.h"

namespace {

const TPropertyTable<TChartFont>& FontTable()
{
    static const TPropertyTable<TChartFont> table = [] {
        TPropertyTable<TChartFont> t("TFont");
        t.Add("Name", [](TChartFont& f, const TFormValue& v) { f.SetName(FormString(v)); });
        t.Add("Height", [](TChartFont& f, const TFormValue& v) { f.SetHeight(FormInteger(v)); });
        t.Add("Color", [](TChartFont& f, const TFormValue& v) { f.SetColor(FormColor(v)); });
        t.Add("Style", [](TChartFont& f, const TFormValue& v) {
            TFontStyles styles;
            for (const std::string& member : FormSet(v)) {
                const TFormValue name{TFormValueKind::Identifier, 0, 0.0, member, {}};
                styles = styles.With(FormEnum<TFontStyle>(
                    name, {{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}}));
            }
            f.SetStyle(styles);
        });
        return t;
    }();
    return table;
}

const TPropertyTable<TChartBrush>& BrushTable()
{
    static const TPropertyTable<TChartBrush> table = [] {
        TPropertyTable<TChartBrush> t("TBrush");
        t.Add("Color", [](TChartBrush& b, const TFormValue& v) { b.SetColor(FormColor(v)); });
        t.Add("Style", [](TChartBrush& b, const TFormValue& v) {
            b.SetStyle(FormEnum<TBrushStyle>(v, {{"bsSolid", bsSolid}, {"bsClear", bsClear}, {"bsHorizontal", bsHorizontal},
                                                 {"bsVertical", bsVertical}, {"bsFDiagonal", bsFDiagonal},
                                                 {"bsBDiagonal", bsBDiagonal}, {"bsCross", bsCross}, {"bsDiagCross", bsDiagCross}}));
        });
        return t;
    }();
    return table;
}

const TPropertyTable<TChartWall>& WallTable()
{
    static const TPropertyTable<TChartWall> table = [] {
        TPropertyTable<TChartWall> t("TChartWall");
        t.Add("Color", [](TChartWall& w, const TFormValue& v) { w.SetColor(FormColor(v)); });
        t.Add("Size", [](TChartWall& w, const TFormValue& v) { w.SetSize(FormInteger(v)); });
        t.AddObject<TChartBrush>("Brush", [](TChartWall& w) -> TChartBrush& { return w.Brush(); }, BrushTable());
        return t;
    }();
    return table;
}

const TPropertyTable<TChartTitle>& TitleTable()
{
    static const TPropertyTable<TChartTitle> table = [] {
        TPropertyTable<TChartTitle> t("TChartTitle");
        t.Add("Text", [](TChartTitle& title, const TFormValue& v) { title.SetText(FormStrings(v)); });
        t.Add("Visible", [](TChartTitle& title, const TFormValue& v) { title.SetVisible(FormBoolean(v)); });
        t.AddObject<TChartFont>("Font", [](TChartTitle& title) -> TChartFont& { return title.Font(); }, FontTable());
        return t;
    }();
    return table;
}

const TPropertyTable<TChartAxisTitle>& AxisTitleTable()
{
    static const TPropertyTable<TChartAxisTitle> table = [] {
        TPropertyTable<TChartAxisTitle> t("TChartAxisTitle");
        t.Add("Caption", [](TChartAxisTitle& title, const TFormValue& v) { title.SetCaption(FormString(v)); });
        t.Add("Angle", [](TChartAxisTitle& title, const TFormValue& v) { title.SetAngle(FormInteger(v)); });
        return t;
    }();
    return table;
}

const TPropertyTable<TChartAxis>& AxisTable()
{
    static const TPropertyTable<TChartAxis> table = [] {
        TPropertyTable<TChartAxis> t("TChartAxis");
        t.Add("Automatic", [](TChartAxis& a, const TFormValue& v) { a.SetAutomatic(FormBoolean(v)); });
        t.Add("AutomaticMinimum", [](TChartAxis& a, const TFormValue& v) { a.SetAutomaticMinimum(FormBoolean(v)); });
        t.Add("AutomaticMaximum", [](TChartAxis& a, const TFormValue& v) { a.SetAutomaticMaximum(FormBoolean(v)); });
        t.Add("ExactDateTime", [](TChartAxis& a, const TFormValue& v) { a.SetExactDateTime(FormBoolean(v)); });
        t.Add("Minimum", [](TChartAxis& a, const TFormValue& v) { a.SetMinimum(FormDouble(v)); });
        t.Add("Maximum", [](TChartAxis& a, const TFormValue& v) { a.SetMaximum(FormDouble(v)); });
        t.Add("Increment", [](TChartAxis& a, const TFormValue& v) { a.SetIncrement(FormDouble(v)); });
        t.Add("MinorTickCount", [](TChartAxis& a, const TFormValue& v) { a.SetMinorTickCount(FormInteger(v)); });
        t.Add("MinorTickLength", [](TChartAxis& a, const TFormValue& v) { a.SetMinorTickLength(FormInteger(v)); });
        t.Add("Visible", [](TChartAxis& a, const TFormValue& v) { a.SetVisible(FormBoolean(v)); });
        t.AddObject<TChartAxisTitle>("Title", [](TChartAxis& a) -> TChartAxisTitle& { return a.Title(); }, AxisTitleTable());
        return t;
    }();
    return table;
}

const TPropertyTable<TChartValueList>& ValueListTable()
{
    static const TPropertyTable<TChartValueList> table = [] {
        TPropertyTable<TChartValueList> t("TChartValueList");
        t.Add("Name", [](TChartValueList& l, const TFormValue& v) { l.SetName(FormString(v)); });
        t.Add("Order", [](TChartValueList& l, const TFormValue& v) {
            l.SetOrder(FormEnum<TChartListOrder>(v, {{"loNone", loNone}, {"loAscending", loAscending}, {"loDescending", loDescending}}));
        });
        t.Add("Multiplier", [](TChartValueList& l, const TFormValue& v) { l.SetMultiplier(FormDouble(v)); });
        t.Add("DateTime", [](TChartValueList& l, const TFormValue& v) { l.SetDateTime(FormBoolean(v)); });
        return t;
    }();
    return table;
}

const TPropertyTable<TSeriesMarks>& MarksTable()
{
    static const TPropertyTable<TSeriesMarks> table = [] {
        TPropertyTable<TSeriesMarks> t("TSeriesMarks");
        t.Add("Visible", [](TSeriesMarks& m, const TFormValue& v) { m.SetVisible(FormBoolean(v)); });
        t.Add("ArrowLength", [](TSeriesMarks& m, const TFormValue& v) { m.SetArrowLength(FormInteger(v)); });
        return t;
    }();
    return table;
}

const TPropertyTable<TSeriesPointer>& PointerTable()
{
    static const TPropertyTable<TSeriesPointer> table = [] {
        TPropertyTable<TSeriesPointer> t("TSeriesPointer");
        t.Add("Visible", [](TSeriesPointer& p, const TFormValue& v) { p.SetVisible(FormBoolean(v)); });
        t.Add("InflateMargins", [](TSeriesPointer& p, const TFormValue& v) { p.SetInflateMargins(FormBoolean(v)); });
        t.Add("HorizSize", [](TSeriesPointer& p, const TFormValue& v) { p.SetHorizSize(FormInteger(v)); });
        t.Add("VertSize", [](TSeriesPointer& p, const TFormValue& v) { p.SetVertSize(FormInteger(v)); });
        t.Add("Style", [](TSeriesPointer& p, const TFormValue& v) {
            p.SetStyle(FormEnum<TSeriesPointerStyle>(
                v, {{"psRectangle", psRectangle}, {"psCircle", psCircle}, {"psTriangle", psTriangle},
                    {"psDownTriangle", psDownTriangle}, {"psCross", psCross}, {"psDiagCross", psDiagCross},
                    {"psStar", psStar}, {"psDiamond", psDiamond}, {"psSmallDot", psSmallDot}}));
        });
        t.AddObject<TChartBrush>("Brush", [](TSeriesPointer& p) -> TChartBrush& { return p.Brush(); }, BrushTable());
        return t;
    }();
    return table;
}

const TPropertyTable<TCustomSeries>& CustomSeriesTable()
{
    static const TPropertyTable<TCustomSeries> table = [] {
        TPropertyTable<TCustomSeries> t("TCustomSeries");
        t.Add("Title", [](TCustomSeries& s, const TFormValue& v) { s.SetTitle(FormString(v)); });
        t.Add("SeriesColor", [](TCustomSeries& s, const TFormValue& v) { s.SetSeriesColor(FormColor(v)); });
        t.Add("ShowInLegend", [](TCustomSeries& s, const TFormValue& v) { s.SetShowInLegend(FormBoolean(v)); });
        t.Add("Active", [](TCustomSeries& s, const TFormValue& v) { s.SetActive(FormBoolean(v)); });
        t.Add("Dark3D", [](TCustomSeries& s, const TFormValue& v) { s.SetDark3D(FormBoolean(v)); });
        t.AddObject<TSeriesMarks>("Marks", [](TCustomSeries& s) -> TSeriesMarks& { return s.Marks(); }, MarksTable());
        t.AddObject<TSeriesPointer>("Pointer", [](TCustomSeries& s) -> TSeriesPointer& { return s.Pointer(); }, PointerTable());
        t.AddObject<TChartValueList>("XValues", [](TCustomSeries& s) -> TChartValueList& { return s.XValues(); }, ValueListTable());
        t.AddObject<TChartValueList>("YValues", [](TCustomSeries& s) -> TChartValueList& { return s.YValues(); }, ValueListTable());
        return t;
    }();
    return table;
}

}  // namespace

const TPropertyTable<TChart>& ChartEngineProperties()
{
    static const TPropertyTable<TChart> table = [] {
        TPropertyTable<TChart> t("TChart");
        t.Add("View3D", [](TChart& c, const TFormValue& v) { c.SetView3D(FormBoolean(v)); });
        t.Add("BevelOuter", [](TChart& c, const TFormValue& v) {
            c.SetBevelOuter(FormEnum<TBevelCut>(v, {{"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}}));
        });
        t.Add("Color", [](TChart& c, const TFormValue& v) { c.SetColor(FormColor(v)); });
        t.AddObject<TChartWall>("BackWall", [](TChart& c) -> TChartWall& { return c.BackWall(); }, WallTable());
        t.AddObject<TChartWall>("LeftWall", [](TChart& c) -> TChartWall& { return c.LeftWall(); }, WallTable());
        t.AddObject<TChartWall>("BottomWall", [](TChart& c) -> TChartWall& { return c.BottomWall(); }, WallTable());
        t.AddObject<TChartTitle>("Title", [](TChart& c) -> TChartTitle& { return c.Title(); }, TitleTable());
        t.AddObject<TChartTitle>("Foot", [](TChart& c) -> TChartTitle& { return c.Foot(); }, TitleTable());
        t.AddObject<TChartAxis>("BottomAxis", [](TChart& c) -> TChartAxis& { return c.BottomAxis(); }, AxisTable());
        t.AddObject<TChartAxis>("TopAxis", [](TChart& c) -> TChartAxis& { return c.TopAxis(); }, AxisTable());
        t.AddObject<TChartAxis>("LeftAxis", [](TChart& c) -> TChartAxis& { return c.LeftAxis(); }, AxisTable());
        t.AddObject<TChartAxis>("RightAxis", [](TChart& c) -> TChartAxis& { return c.RightAxis(); }, AxisTable());
        return t;
    }();
    return table;
}

const TPropertyTable<TLineSeries>& LineSeriesProperties()
{
    static const TPropertyTable<TLineSeries> table = [] {
        TPropertyTable<TLineSeries> t(TLineSeries::ClassNameText);
        t.Include(CustomSeriesTable());
        return t;
    }();
    return table;
}

const TPropertyTable<TPointSeries>& PointSeriesProperties()
{
    static const TPropertyTable<TPointSeries> table = [] {
        TPropertyTable<TPointSeries> t(TPointSeries::ClassNameText);
        t.Include(CustomSeriesTable());
        return t;
    }();
    return table;
}
