#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QMenu;
class QPrinter;
class QWidget;

// The modal dialogs and menus the window opens for the user. Each can be replaced, so that tests
// answer for the user instead of blocking; an empty function restores the real one.
class TModalDialogs {
public:
    // A file name chosen in a save dialog, and the filter that was selected with it.
    struct TSaveChoice {
        QString Path;
        QString Filter;
    };
    // The dialog opens on proposedName with the first filter selected.
    using TSaveFileDialog = std::function<std::optional<TSaveChoice>(QWidget* parent, const QString& caption,
        const QString& proposedName, const QStringList& filters)>;
    // Sets up the printer; false when the user cancels.
    using TPrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;
    // Shows the menu at the screen position; the chosen action triggers itself.
    using TPopupMenu = std::function<void(QMenu& menu, QPoint globalPosition)>;
    // Shows a box about the program with an OK button; text is rich text.
    using TAboutBox = std::function<void(QWidget* parent, const QString& caption, const QString& text)>;

    static std::optional<TSaveChoice> SaveFile(QWidget* parent, const QString& caption, const QString& proposedName,
        const QStringList& filters);
    static bool Print(QPrinter& printer, QWidget* parent);
    static void Popup(QMenu& menu, QPoint globalPosition);
    static void About(QWidget* parent, const QString& caption, const QString& text);

    static void ReplaceSaveFile(TSaveFileDialog dialog);
    static void ReplacePrint(TPrintDialog dialog);
    static void ReplacePopup(TPopupMenu popup);
    static void ReplaceAbout(TAboutBox box);
};
