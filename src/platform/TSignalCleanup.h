#pragma once

#include <csignal>
#include <string>

// While it lives, a SIGTERM, SIGINT or SIGHUP removes the named file and then ends the program as the signal
// asks (by the signal's default action, so the parent sees the signal). A signal the program was started to
// ignore stays ignored. The name is kept in a fixed buffer: the handler only calls async-signal-safe functions.
class TSignalCleanup {
public:
    explicit TSignalCleanup(const std::string& path);
    ~TSignalCleanup();

    TSignalCleanup(const TSignalCleanup&) = delete;
    TSignalCleanup& operator=(const TSignalCleanup&) = delete;

    // The file was renamed into place or removed: a signal now only ends the program.
    void Forget();

    static constexpr int SignalCount = 3;

private:
    struct sigaction old_[SignalCount]{};
    bool installed_[SignalCount]{};
};
