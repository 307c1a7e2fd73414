#include "app/ProgramRun.h"
#include "app/cli/CommandLine.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

// Runs the command line with window commands that only record what they were asked.
struct TWindowRun {
    int status = 0;
    std::string err;
    std::optional<cli::TChartRequest> chart;
    std::optional<std::string> screenshot;
};

TWindowRun RunWithWindow(const std::vector<std::string>& args)
{
    TWindowRun run;
    const cli::TWindowCommands window{
        [&](const cli::TChartRequest& request) { run.chart = request; return 0; },
        [&](const std::string& path) { run.screenshot = path; return 0; },
    };
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    run.status = cli::RunCommandLine(args, in, out, err, window);
    run.err = err.str();
    return run;
}

}  // namespace

TEST(WindowCommands, ChartPassesItsInputsAndSize)
{
    const TWindowRun run = RunWithWindow(
        {"chart", "--out", "x.png", "--variable", "300", "--standard", " 250", "--mode", "m62", "--size", "800x500"});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(run.chart);
    EXPECT_EQ(run.chart->outPath, "x.png");
    EXPECT_EQ(run.chart->variableBHN, 300);
    EXPECT_EQ(run.chart->standardBHN, 250);
    EXPECT_EQ(run.chart->mode, 4);
    ASSERT_TRUE(run.chart->size);
    EXPECT_EQ(run.chart->size->width, 800);
    EXPECT_EQ(run.chart->size->height, 500);
}

TEST(WindowCommands, ChartModeNamesAreCaseBlindAndValuesMayFollowAnEqualsSign)
{
    const TWindowRun run = RunWithWindow({"chart", "--out=x.png", "--mode=TESTS", "--size=20X10"});
    ASSERT_TRUE(run.chart) << run.err;
    EXPECT_EQ(run.chart->outPath, "x.png");
    EXPECT_EQ(run.chart->mode, 7);
    ASSERT_TRUE(run.chart->size);
    EXPECT_EQ(run.chart->size->width, 20);
}

TEST(WindowCommands, ChartOverflowNamesTheOptionAndQuotesTheText)
{
    const TWindowRun run = RunWithWindow({"chart", "--out", "x.png", "--standard", "1e5000"});
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(run.chart);
    EXPECT_EQ(run.err, "bhncalc: --standard \"1e5000\": Floating point overflow.\n");
}

TEST(WindowCommands, RunningOutOfMemoryIsReportedAsSuch)
{
    const cli::TWindowCommands window{
        [](const cli::TChartRequest&) -> int { throw std::bad_alloc(); },
        [](const std::string&) -> int { throw std::bad_alloc(); },
    };
    for (const std::vector<std::string>& args : {std::vector<std::string>{"chart", "--out", "x.png"},
             std::vector<std::string>{"--screenshot", "x.png"}}) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::RunCommandLine(args, in, out, err, window), 2);
        EXPECT_EQ(err.str(), "bhncalc: out of memory\n");
    }
}

// Each side goes from 1 to 10000 pixels, both ends included.
TEST(WindowCommands, ChartSidesRunFromOneToTenThousand)
{
    struct TCase {
        const char* Size;
        int Width;
        int Height;
    };
    for (const TCase c : {TCase{"1x1", 1, 1}, TCase{"10000x1", 10000, 1}, TCase{"1x10000", 1, 10000},
             TCase{"10000x10000", 10000, 10000}, TCase{"0x10", 0, 0}, TCase{"10x0", 0, 0}, TCase{"10001x10", 0, 0},
             TCase{"10x10001", 0, 0}}) {
        SCOPED_TRACE(c.Size);
        const TWindowRun run = RunWithWindow({"chart", "--out", "x.png", "--size", c.Size});
        if (c.Width == 0) {
            EXPECT_EQ(run.status, 2);
            EXPECT_FALSE(run.chart);
            continue;
        }
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_TRUE(run.chart);
        ASSERT_TRUE(run.chart->size);
        EXPECT_EQ(run.chart->size->width, c.Width);
        EXPECT_EQ(run.chart->size->height, c.Height);
    }
}

TEST(WindowCommands, ChartDefaultsToTheCalculatorsStartingInputs)
{
    const TWindowRun run = RunWithWindow({"chart", "--out", "x.png"});
    ASSERT_TRUE(run.chart);
    EXPECT_EQ(run.chart->variableBHN, 237);
    EXPECT_EQ(run.chart->standardBHN, 270);
    EXPECT_EQ(run.chart->mode, 0);
    // The picture takes the chart's size from the window's form.
    EXPECT_FALSE(run.chart->size);
}

