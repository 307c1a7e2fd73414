#include "platform/WholeFile.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <fcntl.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void PutFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// A real picture, so a failure can fall inside its last chunk (IEND, the final 12 bytes).
std::string PngBytes()
{
    QImage image(64, 40, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::vector<std::string> FolderEntries(const QTemporaryDir& dir)
{
    // Every entry, links that lead nowhere too.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path().toStdString())) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

// A disk that fills up after `limit` bytes: short writes up to the limit, then "No space left on device".
TWriteCall FailingAfter(std::size_t limit)
{
    auto written = std::make_shared<std::size_t>(0);
    return [limit, written](int fd, const char* data, std::size_t size) -> ssize_t {
        if (*written >= limit) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t now = std::min(size, limit - *written);
        *written += now;
        return ::write(fd, data, now);
    };
}

std::string WriteErrorOf(const std::function<void()>& write)
{
    try {
        write();
    } catch (const EWriteError& error) {
        return error.what();
    }
    return "no error";
}

// Points standard output at a file for the lifetime of the object.
class TStandardOutputToFile {
public:
    explicit TStandardOutputToFile(const std::string& path) : saved_(::dup(STDOUT_FILENO))
    {
        std::fflush(stdout);
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, STDOUT_FILENO);
        ::close(fd);
    }
    ~TStandardOutputToFile()
    {
        ::dup2(saved_, STDOUT_FILENO);
        ::close(saved_);
    }

private:
    int saved_;
};

}

TEST(WholeFile, WritesANewFileAndLeavesNoTemporary)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("chart.png").toStdString();
    const std::string png = PngBytes();
    WriteWholeFile(path, png);
    EXPECT_EQ(ReadFile(path), png);
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"chart.png"});
}

TEST(WholeFile, ReplacesAnOldFileAndKeepsItsPermissions)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("chart.png").toStdString();
    PutFile(path, "old picture");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    WriteWholeFile(path, "new picture");
    EXPECT_EQ(ReadFile(path), "new picture");
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"chart.png"});
}

// Wherever the disk fills up, even inside the picture's last chunk, the old file stays as it was.
TEST(WholeFile, AFailureAtAnyByteLeavesTheOldFileAndNoTemporary)
{
    const std::string png = PngBytes();
    ASSERT_GT(png.size(), 12u);
    for (const std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{33}, png.size() / 2, png.size() - 12,
             png.size() - 6, png.size() - 1}) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("chart.png").toStdString();
        PutFile(path, "a good old picture");
        EXPECT_EQ(WriteErrorOf([&] { WriteWholeFile(path, png, FailingAfter(limit)); }),
            "cannot write " + path + ": No space left on device")
            << limit;
        EXPECT_EQ(ReadFile(path), "a good old picture") << limit;
        EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"chart.png"}) << limit;
    }
}

TEST(WholeFile, AWriterThatStopsShortIsAFailureNotALoop)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("x").toStdString();
    const TWriteCall stuck = [](int, const char*, std::size_t) -> ssize_t { return 0; };
    EXPECT_EQ(WriteErrorOf([&] { WriteWholeFile(path, "bytes", stuck); }), "cannot write " + path + ": Input/output error");
    EXPECT_TRUE(FolderEntries(dir).empty());
}

// The bytes only count once they are on the disk: a sync that fails (a disk that fills up or fails late) is a
// failure like a failing write, and the sync must happen before the old file is replaced.
TEST(WholeFile, ASyncThatFailsLeavesTheOldFileAndNoTemporary)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("chart.png").toStdString();
    PutFile(path, "a good old picture");
    int syncs = 0;
    const TSyncCall failing = [&](int) {
        ++syncs;
        errno = EIO;
        return -1;
    };
    const TWriteCall write = [](int fd, const char* data, std::size_t size) { return ::write(fd, data, size); };
    EXPECT_EQ(WriteErrorOf([&] { WriteWholeFile(path, PngBytes(), write, failing); }),
        "cannot write " + path + ": Input/output error");
    EXPECT_EQ(syncs, 1);
    EXPECT_EQ(ReadFile(path), "a good old picture");
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"chart.png"});
}

// A signal handled during a write interrupts it before any byte moved: the write is tried again, while a
// descriptor that would block is a failure, not a busy loop.
TEST(WholeFile, AnInterruptedWriteIsRepeatedAndOtherErrorsAreNot)
{
    const std::string png = PngBytes();
    const struct {
        int error;
        std::string message;
    } cases[] = {
        {EINTR, ""},
        {EAGAIN, "Resource temporarily unavailable"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("chart.png").toStdString();
        int calls = 0;
        const TWriteCall onceFailing = [&](int fd, const char* data, std::size_t size) -> ssize_t {
            if (calls++ == 1) {
                errno = c.error;
                return -1;
            }
            return ::write(fd, data, std::min<std::size_t>(size, 100));
        };
        const std::string error = WriteErrorOf([&] { WriteWholeFile(path, png, onceFailing); });
        if (c.message.empty()) {
            EXPECT_EQ(error, "no error");
            EXPECT_EQ(ReadFile(path), png);
        } else {
            EXPECT_EQ(error, "cannot write " + path + ": " + c.message);
            EXPECT_TRUE(FolderEntries(dir).empty());
        }
    }
}

TEST(WholeFile, RefusalsNameThePathAndTheSystemsReason)
{
    QTemporaryDir dir;
    const std::string missing = dir.filePath("missing/x.png").toStdString();
    const std::string folder = dir.path().toStdString();
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {"/dev/full", "cannot write /dev/full: No space left on device"},
        {missing, "cannot write " + missing + ": No such file or directory"},
        {folder, "cannot write " + folder + ": Is a directory"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WriteErrorOf([&] { WriteWholeFile(c.path, "bytes"); }), c.message);
    }
    EXPECT_TRUE(FolderEntries(dir).empty());
}

