#include "WindowTestSupport.h"

#include "app/TForm1.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TColor.h"
#include "chart/frame/TChartTitle.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "model/BHNcalc.h"
#include "platform/ChartRendering.h"
#include "platform/TChartWidget.h"
#include "platform/TQtDevice.h"
#include "platform/form/TButton.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

// The calculator's chart after start-up and Calculate 237/270 in mode 0, rendered on the Qt device.
class CalculatorChartPixels : public TWindowTestSuite {
protected:
    void SetUp() override
    {
        ResetModel();
        form_.FormActivate();
        form_.Button1->click();
        image_ = RenderChart(Chart(), 553, 337);
    }

    TChart& Chart() { return form_.Chart1->Chart(); }

    TColor PixelAt(int x, int y) const
    {
        const QRgb rgb = image_.pixel(x, y);
        return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }

    TColor PixelAtValue(double x, double y)
    {
        return PixelAt(Chart().BottomAxis().XValueToPixel(x), Chart().LeftAxis().YValueToPixel(y));
    }

    TForm1 form_;
    QImage image_;
};

TEST_F(CalculatorChartPixels, EachCurveShowsItsColourWhereNoOtherCurvePasses)
{
    struct Case {
        TLineSeries* series;
        double x;
        double y;
    };
    // 210 BHN lies inside the plot and away from the other curves; the marker lines are read at 1.45.
    const Case cases[] = {
        {form_.Series2, 210, BHNcalc::Curve0To35[2]},
        {form_.Series3, 210, BHNcalc::Curve40To60[2]},
        {form_.Series6, 210, BHNcalc::CurveAPFSDS[2]},
        {form_.Series7, 210, BHNcalc::CurveM62[2]},
        {form_.Series8, 210, BHNcalc::CurveM79[2]},
        {form_.Series4, 270, 1.45},
        {form_.Series5, 237, 1.45},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PixelAtValue(c.x, c.y), c.series->SeriesColor()) << c.series->Title() << " at " << c.x;
    }
}

TEST_F(CalculatorChartPixels, TheDiamondsLieOnTopOfEveryLine)
{
    // At 320 BHN all curves meet and the red M79 curve is drawn after the selected one; the diamond still wins.
    for (int i = 1; i < BHNcalc::GridPoints - 1; ++i) {
        const double x = BHNcalc::GridBHN(i);
        EXPECT_EQ(PixelAtValue(x, BHNcalc::SelectedCurve[static_cast<std::size_t>(i)]), clBlack) << x;
    }
}

TEST_F(CalculatorChartPixels, TheBackWallFramesThePlotAndNoSeriesCrossesIt)
{
    const TRect plot = Chart().PlotRect();
    int black = 0;
    for (int y = plot.Top; y <= plot.Bottom; ++y) {
        const TColor c = PixelAt(plot.Right, y);
        // The dotted grid line of the last label runs on the same column; its gaps show the frame.
        EXPECT_TRUE(c == clBlack || c == clGray) << "right edge, row " << y;
        black += c == clBlack;
    }
    EXPECT_GT(black, plot.Height() / 3);
    for (int x = plot.Left; x <= plot.Right; ++x) {
        const TColor c = PixelAt(x, plot.Top);
        EXPECT_TRUE(c == clBlack || c == clGray) << "top edge, column " << x;
    }
}

}  // namespace

// The device keeps laid-out texts, pasted text pixels and lines written straight into the image
// between frames: every later frame must show exactly the pixels of the first.
TEST_F(CalculatorChartPixels, RepeatedFramesOnOneDeviceMatchTheFirst)
{
    TQtDevice device(553, 337);
    for (int frame = 0; frame < 3; ++frame) {
        Chart().DrawToCanvas(device, TRect{0, 0, 553, 337});
        EXPECT_EQ(device.Image(), image_) << "frame " << frame;
    }
    // A frame after the title changed colour shows the new picture, not the kept one.
    Chart().Title().Font().SetColor(clRed);
    Chart().DrawToCanvas(device, TRect{0, 0, 553, 337});
    EXPECT_EQ(device.Image(), RenderChart(Chart(), 553, 337));
    EXPECT_NE(device.Image(), image_);
}