TEST(WindowCommands, ChartTakesItsFormatFromTheExtensionUnlessFormatIsGiven)
{
    struct TCase {
        std::vector<std::string> Args;
        TPictureFormat Format;
    };
    const TCase cases[] = {
        {{"--out", "x.png"}, TPictureFormat::Png},
        {{"--out", "dir.v1/x.svg"}, TPictureFormat::Svg},
        {{"--out", "X.PDF"}, TPictureFormat::Pdf},
        {{"--out", "-"}, TPictureFormat::Png},
        {{"--out", "-", "--format", "svg"}, TPictureFormat::Svg},
        {{"--out", "x.png", "--format", "pdf"}, TPictureFormat::Pdf},
        {{"--format", "PNG", "--out", "picture"}, TPictureFormat::Png},
        {{"--out", "/dev/stdout"}, TPictureFormat::Png},
    };
    for (const TCase& c : cases) {
        std::vector<std::string> args{"chart"};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const TWindowRun run = RunWithWindow(args);
        ASSERT_EQ(run.status, 0) << run.err;
        ASSERT_TRUE(run.chart);
        EXPECT_EQ(run.chart->format, c.Format) << c.Args[1];
    }
}

TEST(WindowCommands, OtherPictureFormatsAreRefusedNamingTheSupportedOnes)
{
    const std::vector<std::vector<std::string>> refused = {
        {"chart", "--out", "x.jpg"},
        {"chart", "--out", "x."},
        {"chart", "--out", "x.svg.gz"},
        {"chart", "--out", "x.png", "--format", "jpeg"},
    };
    for (const auto& args : refused) {
        const TWindowRun run = RunWithWindow(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_FALSE(run.chart) << args.back();
        for (const char* supported : {"png", "svg", "pdf"})
            EXPECT_NE(run.err.find(supported), std::string::npos) << args.back() << ": " << run.err;
    }
}

TEST(WindowCommands, RefusedChartRequestsNeverReachTheWindow)
{
    const std::vector<std::vector<std::string>> refused = {
        {"chart"},
        {"chart", "--out", ""},
        {"chart", "--out", "x.png", "--variable", "360.5"},
        {"chart", "--out", "x.png", "--standard", "360"},
        {"chart", "--out", "x.png", "--mode", "9"},
        {"chart", "--out", "x.png", "--size", "0x10"},
        {"chart", "--out", "x.png", "--size", "10001x10"},
        {"chart", "--out", "x.png", "--size", "640"},
        {"chart", "--out", "x.png", "--size", "64x48px"},
        {"chart", "--out", "x.png", "extra"},
        {"--screenshot"},
        {"--screenshot", "a.png", "b.png"},
    };
    for (const auto& args : refused) {
        const TWindowRun run = RunWithWindow(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_FALSE(run.chart) << args.back();
        EXPECT_FALSE(run.screenshot) << args.back();
        EXPECT_FALSE(run.err.empty()) << args.back();
    }
}

// A name without extension says no format when it is a stream, a device, a pipe or a folder; a regular
// file, old or new, must name its format, so a Makefile is never replaced by a picture.
TEST(WindowCommands, ANameWithoutExtensionIsPngOnlyForStreamsDevicesAndPipes)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string fifo = dir.filePath("pipe").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string makefile = dir.filePath("Makefile").toStdString();
    QFile existing(QString::fromStdString(makefile));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    for (const std::string& accepted : {std::string("-"), std::string("/dev/null"), std::string("/dev/stdout"), fifo,
             dir.path().toStdString()}) {
        const TWindowRun chart = RunWithWindow({"chart", "--out", accepted});
        ASSERT_TRUE(chart.chart) << accepted << ": " << chart.err;
        EXPECT_EQ(chart.chart->format, TPictureFormat::Png) << accepted;
        const TWindowRun shot = RunWithWindow({"--screenshot", accepted});
        EXPECT_EQ(shot.screenshot, accepted) << shot.err;
    }
    for (const std::string& refused : {makefile, dir.filePath("notes").toStdString(), std::string("notes")}) {
        const TWindowRun chart = RunWithWindow({"chart", "--out", refused});
        EXPECT_EQ(chart.status, 2) << refused;
        EXPECT_FALSE(chart.chart) << refused;
        EXPECT_EQ(chart.err, "bhncalc: \"" + refused + "\" has no extension: name a .png, .svg or .pdf file, or give "
            "--format png|svg|pdf\n");
        const TWindowRun named = RunWithWindow({"chart", "--out", refused, "--format", "svg"});
        ASSERT_TRUE(named.chart) << named.err;
        EXPECT_EQ(named.chart->format, TPictureFormat::Svg);
        const TWindowRun shot = RunWithWindow({"--screenshot", refused});
        EXPECT_EQ(shot.status, 2) << refused;
        EXPECT_FALSE(shot.screenshot) << refused;
    }
}

// The window is saved as PNG only: other extensions are refused before the window opens, and
// --screenshot=FILE is the same as --screenshot FILE.
TEST(WindowCommands, ScreenshotTakesAPngPathInEitherForm)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--screenshot", "shot.png"},
             std::vector<std::string>{"--screenshot=shot.png"}, std::vector<std::string>{"--screenshot", "dir.v1/SHOT.PNG"}}) {
        const TWindowRun run = RunWithWindow(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.screenshot, args.size() == 1 ? "shot.png" : args[1]);
    }
    for (const char* refused : {"x.svg", "x.pdf", "x.jpg", "x.", "x.png.gz"}) {
        for (const std::vector<std::string>& args : {std::vector<std::string>{"--screenshot", refused},
                 std::vector<std::string>{std::string("--screenshot=") + refused}}) {
            const TWindowRun run = RunWithWindow(args);
            EXPECT_EQ(run.status, 2) << refused;
            EXPECT_FALSE(run.screenshot) << refused;
            EXPECT_EQ(run.err, std::string("bhncalc: --screenshot writes PNG images: name a .png file, not \"") + refused
                + "\"\n");
        }
    }
}

