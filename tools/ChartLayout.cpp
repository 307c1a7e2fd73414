// Prints the desktop chart's layout at its form size as JSON (ChartLayoutJson), drawn on the Qt device after
// the window's first activation: the numbers the web page's layout is held to.
#include "app/TCalculatorSeries.h"
#include "app/TForm1.h"
#include "app/window/ChartLayoutJson.h"
#include "chart/panel/TChart.h"
#include "chart/series/ChartSeriesStartup.h"
#include "model/BHNcalc.h"
#include "platform/QtSystemColors.h"
#include "platform/TQtDevice.h"
#include "platform/form/FormNodeSearch.h"
#include "platform/form/FormValues.h"
#include "platform/form/ReadFormChart.h"
#include "platform/form/TFormParser.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    RegisterChartSeriesTypes();
    InstallQtSystemColors();
    const std::string form = TForm1::EmbeddedFormText();
    const std::unique_ptr<TChart> chart = ReadFormChart(form, "BHN1.form", "TForm1", "Chart1");
    // The size the window gives its chart control.
    const TFormNode parsed = ParseForm(form, "BHN1.form");
    const TFormNode* control = FindFormObject(parsed, "Chart1");
    chart->SetSize(FormInteger(*FindFormProperty(*control, "Width")), FormInteger(*FindFormProperty(*control, "Height")));
    TCalculatorSeries(*chart).Graph(BHNcalc::SelectedCurve, 270);
    TQtDevice device(chart->Width(), chart->Height());
    chart->SetWindowDevice(&device);
    std::puts(ChartLayoutJson(*chart, device).c_str());
    return 0;
}
