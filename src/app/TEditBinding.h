#pragma once

#include "app/window/TEditControl.h"

class TEdit;

// A window's entry field as the calculator's handlers see it.
class TEditBinding : public TEditControl {
public:
    explicit TEditBinding(TEdit& edit) : edit_(edit) {}

    std::string Text() const override;
    bool ShowText(const std::string& text) override;
    std::string AnsiText() const override;
    void SetColor(TColor color) override;
    void SetHint(const std::string& hint) override;

private:
    TEdit& edit_;
};
