#include "chart/frame/TChartWall.h"

#include "chart/canvas/SetterRule.h"
#include "chart/panel/TCustomAxisPanel.h"

namespace {

TColor WallDefaultColor(TWallKind kind)
{
    switch (kind) {
    case TWallKind::Left:
        return 0x0080FFFF;
    case TWallKind::Bottom:
        return clWhite;
    case TWallKind::Back:
        break;
    }
    return clAutoColor;
}

} // namespace

TChartWall::TChartWall(TCustomAxisPanel& chart, TWallKind kind)
    : chart_(chart),
      kind_(kind),
      defaultColor_(WallDefaultColor(kind)),
      brush_(clAutoColor, kind == TWallKind::Back ? bsClear : bsSolid),
      color_(defaultColor_)
{
    brush_.SetOnChange([this] { chart_.Invalidate(); });
    pen_.SetOnChange([this] { chart_.Invalidate(); });
}

void TChartWall::Assign(const TChartWall& source)
{
    SetBrush(source.brush_);
    SetColor(source.color_);
    SetDark3D(source.dark3D_);
    SetPen(source.pen_);
    SetSize(source.size_);
}

void TChartWall::SetColor(TColor value)
{
    StoreAndInvalidate(color_, value, [this] { chart_.Invalidate(); });
}

void TChartWall::SetDark3D(bool value)
{
    StoreAndInvalidate(dark3D_, value, [this] { chart_.Invalidate(); });
}

void TChartWall::SetSize(int value)
{
    StoreAndInvalidate(size_, value, [this] { chart_.Invalidate(); });
}