// With no font at all every text would be an empty box: chart refuses in one line naming the package
// that brings the font, and writes nothing.
TEST(WindowCommands, TheProgramRefusesAChartNoFontCanDraw)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString config = dir.filePath("fonts.conf");
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("<?xml version=\"1.0\"?>\n<fontconfig><cachedir>" + dir.filePath("cache").toStdString()
        + "</cachedir></fontconfig>\n").c_str());
    file.close();
    QProcessEnvironment environment = EnvironmentWithoutDisplay();
    environment.insert("FONTCONFIG_FILE", config);
    for (const char* name : {"c.png", "c.svg", "c.pdf"}) {
        const TProgramRun run = RunProgram({"chart", "--out", dir.filePath(name)}, environment);
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.err, "bhncalc: no font can draw the chart's text; install the package fonts-liberation "
                           "(Liberation Sans)\n");
        EXPECT_FALSE(QFile::exists(dir.filePath(name))) << name;
    }
    // The same program with the system's fonts draws the chart.
    EXPECT_EQ(RunProgram({"chart", "--out", dir.filePath("c.png")}).status, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("c.png")));
}

// The real program: a refused name leaves the file that has it as it was.
TEST(WindowCommands, TheProgramLeavesAFileWithoutExtensionAlone)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString makefile = dir.filePath("Makefile");
    QFile file(makefile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("all:\n");
    file.close();
    const TProgramRun chart = RunProgram({"chart", "--out", makefile});
    EXPECT_EQ(chart.status, 2);
    EXPECT_TRUE(chart.err.contains("--format")) << chart.err.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("all:\n"));
    const TProgramRun shot = RunProgram({"--screenshot", dir.filePath("window.svg")});
    EXPECT_EQ(shot.status, 2);
    EXPECT_FALSE(QFile::exists(dir.filePath("window.svg")));
    const TProgramRun joined = RunProgram({"--screenshot=" + dir.filePath("window.png")});
    EXPECT_EQ(joined.status, 0) << joined.err.toStdString();
    EXPECT_FALSE(QImage(dir.filePath("window.png")).isNull());
}

// The real program, as a user runs it: no display is needed for either picture.
TEST(WindowCommands, TheProgramWritesTheChartAndTheWindowAsPictures)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString chart = dir.filePath("chart.png");
    const QString window = dir.filePath("window.png");
    EXPECT_EQ(RunProgram({"chart", "--out", chart, "--size", "300x200"}).status, 0);
    EXPECT_EQ(QImage(chart).size(), QSize(300, 200));
    EXPECT_EQ(RunProgram({"--screenshot", window}).status, 0);
    EXPECT_EQ(QImage(window).size(), QSize(563, 426));
    const TProgramRun piped = RunProgram({"chart", "--out", "-", "--size", "300x200"});
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(QImage::fromData(piped.out, "PNG").size(), QSize(300, 200));
}

