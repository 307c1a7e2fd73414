#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

// The program's standard error and exit status when started by a shell with standard output closed.
std::pair<std::string, int> RunWithOutputClosed(const std::string& args)
{
    FILE* pipe = ::popen(("'" BHNCALC_PROGRAM "' " + args + " 2>&1 >&-").c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    return {output, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

}

// With standard output closed, "-" names nothing to write to; the program says so instead of writing into
// whatever descriptor took the number.
TEST(StandardStreams, AClosedStandardOutputIsRefusedForDash)
{
    for (const std::string args : {"chart --out -", "--screenshot -"}) {
        const auto [err, status] = RunWithOutputClosed(args);
        EXPECT_EQ(err, "bhncalc: standard output is closed\n") << args;
        EXPECT_EQ(status, 2) << args;
    }
}
