#pragma once

#include "app/window/TEditControl.h"

#include <string>
#include <utility>

// An entry field of the page (an <input> the page made for a TEdit of the form), known by the control's name.
class TPageEdit : public TEditControl {
public:
    explicit TPageEdit(std::string name) : name_(std::move(name)) {}

    std::string Text() const override;
    bool ShowText(const std::string& text) override;
    std::string AnsiText() const override;
    void SetColor(TColor color) override;
    void SetHint(const std::string& hint) override;

private:
    std::string name_;
};
