#include "app/cli/CommandLine.h"
#include "app/cli/CliRun.h"
#include "app/cli/Usage.h"

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
        {{"calc", "--variable", "1e4933"}, 2, "", "bhncalc: --variable \"1e4933\": Floating point overflow.\n"},
        {{"calc", "--variable", "237", "--standard", "9e9999"}, 2, "", "bhncalc: standard hardness \"9e9999\" " + standardRange},
        {{"calc", "--variable", "237", "--standard", "9e4999"}, 2, "",
            "bhncalc: --standard \"9e4999\": Floating point overflow.\n"},
        {{"calc", "--variable", "1" + std::string(5000, '0')}, 2, "",
            "bhncalc: --variable \"" + std::string(40, '0').replace(0, 1, "1") + "\"...: Floating point overflow.\n"},
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

// A usage error is one line of reason and where to find the usage, never the whole usage.
TEST(CommandLine, HelpVersionAndUsageErrors)
{
    const auto tryHelp = [](const std::string& reason, const std::string& command = "") {
        return "bhncalc: " + reason + "\nTry 'bhncalc " + command + (command.empty() ? "" : " ") + "--help'.\n";
    };
    ExpectRuns({
        {{"--help"}, 0, Usage, ""},
        {{"--version"}, 0, std::string("bhncalc ") + BhncalcVersion + "\n", ""},
        {{}, 2, "", tryHelp("a command is needed")},
        {{"solve"}, 2, "", tryHelp("unknown command \"solve\"")},
        {{"-"}, 2, "", tryHelp("unknown command \"-\"")},
        {{"--foo"}, 2, "", tryHelp("unknown option \"--foo\"")},
        {{"-x", "calc"}, 2, "", tryHelp("unknown option \"-x\"")},
        {{"--version", "calc"}, 2, "", tryHelp("--version takes no argument, not \"calc\"")},
        {{"--version", "extra"}, 2, "", tryHelp("--version takes no argument, not \"extra\"")},
        {{"--help", "bogus"}, 2, "", tryHelp("unknown command \"bogus\"")},
        {{"--help", "calc", "extra"}, 2, "", tryHelp("unexpected argument \"extra\"", "calc")},
        {{"calc"}, 2, "", tryHelp("calc needs --variable", "calc")},
        {{"calc", "--variable"}, 2, "", tryHelp("option --variable needs a value", "calc")},
        {{"calc", "--variable", "237", "--mode"}, 2, "", tryHelp("option --mode needs a value", "calc")},
        {{"calc", "--variable", "237", "--exact"}, 2, "", tryHelp("unknown option \"--exact\" for calc", "calc")},
        {{"calc", "-v", "237"}, 2, "", tryHelp("unknown option \"-v\" for calc", "calc")},
        {{"calc", "--variable", "237", "--variable", "240"}, 2, "", tryHelp("option --variable is given twice", "calc")},
        {{"calc", "--variable", "237", "240"}, 2, "", tryHelp("unexpected argument \"240\"", "calc")},
        {{"table", "--mode", "avg", "x"}, 2, "", tryHelp("unexpected argument \"x\"", "table")},
        {{"batch", "a.csv", "b.csv"}, 2, "", tryHelp("batch reads one file at most", "batch")},
        {{"batch", "--exact"}, 2, "", tryHelp("unknown option \"--exact\" for batch", "batch")},
        {{"table", "--exact=yes"}, 2, "", tryHelp("option --exact takes no value", "table")},
        {{"calc", "--variable=237", "--variable", "240"}, 2, "", tryHelp("option --variable is given twice", "calc")},
        {{"calc", "--colour=red"}, 2, "", tryHelp("unknown option \"--colour\" for calc", "calc")},
        {{"calc", "--variable", "237", "--format", "xml"}, 2, "", tryHelp("--format takes csv or json, not \"xml\"", "calc")},
        {{"--screenshot"}, 2, "", tryHelp("--screenshot needs a FILE.png", "--screenshot")},
        {{"--screenshot="}, 2, "", tryHelp("--screenshot needs a FILE.png", "--screenshot")},
        {{"--screenshot", "a.png", "b.png"}, 2, "", tryHelp("unexpected argument \"b.png\"", "--screenshot")},
        {{"--screenshot=a.png", "b.png"}, 2, "", tryHelp("unexpected argument \"b.png\"", "--screenshot")},
    });
}

