#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

// A file that could not be written; what() reads "cannot write PATH: REASON".
class EWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The one system call that moves bytes, as write(2): bytes written, or -1 with errno set.
using TWriteCall = std::function<ssize_t(int fd, const char* data, std::size_t size)>;

// The call that makes a written file durable, as fsync(2): 0, or -1 with errno set.
using TSyncCall = std::function<int(int fd)>;

// Writes the file whole or not at all: the bytes go to a temporary file in the target's folder, are flushed and
// synced, and replace the target by rename only when every byte is written; on failure the old file is untouched
// and the temporary removed. "-" is standard output; devices, pipes and sockets (/dev/full, /dev/stdout) are
// written directly. Throws EWriteError naming the path and the system's reason.
void WriteWholeFile(const std::string& path, std::string_view bytes);

// The same through another write call, so a test can make the disk fill up after any number of bytes.
void WriteWholeFile(const std::string& path, std::string_view bytes, const TWriteCall& write);

// The same through other write and sync calls, so a test can make the sync fail as a full or failing disk does.
void WriteWholeFile(const std::string& path, std::string_view bytes, const TWriteCall& write, const TSyncCall& sync);
