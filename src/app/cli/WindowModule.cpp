#include "app/cli/WindowModule.h"

#include "app/cli/ExitStatus.h"
#include "app/cli/MessagePrefix.h"

#include <dlfcn.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace cli {

namespace {

#ifdef BHN_WINDOW_MODULE
// The module's place is fixed relative to the program, in the build tree and the installed tree alike.
std::string ModulePath()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return (program.parent_path() / BHN_WINDOW_MODULE).lexically_normal().string();
}

// Opens the module once; it stays loaded for the rest of the run, as Qt expects.
std::optional<TWindowCommands> OpenModule(int& argc, char** argv, std::ostream& err)
{
    const std::string path = ModulePath();
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = module ? dlsym(module, WindowEntryName) : nullptr;
    if (!entry) {
        const char* reason = dlerror();
        err << MessagePrefix << "cannot load the window module " << path << ": " << (reason ? reason : "unknown error")
            << '\n';
        return std::nullopt;
    }
    TWindowCommands commands;
    reinterpret_cast<TWindowEntry>(entry)(&argc, argv, &commands);
    return commands;
}
#else
std::optional<TWindowCommands> OpenModule(int&, char**, std::ostream& err)
{
    err << MessagePrefix << "this build has no window or charts\n";
    return std::nullopt;
}
#endif

}

TWindowCommands WindowModuleCommands(int& argc, char** argv, std::ostream& err)
{
    const auto open = [&argc, argv, &err] { return OpenModule(argc, argv, err); };
    return {
        [open](const TChartRequest& request) {
            const std::optional<TWindowCommands> window = open();
            return window ? window->renderChart(request) : ExitRefused;
        },
        [open](const std::string& path) {
            const std::optional<TWindowCommands> window = open();
            return window ? window->screenshot(path) : ExitRefused;
        },
    };
}

}
