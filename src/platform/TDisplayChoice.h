#pragma once

// How a run of the program needs a display.
enum class TDisplayUse {
    // Drawing off-screen only: whatever DISPLAY and WAYLAND_DISPLAY say, no display is opened or looked for.
    Never,
    // The window is shown on the display when one opens, and off-screen otherwise.
    IfAvailable,
    // The window is for the user: without a display the run cannot go on.
    Required,
};

// Chooses Qt's platform for a run before the application object exists, and keeps Qt's own messages
// (a display that does not answer, a missing runtime folder ...) off standard error while the application
// starts; for runs that show no window to a user, for the whole run. Destroying it restores Qt's messages.
class TDisplayChoice {
public:
    explicit TDisplayChoice(TDisplayUse use);
    ~TDisplayChoice();

    TDisplayChoice(const TDisplayChoice&) = delete;
    TDisplayChoice& operator=(const TDisplayChoice&) = delete;

    // Called once the application object exists; Qt's messages come back for a window shown to a user.
    void Started();
    // After Started: a display was required and none could be opened (the application runs off-screen).
    bool DisplayMissing() const { return displayMissing_; }

private:
    TDisplayUse use_;
    bool fallbackAdded_ = false;
    bool displayMissing_ = false;
};
