#include "app/ProgramRun.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// Runs the real program without a display, with the given fontconfig set-up (empty: the system's own).
TProgramRun RunWithFonts(const QStringList& args, const QString& fontconfigFile)
{
    QProcessEnvironment environment = EnvironmentWithoutDisplay();
    if (!fontconfigFile.isEmpty()) {
        environment.insert("FONTCONFIG_FILE", fontconfigFile);
    }
    return RunProgram(args, environment);
}

}  // namespace

// The layout was measured with Liberation Sans: when the fonts hide it but others answer, the program names
// the missing package once and still draws; with the fonts in place it says nothing about them.
TEST(LayoutFont, AMissingFontIsNamedOnceAndTheProgramGoesOn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The system's fonts, Liberation Sans hidden; its siblings of the same package still answer.
    const QString noFonts = dir.filePath("fonts.conf");
    QFile config(noFonts);
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                 "  <dir>/usr/share/fonts</dir>\n  <cachedir>" + dir.filePath("cache").toUtf8() + "</cachedir>\n"
                 "  <selectfont><rejectfont><pattern><patelt name=\"family\"><string>Liberation Sans</string></patelt>"
                 "</pattern></rejectfont></selectfont>\n</fontconfig>\n");
    config.close();

    const QString warning = QStringLiteral("bhncalc: the font Liberation Sans is missing (the package fonts-liberation)");
    const struct {
        QStringList args;
        QString picture;
    } runs[] = {
        {{"chart", "--out", dir.filePath("chart.png")}, dir.filePath("chart.png")},
        {{"--screenshot", dir.filePath("window.png")}, dir.filePath("window.png")},
    };
    for (const auto& run : runs) {
        const TProgramRun hidden = RunWithFonts(run.args, noFonts);
        EXPECT_EQ(hidden.status, 0) << hidden.err.toStdString();
        EXPECT_EQ(hidden.err.count(warning), 1) << hidden.err.toStdString();
        EXPECT_TRUE(QFile::exists(run.picture)) << run.picture.toStdString();
        QFile::remove(run.picture);

        const TProgramRun present = RunWithFonts(run.args, {});
        EXPECT_EQ(present.status, 0) << present.err.toStdString();
        EXPECT_FALSE(present.err.contains("fonts-liberation")) << present.err.toStdString();
    }
}