TEST(WholeFile, DevicesAreWrittenInPlace)
{
    WriteWholeFile("/dev/null", PngBytes());
    struct stat st{};
    ASSERT_EQ(::stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
    // A pipe named by path gets the bytes themselves, not a file put in its place.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string bytes = "picture bytes through a pipe";
    WriteWholeFile("/proc/self/fd/" + std::to_string(ends[1]), bytes);
    ::close(ends[1]);
    std::string received(bytes.size() + 1, '\0');
    const ssize_t got = ::read(ends[0], received.data(), received.size());
    ::close(ends[0]);
    ASSERT_GE(got, 0);
    received.resize(static_cast<std::size_t>(got));
    EXPECT_EQ(received, bytes);
}

TEST(WholeFile, ALinkStaysAndTheFileItLeadsToIsReplaced)
{
    QTemporaryDir dir;
    const std::string target = dir.filePath("real.png").toStdString();
    const std::string link = dir.filePath("link.png").toStdString();
    PutFile(target, "old");
    std::filesystem::create_symlink(target, link);
    WriteWholeFile(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(target), "new");
    EXPECT_EQ(FolderEntries(dir), (std::vector<std::string>{"link.png", "real.png"}));
}

TEST(WholeFile, DashAndDevStdoutWriteToStandardOutput)
{
    QTemporaryDir dir;
    for (const std::string name : {"-", "/dev/stdout"}) {
        const std::string captured = dir.filePath("captured").toStdString();
        {
            TStandardOutputToFile redirect(captured);
            WriteWholeFile(name, "picture bytes");
        }
        EXPECT_EQ(ReadFile(captured), "picture bytes") << name;
    }
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"captured"});
    {
        TStandardOutputToFile redirect(dir.filePath("captured").toStdString());
        EXPECT_EQ(WriteErrorOf([&] { WriteWholeFile("-", "bytes", FailingAfter(2)); }),
            "cannot write standard output: No space left on device");
    }
}

// What the file-name and permission checks refuse, each named in its own words, and nothing is left behind.
TEST(WholeFile, NamesThatCannotBeWrittenAreRefusedInTheirOwnWords)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    const std::string file = folder + "/file.png";
    const std::string readOnly = folder + "/mine.png";
    const std::string loop = folder + "/loop.png";
    PutFile(file, "a file");
    PutFile(readOnly, "mine");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    std::filesystem::create_symlink("loop.png", loop);
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {folder + "/.", "Is a directory"},
        {folder + "/", "Is a directory"},
        {file + "/", "names a folder, not a file"},
        {folder + "/new.png/", "names a folder, not a file"},
        {readOnly, "Permission denied"},
        {loop, "Too many levels of symbolic links"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WriteErrorOf([&] { WriteWholeFile(c.path, "bytes"); }), "cannot write " + c.path + ": " + c.reason);
    }
    EXPECT_EQ(ReadFile(file), "a file");
    EXPECT_EQ(ReadFile(readOnly), "mine");
    EXPECT_EQ(FolderEntries(dir), (std::vector<std::string>{"file.png", "loop.png", "mine.png"}));
}

// A control byte in a name would move the cursor or split the message: it is shown as \xNN.
TEST(WholeFile, ControlBytesInAPathAreEscapedInTheMessage)
{
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    EXPECT_EQ(WriteErrorOf([&] { WriteWholeFile(folder + "/a\nb\x1B[2J\x7F/x.png", "bytes"); }),
        "cannot write " + folder + "/a\\x0Ab\\x1B[2J\\x7F/x.png: No such file or directory");
}

// Another user's file stays theirs, with their group; a set-user-ID, set-group-ID or sticky bit is not carried
// over to a picture. Only the superuser can give a file to another user, so only its run shows it.
TEST(WholeFile, TheReplacementKeepsOwnerAndGroupButNoSpecialBits)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs the superuser to make a file of another user";
    }
    QTemporaryDir dir;
    const std::string path = dir.filePath("theirs.png").toStdString();
    constexpr uid_t Owner = 4321;
    constexpr gid_t Group = 4322;
    for (const mode_t mode : {mode_t{0600}, mode_t{04755}, mode_t{02750}, mode_t{01644}}) {
        PutFile(path, "old");
        ASSERT_EQ(::chown(path.c_str(), Owner, Group), 0);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        WriteWholeFile(path, "new");
        struct stat st{};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(ReadFile(path), "new");
        EXPECT_EQ(st.st_uid, Owner) << std::oct << mode;
        EXPECT_EQ(st.st_gid, Group) << std::oct << mode;
        EXPECT_EQ(st.st_mode & 07777, mode & 0777) << std::oct << mode;
    }
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"theirs.png"});
}

