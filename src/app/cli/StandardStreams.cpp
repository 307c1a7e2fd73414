#include "app/cli/StandardStreams.h"

#include "app/cli/MessagePrefix.h"
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace cli {

namespace {

bool OutputClosedAtStart = false;

}

void OpenClosedStandardStreams()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free number is this one, as every lower one is open.
            ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
            OutputClosedAtStart = OutputClosedAtStart || fd == STDOUT_FILENO;
        }
    }
}

bool StandardOutputUsable(const std::string& path, std::ostream& err)
{
    if (path == "-" && OutputClosedAtStart) {
        err << MessagePrefix << "standard output is closed\n";
        return false;
    }
    return true;
}

}
