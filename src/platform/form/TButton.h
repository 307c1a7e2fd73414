#pragma once

#include "platform/form/TPropertyTable.h"

#include <QPushButton>

#include <functional>
#include <string>

// A push button; OnClick runs when it is clicked or pressed from the keyboard.
class TButton : public QPushButton {
    Q_OBJECT
public:
    explicit TButton(QWidget* parent);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    std::function<void()> OnClick;

    static const TPropertyTable<TButton>& Properties();

protected:
    // Return and Enter press a focused button as Space does, as on the classic desktop.
    void keyPressEvent(QKeyEvent* event) override;
};
