#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

constexpr mode_t NewFileMode = 0666;
constexpr int TemporaryNameTries = 100;

[[noreturn]] void Fail(const std::string& shownPath, int error)
{
    throw EWriteError("cannot write " + shownPath + ": " + std::strerror(error));
}

// Closes the descriptor it holds unless it was released.
class TDescriptor {
public:
    explicit TDescriptor(int fd) : fd_(fd) {}
    ~TDescriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    TDescriptor(const TDescriptor&) = delete;
    TDescriptor& operator=(const TDescriptor&) = delete;

    int Get() const { return fd_; }

    // Closes now, so a failing close (a delayed write error on some file systems) can be reported.
    int Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Writes every byte, going on after short writes and interruptions; returns 0 or the error number.
int WriteAll(int fd, std::string_view bytes, const TWriteCall& write)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (written == 0) {
            return EIO;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// The standard stream (1 or 2) that a path such as /dev/stdout or /proc/self/fd/1 leads to, or -1.
int StandardStreamAt(const struct stat& target)
{
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream{};
        if (::fstat(fd, &stream) == 0 && stream.st_dev == target.st_dev && stream.st_ino == target.st_ino) {
            return fd;
        }
    }
    return -1;
}

void WriteToDescriptor(int fd, const std::string& shownPath, std::string_view bytes, const TWriteCall& write)
{
    if (const int error = WriteAll(fd, bytes, write)) {
        Fail(shownPath, error);
    }
}

// Devices, pipes and sockets cannot be replaced by a rename: the bytes go straight to them.
void WriteDirectly(const std::string& path, std::string_view bytes, const TWriteCall& write)
{
    TDescriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        Fail(path, errno);
    }
    WriteToDescriptor(file.Get(), path, bytes, write);
    if (const int error = file.Close()) {
        Fail(path, error);
    }
}

// The file a rename must replace: a symbolic link stays and the file it leads to is replaced.
std::string ReplacedFile(const std::string& path)
{
    struct stat link{};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

std::string FolderOf(const std::string& file)
{
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : file.substr(0, slash);
}

// A new, exclusively created temporary file beside the target; its name is left in `name`.
int CreateTemporary(const std::string& target, std::string& name)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        name = folder + "." + base + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, NewFileMode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

void SyncFolder(const std::string& folder)
{
    // The file is already complete and in place; syncing its folder entry only makes the rename durable sooner.
    TDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) {
        ::fsync(dir.Get());
    }
}

void ReplaceFile(const std::string& path, std::string_view bytes, const TWriteCall& write, const TSyncCall& sync)
{
    const std::string target = ReplacedFile(path);
    std::string temporary;
    TDescriptor file(CreateTemporary(target, temporary));
    if (file.Get() < 0) {
        Fail(path, errno);
    }
    struct stat old{};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        // The replacement keeps the permissions the old file had.
        ::fchmod(file.Get(), old.st_mode & 07777);
    }
    int error = WriteAll(file.Get(), bytes, write);
    if (error == 0 && sync(file.Get()) != 0) {
        error = errno;
    }
    if (const int closeError = file.Close(); error == 0) {
        error = closeError;
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        Fail(path, error);
    }
    SyncFolder(FolderOf(target));
}

}

void WriteWholeFile(const std::string& path, std::string_view bytes)
{
    WriteWholeFile(path, bytes, [](int fd, const char* data, std::size_t size) { return ::write(fd, data, size); });
}

void WriteWholeFile(const std::string& path, std::string_view bytes, const TWriteCall& write)
{
    WriteWholeFile(path, bytes, write, [](int fd) { return ::fsync(fd); });
}

void WriteWholeFile(const std::string& path, std::string_view bytes, const TWriteCall& write, const TSyncCall& sync)
{
    if (path == "-") {
        WriteToDescriptor(STDOUT_FILENO, "standard output", bytes, write);
        return;
    }
    struct stat existing{};
    if (::stat(path.c_str(), &existing) == 0) {
        if (const int stream = StandardStreamAt(existing); stream >= 0) {
            WriteToDescriptor(stream, path, bytes, write);
            return;
        }
        if (!S_ISREG(existing.st_mode) && !S_ISDIR(existing.st_mode)) {
            WriteDirectly(path, bytes, write);
            return;
        }
    }
    ReplaceFile(path, bytes, write, sync);
}
