#include "app/cli/CommandLine.h"
#include "app/cli/CliRun.h"

#include "app/Version.h"
#include "model/BHNcalc.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>
#include <string>
#include <vector>

using namespace cli;

namespace {

struct TCase {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
};

void ExpectRuns(const std::vector<TCase>& cases)
{
    for (const TCase& c : cases) {
        const TCliRun run = RunCli(c.args);
        std::string line;
        for (const std::string& a : c.args) {
            line += " [" + a + "]";
        }
        EXPECT_EQ(run.status, c.status) << line;
        EXPECT_EQ(run.out, c.out) << line;
        EXPECT_EQ(run.err, c.err) << line;
    }
}

std::string Results(const char* multiplier, const char* quality, const char* inverse)
{
    return std::string("Multiplier: ") + multiplier + "\nRelative Quality: " + quality + "\nInverse: " + inverse + "\n";
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

const std::string Usage = UsageText();

}

TEST(CommandLine, CalcShowsTheWindowsResults)
{
    const std::string worked = Results("1.288", "0.9328", "1.0721");
    const std::string m62 = Results("1.055", "0.9596", "1.0421");
    ExpectRuns({
        {{"calc", "--variable", "237"}, 0, worked, ""},
        {{"calc", "--variable", "237", "--standard", "270"}, 0, worked, ""},
        {{"calc", "--mode", "avg", "--standard", "270.0", "--variable", " 237"}, 0, worked, ""},
        {{"calc", "--variable", "237", "--mode", "m62"}, 0, m62, ""},
        {{"calc", "--variable", "237", "--mode", "4"}, 0, m62, ""},
        {{"calc", "--variable", "237", "--mode", "3\" M62"}, 0, m62, ""},
        {{"calc", "--variable", "270"}, 0, Results("1.202", "1.0000", "1.0000"), ""},
        {{"calc", "--variable", "360", "--standard", "200", "--mode", "tests"}, 0,
            Results("1.001", "1.2423", "0.8050"), ""},
        {{"calc", "--variable", "2.37e2", "--standard", "+270"}, 0, worked, ""},
    });
}

TEST(CommandLine, CalcRefusesWhatTheWindowWouldGrey)
{
    const std::string variableRange = "is not accepted: enter a number from 200 to 360\n";
    const std::string standardRange = "is not accepted: enter a number from 200 to 359\n";
    ExpectRuns({
        {{"calc", "--variable", "360.5"}, 2, "", "bhncalc: variable hardness \"360.5\" " + variableRange},
        {{"calc", "--variable", "199.99"}, 2, "", "bhncalc: variable hardness \"199.99\" " + variableRange},
        {{"calc", "--variable", "237 "}, 2, "", "bhncalc: variable hardness \"237 \" " + variableRange},
        {{"calc", "--variable", ""}, 2, "", "bhncalc: variable hardness \"\" " + variableRange},
        {{"calc", "--variable", "237", "--standard", "360"}, 2, "", "bhncalc: standard hardness \"360\" " + standardRange},
        {{"calc", "--variable", "237", "--standard", "270,0"}, 2, "",
            "bhncalc: standard hardness \"270,0\" " + standardRange},
        {{"calc", "--variable", "237", "--standard", ""}, 2, "", "bhncalc: standard hardness \"\" " + standardRange},
        {{"calc", "--variable", "2\x1b[0m"}, 2, "", "bhncalc: variable hardness \"2\\x1B[0m\" " + variableRange},
        {{"calc", "--variable", "1e4933"}, 2, "", "bhncalc: Floating point overflow.\n"},
        {{"calc", "--variable", "237", "--standard", "9e9999"}, 2, "", "bhncalc: standard hardness \"9e9999\" " + standardRange},
        {{"calc", "--variable", "237", "--standard", "9e4999"}, 2, "", "bhncalc: Floating point overflow.\n"},
        {{"calc", "--variable", "237", "--mode", "8"}, 2, "",
            "bhncalc: unknown mode \"8\"; accepted: 0..7, avg, 0-35, 40-60, apfsds (or apdsfs), m62, m79, weighed, tests\n"},
    });
}

TEST(CommandLine, LongFieldsAreShortenedInMessages)
{
    const TCliRun run = RunCli({"calc", "--variable", std::string(1000, '9')});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "bhncalc: variable hardness \"" + std::string(40, '9') + "\"... is not accepted: enter a number from 200 to 360\n");
}

TEST(CommandLine, HelpVersionAndUsageErrors)
{
    ExpectRuns({
        {{"--help"}, 0, Usage, ""},
        {{"--version"}, 0, std::string("bhncalc ") + BhncalcVersion + "\n", ""},
        {{}, 2, "", "bhncalc: a command is needed\n" + Usage},
        {{"solve"}, 2, "", "bhncalc: unknown command \"solve\"\n" + Usage},
        {{"--help", "calc"}, 2, "", "bhncalc: unknown command \"--help\"\n" + Usage},
        {{"calc"}, 2, "", "bhncalc: calc needs --variable\n" + Usage},
        {{"calc", "--variable"}, 2, "", "bhncalc: option --variable needs a value\n" + Usage},
        {{"calc", "--variable", "237", "--mode"}, 2, "", "bhncalc: option --mode needs a value\n" + Usage},
        {{"calc", "--variable", "237", "--exact"}, 2, "", "bhncalc: unknown option \"--exact\" for calc\n" + Usage},
        {{"calc", "--variable", "237", "--variable", "240"}, 2, "", "bhncalc: option --variable is given twice\n" + Usage},
        {{"calc", "--variable", "237", "240"}, 2, "", "bhncalc: unexpected argument \"240\"\n" + Usage},
        {{"table", "--mode", "avg", "x"}, 2, "", "bhncalc: unexpected argument \"x\"\n" + Usage},
        {{"batch", "a.csv", "b.csv"}, 2, "", "bhncalc: batch reads one file at most\n" + Usage},
        {{"batch", "--exact"}, 2, "", "bhncalc: unknown option \"--exact\" for batch\n" + Usage},
    });
}