// A file with other hard links is written in place, so every name still shows the same, new picture.
TEST(WholeFile, AFileWithOtherHardLinksKeepsThem)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("chart.png").toStdString();
    const std::string other = dir.filePath("also.png").toStdString();
    PutFile(path, "a longer old picture");
    ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
    WriteWholeFile(path, "new");
    EXPECT_EQ(ReadFile(path), "new");
    EXPECT_EQ(ReadFile(other), "new");
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_nlink, 2u);
    EXPECT_EQ(FolderEntries(dir), (std::vector<std::string>{"also.png", "chart.png"}));
}

// A link to a file not yet made is written through, as a shell's > does: the link stays and the file appears.
TEST(WholeFile, ALinkThatLeadsNowhereMakesTheFileItNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("other"));
    const std::string link = dir.filePath("dang.png").toStdString();
    std::filesystem::create_symlink("other/nothere.png", link);
    WriteWholeFile(link, "new");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(dir.filePath("other/nothere.png").toStdString()), "new");
    EXPECT_EQ(FolderEntries(dir), (std::vector<std::string>{"dang.png", "other"}));
}

// Any name the folder can hold can be written: the temporary's name does not grow with the target's.
TEST(WholeFile, ANameOfTheLongestLengthIsWritten)
{
    QTemporaryDir dir;
    const long longest = ::pathconf(dir.path().toStdString().c_str(), _PC_NAME_MAX);
    ASSERT_GT(longest, 4);
    const std::string name = std::string(static_cast<std::size_t>(longest) - 4, 'n') + ".png";
    WriteWholeFile(dir.filePath(QString::fromStdString(name)).toStdString(), "new");
    EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{name});
}

// A file with a mount bound onto it cannot be replaced by a rename; it is written in place instead.
TEST(WholeFile, AFileWithAMountBoundOntoItIsWrittenInPlace)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("bound.png").toStdString();
    const std::string source = dir.filePath("source.png").toStdString();
    PutFile(path, "old");
    PutFile(source, "bound old");
    // A bind mount ignores the type, but memcheck holds the call to a readable one.
    if (::mount(source.c_str(), path.c_str(), "none", MS_BIND, nullptr) != 0) {
        GTEST_SKIP() << "cannot bind a mount here: " << std::strerror(errno);
    }
    const std::string error = WriteErrorOf([&] { WriteWholeFile(path, "new"); });
    const std::string shown = ReadFile(path);
    ::umount(path.c_str());
    EXPECT_EQ(error, "no error");
    EXPECT_EQ(shown, "new");
    EXPECT_EQ(ReadFile(source), "new");
    EXPECT_EQ(FolderEntries(dir), (std::vector<std::string>{"bound.png", "source.png"}));
}

namespace {

// The signal's number, and whether the child ended by it, after it arrived while the child's write was stuck.
struct TSignalled {
    bool bySignal = false;
    int signal = 0;
};

TSignalled SignalDuringWrite(const std::string& path, int signal)
{
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        const TWriteCall stuck = [&](int fd, const char* data, std::size_t size) -> ssize_t {
            const ssize_t written = ::write(fd, data, size / 2);
            ::write(ready[1], "w", 1);
            while (true) {
                ::pause();
            }
            return written;
        };
        WriteWholeFile(path, PngBytes(), stuck);
        ::_exit(0);
    }
    ::close(ready[1]);
    // The child says when its first bytes are in the temporary; the wait is only a bound on a broken child.
    pollfd wait{ready[0], POLLIN, 0};
    char mark = 0;
    EXPECT_EQ(::poll(&wait, 1, 60000), 1);
    EXPECT_EQ(::read(ready[0], &mark, 1), 1);
    ::close(ready[0]);
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    return {WIFSIGNALED(status), WIFSIGNALED(status) ? WTERMSIG(status) : 0};
}

}

// A user who ends the program while it writes gets no half-written temporary beside the picture, and the
// program still ends by the signal, as the one who sent it expects.
TEST(WholeFile, ASignalDuringTheWriteRemovesTheTemporaryAndEndsTheProgram)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QTemporaryDir dir;
        const std::string path = dir.filePath("k.png").toStdString();
        PutFile(path, "old");
        const TSignalled ended = SignalDuringWrite(path, signal);
        EXPECT_TRUE(ended.bySignal) << signal;
        EXPECT_EQ(ended.signal, signal);
        EXPECT_EQ(ReadFile(path), "old") << signal;
        EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"k.png"}) << signal;
    }
}
