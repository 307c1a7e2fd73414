#include "app/CalculatorApp.h"

#include "app/TCalculatorSeries.h"
#include "app/cli/Calculation.h"
#include "app/TForm1.h"
#include "app/Version.h"
#include "app/cli/ExitStatus.h"
#include "app/cli/MessagePrefix.h"
#include "app/cli/PictureLimits.h"
#include "chart/series/ChartSeriesStartup.h"
#include "model/BHNcalc.h"
#include "platform/ChartFile.h"
#include "platform/LayoutFont.h"
#include "platform/QtSystemColors.h"
#include "platform/TApplication.h"
#include "platform/TChartWidget.h"
#include "platform/TDisplayChoice.h"
#include "platform/WholeFile.h"
#include "platform/form/EFormError.h"
#include "platform/form/FormNodeSearch.h"
#include "platform/form/ReadFormChart.h"
#include "platform/form/TFormParser.h"

#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <new>
#include <optional>

namespace {

// Makes the picture in memory and writes the file whole, so a failure never leaves a cut picture behind.
// Returns the exit code.
int SavePicture(const std::string& path, const std::function<QByteArray()>& picture)
{
    try {
        const QByteArray bytes = picture();
        WriteWholeFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const std::bad_alloc&) {
        // A picture of a valid size fails to allocate only when memory is short.
        std::fprintf(stderr, "%sout of memory\n", cli::MessagePrefix);
        return cli::ExitRefused;
    } catch (const EPictureError& error) {
        std::fprintf(stderr, "%scannot write %s: %s\n", cli::MessagePrefix, path.c_str(), error.what());
        return cli::ExitRefused;
    } catch (const EWriteError& error) {
        std::fprintf(stderr, "%s%s\n", cli::MessagePrefix, error.what());
        return cli::ExitRefused;
    }
    return cli::ExitSuccess;
}

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
        exitCode_ = SavePicture(path_, [this] { return PngFile(form_.grab().toImage()); });
        QCoreApplication::exit(exitCode_);
    }

    TForm1& form_;
    std::string path_;
    bool taken_ = false;
    // The window closed before it was saved.
    int exitCode_ = cli::ExitRefused;
};

// The displays the environment names, as the user would write them.
std::string NamedDisplays()
{
    std::string named;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(name)) {
            named += (named.empty() ? "" : ", ") + std::string(name) + '=' + qEnvironmentVariable(name).toStdString();
        }
    }
    return named.empty() ? "neither DISPLAY nor WAYLAND_DISPLAY is set" : named;
}

// The layout was measured with Liberation Sans: says in one line which package is missing when the faces do not
// resolve to it; drawing goes on with whatever family answered.
void WarnIfLayoutFontMissing()
{
    const std::optional<QString> substitute = LayoutFontSubstitute();
    if (!substitute) {
        return;
    }
    const QString drawing = substitute->isEmpty() ? QStringLiteral("no other font was found either")
                                                  : QStringLiteral("drawing with %1 instead").arg(*substitute);
    std::fprintf(stderr, "%sthe font %s is missing (the package %s); %s\n", cli::MessagePrefix, LayoutFontFamily,
        LayoutFontPackage, qPrintable(drawing));
}

// Brings up the model, the chart engine and the application object in the order the window relies on,
// and takes them down again in reverse. A picture drawn with no display needs no widgets: a plain GUI
// application keeps the chart command's memory near what drawing the picture itself costs.
class TProgramSession {
public:
    TProgramSession(int& argc, char** argv, TDisplayUse use) : display_(use)
    {
        // The curves are complete before the window exists, and the series types are known before the form is read.
        BHNcalc::Initialize();
        RegisterChartSeriesTypes();
        if (use == TDisplayUse::Never) {
            application_ = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            application_ = std::make_unique<TApplication>(argc, argv);
            QApplication::setStyle(QStringLiteral("Fusion"));
        }
        display_.Started();
        // Desktops match the window to its installed entry and icon by this name.
        QGuiApplication::setDesktopFileName(QString::fromLatin1(BhncalcAppId));
        InstallQtSystemColors();
        // Without any font a picture is refused, not warned about (see RenderCalculatorChart).
        if (use != TDisplayUse::Never || AnyFontAvailable()) {
            WarnIfLayoutFontMissing();
        }
    }

    ~TProgramSession()
    {
        application_.reset();
        UnregisterChartSeriesTypes();
    }

    TProgramSession(const TProgramSession&) = delete;
    TProgramSession& operator=(const TProgramSession&) = delete;

    // A window for the user was asked for and no display could be opened.
    bool DisplayMissing() const { return display_.DisplayMissing(); }

private:
    TDisplayChoice display_;
    std::unique_ptr<QGuiApplication> application_;
};

