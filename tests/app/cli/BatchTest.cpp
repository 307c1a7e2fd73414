#include "app/cli/BatchLine.h"
#include "app/cli/CliRun.h"
#include "model/BHNcalc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

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
        "line 7: variable \"1e5000\": Floating point overflow.\n"
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
    EXPECT_EQ(HandleBatchLine("variable,standard,mode", 1, TOutputFormat::Csv, scratch, output), TBatchLine::Skipped);
    EXPECT_EQ(HandleBatchLine("variable,standard,mode", 2, TOutputFormat::Csv, scratch, output), TBatchLine::Refused);
    EXPECT_EQ(HandleBatchLine("Variable,standard,mode", 1, TOutputFormat::Csv, scratch, output), TBatchLine::Refused);
    EXPECT_EQ(output, "");
}

TEST(BatchLine, AppendsOneRecordInTheChosenFormat)
{
    BHNcalc::Initialize();
    TBatchScratch scratch;
    std::string output = "kept\n";
    EXPECT_EQ(HandleBatchLine("237,270,0", 3, TOutputFormat::Csv, scratch, output), TBatchLine::Written);
    EXPECT_EQ(output, "kept\n237,270,0,1.288,0.9328,1.0721");
    output.clear();
    EXPECT_EQ(HandleBatchLine("237,270,\"3\"\" M62\"", 3, TOutputFormat::Json, scratch, output), TBatchLine::Written);
    EXPECT_EQ(output, "{\"variable\":\"237\",\"standard\":\"270\",\"mode\":\"3\\\" M62\",\"multiplier\":1.055,"
                      "\"relative_quality\":0.9596,\"inverse\":1.0421}");
    output.clear();
    EXPECT_EQ(HandleBatchLine("237,270,0\r", 4, TOutputFormat::Csv, scratch, output), TBatchLine::Refused);
    EXPECT_EQ(scratch.reason, "unknown mode \"0\\x0D\"; accepted: 0..7, avg, 0-35, 40-60, apfsds (or apdsfs), m62, m79, weighed, tests");
    EXPECT_EQ(HandleBatchLine("#237,270,0", 5, TOutputFormat::Csv, scratch, output), TBatchLine::Skipped);
    EXPECT_EQ(HandleBatchLine("", 6, TOutputFormat::Csv, scratch, output), TBatchLine::Skipped);
    EXPECT_EQ(output, "");
}

namespace {

// Hands out its text a few bytes per read, as a pipe does, so lines, line ends and the byte order mark arrive split.
class TTrickleBuffer : public std::streambuf {
public:
    TTrickleBuffer(std::string text, std::size_t step) : text_(std::move(text)), step_(step) {}

protected:
    int_type underflow() override
    {
        if (pos_ >= text_.size()) {
            return traits_type::eof();
        }
        const std::size_t n = std::min(step_, text_.size() - pos_);
        setg(text_.data() + pos_, text_.data() + pos_, text_.data() + pos_ + n);
        pos_ += n;
        return traits_type::to_int_type(text_[pos_ - n]);
    }

private:
    std::string text_;
    std::size_t step_;
    std::size_t pos_ = 0;
};

const std::string TwoResults = Header + "237,270,0,1.288,0.9328,1.0721\n240,270,0,1.280,0.9385,1.0655\n";

}

TEST(Batch, EveryLineEndEndsALineAndAByteOrderMarkIsSkipped)
{
    const struct {
        const char* name;
        std::string input;
    } cases[] = {
        {"LF", "variable,standard,mode\n237,270,0\n240,270,0\n"},
        {"CR", "variable,standard,mode\r237,270,0\r240,270,0\r"},
        {"CRLF", "variable,standard,mode\r\n237,270,0\r\n240,270,0\r\n"},
        {"mixed, none at the end", "variable,standard,mode\r\n237,270,0\r240,270,0"},
        {"BOM before the header", "\xEF\xBB\xBFvariable,standard,mode\r\n237,270,0\r\n240,270,0\r\n"},
        {"BOM before a line", "\xEF\xBB\xBF" "237,270,0\n240,270,0\n"},
    };
    for (const auto& c : cases) {
        for (const std::size_t step : {std::size_t{1}, std::size_t{2}, std::size_t{5}, c.input.size()}) {
            TTrickleBuffer trickle(c.input, step);
            std::istream in(&trickle);
            std::ostringstream out;
            std::ostringstream err;
            EXPECT_EQ(RunCommandLine({"batch"}, in, out, err), 0) << c.name << " " << step;
            EXPECT_EQ(out.str(), TwoResults) << c.name << " " << step;
            EXPECT_EQ(err.str(), "") << c.name << " " << step;
        }
    }
}

