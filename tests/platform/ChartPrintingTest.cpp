#include "platform/ChartPrinting.h"

#include <gtest/gtest.h>

// The chart's corners on the printable area: proportional printing keeps the shape and fits the
// narrower side; otherwise the chart fills the area.
TEST(ChartPrinting, ThePrintViewFitsTheChartToThePrintableArea)
{
    struct TCase {
        QSize Area;
        bool Proportional;
        QPointF Corner;
    };
    const QSize chart(500, 250);
    for (const TCase& c : {TCase{QSize(9000, 12000), true, QPointF(9000, 4500)},
             TCase{QSize(2000, 500), true, QPointF(1000, 500)},
             TCase{QSize(9000, 12000), false, QPointF(9000, 12000)},
             TCase{QSize(500, 250), true, QPointF(500, 250)}}) {
        const QTransform view = PrintView(chart, c.Area, c.Proportional);
        EXPECT_EQ(view.map(QPointF(0, 0)), QPointF(0, 0));
        EXPECT_EQ(view.map(QPointF(chart.width(), chart.height())), c.Corner)
            << c.Area.width() << "x" << c.Area.height() << " proportional " << c.Proportional;
    }
}
