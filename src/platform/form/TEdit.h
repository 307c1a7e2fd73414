#pragma once

#include "chart/canvas/TColor.h"
#include "platform/form/TPropertyTable.h"

#include <QLineEdit>

#include <exception>
#include <functional>
#include <string>

// A one-line entry field. OnChange runs synchronously on every real change of the text, typed or set
// from code; setting the text it already has changes nothing.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent);

    std::string Text() const;
    // An exception from OnChange comes back out of SetText to the code that set the text.
    void SetText(const std::string& text);
    // The text as bytes of the Latin-1 code page; a character outside it becomes '?', which no number accepts.
    std::string AnsiText() const;

    TColor Color() const { return color_; }
    // The field's background (clWindow white, clSilver grey ...).
    void SetColor(TColor color);

    std::function<void()> OnChange;

    static const TPropertyTable<TEdit>& Properties();

private:
    void TextChanged();

    TColor color_ = clWindow;
    int settingText_ = 0;
    std::exception_ptr pendingError_;
};
