#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

struct TShellRun {
    int status;
    std::string output;
};

// Runs a shell command line and collects what it writes on both streams.
TShellRun RunShell(const std::string& command)
{
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    std::string output;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// A folder of its own for one test, removed afterwards.
class WindowModuleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "bhncalc-module-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
};

const char* const ChartArgs = " chart --out x.png --variable 237 --standard 300";

TEST_F(WindowModuleTest, CalcLoadsNoQtLibrary)
{
    const TShellRun run = RunShell("LD_DEBUG=libs '" BHNCALC_PROGRAM "' calc --variable 237");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("calling init"), std::string::npos) << "the loader trace did not show";
    EXPECT_EQ(run.output.find("libQt"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("libX11"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("libicu"), std::string::npos) << run.output;
}

#ifdef BHN_WITH_QT
TEST_F(WindowModuleTest, ProgramWithoutItsModuleNamesTheModuleAndFails)
{
    const std::filesystem::path program = dir / "bin" / "bhncalc";
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::copy_file(BHNCALC_PROGRAM, program);
    const std::string expected = (dir / "lib" / "bhncalc" / BHN_WINDOW_MODULE_NAME).string();

    for (const std::string& args : {std::string(ChartArgs), std::string(" --screenshot x.png"), std::string()}) {
        const TShellRun run = RunShell("cd '" + dir.string() + "' && '" + program.string() + "'" + args);
        EXPECT_EQ(run.status, 2) << args;
        const std::string prefix = "bhncalc: cannot load the window module " + expected + ": ";
        EXPECT_EQ(run.output.rfind(prefix, 0), 0u) << run.output;
        EXPECT_NE(run.output.find(BHN_WINDOW_MODULE_NAME, prefix.size()), std::string::npos) << run.output;
        EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << run.output;
        EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
    }
}
#else
TEST_F(WindowModuleTest, BuildWithoutQtSaysItHasNoWindow)
{
    for (const std::string& args : {std::string(ChartArgs), std::string(" --screenshot x.png"), std::string()}) {
        const TShellRun run = RunShell("cd '" + dir.string() + "' && '" BHNCALC_PROGRAM "'" + args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.output, "bhncalc: this build has no window or charts\n") << args;
        EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
    }
}
#endif

}
