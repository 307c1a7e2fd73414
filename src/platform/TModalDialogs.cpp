#include "platform/TModalDialogs.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

TModalDialogs::TSaveFileDialog& ReplacedSaveFile()
{
    static TModalDialogs::TSaveFileDialog dialog;
    return dialog;
}

TModalDialogs::TPrintDialog& ReplacedPrint()
{
    static TModalDialogs::TPrintDialog dialog;
    return dialog;
}

TModalDialogs::TPopupMenu& ReplacedPopup()
{
    static TModalDialogs::TPopupMenu popup;
    return popup;
}

TModalDialogs::TAboutBox& ReplacedAbout()
{
    static TModalDialogs::TAboutBox box;
    return box;
}

}  // namespace

std::optional<TModalDialogs::TSaveChoice> TModalDialogs::SaveFile(QWidget* parent, const QString& caption,
    const QString& proposedName, const QStringList& filters)
{
    if (ReplacedSaveFile())
        return ReplacedSaveFile()(parent, caption, proposedName, filters);
    QString filter = filters.value(0);
    const QString path = QFileDialog::getSaveFileName(parent, caption, proposedName, filters.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty())
        return std::nullopt;
    return TSaveChoice{path, filter};
}

bool TModalDialogs::Print(QPrinter& printer, QWidget* parent)
{
    if (ReplacedPrint())
        return ReplacedPrint()(printer, parent);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void TModalDialogs::Popup(QMenu& menu, QPoint globalPosition)
{
    if (ReplacedPopup()) {
        ReplacedPopup()(menu, globalPosition);
        return;
    }
    menu.exec(globalPosition);
}

void TModalDialogs::About(QWidget* parent, const QString& caption, const QString& text)
{
    if (ReplacedAbout()) {
        ReplacedAbout()(parent, caption, text);
        return;
    }
    QMessageBox::about(parent, caption, text);
}

void TModalDialogs::ReplaceSaveFile(TSaveFileDialog dialog)
{
    ReplacedSaveFile() = std::move(dialog);
}

void TModalDialogs::ReplacePrint(TPrintDialog dialog)
{
    ReplacedPrint() = std::move(dialog);
}

void TModalDialogs::ReplacePopup(TPopupMenu popup)
{
    ReplacedPopup() = std::move(popup);
}

void TModalDialogs::ReplaceAbout(TAboutBox box)
{
    ReplacedAbout() = std::move(box);
}
