#include "app/cli/BatchLine.h"
#include "app/cli/CliRun.h"
#include "model/BHNcalc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace cli;

namespace {

TCliRun RunBatch(const std::string& input, const std::vector<std::string>& args = {"batch"})
{
    return RunCli(args, input);
}

const std::string Header = "variable,standard,mode,multiplier,relative_quality,inverse\n";

// A file in the test's temporary folder, removed at the end of the test.
class TempFile {
public:
    explicit TempFile(const std::string& content)
        : path_(std::filesystem::path(::testing::TempDir())
              / ("bhncalc-batch-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".csv"))
    {
        std::ofstream(path_, std::ios::binary) << content;
    }
    ~TempFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

}

TEST(Batch, GoodLinesGiveOneResultLineEach)
{
    const TCliRun run = RunBatch("237,270,0\n237,270,m62\n360,200,tests\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Header
            + "237,270,0,1.288,0.9328,1.0721\n"
              "237,270,m62,1.055,0.9596,1.0421\n"
              "360,200,tests,1.001,1.2423,0.8050\n");
}

TEST(Batch, HeaderCommentsBlankLinesAndCarriageReturnsAreSkipped)
{
    const TCliRun run = RunBatch("variable,standard,mode\r\n"
                              "# plates of the first trial\r\n"
                              "\r\n"
                              "\n"
                              "237,270,avg\r\n"
                              " 237,270.0,Avg.\n"
                              "237,270,0");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, Header
            + "237,270,avg,1.288,0.9328,1.0721\n"
              " 237,270.0,Avg.,1.288,0.9328,1.0721\n"
              "237,270,0,1.288,0.9328,1.0721\n");
}

TEST(Batch, BadLinesAreReportedAndTheRestIsProcessed)
{
    const TCliRun run = RunBatch("237,270,0\n"
                              "variable,standard,mode\n"
                              "237 ,270,0\n"
                              "237,360,0\n"
                              "237,270\n"
                              "237,270,0,1\n"
                              "1e5000,270,0\n"
                              "237,270,nine\n"
                              "240,270,0\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, Header + "237,270,0,1.288,0.9328,1.0721\n240,270,0,1.280,0.9385,1.0655\n");
    EXPECT_EQ(run.err,
        "line 2: unknown mode \"mode\"; accepted: 0..7, avg, 0-35, 40-60, apfsds (or apdsfs), m62, m79, weighed, tests\n"
        "line 3: variable hardness \"237 \" is not accepted: enter a number from 200 to 360\n"
        "line 4: standard hardness \"360\" is not accepted: enter a number from 200 to 359\n"
        "line 5: expected 3 fields variable,standard,mode but found 2\n"
        "line 6: expected 3 fields variable,standard,mode but found 4\n"
        "line 7: Floating point overflow.\n"
        "line 8: unknown mode \"nine\"; accepted: 0..7, avg, 0-35, 40-60, apfsds (or apdsfs), m62, m79, weighed, tests\n");
}

TEST(Batch, QuotedFieldsAreReadAndWrittenAsCsv)
{
    const TCliRun run = RunBatch("237,270,\"3\"\" M62\"\n"
                              "237,270,3\" M62\n"
                              "\"237\",\"270\",\"m62\"\n"
                              "237,270,\"m62\n"
                              "237,270,\"m62\"x\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, Header
            + "237,270,\"3\"\" M62\",1.055,0.9596,1.0421\n"
              "237,270,\"3\"\" M62\",1.055,0.9596,1.0421\n"
              "237,270,m62,1.055,0.9596,1.0421\n");
    EXPECT_EQ(run.err,
        "line 4: a quoted field has no closing quote\n"
        "line 5: a quoted field is followed by text before the next comma\n");
}

TEST(Batch, EmptyInputGivesTheHeaderOnly)
{
    for (const std::string input : {"", "variable,standard,mode\n", "\n\n# nothing\n"}) {
        const TCliRun run = RunBatch(input);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, Header);
        EXPECT_EQ(run.err, "");
    }
}

TEST(Batch, ReadsANamedFileOrStandardInput)
{
    const TempFile file("variable,standard,mode\r\n237,270,m62\r\n");
    const TCliRun run = RunBatch("", {"batch", file.Path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, Header + "237,270,m62,1.055,0.9596,1.0421\n");

    const TCliRun dash = RunBatch("237,270,m62\n", {"batch", "-"});
    EXPECT_EQ(dash.out, run.out);
}

TEST(Batch, AnUnreadableFileIsRefused)
{
    const std::string missing = (std::filesystem::path(::testing::TempDir()) / "bhncalc-no-such-file.csv").string();
    const TCliRun run = RunBatch("", {"batch", missing});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("bhncalc: cannot read ", 0), 0u) << run.err;

    const TCliRun folder = RunBatch("", {"batch", ::testing::TempDir()});
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.out, "");
    EXPECT_NE(folder.err.find("it is a directory"), std::string::npos) << folder.err;
}

TEST(BatchLine, OnlyTheFirstLineCanBeTheHeader)
{
    TBatchScratch scratch;
    std::string output;
    EXPECT_EQ(HandleBatchLine("variable,standard,mode", 1, scratch, output), TBatchLine::Skipped);
    EXPECT_EQ(HandleBatchLine("variable,standard,mode\r", 1, scratch, output), TBatchLine::Skipped);
    EXPECT_EQ(HandleBatchLine("variable,standard,mode", 2, scratch, output), TBatchLine::Refused);
    EXPECT_EQ(HandleBatchLine("Variable,standard,mode", 1, scratch, output), TBatchLine::Refused);
    EXPECT_EQ(output, "");
}

TEST(BatchLine, AppendsToTheOutputAndDropsOneCarriageReturn)
{
    BHNcalc::Initialize();
    TBatchScratch scratch;
    std::string output = "kept\n";
    EXPECT_EQ(HandleBatchLine("237,270,0\r", 3, scratch, output), TBatchLine::Written);
    EXPECT_EQ(output, "kept\n237,270,0,1.288,0.9328,1.0721\n");
    EXPECT_EQ(HandleBatchLine("237,270,0\r\r", 4, scratch, output), TBatchLine::Refused);
    EXPECT_EQ(scratch.reason, "unknown mode \"0\\x0D\"; accepted: 0..7, avg, 0-35, 40-60, apfsds (or apdsfs), m62, m79, weighed, tests");
    EXPECT_EQ(HandleBatchLine("#237,270,0", 5, scratch, output), TBatchLine::Skipped);
    EXPECT_EQ(HandleBatchLine("\r", 6, scratch, output), TBatchLine::Skipped);
    EXPECT_EQ(output, "kept\n237,270,0,1.288,0.9328,1.0721\n");
}
