#include "app/cli/CommandLine.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    if (argc < 2) {
        std::cerr << cli::UsageText();
        return 2;
    }
    return cli::RunCommandLine({argv + 1, argv + argc}, std::cin, std::cout, std::cerr);
}
