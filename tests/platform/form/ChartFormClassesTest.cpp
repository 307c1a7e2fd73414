#include "platform/EDeviceError.h"
#include "platform/TApplication.h"
#include "platform/TChartWidget.h"
#include "platform/form/ChartFormClasses.h"
#include "platform/form/TCustomForm.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

class TChartForm : public TCustomForm {
public:
    TChartForm()
    {
        TFormClassTable classes = StandardControlClasses();
        AddChartFormClasses(classes);
        LoadForm(R"(object Form: TChartForm
  ClientWidth = 320
  ClientHeight = 220
  object Chart1: TChart
    Left = 10
    Top = 10
    Width = 300
    Height = 200
  end
end
)",
                 "chart.form", "TChartForm", Properties(), classes, {});
    }
};

TEST(ChartFormClassesTest, AChartOfAFormShowsItsFailedPaintInTheErrorBox)
{
    std::vector<std::pair<std::string, std::string>> shown;
    TApplication::SetErrorBox([&](const std::string& caption, const std::string& text) { shown.emplace_back(caption, text); });
    TChartForm form;
    auto* chart = form.findChild<TChartWidget*>("Chart1");
    ASSERT_NE(chart, nullptr);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    chart->Chart().OnAfterDraw = [] { throw EDeviceError("Cannot draw on the picture"); };

    chart->Chart().Invalidate();
    chart->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::string>>{{TApplication::Title(), "Cannot draw on the picture."}}));
    TApplication::SetErrorBox({});
}

}  // namespace
