// One program for every benchmark, with the model, the series types and the application object
// started as the calculator starts them, on the offscreen platform.

#include "BenchSupport.h"

#include "chart/series/ChartSeriesStartup.h"
#include "model/BHNcalc.h"
#include "platform/QtSystemColors.h"
#include "platform/TApplication.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    BHNcalc::Initialize();
    RegisterChartSeriesTypes();
    int result = 0;
    {
        TApplication app(argc, argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
        InstallQtSystemColors();
        if (benchmark::RunSpecifiedBenchmarks() == 0)
            result = 1;
        ReleaseBenchWindows();
    }
    benchmark::Shutdown();
    UnregisterChartSeriesTypes();
    return result;
}
