#include "app/CalculatorApp.h"
#include "app/cli/WindowModule.h"

// The one entry point of the window module: the program looks it up by name after opening the module.
extern "C" void bhncalc_window_commands(int* argc, char** argv, cli::TWindowCommands* commands)
{
    *commands = {
        [argc, argv](const cli::TChartRequest& request) { return RenderCalculatorChart(*argc, argv, request); },
        [argc, argv](const std::string& path) { return RunCalculatorWindow(*argc, argv, path); },
    };
}
