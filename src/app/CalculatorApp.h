#pragma once

#include <string>

// Starts the model, the chart engine and the calculator window and runs the message loop until the window
// closes. With a screenshotPath the window's client area is saved as PNG after its first activation and the
// chart's first paint, and the program ends (offscreen when there is no display). Returns the exit code.
int RunCalculatorWindow(int argc, char** argv, const std::string& screenshotPath);
