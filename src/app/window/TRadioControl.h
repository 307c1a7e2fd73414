#pragma once

#include <string>
#include <vector>

// What the calculator's handlers need of a radio group, whichever toolkit shows it.
class TRadioControl {
public:
    virtual ~TRadioControl() = default;

    // -1 when no item is checked.
    virtual int ItemIndex() const = 0;
    virtual const std::vector<std::string>& Items() const = 0;
};
