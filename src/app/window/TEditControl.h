#pragma once

#include "chart/canvas/TColor.h"

#include <string>

// What the calculator's handlers need of a one-line entry field, whichever toolkit shows it.
class TEditControl {
public:
    virtual ~TEditControl() = default;

    virtual std::string Text() const = 0;
    // Shows a text the handlers computed without running the field's change handler: a handler that changes a
    // field runs what follows from the change itself. True when the text differs from the one shown before.
    virtual bool ShowText(const std::string& text) = 0;
    // The text as bytes of the Latin-1 code page; a character outside it becomes '?', which no number accepts.
    virtual std::string AnsiText() const = 0;
    virtual void SetColor(TColor color) = 0;
    // The tooltip; empty for none.
    virtual void SetHint(const std::string& hint) = 0;
};
