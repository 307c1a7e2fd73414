#include "app/TWindowActions.h"

#include "app/TForm1.h"
#include "app/Version.h"
#include "platform/TApplication.h"
#include "platform/TModalDialogs.h"

#include <QAction>
#include <QKeySequence>

#include <functional>

namespace {

void AddShortcut(QWidget& window, QObject& owner, const QKeySequence& key, const std::function<void()>& command)
{
    auto* action = new QAction(&owner);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, &owner, [command] { TApplication::Dispatch(command); });
}

}  // namespace

TWindowActions::TWindowActions(TForm1& form) : QObject(&form), form_(form)
{
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        AddShortcut(form_, *this, key, [this] { form_.close(); });
    }
    AddShortcut(form_, *this, QKeySequence(Qt::Key_F1), [this] { ShowAbout(); });
}

QString TWindowActions::AboutText() const
{
    return QStringLiteral("<p><b>%1</b></p><p>bhncalc %2<br>Licence: %3</p>"
                          "<p>The manual: <tt>man bhncalc</tt>; the command line: <tt>bhncalc --help</tt>.</p>")
        .arg(form_.windowTitle().toHtmlEscaped(),
            QString::fromLatin1(BhncalcVersion), QString::fromLatin1(BhncalcLicense));
}

void TWindowActions::ShowAbout()
{
    TModalDialogs::About(&form_, QStringLiteral("About bhncalc"), AboutText());
}
