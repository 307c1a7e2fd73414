#include "platform/WholeFile.h"

#include "platform/TSignalCleanup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr mode_t NewFileMode = 0666;
constexpr mode_t PermissionBits = 0777;
constexpr mode_t WriteBits = 0222;
constexpr int TemporaryNameTries = 100;
// As many links as the kernel follows in one path before it reports a loop.
constexpr int MaxLinkHops = 40;

// A path as a message shows it: control bytes, which would move the cursor or end the line, as \xNN.
std::string Shown(const std::string& path)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            shown += "\\x";
            shown += Hex[byte >> 4];
            shown += Hex[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return shown;
}

[[noreturn]] void FailBecause(const std::string& path, const std::string& reason)
{
    throw EWriteError("cannot write " + Shown(path) + ": " + reason);
}

[[noreturn]] void Fail(const std::string& path, int error)
{
    FailBecause(path, std::strerror(error));
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

// The file a path names once its symbolic links are followed, as open(2) follows them; a link that leads
// nowhere names the file it would create. Throws for a loop.
std::string FollowedLinks(const std::string& path)
{
    std::string file = path;
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        struct stat link{};
        if (::lstat(file.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
            return file;
        }
        char target[PATH_MAX];
        const ssize_t length = ::readlink(file.c_str(), target, sizeof target - 1);
        if (length < 0) {
            Fail(path, errno);
        }
        const std::string_view read(target, static_cast<std::size_t>(length));
        const std::size_t slash = file.rfind('/');
        file = read.front() == '/' || slash == std::string::npos ? std::string(read) : file.substr(0, slash + 1).append(read);
    }
    Fail(path, ELOOP);
}

std::string FolderOf(const std::string& file)
{
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : file.substr(0, slash);
}

// A new, exclusively created temporary file beside the target, named with a fixed number of bytes so that any
// name the folder can hold can be written; its name is left in `name`.
int CreateTemporary(const std::string& target, std::string& name)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        char base[sizeof ".bhncalc-ffffffff-ff"];
        std::snprintf(base, sizeof base, ".bhncalc-%08x-%02x", static_cast<unsigned>(::getpid()), static_cast<unsigned>(attempt));
        name = folder + base;
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

// Overwrites the file's own bytes: what keeps its other hard links, its owner, and a mount bound onto it. The
// picture is complete in memory before the file is opened, so only a failing disk can leave it cut.
void WriteInPlace(const std::string& path, const std::string& target, std::string_view bytes, const TWriteCall& write,
    const TSyncCall& sync)
{
    TDescriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        Fail(path, errno);
    }
    int error = WriteAll(file.Get(), bytes, write);
    if (error == 0 && ::ftruncate(file.Get(), static_cast<off_t>(bytes.size())) != 0) {
        error = errno;
    }
    if (error == 0 && sync(file.Get()) != 0) {
        error = errno;
    }
    if (const int closeError = file.Close(); error == 0) {
        error = closeError;
    }
    if (error != 0) {
        Fail(path, error);
    }
}

// Where the replacement cannot take the old file's place as the old file was, it is written in place instead.
enum class TReplaced { Done, WriteInPlace };

// The replacement keeps the old file's owner, group and permissions, never its set-user-ID, set-group-ID or
// sticky bits: a picture is not a program. Returns false when the owner cannot be kept (another user's file
// that this user may write).
bool TakeOver(int fd, const struct stat& old)
{
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return false;
    }
    ::fchmod(fd, old.st_mode & PermissionBits);
    return true;
}

TReplaced ReplaceFile(const std::string& path, const std::string& target, const struct stat* old, std::string_view bytes,
    const TWriteCall& write, const TSyncCall& sync)
{
    std::string temporary;
    TDescriptor file(CreateTemporary(target, temporary));
    if (file.Get() < 0) {
        Fail(path, errno);
    }
    TSignalCleanup cleanup(temporary);
    if (old != nullptr && !TakeOver(file.Get(), *old)) {
        ::unlink(temporary.c_str());
        return TReplaced::WriteInPlace;
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
        if (error == EBUSY && old != nullptr) {
            return TReplaced::WriteInPlace;
        }
        Fail(path, error);
    }
    cleanup.Forget();
    SyncFolder(FolderOf(target));
    return TReplaced::Done;
}

// A regular file, new or old, or a folder's name given where a file's belongs.
void WriteRegularFile(const std::string& path, std::string_view bytes, const TWriteCall& write, const TSyncCall& sync)
{
    const std::string target = FollowedLinks(path);
    struct stat old{};
    if (::stat(target.c_str(), &old) != 0) {
        if (!target.empty() && target.back() == '/') {
            FailBecause(path, "names a folder, not a file");
        }
        ReplaceFile(path, target, nullptr, bytes, write, sync);
        return;
    }
    if (S_ISDIR(old.st_mode)) {
        Fail(path, EISDIR);
    }
    // As a shell's > would: a file nobody may write is refused even to the superuser, who could replace it.
    if ((old.st_mode & WriteBits) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        Fail(path, (old.st_mode & WriteBits) == 0 ? EACCES : errno);
    }
    if (old.st_nlink > 1 || ReplaceFile(path, target, &old, bytes, write, sync) == TReplaced::WriteInPlace) {
        WriteInPlace(path, target, bytes, write, sync);
    }
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
    WriteRegularFile(path, bytes, write, sync);
}
