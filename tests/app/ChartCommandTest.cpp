#include "WindowTestSupport.h"

#include "app/ProgramRun.h"
#include "app/TForm1.h"
#include "app/cli/Usage.h"
#include "platform/ChartRendering.h"
#include "platform/TChartWidget.h"
#include "platform/form/FormNodeSearch.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"
#include "platform/form/TFormParser.h"
#include "platform/form/TRadioGroup.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRadioButton>
#include <QTemporaryDir>

#include <optional>
#include <string>

namespace {

using ChartCommand = TWindowTestSuite;

// The command line draws its picture without the window, so it must come out as the window's chart does
// after the same steps: the mode chosen, the standard entered, Calculate pressed with the variable.
TEST_F(ChartCommand, DrawsWhatTheWindowShowsAfterTheSameSteps)
{
    struct TCase {
        int Mode;
        const char* Standard;
        const char* Variable;
    };
    const TCase cases[] = {{4, "250", "300"}, {7, "359", "200"}, {2, "200", "360"}, {0, "270.5", "237.25"}};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("chart.png"));
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.Mode << ", standard " << c.Standard << ", variable " << c.Variable);
        ResetModel();
        TForm1 window;
        window.FormActivate();
        window.RadioGroup1->Button(c.Mode)->click();
        window.Edit4->SetText(c.Standard);
        window.Edit1->SetText(c.Variable);
        window.Button1->click();
        const QImage shown = RenderChart(window.Chart1->Chart(), 553, 337).convertToFormat(QImage::Format_RGB32);

        const TProgramRun run = RunProgram({"chart", "--out", path, "--mode", QString::number(c.Mode), "--standard",
                                            c.Standard, "--variable", c.Variable});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QImage drawn = QImage(path).convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(drawn == shown);
    }
}

// The form holds the chart's size; the chart command's usage states it as its default.
TEST_F(ChartCommand, TheUsageStatesTheFormsChartSizeAsTheDefault)
{
    const TFormNode form = ParseForm(TForm1::EmbeddedFormText(), "BHN1.form");
    const std::optional<TFormSize> chartSize = FindFormSize(*FindFormObject(form, "Chart1"));
    ASSERT_TRUE(chartSize.has_value());
    const std::string size = std::to_string(chartSize->Width) + "x" + std::to_string(chartSize->Height) + ")";
    EXPECT_NE(cli::CommandUsageText("chart").value_or("").find(size), std::string::npos) << size;
}

}  // namespace