// After "--" every word is an operand, even one that looks like an option or asks for help.
TEST(CommandLine, DoubleDashEndsTheOptions)
{
    const auto tryCalc = [](const std::string& reason) { return "bhncalc: " + reason + "\nTry 'bhncalc calc --help'.\n"; };
    ExpectRuns({
        {{"calc", "--variable", "237", "--"}, 0, Results("1.288", "0.9328", "1.0721"), ""},
        {{"calc", "--variable", "237", "--", "-h"}, 2, "", tryCalc("unexpected argument \"-h\"")},
        {{"calc", "--", "--variable", "237"}, 2, "", tryCalc("unexpected argument \"--variable\"")},
        {{"calc", "--", "--"}, 2, "", tryCalc("unexpected argument \"--\"")},
        {{"batch", "--", "--help"}, 2, "", "bhncalc: cannot read \"--help\": No such file or directory\n"},
        {{"batch", "--", "-x", "-y"}, 2, "", "bhncalc: batch reads one file at most\nTry 'bhncalc batch --help'.\n"},
    });
    const TCliRun piped = RunCli({"batch", "--format", "csv", "--", "-"}, "237,270,0\n");
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(Lines(piped.out).back(), "237,270,0,1.288,0.9328,1.0721");
}

TEST(CommandLine, AnOptionsValueMayFollowAnEqualsSign)
{
    const std::string worked = Results("1.288", "0.9328", "1.0721");
    ExpectRuns({
        {{"calc", "--variable=237"}, 0, worked, ""},
        {{"calc", "--variable=237", "--standard=270", "--mode=avg"}, 0, worked, ""},
        {{"calc", "--mode=3\" M62", "--variable", "237"}, 0, Results("1.055", "0.9596", "1.0421"), ""},
        {{"calc", "--variable=2.37e2=", "--mode=0"}, 2, "",
            "bhncalc: variable hardness \"2.37e2=\" is not accepted: enter a number from 200 to 360\n"},
        {{"calc", "--variable="}, 2, "", "bhncalc: variable hardness \"\" is not accepted: enter a number from 200 to 360\n"},
    });
    EXPECT_EQ(RunCli({"table", "--mode=m62", "--exact"}).out, RunCli({"table", "--mode", "m62", "--exact"}).out);
}

TEST(CommandLine, ModeNamesAreCaseBlindInEveryCommand)
{
    const std::string m62 = Results("1.055", "0.9596", "1.0421");
    ExpectRuns({
        {{"calc", "--variable", "237", "--mode", "M62"}, 0, m62, ""},
        {{"calc", "--variable", "237", "--mode", "AvG"}, 0, Results("1.288", "0.9328", "1.0721"), ""},
    });
    for (const std::string all : {"ALL", "All", "aLL"}) {
        EXPECT_EQ(RunCli({"table", "--mode", all}).out, RunCli({"table"}).out) << all;
    }
    EXPECT_EQ(RunCli({"table", "--mode", "WEIGHED"}).out, RunCli({"table", "--mode", "6"}).out);
    const TCliRun batch = RunCli({"batch"}, "237,270,TESTS\n237,270,7\n");
    const std::vector<std::string> lines = Lines(batch.out);
    ASSERT_EQ(lines.size(), 3u) << batch.err;
    EXPECT_EQ(lines[1].substr(lines[1].find(",1.")), lines[2].substr(lines[2].find(",1.")));
}

