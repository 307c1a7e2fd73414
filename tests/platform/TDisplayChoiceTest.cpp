#include "platform/TDisplayChoice.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

namespace {

// Sets the environment variables a case needs and puts back what the test program had.
class TEnvironmentVariable {
public:
    TEnvironmentVariable(const char* name, const char* value) : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value == nullptr) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~TEnvironmentVariable()
    {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    TEnvironmentVariable(const TEnvironmentVariable&) = delete;
    TEnvironmentVariable& operator=(const TEnvironmentVariable&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

}

// The test program runs off-screen, as a window would once its display failed. A user who asked for the
// off-screen platform (a screenshot in CI, a headless check) has not lost a display; one who asked for a
// display, or named none, has.
TEST(DisplayChoice, OnlyADisplayThatFellBackToOffScreenIsMissing)
{
    const struct {
        const char* platform;
        bool missing;
    } cases[] = {
        {"offscreen", false},
        {"xcb;offscreen", false},
        {"xcb", true},
        {nullptr, true},
    };
    for (const auto& c : cases) {
        const TEnvironmentVariable platform("QT_QPA_PLATFORM", c.platform);
        const TEnvironmentVariable display("DISPLAY", ":77");
        TDisplayChoice choice(TDisplayUse::Required);
        choice.Started();
        EXPECT_EQ(choice.DisplayMissing(), c.missing) << (c.platform ? c.platform : "unset");
    }
}