// Only the first line may start with a byte order mark; on a later line it is part of the line, which is refused,
// and the lines around it are still answered.
TEST(Batch, AByteOrderMarkOnALaterLineIsRefused)
{
    for (const std::string& first : {std::string("237,270,0\n"), std::string("\xEF\xBB\xBF" "237,270,0\n")}) {
        const TCliRun run = RunBatch(first + "\xEF\xBB\xBF" "240,270,0\n240,270,0\n");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, Header + "237,270,0,1.288,0.9328,1.0721\n240,270,0,1.280,0.9385,1.0655\n");
        EXPECT_EQ(run.err, "line 2: variable hardness \"\\xEF\\xBB\\xBF240\" is not accepted: enter a number from 200 to 360\n");
    }
}

TEST(Batch, LinesAreCountedWhateverEndsThem)
{
    const TCliRun run = RunBatch("237,270,0\r\r1e5000,270,0\r\n\n240,270,x\r");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "line 3: variable \"1e5000\": Floating point overflow.\n"
                       "line 5: unknown mode \"x\"; accepted: 0..7, avg, 0-35, 40-60, apfsds (or apdsfs), m62, m79, "
                       "weighed, tests\n");
}

TEST(Batch, ALineLongerThanTheLimitIsRefusedAndTheLinesAfterItProcessed)
{
    const std::string atLimit = "#" + std::string(65535, 'x');
    const TCliRun run = RunBatch(atLimit + "\n" + std::string(65537, '9') + "\r\n237,270,0\n" + std::string(300000, '7')
        + "\r240,270,0");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "line 2: longer than 65536 bytes\nline 4: longer than 65536 bytes\n");
    EXPECT_EQ(run.out, TwoResults);
}

TEST(Batch, AFailedOutputStopsTheBatchWithinOneBlock)
{
    std::string input;
    for (int i = 0; i < 100000; ++i) {
        input += "237,270,0\n";
    }
    std::istringstream in(input);
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine({"batch"}, in, out, err), 2);
    EXPECT_EQ(err.str(), "bhncalc: writing the output failed\n");
    // Reading stopped after one output block's worth of lines and one read-ahead.
    const std::streamoff consumed = in.tellg();
    EXPECT_GT(consumed, 0);
    EXPECT_LE(consumed, 2 * 65536);
}

TEST(Batch, JsonGivesAnArrayOfObjectsAndRefusalsStayOnStandardError)
{
    const TCliRun run = RunBatch("237,270,0\n237,270,nine\n240,270,\"m62\"\n", {"batch", "--format", "json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "[\n"
                       "{\"variable\":\"237\",\"standard\":\"270\",\"mode\":\"0\",\"multiplier\":1.288,"
                       "\"relative_quality\":0.9328,\"inverse\":1.0721},\n"
                       "{\"variable\":\"240\",\"standard\":\"270\",\"mode\":\"m62\",\"multiplier\":1.053,"
                       "\"relative_quality\":0.9616,\"inverse\":1.0399}\n"
                       "]\n");
    EXPECT_EQ(run.err, "line 2: unknown mode \"nine\"; accepted: 0..7, avg, 0-35, 40-60, apfsds (or apdsfs), m62, m79, "
                       "weighed, tests\n");
    EXPECT_EQ(RunBatch("240,270,m62\n").out, Header + "240,270,m62,1.053,0.9616,1.0399\n");
    EXPECT_EQ(RunBatch("# nothing\n", {"batch", "--format=JSON"}).out, "[]\n");
    EXPECT_EQ(RunBatch("237,270,0\n", {"batch", "--format=csv"}).out, RunBatch("237,270,0\n").out);
}

namespace {

// Input that arrives one line per read, as from a pipe fed by hand, and notes what was written before each wait.
class TLineAtATime : public std::streambuf {
public:
    TLineAtATime(std::vector<std::string> lines, const std::ostringstream& out) : lines_(std::move(lines)), out_(out) {}

    std::vector<std::string> writtenBeforeEachWait;

protected:
    int_type underflow() override
    {
        writtenBeforeEachWait.push_back(out_.str());
        if (next_ >= lines_.size()) {
            return traits_type::eof();
        }
        std::string& line = lines_[next_++];
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(line.front());
    }

private:
    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    const std::ostringstream& out_;
};

}

TEST(Batch, ResultsGoOutBeforeTheBatchWaitsForMoreInput)
{
    std::ostringstream out;
    std::ostringstream err;
    TLineAtATime input({"237,270,0\n", "bad\n", "240,270,0\n"}, out);
    std::istream in(&input);
    EXPECT_EQ(RunCommandLine({"batch"}, in, out, err), 1);
    ASSERT_GE(input.writtenBeforeEachWait.size(), 3u);
    EXPECT_EQ(input.writtenBeforeEachWait[1], Header + "237,270,0,1.288,0.9328,1.0721\n");
    EXPECT_EQ(input.writtenBeforeEachWait.back(), TwoResults);
}
