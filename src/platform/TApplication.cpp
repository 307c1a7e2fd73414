#include "platform/TApplication.h"

#include "model/FullStop.h"

#include <QMessageBox>

namespace {

TErrorBox& ReplacedErrorBox()
{
    static TErrorBox box;
    return box;
}

void ShowErrorBox(const std::string& caption, const std::string& text)
{
    if (ReplacedErrorBox()) {
        ReplacedErrorBox()(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
        return false;
    }
}

std::string TApplication::Title()
{
    return ApplicationTitle(QCoreApplication::applicationFilePath().toStdString());
}

void TApplication::Dispatch(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        HandleException(std::current_exception());
    }
}

void TApplication::HandleException(std::exception_ptr error)
{
    std::string message;
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
        return;
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Unknown exception";
    }
    ShowErrorBox(Title(), BHNcalc::WithFullStop(std::move(message)));
}

void TApplication::SetErrorBox(TErrorBox box)
{
    ReplacedErrorBox() = std::move(box);
}
