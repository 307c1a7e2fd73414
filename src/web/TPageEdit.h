#pragma once

#include "app/window/TEditControl.h"

#include <functional>
#include <string>

// An entry field of the page (an <input> the page made for a TEdit of the form), known by the control's name.
class TPageEdit : public TEditControl {
public:
    explicit TPageEdit(std::string name) : name_(std::move(name)) {}

    const std::string& Name() const { return name_; }
    std::string Text() const override;
    void SetText(const std::string& text) override;
    std::string AnsiText() const override;
    void SetColor(TColor color) override;
    void SetHint(const std::string& hint) override;

    // The form's change handler; the page calls it for what the user types, SetText for a real change.
    std::function<void()> OnChange;

private:
    std::string name_;
};
