#include "WindowTestSupport.h"

#include "app/CalculatorApp.h"
#include "app/TForm1.h"
#include "app/cli/ExitStatus.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <string>

namespace {

using CalculatorWindow = TWindowTestSuite;

// The screenshot command draws nothing and says why when the window cannot be built; it fails as any refused
// output does, not as a batch with refused lines.
TEST_F(CalculatorWindow, AFormThatCannotBeBuiltRefusesTheScreenshot)
{
    std::string broken = TForm1::EmbeddedFormText();
    const std::string::size_type at = broken.find(": TPointSeries");
    ASSERT_NE(at, std::string::npos);
    broken.replace(at, 14, ": TPointSerie");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("window.png")).toStdString();

    testing::internal::CaptureStderr();
    const int status = ShowCalculatorWindow(broken, path);
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(status, cli::ExitRefused);
    EXPECT_TRUE(err.starts_with("bhncalc: BHN1.form:")) << err;
    EXPECT_TRUE(err.ends_with(": unknown class TPointSerie\n")) << err;
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(path)));
}

}  // namespace
