#include "platform/TSignalCleanup.h"

#include <unistd.h>

#include <climits>
#include <cstring>

namespace {

constexpr int Signals[TSignalCleanup::SignalCount] = {SIGTERM, SIGINT, SIGHUP};

char RemovedPath[PATH_MAX];
volatile std::sig_atomic_t Armed = 0;

void RemoveAndEnd(int signal)
{
    if (Armed != 0) {
        ::unlink(RemovedPath);
    }
    // SA_RESETHAND restored the default action; the signal, blocked while this runs, ends the program on return.
    ::raise(signal);
}

// Keeps the three signals from arriving while the name changes.
class TSignalsBlocked {
public:
    TSignalsBlocked()
    {
        sigset_t set;
        sigemptyset(&set);
        for (const int signal : Signals) {
            sigaddset(&set, signal);
        }
        ::sigprocmask(SIG_BLOCK, &set, &old_);
    }
    ~TSignalsBlocked() { ::sigprocmask(SIG_SETMASK, &old_, nullptr); }
    TSignalsBlocked(const TSignalsBlocked&) = delete;
    TSignalsBlocked& operator=(const TSignalsBlocked&) = delete;

private:
    sigset_t old_{};
};

}

TSignalCleanup::TSignalCleanup(const std::string& path)
{
    const TSignalsBlocked blocked;
    if (path.size() < sizeof RemovedPath) {
        std::memcpy(RemovedPath, path.c_str(), path.size() + 1);
        Armed = 1;
    }
    struct sigaction action{};
    action.sa_handler = RemoveAndEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < SignalCount; ++i) {
        if (::sigaction(Signals[i], nullptr, &old_[i]) == 0 && old_[i].sa_handler != SIG_IGN) {
            installed_[i] = ::sigaction(Signals[i], &action, nullptr) == 0;
        }
    }
}

TSignalCleanup::~TSignalCleanup()
{
    const TSignalsBlocked blocked;
    Forget();
    for (int i = 0; i < SignalCount; ++i) {
        if (installed_[i]) {
            ::sigaction(Signals[i], &old_[i], nullptr);
        }
    }
}

void TSignalCleanup::Forget()
{
    Armed = 0;
}