TEST(CommandLine, TheUsageStatesTheExitCodesAndTheLineLimit)
{
    const std::string exitCodes = "Exit status: 0 done; 1 some batch lines refused";
    EXPECT_NE(Usage.find(exitCodes), std::string::npos);
    EXPECT_NE(Usage.find("2 bad usage, unreadable input, failed output (chart and screenshot included)"), std::string::npos);
    EXPECT_NE(Usage.find("a line longer than 65536 bytes is refused"), std::string::npos);
    EXPECT_NE(Usage.find("--option=value"), std::string::npos);
    for (const std::string command : {"calc", "batch", "table", "chart", "--screenshot"}) {
        EXPECT_NE(CommandUsageText(command).value_or("").find(exitCodes), std::string::npos) << command;
    }
}

TEST(CommandLine, CalcAndTableInCsvAndJson)
{
    ExpectRuns({
        {{"calc", "--variable", "237", "--format", "csv"}, 0,
            "variable,standard,mode,multiplier,relative_quality,inverse\n237,270,0,1.288,0.9328,1.0721\n", ""},
        {{"calc", "--variable", "237", "--mode", "3\" M62", "--format", "json"}, 0,
            "{\"variable\":\"237\",\"standard\":\"270\",\"mode\":\"3\\\" M62\",\"multiplier\":1.055,"
            "\"relative_quality\":0.9596,\"inverse\":1.0421}\n",
            ""},
        {{"calc", "--variable", "237", "--mode", "0\xB0-35\xB0", "--format", "JSON"}, 0,
            "{\"variable\":\"237\",\"standard\":\"270\",\"mode\":\"0\\u00b0-35\\u00b0\",\"multiplier\":1.314,"
            "\"relative_quality\":0.9381,\"inverse\":1.0660}\n",
            ""},
        {{"calc", "--variable", "237", "--mode", "0\xB0-35\xB0"}, 0, Results("1.314", "0.9381", "1.0660"), ""},
    });
    EXPECT_EQ(RunCli({"table", "--format", "csv"}).out, RunCli({"table"}).out);
    const std::vector<std::string> lines = Lines(RunCli({"table", "--format", "json"}).out);
    ASSERT_EQ(lines.size(), 35u);
    EXPECT_EQ(lines[0], "[");
    EXPECT_EQ(lines[1], "{\"bhn\":200,\"0-35\":1.4060,\"40-60\":1.3600,\"apfsds\":1.1872,\"m62\":1.0732,\"m79\":1.1890,"
                        "\"avg\":1.3830,\"weighed\":1.2479,\"tests\":1.2434},");
    EXPECT_EQ(lines[33], "{\"bhn\":360,\"0-35\":0.9738,\"40-60\":1.0000,\"apfsds\":0.9688,\"m62\":1.0188,\"m79\":1.0060,"
                         "\"avg\":0.9869,\"weighed\":0.9946,\"tests\":1.0009}");
    EXPECT_EQ(lines[34], "]");
    EXPECT_EQ(Lines(RunCli({"table", "--mode", "1", "--exact", "--format", "json"}).out)[25], "{\"bhn\":320,\"0-35\":1},");
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
        const BHNcalc::TCurve curve = BHNcalc::CurveOfMode(mode);
        for (int i = 0; i < BHNcalc::GridPoints; ++i) {
            const std::string& line = lines[static_cast<std::size_t>(i) + 1];
            const std::string prefix = std::to_string(BHNcalc::GridBHN(i)) + ",";
            ASSERT_EQ(line.compare(0, prefix.size(), prefix), 0) << line;
            double value = 0.0;
            const auto result = std::from_chars(line.data() + prefix.size(), line.data() + line.size(), value);
            EXPECT_EQ(result.ptr, line.data() + line.size()) << line;
            EXPECT_EQ(value, curve[static_cast<std::size_t>(i)]) << line;
        }
    }
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
