#include "PanelTestSupport.h"

#include "chart/canvas/TCanvas3D.h"
#include "chart/frame/TChartWall.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// An image that remembers where it was asked to draw itself.
class TProbeGraphic : public TChartGraphic {
public:
    TProbeGraphic(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Draw(TCanvas3D&, const TRect& rect) const override { Drawn.push_back(rect); }

    mutable std::vector<TRect> Drawn;

private:
    int width_;
    int height_;
};

class ChartBackImage : public ::testing::Test {
protected:
    ChartBackImage()
    {
        chart.SetView3D(false);
        chart.SetBevelOuter(bvNone);
        chart.SetUseBitmapBuffer(false);
        chart.SetSize(100, 80);
    }

    const TProbeGraphic& UseGraphic(int width, int height)
    {
        auto graphic = std::make_shared<TProbeGraphic>(width, height);
        chart.BackImage().SetGraphic(graphic);
        return *graphic;
    }

    TChart chart;
    TRecordingDevice device{100, 80};
};

TEST_F(ChartBackImage, StretchFillsThePanel)
{
    const TProbeGraphic& graphic = UseGraphic(7, 5);
    chart.DrawToCanvas(device, {0, 0, 100, 80});
    EXPECT_EQ(graphic.Drawn, (std::vector<TRect>{{0, 0, 100, 80}}));
}

TEST_F(ChartBackImage, TileCoversThePanelInStepsOfTheImageSizeWithinAClip)
{
    const TProbeGraphic& graphic = UseGraphic(40, 50);
    chart.SetBackImageMode(pbmTile);
    chart.DrawToCanvas(device, {0, 0, 100, 80});
    EXPECT_EQ(graphic.Drawn, (std::vector<TRect>{
                                 {0, 0, 40, 50}, {40, 0, 80, 50}, {80, 0, 120, 50},
                                 {0, 50, 40, 100}, {40, 50, 80, 100}, {80, 50, 120, 100},
                             }));
    const std::vector<TDrawRecord> clips = device.RecordsOf(TDrawOp::ClipRect);
    ASSERT_FALSE(clips.empty());
    EXPECT_EQ(clips.front().Rect, (TRect{0, 0, 100, 80}));
}

TEST_F(ChartBackImage, TileOfAnEmptyImageDrawsNothing)
{
    const TProbeGraphic& graphic = UseGraphic(0, 10);
    chart.SetBackImageMode(pbmTile);
    chart.DrawToCanvas(device, {0, 0, 100, 80});
    EXPECT_TRUE(graphic.Drawn.empty());
}

TEST_F(ChartBackImage, CenterDrawsOnceInTheMiddle)
{
    const TProbeGraphic& graphic = UseGraphic(31, 20);
    chart.SetBackImageMode(pbmCenter);
    chart.DrawToCanvas(device, {0, 0, 100, 80});
    EXPECT_EQ(graphic.Drawn, (std::vector<TRect>{{34, 30, 65, 50}}));
}

// Inside the walls the image goes into the plot, one pixel less at the top and the bottom when the back
// wall's frame is drawn there, in every mode, and never behind the whole panel.
TEST_F(ChartBackImage, InsideTheWallsItIsDrawnIntoThePlot)
{
    struct TCase {
        TChartBackImageMode Mode;
        bool FramedWall;
    };
    for (const TCase c : {TCase{pbmStretch, true}, TCase{pbmStretch, false}, TCase{pbmTile, true}, TCase{pbmCenter, true},
             TCase{pbmCenter, false}}) {
        SCOPED_TRACE(testing::Message() << "mode " << static_cast<int>(c.Mode) << " framed " << c.FramedWall);
        const TProbeGraphic& graphic = UseGraphic(31, 20);
        chart.SetBackImageMode(c.Mode);
        chart.SetBackImageInside(true);
        chart.BackWall().Pen().SetVisible(c.FramedWall);
        device.Clear();
        chart.DrawToCanvas(device, {0, 0, 100, 80});
        TRect inside = chart.PlotRect();
        if (c.FramedWall) {
            ++inside.Top;
            --inside.Bottom;
        }
        std::vector<TRect> expected;
        if (c.Mode == pbmStretch)
            expected = {inside.Offset(0, 1)};
        else if (c.Mode == pbmCenter)
            expected = {{inside.Left + (inside.Width() - 31) / 2, inside.Top + (inside.Height() - 20) / 2,
                inside.Left + (inside.Width() - 31) / 2 + 31, inside.Top + (inside.Height() - 20) / 2 + 20}};
        else
            for (int y = inside.Top; y < inside.Bottom; y += 20)
                for (int x = inside.Left; x < inside.Right; x += 31)
                    expected.push_back({x, y, x + 31, y + 20});
        EXPECT_EQ(graphic.Drawn, expected);
        if (c.Mode != pbmStretch) {
            const std::vector<TDrawRecord> clips = device.RecordsOf(TDrawOp::ClipRect);
            ASSERT_FALSE(clips.empty());
            EXPECT_EQ(clips.front().Rect, inside);
        }
    }
}

TEST_F(ChartBackImage, StretchedInsideTheWallsMovesOnePixelDownIn2D)
{
    const TProbeGraphic& graphic = UseGraphic(7, 5);
    chart.DrawBackImage({10, 20, 60, 70}, TBackImagePlace::InsideWalls);
    EXPECT_EQ(graphic.Drawn, (std::vector<TRect>{{10, 21, 60, 71}}));
}

} // namespace
