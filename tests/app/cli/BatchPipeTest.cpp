#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace {

// Generous: the answer is due at once; the wait only stops a test whose answer never comes before its input ends.
constexpr int AnswerWaitMilliseconds = 60000;

// The real program's batch command between two pipes, as `producer | bhncalc batch | consumer` runs it.
class TBatchProcess {
public:
    // `input`, when given, is the program's standard input instead of a pipe the test writes.
    explicit TBatchProcess(const char* format, int input = -1)
    {
        int in[2] = {input, -1};
        int out[2];
        int err[2];
        if (input < 0) {
            EXPECT_EQ(::pipe2(in, O_CLOEXEC), 0);
        }
        EXPECT_EQ(::pipe2(out, O_CLOEXEC), 0);
        EXPECT_EQ(::pipe2(err, O_CLOEXEC), 0);
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(in[0], STDIN_FILENO);
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(err[1], STDERR_FILENO);
            ::execl(BHNCALC_PROGRAM, BHNCALC_PROGRAM, "batch", "--format", format, static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (input < 0) {
            ::close(in[0]);
        }
        ::close(out[1]);
        ::close(err[1]);
        input_ = in[1];
        output_ = out[0];
        errors_ = err[0];
    }
    ~TBatchProcess()
    {
        if (input_ >= 0) {
            ::close(input_);
        }
        ::close(output_);
        ::close(errors_);
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    TBatchProcess(const TBatchProcess&) = delete;
    TBatchProcess& operator=(const TBatchProcess&) = delete;

    void Write(const std::string& text) { EXPECT_EQ(::write(input_, text.data(), text.size()), static_cast<ssize_t>(text.size())); }

    void EndInput()
    {
        ::close(input_);
        input_ = -1;
    }

    // What the program has written until `lines` lines are complete, the output ends, or the wait runs out.
    std::string ReadLines(std::size_t lines)
    {
        while (static_cast<std::size_t>(std::count(read_.begin(), read_.end(), '\n')) < lines) {
            pollfd ready{output_, POLLIN, 0};
            if (::poll(&ready, 1, AnswerWaitMilliseconds) <= 0) {
                break;
            }
            char buffer[4096];
            const ssize_t n = ::read(output_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            read_.append(buffer, static_cast<std::size_t>(n));
        }
        return read_;
    }

    // Standard error, once the program has ended.
    std::string Errors()
    {
        std::string text;
        char buffer[4096];
        for (ssize_t n; (n = ::read(errors_, buffer, sizeof buffer)) > 0;) {
            text.append(buffer, static_cast<std::size_t>(n));
        }
        return text;
    }

    int Status()
    {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    int input_ = -1;
    int output_ = -1;
    int errors_ = -1;
    std::string read_;
};

}

// A pipe fed one line at a time is answered one line at a time: the answer to a line comes while the program
// waits for the next one, not when the input ends.
TEST(BatchPipe, EachLineIsAnsweredBeforeTheNextArrives)
{
    const std::string header = "variable,standard,mode,multiplier,relative_quality,inverse\n";
    TBatchProcess batch("csv");
    batch.Write("237,270,0\n");
    EXPECT_EQ(batch.ReadLines(2), header + "237,270,0,1.288,0.9328,1.0721\n");
    batch.Write("240,270,0\n");
    batch.EndInput();
    EXPECT_EQ(batch.ReadLines(3), header + "237,270,0,1.288,0.9328,1.0721\n240,270,0,1.280,0.9385,1.0655\n");
    EXPECT_EQ(batch.Status(), 0);
}

// Input that cannot be read (a folder given as standard input) ends the answers as well-formed output and is
// reported with the system's reason.
TEST(BatchPipe, InputThatCannotBeReadLeavesWholeOutputAndSaysWhy)
{
    const struct {
        const char* format;
        std::string out;
    } cases[] = {
        {"json", "[]\n"},
        {"csv", "variable,standard,mode,multiplier,relative_quality,inverse\n"},
    };
    for (const auto& c : cases) {
        const int folder = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(folder, 0);
        TBatchProcess batch(c.format, folder);
        ::close(folder);
        EXPECT_EQ(batch.ReadLines(100), c.out) << c.format;
        EXPECT_EQ(batch.Status(), 2) << c.format;
        EXPECT_EQ(batch.Errors(), "bhncalc: reading the input failed after line 0: Is a directory\n") << c.format;
    }
}
