#pragma once

#include "app/window/TRadioControl.h"

#include <string>
#include <vector>

// A radio group of the page (a fieldset of radio buttons the page made for a TRadioGroup of the form).
class TPageRadioGroup : public TRadioControl {
public:
    TPageRadioGroup(std::string name, std::vector<std::string> items) : name_(std::move(name)), items_(std::move(items)) {}

    int ItemIndex() const override;
    const std::vector<std::string>& Items() const override { return items_; }

private:
    std::string name_;
    std::vector<std::string> items_;
};
