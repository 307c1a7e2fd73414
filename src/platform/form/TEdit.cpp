#include "platform/form/TEdit.h"

#include "platform/TApplication.h"
#include "platform/form/ControlColor.h"
#include "platform/form/ControlProperties.h"
#include "platform/form/FormValues.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

#include <utility>

TEdit::TEdit(QWidget* parent) : QLineEdit(parent)
{
    SetColor(clWindow);
    connect(this, &QLineEdit::textEdited, this, &TEdit::TextEdited);
    connect(this, &QLineEdit::textChanged, this, &TEdit::TextChanged);
}

std::string TEdit::Text() const
{
    return text().toStdString();
}

void TEdit::SetText(const std::string& text)
{
    ++settingText_;
    setText(QString::fromStdString(text));
    --settingText_;
    if (pendingError_) {
        std::rethrow_exception(std::exchange(pendingError_, nullptr));
    }
}

bool TEdit::ShowText(const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    if (shown == this->text()) {
        return false;
    }
    quiet_ = true;
    setText(shown);
    quiet_ = false;
    return true;
}

std::string TEdit::AnsiText() const
{
    return text().toLatin1().toStdString();
}

void TEdit::SetColor(TColor color)
{
    color_ = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, ControlColor(color));
    setPalette(palette);
}

std::string TEdit::Hint() const
{
    return toolTip().toStdString();
}

void TEdit::SetHint(const std::string& hint)
{
    const QString tip = QString::fromStdString(hint);
    if (tip != toolTip()) {
        setToolTip(tip);
    }
}

void TEdit::Undo()
{
    if (!canUndo_) {
        return;
    }
    const QString restored = std::exchange(undoText_, text());
    typingEnd_ = -1;
    undoing_ = true;
    setText(restored);
    undoing_ = false;
}

bool TEdit::event(QEvent* event)
{
    const bool result = QLineEdit::event(event);
    if (historyPending_) {
        ForgetLineEditHistory();
    }
    return result;
}

void TEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo)) {
        Undo();
        event->accept();
        return;
    }
    const QString typed = event->text();
    typing_ = typed.size() == 1 && typed.at(0).isPrint()
              && (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    QLineEdit::keyPressEvent(event);
    typing_ = false;
}

// The classic field menu, with Undo working on this field's single level (the line edit's own menu would
// offer its emptied history).
void TEdit::contextMenuEvent(QContextMenuEvent* event)
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText() && echoMode() == Normal;
    const auto add = [&](const QString& text, QKeySequence key, bool enabled, auto slot) {
        const QString shortcut = key.isEmpty() ? QString() : QLatin1Char('\t') + key.toString(QKeySequence::NativeText);
        menu->addAction(text + shortcut, this, slot)->setEnabled(enabled);
    };
    add(tr("&Undo"), QKeySequence::Undo, editable && canUndo_, &TEdit::Undo);
    menu->addSeparator();
    add(tr("Cu&t"), QKeySequence::Cut, editable && selected, &QLineEdit::cut);
    add(tr("&Copy"), QKeySequence::Copy, selected, &QLineEdit::copy);
    add(tr("&Paste"), QKeySequence::Paste, editable && !QGuiApplication::clipboard()->text().isEmpty(), &QLineEdit::paste);
    add(tr("Delete"), QKeySequence(), editable && hasSelectedText(), &QLineEdit::del);
    menu->addSeparator();
    add(tr("Select All"), QKeySequence::SelectAll, !text().isEmpty(), &QLineEdit::selectAll);
    menu->popup(event->globalPos());
}

// A user's edit: a new undo level unless it continues a run of typing. A typed character, inserted or
// typed over a selection, lets the typing that follows right after it join its level.
void TEdit::TextEdited(const QString& text)
{
    const int cursor = cursorPosition();
    const bool continuesTyping = typing_ && typingEnd_ == cursor - 1 && text.size() == shownText_.size() + 1;
    if (!continuesTyping) {
        undoText_ = shownText_;
        canUndo_ = true;
    }
    typingEnd_ = typing_ ? cursor : -1;
    userEdit_ = true;
    historyPending_ = true;
}

// The line edit keeps every character ever inserted or removed for its own undo; that history is dropped
// once the edit is done, keeping the cursor and the selection.
void TEdit::ForgetLineEditHistory()
{
    historyPending_ = false;
    const int start = selectionStart();
    const int length = static_cast<int>(selectedText().size());
    const int cursor = cursorPosition();
    const QSignalBlocker blocker(this);
    QLineEdit::setText(text());
    if (length == 0) {
        setCursorPosition(cursor);
    } else if (cursor == start) {
        setSelection(start + length, -length);
    } else {
        setSelection(start, length);
    }
}

void TEdit::TextChanged()
{
    if (!userEdit_ && !undoing_) {
        undoText_.clear();
        canUndo_ = false;
        typingEnd_ = -1;
    }
    userEdit_ = false;
    shownText_ = text();
    if (!OnChange || quiet_) {
        return;
    }
    if (settingText_ > 0) {
        try {
            OnChange();
        } catch (...) {
            pendingError_ = std::current_exception();
        }
        return;
    }
    TApplication::Dispatch(OnChange);
}

const TPropertyTable<TEdit>& TEdit::Properties()
{
    static const TPropertyTable<TEdit> table = [] {
        TPropertyTable<TEdit> t("TEdit");
        t.Include(ControlProperties());
        t.Add("Text", [](TEdit& c, const TFormValue& v) { c.SetText(FormString(v)); });
        t.Add("Color", [](TEdit& c, const TFormValue& v) { c.SetColor(FormColor(v)); });
        t.AddEvent("OnChange", [](TEdit& c, std::function<void()> handler) { c.OnChange = std::move(handler); });
        return t;
    }();
    return table;
}
