#include "app/CalculatorApp.h"
#include "app/cli/CommandLine.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 2) {
        return RunCalculatorWindow(argc, argv, {});
    }
    // The streams work alone: no C stdio to stay in step with, and reading a batch line no longer flushes the
    // output written so far.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    // Qt may take its own options out of argv, so it gets a private count.
    int qtArgc = 1;
    const cli::TWindowCommands window{
        [&](const cli::TChartRequest& request) { return RenderCalculatorChart(qtArgc, argv, request); },
        [&](const std::string& path) { return RunCalculatorWindow(qtArgc, argv, path); },
    };
    return cli::RunCommandLine({argv + 1, argv + argc}, std::cin, std::cout, std::cerr, window);
}
