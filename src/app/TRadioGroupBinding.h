#pragma once

#include "app/window/TRadioControl.h"

class TRadioGroup;

// A window's radio group as the calculator's handlers see it.
class TRadioGroupBinding : public TRadioControl {
public:
    explicit TRadioGroupBinding(TRadioGroup& group) : group_(group) {}

    int ItemIndex() const override;
    const std::vector<std::string>& Items() const override;

private:
    TRadioGroup& group_;
};
