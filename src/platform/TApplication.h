#pragma once

#include "platform/ApplicationTitle.h"

#include <QApplication>

#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

// The silent exception: it ends a handler without any message.
class EAbort : public std::runtime_error {
public:
    EAbort() : std::runtime_error("Operation aborted") {}
};

// Shows an error to the user: caption and text of a box with an OK button and the stop icon.
using TErrorBox = std::function<void(const std::string& caption, const std::string& text)>;

// The application object: a handler's exception that reaches event dispatch is shown in the error box
// and the message loop goes on.
class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The program file's name without folder and from its first "." on; the first character stays, the rest is lower case.
    static std::string Title();
    // Runs a handler entered from the event loop; whatever it throws is reported, not passed on.
    static void Dispatch(const std::function<void()>& handler);
    // Shows a caught exception in the error box (an EAbort shows nothing).
    static void HandleException(std::exception_ptr error);
    // Replaces the error box (tests record instead of blocking); an empty function restores the message box.
    static void SetErrorBox(TErrorBox box);
};
