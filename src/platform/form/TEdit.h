#pragma once

#include "chart/canvas/TColor.h"
#include "platform/form/TPropertyTable.h"

#include <QLineEdit>

#include <exception>
#include <functional>
#include <string>

// A one-line entry field. OnChange runs synchronously on every real change of the text, typed or set
// from code; setting the text it already has changes nothing.
// Undo is the classic single level: Undo gives back the text before the last edit (a run of typing counts
// as one edit) and a second Undo takes that back; text set from code cannot be undone. Nothing else of the
// past is kept, so memory stays bounded however much is typed or pasted.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent);

    std::string Text() const;
    // An exception from OnChange comes back out of SetText to the code that set the text.
    void SetText(const std::string& text);
    // Sets the text without running OnChange; true when it differs from the text shown before.
    bool ShowText(const std::string& text);
    // The text as bytes of the Latin-1 code page; a character outside it becomes '?', which no number accepts.
    std::string AnsiText() const;

    TColor Color() const { return color_; }
    // The field's background (clWindow white, clSilver grey ...).
    void SetColor(TColor color);

    // The tooltip; empty for none.
    std::string Hint() const;
    void SetHint(const std::string& hint);

    bool CanUndo() const { return canUndo_; }
    void Undo();

    std::function<void()> OnChange;

    static const TPropertyTable<TEdit>& Properties();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void TextEdited(const QString& text);
    void TextChanged();
    void ForgetLineEditHistory();

    TColor color_ = clWindow;
    int settingText_ = 0;
    bool quiet_ = false;
    std::exception_ptr pendingError_;
    // The text as it was before the change now being reported, and the undo level.
    QString shownText_;
    QString undoText_;
    bool canUndo_ = false;
    bool userEdit_ = false;
    bool undoing_ = false;
    // A key press that types one character is being handled.
    bool typing_ = false;
    // The cursor after the last typed character while typing goes on, -1 otherwise.
    int typingEnd_ = -1;
    bool historyPending_ = false;
};