// Qt takes any number as the window's scale: one that is not finite and positive leaves the window without
// a size it can ever paint at, and the program waits forever. True after reporting such a factor.
bool ScaleFactorRefused()
{
    const char* text = std::getenv("QT_SCALE_FACTOR");
    if (text == nullptr || *text == '\0') {
        return false;
    }
    char* end = nullptr;
    const double factor = std::strtod(text, &end);
    if (*end == '\0' && std::isfinite(factor) && factor > 0) {
        return false;
    }
    std::fprintf(stderr, "%sQT_SCALE_FACTOR must be a finite number above 0, not %s\n", cli::MessagePrefix,
        cli::Quoted(text).c_str());
    return true;
}

// The window's pixels at its scale, as the screen and a screenshot hold them. A scale that makes them larger
// than any picture we draw, or that Qt's arithmetic turned into nonsense (a huge QT_SCALE_FACTOR comes out
// negative), is refused before the window is shown: showing it alone takes the memory or never paints.
bool WindowScaleRefused(const QWidget& form)
{
    const qreal ratio = form.devicePixelRatioF();
    const double width = std::ceil(form.width() * ratio);
    const double height = std::ceil(form.height() * ratio);
    if (ratio > 0 && width <= MaxPictureSide && height <= MaxPictureSide) {
        return false;
    }
    std::fprintf(stderr, "%sat scale %g the window would be %.0fx%.0f pixels; at most %d a side\n", cli::MessagePrefix,
        static_cast<double>(ratio), width, height, MaxPictureSide);
    return true;
}

// The window's chart as its form describes it, as large as the form makes it in the window.
std::unique_ptr<TChart> ReadWindowChart()
{
    const std::string formText = TForm1::EmbeddedFormText();
    std::unique_ptr<TChart> chart = ReadFormChart(formText, "BHN1.form", "TForm1", "Chart1");
    const TFormNode form = ParseForm(formText, "BHN1.form");
    if (const std::optional<TFormSize> size = FindFormSize(*FindFormObject(form, "Chart1"))) {
        chart->SetSize(size->Width, size->Height);
    }
    return chart;
}

}  // namespace

int RunCalculatorWindow(int argc, char** argv, const std::string& screenshotPath)
{
    if (ScaleFactorRefused()) {
        return cli::ExitRefused;
    }
    TProgramSession session(argc, argv, screenshotPath.empty() ? TDisplayUse::Required : TDisplayUse::IfAvailable);
    if (session.DisplayMissing()) {
        std::fprintf(stderr, "%scannot open a display (%s); the command line works without one: bhncalc --help\n",
            cli::MessagePrefix, NamedDisplays().c_str());
        return cli::ExitRefused;
    }
    return ShowCalculatorWindow(TForm1::EmbeddedFormText(), screenshotPath);
}

int ShowCalculatorWindow(std::string_view formText, const std::string& screenshotPath)
{
    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>(formText);
    } catch (const EFormError& error) {
        std::fprintf(stderr, "%s%s\n", cli::MessagePrefix, error.what());
        return cli::ExitRefused;
    }
    if (WindowScaleRefused(*form)) {
        return cli::ExitRefused;
    }
    std::unique_ptr<TScreenshotTaker> screenshot;
    if (!screenshotPath.empty()) {
        screenshot = std::make_unique<TScreenshotTaker>(*form, screenshotPath);
    }
    form->show();
    form->activateWindow();
    const int result = TApplication::exec();
    return screenshot ? screenshot->ExitCode() : result;
}

int RenderCalculatorChart(int argc, char** argv, const cli::TChartRequest& request)
{
    TProgramSession session(argc, argv, TDisplayUse::Never);
    // A chart whose texts would all be empty boxes is no picture of the calculator.
    if (!AnyFontAvailable()) {
        std::fprintf(stderr, "%sno font can draw the chart's text; install the package %s (%s)\n", cli::MessagePrefix,
            LayoutFontPackage, LayoutFontFamily);
        return cli::ExitRefused;
    }
    std::unique_ptr<TChart> chart;
    try {
        chart = ReadWindowChart();
        // What the window shows after the mode was chosen, the standard entered and Calculate pressed.
        TCalculatorSeries series(*chart);
        series.Graph(BHNcalc::CurveOfMode(request.mode), request.standardBHN);
        series.MarkVariable(request.variableBHN);
    } catch (const EFormError& error) {
        std::fprintf(stderr, "%s%s\n", cli::MessagePrefix, error.what());
        // No picture can be drawn: a failed output, not the batch's "some lines refused".
        return cli::ExitRefused;
    }
    const cli::TPictureSize size = request.size.value_or(cli::TPictureSize{chart->Width(), chart->Height()});
    return SavePicture(request.outPath, [&] { return ChartFile(*chart, size.width, size.height, request.format); });
}
