#include "platform/TDisplayChoice.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>

namespace {

constexpr const char* Offscreen = "offscreen";

QtMessageHandler& QtHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

// A fatal message still reaches Qt's own handler, which prints it before the program ends.
void DropQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && QtHandler() != nullptr) {
        QtHandler()(type, context, message);
    }
}

void RestoreQtMessages()
{
    if (QtHandler() != nullptr) {
        qInstallMessageHandler(QtHandler());
        QtHandler() = nullptr;
    }
}

// The platforms Qt would try on its own: the one asked for, or Wayland when a Wayland display is named and
// the X display otherwise.
QByteArray WantedPlatforms()
{
    const QByteArray asked = qgetenv("QT_QPA_PLATFORM");
    if (!asked.isEmpty()) {
        return asked;
    }
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? QByteArray("xcb") : QByteArray("wayland;xcb");
}

}  // namespace

TDisplayChoice::TDisplayChoice(TDisplayUse use) : use_(use)
{
    // The off-screen platform must not reach for an X display for OpenGL either.
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
    if (use_ == TDisplayUse::Never) {
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("QT_QPA_PLATFORM", Offscreen);
    } else {
        // Qt tries the platforms of the list in order; a display that cannot be opened falls through to
        // the off-screen platform instead of ending the program.
        const QByteArray wanted = WantedPlatforms();
        if (!wanted.split(';').contains(Offscreen)) {
            qputenv("QT_QPA_PLATFORM", wanted + ';' + Offscreen);
            fallbackAdded_ = true;
        }
    }
    QtHandler() = qInstallMessageHandler(DropQtMessage);
}

TDisplayChoice::~TDisplayChoice()
{
    RestoreQtMessages();
}

void TDisplayChoice::Started()
{
    displayMissing_ = use_ == TDisplayUse::Required && fallbackAdded_ && QGuiApplication::platformName() == Offscreen;
    if (use_ == TDisplayUse::Required) {
        RestoreQtMessages();
    }
}
