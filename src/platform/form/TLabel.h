#pragma once

#include "platform/form/TPropertyTable.h"

#include <QLabel>

#include <string>

// A caption that sizes itself to its text; its Left and Top stay where the form put them.
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // The name of the control this label names (its buddy); the form links them once every control exists.
    const std::string& FocusControl() const { return focusControl_; }
    void SetFocusControl(const std::string& name);

    static const TPropertyTable<TLabel>& Properties();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::string focusControl_;
};
