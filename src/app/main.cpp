#include "app/cli/CommandLine.h"
#include "app/cli/StandardStreams.h"
#include "app/cli/WindowModule.h"

#include <iostream>

int main(int argc, char** argv)
{
    cli::OpenClosedStandardStreams();
    // The streams work alone: no C stdio to stay in step with, and reading a batch line no longer flushes the
    // output written so far.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    // The window may take its own options out of argv, so it gets a private count.
    int windowArgc = 1;
    const cli::TWindowCommands window = cli::WindowModuleCommands(windowArgc, argv, std::cerr);
    if (argc < 2) {
        return window.screenshot({});
    }
    return cli::RunCommandLine({argv + 1, argv + argc}, std::cin, std::cout, std::cerr, window);
}
