#include "chart/panel/TCustomChart.h"

#include "chart/frame/PaintWalls.h"
#include "chart/frame/TChartLegend.h"
#include "chart/frame/TChartTitle.h"
#include "chart/frame/TChartWall.h"
#include "chart/frame/TFrameLayout.h"

TCustomChart::TCustomChart(TNotifyEvent onInvalidate)
    : TCustomAxisPanel(std::move(onInvalidate))
    , title_(std::make_unique<TChartTitle>(*this))
    , foot_(std::make_unique<TChartTitle>(*this))
    , backWall_(std::make_unique<TChartWall>(*this, TWallKind::Back))
    , leftWall_(std::make_unique<TChartWall>(*this, TWallKind::Left))
    , legend_(std::make_unique<TChartLegend>(*this))
    , bottomWall_(std::make_unique<TChartWall>(*this, TWallKind::Bottom))
{
    EndConstruction();
}

TCustomChart::~TCustomChart()
{
    // The series go first, while everything they may reach still exists.
    DestroyAllSeries();
}

void TCustomChart::SetTitle(const TChartTitle& value)
{
    title_->Assign(value);
}

void TCustomChart::SetFoot(const TChartTitle& value)
{
    foot_->Assign(value);
}

void TCustomChart::SetBackWall(const TChartWall& value)
{
    backWall_->Assign(value);
}

void TCustomChart::SetLeftWall(const TChartWall& value)
{
    leftWall_->Assign(value);
}

void TCustomChart::SetBottomWall(const TChartWall& value)
{
    bottomWall_->Assign(value);
}

void TCustomChart::SetLegend(const TChartLegend& value)
{
    legend_->Assign(value);
}

int TCustomChart::WallSizeForAxis(const TCustomChartAxis& axis) const
{
    return ::WallSizeForAxis(*this, axis);
}

TColor TCustomChart::BackColor() const
{
    return backWall_->Color();
}

void TCustomChart::SetBackColor(TColor value)
{
    backWall_->SetColor(value);
    if (!IsLoading())
        backWall_->Brush().SetStyle(bsSolid);
}

TChartPen& TCustomChart::Frame()
{
    return backWall_->Pen();
}

void TCustomChart::SetFrame(const TChartPen& value)
{
    backWall_->SetPen(value);
}

void TCustomChart::SetBackImageInside(bool value)
{
    StoreAndInvalidate(backImageInside_, value);
}

bool TCustomChart::ColorIsUnused(TColor color) const
{
    return color != backWall_->Color() && TCustomAxisPanel::ColorIsUnused(color);
}

void TCustomChart::LayOutTitlesAndLegend(TFrameLayout& layout)
{
    const bool legendShown = legend_->Visible() && ActiveSeriesCount() > 0;
    layout.LegendFirst = legend_->Alignment() == laLeft || legend_->Alignment() == laRight;
    // Each takes its room from what the ones before it left.
    if (legendShown && layout.LegendFirst)
        layout.Legend = legend_->LayOut();
    if (title_->Visible())
        layout.Title = title_->LayOut(TTitleRole::Title);
    if (foot_->Visible())
        layout.Foot = foot_->LayOut(TTitleRole::Foot);
    if (legendShown && !layout.LegendFirst)
        layout.Legend = legend_->LayOut();
}

void TCustomChart::PaintTitlesAndLegend(const TFrameLayout& layout)
{
    if (layout.Legend && layout.LegendFirst)
        legend_->Paint(*layout.Legend);
    if (layout.Title)
        title_->Paint(*layout.Title);
    if (layout.Foot)
        foot_->Paint(*layout.Foot);
    if (layout.Legend && !layout.LegendFirst)
        legend_->Paint(*layout.Legend);
}

void TCustomChart::PaintWalls()
{
    ::PaintWalls(*this);
}

int TCustomChart::BackWallSize() const
{
    return backWall_->Size();
}
