#include "MouseTestChart.h"

#include "support/TRecordingDevice.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

bool Within(int value, int a, int b)
{
    return std::min(a, b) <= value && value <= std::max(a, b);
}

// The calculator-like chart on a recording window; each paint keeps only its own records.
class DeepZoom : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUpCalculatorLikeChart(chart_);
        chart_.SetWindowDevice(&window_);
        chart_.OnZoom = [this] { ++zooms_; };
        Paint();
    }

    void Paint()
    {
        window_.Clear();
        chart_.Paint(window_);
    }

    // The smallest drag that zooms, into the middle of the plot.
    void SmallestZoom()
    {
        const int x = chart_.PlotXCenter();
        const int y = chart_.PlotYCenter();
        chart_.MouseDown(mbLeft, ssLeft, x, y);
        chart_.MouseMove(ssLeft, x + MinZoomDrag + 1, y + MinZoomDrag + 1);
        chart_.MouseUp(mbLeft, 0, x + MinZoomDrag + 1, y + MinZoomDrag + 1);
    }

    // Labels, ticks and grid lines of the bottom and left axes, as the last paint drew them, lie on the
    // axes' spans (series lines are drawn clipped and not looked at). Returns the bottom axis' label texts.
    std::vector<std::string> ExpectAxisWorkInsideTheSpans()
    {
        const TChartAxis& bottom = chart_.BottomAxis();
        const TChartAxis& left = chart_.LeftAxis();
        const TRect plot = chart_.PlotRect();
        std::vector<std::string> bottomLabels;
        for (const TDrawRecord& r : window_.Records()) {
            if (r.State.Clip)
                continue;
            if (r.Op == TDrawOp::TextOut && r.P1.Y == bottom.LabelsPos()) {
                bottomLabels.push_back(r.Text);
                EXPECT_PRED3(Within, r.P1.X, bottom.PixelStart(), bottom.PixelEnd()) << r.Text;
            }
            if (r.Op == TDrawOp::TextOut && r.P1.X == left.LabelsPos()) {
                EXPECT_PRED3(Within, r.P1.Y + TRecordingDevice::TextHeight / 2, left.PixelStart(), left.PixelEnd())
                    << r.Text;
            }
            const bool vertical = r.P1.X == r.P2.X && std::min(r.P1.Y, r.P2.Y) >= plot.Top
                                  && std::max(r.P1.Y, r.P2.Y) <= bottom.LabelsPos();
            const bool horizontal = r.P1.Y == r.P2.Y && std::min(r.P1.X, r.P2.X) >= left.LabelsPos()
                                    && std::max(r.P1.X, r.P2.X) <= plot.Right;
            if (r.Op == TDrawOp::LineTo && vertical) {
                EXPECT_PRED3(Within, r.P1.X, bottom.PixelStart(), bottom.PixelEnd());
            }
            if (r.Op == TDrawOp::LineTo && horizontal) {
                EXPECT_PRED3(Within, r.P1.Y, left.PixelStart(), left.PixelEnd());
            }
        }
        EXPECT_FALSE(bottomLabels.empty());
        return bottomLabels;
    }

    TChart chart_;
    TRecordingDevice window_{553, 337};
    int zooms_ = 0;
};

TEST_F(DeepZoom, ZoomingStopsWhereTheAxesCouldNoLongerLabelDistinctValues)
{
    constexpr int Drags = 150;
    for (int i = 0; i < Drags; ++i) {
        SmallestZoom();
        Paint();
    }
    ASSERT_GT(zooms_, 1);
    EXPECT_LT(zooms_, Drags);
    for (const TChartAxis* axis : {&chart_.BottomAxis(), &chart_.LeftAxis()}) {
        const double magnitude = std::max(std::fabs(axis->Minimum()), std::fabs(axis->Maximum()));
        EXPECT_GE(axis->Maximum() - axis->Minimum(), MinZoomRangeRatio * magnitude);
    }
    const std::vector<std::string> labels = ExpectAxisWorkInsideTheSpans();
    EXPECT_EQ(std::adjacent_find(labels.begin(), labels.end()), labels.end()) << labels.front();
}

// Code may still set a range far below what a zoom allows; the axes then draw less, never beyond their spans.
TEST_F(DeepZoom, RangesBelowTheZoomLimitDrawNothingOutsideTheSpans)
{
    chart_.BottomAxis().SetMinMax(279.79, 279.79 + 1e-10);
    chart_.LeftAxis().SetMinMax(1.1, 1.1 + 1e-10);
    Paint();
    ExpectAxisWorkInsideTheSpans();
}

} // namespace

// A label handler that throws while a zoom is checked leaves the axes on their own scale, not the tried one.
TEST_F(DeepZoom, AThrowingLabelHandlerLeavesTheScaleAsItWas)
{
    const TAxisScale bottom = chart_.BottomAxis().Scale();
    const TAxisScale left = chart_.LeftAxis().Scale();
    chart_.OnGetAxisLabel = [](TChartAxis&, TChartSeries*, int, std::string&) { throw std::runtime_error("label"); };
    EXPECT_THROW(SmallestZoom(), std::runtime_error);
    EXPECT_EQ(chart_.BottomAxis().Scale(), bottom);
    EXPECT_EQ(chart_.LeftAxis().Scale(), left);
}
