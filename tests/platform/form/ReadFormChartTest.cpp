#include "chart/frame/TChartTitle.h"
#include "chart/panel/TChart.h"
#include "chart/series/ChartSeriesStartup.h"
#include "chart/series/TLineSeries.h"
#include "platform/form/EFormError.h"
#include "platform/form/ReadFormChart.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <string>

namespace {

class ReadFormChartTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterChartSeriesTypes(); }
    static void TearDownTestSuite() { UnregisterChartSeriesTypes(); }

    static std::string Error(const std::string& text, const std::string& chartName = "Chart1")
    {
        try {
            ReadFormChart(text, "test.form", "TTestForm", chartName);
        } catch (const EFormError& error) {
            return error.what();
        }
        return "read";
    }
};

// A window with controls around and on the chart, window properties and handlers the reader cannot call.
const std::string WindowForm = R"(object Form: TTestForm
  Caption = 'Calculator'
  ClientWidth = 300
  OnActivate = FormActivate
  object Edit1: TEdit
    Left = 8
    Text = '237'
    TabOrder = 1
  end
  object Button1: TButton
    Caption = 'Calculate'
    OnClick = Button1Click
  end
  object Chart1: TChart
    Left = 8
    Top = 72
    Width = 553
    Height = 337
    TabOrder = 3
    View3D = False
    Title.Text = (
      'Protection')
    object Label7: TLabel
      Caption = 'on the chart'
    end
    object Series1: TLineSeries
      Title = 'first'
      SeriesColor = clRed
    end
    object Series2: TLineSeries
      Title = 'second'
    end
  end
end
)";

TEST_F(ReadFormChartTest, ReadsTheChartAndItsSeriesWithoutMakingAWidget)
{
    const auto widgetsBefore = QApplication::allWidgets().size();
    const std::unique_ptr<TChart> chart = ReadFormChart(WindowForm, "test.form", "TTestForm", "Chart1");
    EXPECT_EQ(QApplication::allWidgets().size(), widgetsBefore);
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(chart->View3D());
    EXPECT_EQ(chart->Title().Text(), std::vector<std::string>{"Protection"});
    ASSERT_EQ(chart->SeriesList().size(), 2u);
    EXPECT_EQ(chart->SeriesList()[0]->Name(), "Series1");
    EXPECT_EQ(chart->SeriesList()[0]->Title(), "first");
    EXPECT_EQ(chart->SeriesList()[0]->SeriesColor(), clRed);
    EXPECT_EQ(chart->SeriesList()[1]->Title(), "second");
    EXPECT_NE(dynamic_cast<TLineSeries*>(chart->SeriesList()[1]), nullptr);
}

TEST_F(ReadFormChartTest, FaultsOfTheChartAndOfTheFormStillStopTheReading)
{
    const auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    struct TCase {
        std::string Text;
        std::string ChartName;
        std::string Error;
    };
    const TCase cases[] = {
        {WindowForm, "Chart2", "test.form: the form has no chart Chart2"},
        {replaced(WindowForm, "View3D = False", "View3D = 12"), "Chart1",
         "test.form:20: Chart1.View3D: malformed value: the number 12 where a name is expected"},
        {replaced(WindowForm, "View3D = False", "Wobble = 1"), "Chart1",
         "test.form:20: Chart1.Wobble: unknown property 'Wobble' of TChart"},
        {replaced(WindowForm, "object Series2: TLineSeries", "object Series2: TMysterySeries"), "Chart1",
         "test.form:30: unknown class TMysterySeries"},
        {replaced(WindowForm, "object Form: TTestForm", "object Form: TOtherForm"), "Chart1",
         "test.form:1: the form describes a TOtherForm, not a TTestForm"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Error(c.Text, c.ChartName), c.Error) << c.Text;
    }
}

}  // namespace