TEST(CommandLine, UsageListsEveryCommandAndTheModeNames)
{
    for (const char* word : {"bhncalc calc --variable TEXT [--standard TEXT] [--mode MODE]", "bhncalc batch [FILE]",
             "bhncalc table [--mode MODE|all] [--exact]", "bhncalc --help | --version", "apfsds (or apdsfs)"}) {
        EXPECT_NE(Usage.find(word), std::string::npos) << word;
    }
}

TEST(CommandLine, TableOfAllCurves)
{
    const TCliRun run = RunCli({"table"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 34u);
    EXPECT_EQ(lines[0], "bhn,0-35,40-60,apfsds,m62,m79,avg,weighed,tests");
    EXPECT_EQ(lines[1], "200,1.4060,1.3600,1.1872,1.0732,1.1890,1.3830,1.2479,1.2434");
    EXPECT_EQ(lines[15], "270,1.2330,1.1700,1.0780,1.0121,1.0430,1.2015,1.1100,1.1002");
    EXPECT_EQ(lines[25], "320,1.0000,1.0000,1.0000,1.0000,1.0000,1.0000,1.0000,1.0000");
    EXPECT_EQ(lines[33], "360,0.9738,1.0000,0.9688,1.0188,1.0060,0.9869,0.9946,1.0009");
    EXPECT_EQ(RunCli({"table", "--mode", "all"}).out, run.out);
}

TEST(CommandLine, TableOfOneMode)
{
    const struct {
        std::string mode;
        std::string header;
        std::string row260;
    } cases[] = {
        {"m62", "bhn,m62", "260,1.0188"},
        {"0", "bhn,avg", "260,1.2278"},
        {"0\xC2\xB0-35\xC2\xB0", "bhn,0-35", "260,1.2577"},
        {"Weighed", "bhn,weighed", "260,1.1264"},
        {"tests", "bhn,tests", "260,1.1165"},
    };
    for (const auto& c : cases) {
        const TCliRun run = RunCli({"table", "--mode", c.mode});
        EXPECT_EQ(run.status, 0) << c.mode;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 34u) << c.mode;
        EXPECT_EQ(lines[0], c.header);
        EXPECT_EQ(lines[13], c.row260);
    }
}

TEST(CommandLine, ExactTableReadsBackToTheSameDoubles)
{
    for (std::int32_t mode = 0; mode <= 7; ++mode) {
        const TCliRun run = RunCli({"table", "--mode", std::to_string(mode), "--exact"});
        ASSERT_EQ(run.status, 0);
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 34u);
        BHNcalc::SelectCurve(mode);
        for (int i = 0; i < BHNcalc::GridPoints; ++i) {
            const std::string& line = lines[static_cast<std::size_t>(i) + 1];
            const std::string prefix = std::to_string(BHNcalc::GridBHN(i)) + ",";
            ASSERT_EQ(line.compare(0, prefix.size(), prefix), 0) << line;
            double value = 0.0;
            const auto result = std::from_chars(line.data() + prefix.size(), line.data() + line.size(), value);
            EXPECT_EQ(result.ptr, line.data() + line.size()) << line;
            EXPECT_EQ(value, BHNcalc::SelectedCurve[static_cast<std::size_t>(i)]) << line;
        }
    }
    BHNcalc::SelectCurve(BHNcalc::SelectedMode);
    EXPECT_EQ(Lines(RunCli({"table", "--mode", "1", "--exact"}).out)[25], "320,1");
}

TEST(CommandLine, TableRefusesAnUnknownMode)
{
    ExpectRuns({{{"table", "--mode", "every"}, 2, "",
        "bhncalc: unknown mode \"every\"; accepted: all, 0..7, avg, 0-35, 40-60, apfsds (or apdsfs), m62, m79, weighed, tests\n"}});
}

TEST(CommandLine, TableLeavesTheSelectedCurveWithTheSelectedMode)
{
    BHNcalc::Initialize();
    BHNcalc::SelectedMode = 5;
    BHNcalc::SelectCurve(5);
    RunCli({"table"});
    EXPECT_EQ(BHNcalc::SelectedCurve, BHNcalc::CurveM79);
    BHNcalc::SelectedMode = 0;
    BHNcalc::SelectCurve(0);
}

TEST(CommandLine, AFailedWriteIsReported)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(RunCommandLine({"table"}, in, out, err), 2);
    EXPECT_EQ(err.str(), "bhncalc: writing the output failed\n");
}
