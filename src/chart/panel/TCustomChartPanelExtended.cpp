#include "chart/panel/TCustomChartPanelExtended.h"

#include "chart/canvas/CanvasGuards.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"

TCustomChartPanelExtended::TCustomChartPanelExtended(TNotifyEvent onInvalidate)
    : TCustomChartPanel(std::move(onInvalidate))
    , gradient_([this] { Invalidate(); })
    , backImage_([this] { Invalidate(); })
{
}

void TCustomChartPanelExtended::SetBackImageMode(TChartBackImageMode value)
{
    StoreAndInvalidate(backImageMode_, value);
}

void TCustomChartPanelExtended::FillPanelBackground(const TRect& rect)
{
    TChartCanvas3D& canvas = Canvas();
    if (gradient_.Visible()) {
        const TGradientDirection direction = gradient_.Direction();
        if (direction == gdTopBottom || direction == gdLeftRight)
            canvas.GradientFill(rect, gradient_.StartColor(), gradient_.EndColor(), direction);
        else
            canvas.GradientFill(rect, gradient_.EndColor(), gradient_.StartColor(), direction);
        return;
    }
    if (PrintingNow())
        return;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
}

void TCustomChartPanelExtended::DrawBackImage(const TRect& rect, TBackImagePlace place)
{
    const TChartGraphic* graphic = backImage_.Graphic();
    if (graphic == nullptr || (View3D() && !View3DOptions().Orthogonal()))
        return;
    TChartCanvas3D& canvas = Canvas();
    if (backImageMode_ == pbmStretch) {
        TRect target = rect;
        if (place == TBackImagePlace::InsideWalls) {
            const TPoint topLeft = canvas.Calc3DPos(rect.Left, rect.Top, Depth3DX());
            const TPoint bottomRight = canvas.Calc3DPos(rect.Right, rect.Bottom, Depth3DX());
            target = TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
            if (!View3D())
                target = target.Offset(0, 1);
        }
        graphic->Draw(canvas, target);
        return;
    }
    const int imageWidth = graphic->Width();
    const int imageHeight = graphic->Height();
    if (backImageMode_ == pbmTile && (imageWidth <= 0 || imageHeight <= 0))
        return;
    const auto drawClipped = [&] {
        FillPanelBackground(rect);
        if (backImageMode_ == pbmTile) {
            for (int y = rect.Top; y < rect.Bottom; y += imageHeight)
                for (int x = rect.Left; x < rect.Right; x += imageWidth)
                    graphic->Draw(canvas, TRect{x, y, x + imageWidth, y + imageHeight});
        } else {
            const int left = rect.Left + (rect.Width() - imageWidth) / 2;
            const int top = rect.Top + (rect.Height() - imageHeight) / 2;
            graphic->Draw(canvas, TRect{left, top, left + imageWidth, top + imageHeight});
        }
    };
    if (CanClip()) {
        TClipGuard clip(canvas, rect);
        drawClipped();
    } else {
        drawClipped();
    }
}
