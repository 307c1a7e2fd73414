#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct TChildRun {
    int status;
    long peakKiB;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the real program and measures its own peak resident memory (wait4 reports it for this child alone).
TChildRun RunMeasured(const std::vector<std::string>& args, const QTemporaryDir& dir)
{
    const std::string outPath = dir.filePath("out").toStdString();
    const std::string errPath = dir.filePath("err").toStdString();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> words{BHNCALC_PROGRAM};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, BHNCALC_PROGRAM, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0);
    int status = 0;
    struct rusage usage{};
    EXPECT_EQ(::wait4(pid, &status, 0, &usage), pid);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), usage.ru_maxrss, ReadFile(outPath),
        ReadFile(errPath)};
}

// A file of `zeros` zero bytes with no line end among them, as /dev/zero gives, then `tail`. The zeros are a hole
// in a sparse file, so they cost no disk.
std::string ZerosThen(const QTemporaryDir& dir, const char* name, off_t zeros, const std::string& tail)
{
    const std::string path = dir.filePath(name).toStdString();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::ftruncate(fd, zeros), 0);
    EXPECT_EQ(::lseek(fd, 0, SEEK_END), zeros);
    EXPECT_EQ(::write(fd, tail.data(), tail.size()), static_cast<ssize_t>(tail.size()));
    ::close(fd);
    return path;
}

}

// An endless line is read past in constant memory, and the lines after it still count.
TEST(ProgramMemory, ALineOfHundredsOfMegabytesCostsNoMoreThanAShortFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string tail = "\n237,270,0\n";
    const TChildRun small = RunMeasured({"batch", ZerosThen(dir, "small.csv", 0, tail)}, dir);
    const TChildRun endless = RunMeasured({"batch", ZerosThen(dir, "zeros.csv", off_t{300} << 20, tail)}, dir);
    const std::string results = "variable,standard,mode,multiplier,relative_quality,inverse\n237,270,0,1.288,0.9328,1.0721\n";
    EXPECT_EQ(small.status, 0);
    EXPECT_EQ(small.out, results);
    EXPECT_EQ(endless.status, 1);
    EXPECT_EQ(endless.err, "line 1: longer than 65536 bytes\n");
    EXPECT_EQ(endless.out, results);
    EXPECT_LT(endless.peakKiB, small.peakKiB + 8 * 1024) << small.peakKiB;
}