// The vector formats by extension and on standard output; an unknown extension writes nothing.
TEST(WindowCommands, TheProgramWritesTheChartAsSvgOrPdfByExtensionOrFormat)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(RunProgram({"chart", "--out", dir.filePath("c.svg")}).status, 0);
    QFile svg(dir.filePath("c.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    EXPECT_EQ(RunProgram({"chart", "--out", dir.filePath("c.PDF")}).status, 0);
    QFile pdf(dir.filePath("c.PDF"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
    const TProgramRun piped = RunProgram({"chart", "--out", "-", "--format", "svg"});
    EXPECT_EQ(piped.status, 0);
    EXPECT_TRUE(piped.out.contains("<svg"));
    const TProgramRun refused = RunProgram({"chart", "--out", dir.filePath("c.jpg")});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains(".png, .svg or .pdf")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("c.jpg")));
}

// A picture that cannot be written is a failed output: exit 2, the path and the system's reason.
TEST(WindowCommands, AFailedPictureWriteSaysWhyAndLeavesNoFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath("missing/x.png");
    const struct {
        QStringList args;
        QString err;
    } cases[] = {
        {{"chart", "--out", "/dev/full"}, "bhncalc: cannot write /dev/full: No space left on device\n"},
        {{"chart", "--out", missing}, "bhncalc: cannot write " + missing + ": No such file or directory\n"},
        {{"chart", "--out", dir.path()}, "bhncalc: cannot write " + dir.path() + ": Is a directory\n"},
        {{"chart", "--out", dir.filePath(".")}, "bhncalc: cannot write " + dir.filePath(".") + ": Is a directory\n"},
        {{"chart", "--out", dir.filePath("new.png/")},
            "bhncalc: cannot write " + dir.filePath("new.png/") + ": names a folder, not a file\n"},
        {{"--screenshot", dir.filePath("..")}, "bhncalc: cannot write " + dir.filePath("..") + ": Is a directory\n"},
        {{"--screenshot", "/dev/full"}, "bhncalc: cannot write /dev/full: No space left on device\n"},
    };
    for (const auto& c : cases) {
        const TProgramRun run = RunProgram(c.args);
        EXPECT_EQ(run.status, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.endsWith(c.err)) << run.err.toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

struct TDisplayCase {
    const char* Display;
    const char* WaylandDisplay;
    const char* Named;
};

class WindowCommandsDisplays : public ::testing::TestWithParam<TDisplayCase> {};

// A display named in the environment that does not answer (a stale ssh forwarding, cron, CI) neither stops
// the windowless commands nor clutters their standard error; the window says in one line why it cannot open.
TEST_P(WindowCommandsDisplays, OnlyTheWindowNeedsADisplayThatOpens)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcessEnvironment environment = EnvironmentWithoutDisplay();
    environment.remove("XDG_RUNTIME_DIR");
    if (GetParam().Display != nullptr) {
        environment.insert("DISPLAY", GetParam().Display);
    }
    if (GetParam().WaylandDisplay != nullptr) {
        // A runtime folder without the socket: nothing serves the name.
        environment.insert("XDG_RUNTIME_DIR", dir.path());
        environment.insert("WAYLAND_DISPLAY", GetParam().WaylandDisplay);
    }
    const auto run = [&](const QStringList& args) { return RunProgram(args, environment); };
    const QString chart = dir.filePath("chart.png");
    const QString window = dir.filePath("window.png");

    const TProgramRun drawn = run({"chart", "--out", chart, "--size", "300x200"});
    EXPECT_EQ(drawn.status, 0);
    EXPECT_EQ(drawn.err, QString());
    EXPECT_EQ(QImage(chart).size(), QSize(300, 200));

    const TProgramRun shot = run({"--screenshot", window});
    EXPECT_EQ(shot.status, 0);
    EXPECT_EQ(shot.err, QString());
    EXPECT_EQ(QImage(window).size(), QSize(563, 426));

    const TProgramRun shown = run({});
    EXPECT_EQ(shown.status, 2);
    EXPECT_EQ(shown.err, QString("bhncalc: cannot open a display (") + GetParam().Named
                             + "); the command line works without one: bhncalc --help\n");
}

INSTANTIATE_TEST_SUITE_P(
    Environments, WindowCommandsDisplays,
    ::testing::Values(TDisplayCase{":77", nullptr, "DISPLAY=:77"},
                      TDisplayCase{nullptr, "wayland-77", "WAYLAND_DISPLAY=wayland-77"},
                      TDisplayCase{nullptr, nullptr, "neither DISPLAY nor WAYLAND_DISPLAY is set"}));
