#include "app/TForm1.h"

#include "WindowTestSupport.h"
#include "chart/axes/TChartAxis.h"
#include "chart/series/TLineSeries.h"
#include "model/BHNcalc.h"
#include "platform/ChartRendering.h"
#include "platform/TChartWidget.h"

#include <gtest/gtest.h>

#include <limits>

// The calculator's chart drawn on the Qt device at sizes no window would have, and with values no
// calculation gives.
namespace {

class ChartRenderAbuse : public TWindowTestSuite {
protected:
    void SetUp() override
    {
        ResetModel();
        BHNcalc::StandardBHN = 270;
        form.GraphBHN();
    }

    TForm1 form;
};

TEST_F(ChartRenderAbuse, ZeroTinyAndHugeSizesRender)
{
    struct TSize {
        int Width;
        int Height;
    };
    for (const TSize size : {TSize{0, 0}, TSize{1, 1}, TSize{2, 1}, TSize{10000, 10000}, TSize{553, 337}}) {
        const QImage image = RenderChart(form.Chart1->Chart(), size.Width, size.Height);
        EXPECT_EQ(image.width(), size.Width);
        EXPECT_EQ(image.height(), size.Height);
    }
    // The normal size after the huge one: the plot frame is where it always is (the blue standard line inside it).
    const QImage image = RenderChart(form.Chart1->Chart(), 553, 337);
    TChart& chart = form.Chart1->Chart();
    const int x = chart.BottomAxis().XValueToPixel(270);
    const int y = chart.LeftAxis().YValueToPixel(1.47);
    EXPECT_EQ(image.pixelColor(x, y), QColor(Qt::blue));
}

TEST_F(ChartRenderAbuse, NaNAndInfiniteMarkersRender)
{
    for (const double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), 1e300}) {
        form.Series5->ClearPoints();
        form.Series5->AddPoint(bad, 1.5);
        form.Series5->AddPoint(bad, 0.9);
        const QImage image = RenderChart(form.Chart1->Chart(), 553, 337);
        EXPECT_EQ(image.size(), QSize(553, 337)) << bad;
    }
}

}  // namespace
