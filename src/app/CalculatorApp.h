#pragma once

#include "app/cli/TWindowCommands.h"

#include <string>
#include <string_view>

// Starts the model, the chart engine and the calculator window and runs the message loop until the window
// closes. With a screenshotPath the window's client area is saved as PNG after its first activation and the
// chart's first paint, and the program ends (offscreen when no display opens). Without a screenshotPath and
// without a display that opens, it says so on standard error and returns 2. Returns the exit code.
int RunCalculatorWindow(int argc, char** argv, const std::string& screenshotPath);

// RunCalculatorWindow's window, once the application runs: built from the form description formText, shown,
// and run (or saved, with a screenshotPath). A form that cannot be built is reported on standard error and
// returns 2, as any refused output does. Returns the exit code.
int ShowCalculatorWindow(std::string_view formText, const std::string& screenshotPath);

// Renders the calculator's chart as it stands after Calculate with the request's inputs and saves it in the
// request's format, without looking for a display. Returns the exit code.
int RenderCalculatorChart(int argc, char** argv, const cli::TChartRequest& request);
