#include "app/CalculatorApp.h"

#include "app/TForm1.h"
#include "chart/series/ChartSeriesStartup.h"
#include "model/BHNcalc.h"
#include "platform/QtSystemColors.h"
#include "platform/TApplication.h"
#include "platform/TChartWidget.h"
#include "platform/form/EFormError.h"

#include <QEvent>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Saves the window once it has been activated and the chart has painted what the activation put into it.
class TScreenshotTaker : public QObject {
public:
    TScreenshotTaker(TForm1& form, std::string path) : form_(form), path_(std::move(path))
    {
        form_.Chart1->installEventFilter(this);
    }

    int ExitCode() const { return exitCode_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == form_.Chart1 && event->type() == QEvent::Paint && form_.Activated() && !taken_) {
            taken_ = true;
            // Grab after this paint has finished.
            QTimer::singleShot(0, this, [this] { Save(); });
        }
        return false;
    }

private:
    void Save()
    {
        if (form_.grab().save(QString::fromStdString(path_), "PNG")) {
            exitCode_ = 0;
        } else {
            std::fprintf(stderr, "bhncalc: cannot write the screenshot %s\n", path_.c_str());
            exitCode_ = 1;
        }
        QCoreApplication::exit(exitCode_);
    }

    TForm1& form_;
    std::string path_;
    bool taken_ = false;
    int exitCode_ = 1;
};

bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int RunCalculatorWindow(int argc, char** argv, const std::string& screenshotPath)
{
    if (!screenshotPath.empty() && !HasDisplay()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The curves are complete before the window exists, and the series types are known before the form is read.
    BHNcalc::Initialize();
    RegisterChartSeriesTypes();
    int result = 0;
    {
        TApplication application(argc, argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
        InstallQtSystemColors();
        std::unique_ptr<TForm1> form;
        try {
            form = std::make_unique<TForm1>();
        } catch (const EFormError& error) {
            std::fprintf(stderr, "bhncalc: %s\n", error.what());
            UnregisterChartSeriesTypes();
            return 1;
        }
        Form1 = form.get();
        std::unique_ptr<TScreenshotTaker> screenshot;
        if (!screenshotPath.empty()) {
            screenshot = std::make_unique<TScreenshotTaker>(*form, screenshotPath);
        }
        form->show();
        form->activateWindow();
        result = TApplication::exec();
        if (screenshot) {
            result = screenshot->ExitCode();
        }
        screenshot.reset();
        Form1 = nullptr;
    }
    UnregisterChartSeriesTypes();
    return result;
}
