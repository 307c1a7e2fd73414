#include "chart/panel/TCustomChart.h"

#include "chart/frame/PaintWalls.h"
#include "chart/frame/TChartLegend.h"
#include "chart/frame/TChartTitle.h"
#include "chart/frame/TChartWall.h"

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
    Store(backImageInside_, value);
}

bool TCustomChart::ColorIsUnused(TColor color) const
{
    return color != backWall_->Color() && TCustomAxisPanel::ColorIsUnused(color);
}

void TCustomChart::PlaceTitlesAndLegend()
{
    const bool legendDrawn = legend_->Visible() && ActiveSeriesCount() > 0;
    const bool legendVertical = legend_->Alignment() == laLeft || legend_->Alignment() == laRight;
    if (legendDrawn && legendVertical)
        legend_->Draw();
    if (title_->Visible())
        title_->PaintTitle(TTitleRole::Title);
    if (foot_->Visible())
        foot_->PaintTitle(TTitleRole::Foot);
    if (legendDrawn && !legendVertical)
        legend_->Draw();
}

void TCustomChart::PaintWalls()
{
    ::PaintWalls(*this);
}

int TCustomChart::BackWallSize() const
{
    return backWall_->Size();
}
