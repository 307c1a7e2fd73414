#include "app/cli/Usage.h"

#include "app/cli/ModeNames.h"
#include "app/cli/TBatchReader.h"
#include "model/BHNcalc.h"

#include <array>

namespace cli {

namespace {

enum class TModeOption { None, Mode };

struct TCommandUsage {
    std::string_view name;
    std::string_view synopsis;
    std::string_view description;
    TModeOption modeOption;
};

constexpr std::array<TCommandUsage, 5> Commands{{
    {"calc", "bhncalc calc --variable TEXT [--standard TEXT] [--mode MODE] [--format csv|json]",
        "  calc   multiplier, relative quality and inverse for a variable hardness against a standard\n"
        "         hardness (default 270); variable 200..360, standard 200..359; labelled lines, or with\n"
        "         --format the batch's CSV header and line or one JSON object\n",
        TModeOption::Mode},
    {"batch", "bhncalc batch [FILE] [--format csv|json]",
        "  batch  the same for CSV lines variable,standard,mode read from FILE or standard input (-);\n"
        "         writes variable,standard,mode,multiplier,relative_quality,inverse, or with --format json\n"
        "         an array of objects with these keys; refused lines are reported on standard error as\n"
        "         \"line N: reason\" and the other lines still processed. LF, CR and CRLF end lines, a UTF-8\n"
        "         byte order mark is skipped, and a line longer than 65536 bytes is refused\n",
        TModeOption::Mode},
    {"table", "bhncalc table [--mode MODE|all] [--exact] [--format csv|json]",
        "  table  the protection curves on the 200..360 BHN grid as CSV (or, with --format json, an array\n"
        "         of row objects), four decimals or, with --exact, the shortest text of each exact value\n",
        TModeOption::Mode},
    {"chart",
        "bhncalc chart --out FILE.png|.svg|.pdf|- [--format png|svg|pdf] [--variable TEXT] [--standard TEXT]\n"
        "                     [--mode MODE] [--size WxH]",
        "  chart  the calculator's chart after Calculate (defaults: variable 237, standard 270, mode 0,\n"
        "         553x337) as a PNG image, or SVG or PDF drawing; - writes it to standard output; needs no display;\n"
        "         the file is written whole or not at all; a file name without extension needs --format\n"
        "         (devices and pipes get PNG); with no font at all the chart is refused\n",
        TModeOption::Mode},
    {"--screenshot", "bhncalc --screenshot FILE.png",
        "  --screenshot  opens the window, saves it as PNG after its first paint and exits; FILE ends in .png,\n"
        "                or is -, a device or a pipe\n",
        TModeOption::None},
}};

constexpr std::string_view OptionsNote = "Options also take the form --option=value; -- ends the options; -h or "
                                         "--help after a\ncommand prints its usage.\n";

constexpr std::string_view ExitCodes = "Exit status: 0 done; 1 some batch lines refused (every good line is still "
                                       "written);\n"
                                       "             2 bad usage, unreadable input, failed output (chart and "
                                       "screenshot included),\n"
                                       "             no display for the window, or out of memory.\n";

std::string ModeText()
{
    return "MODE (default 0; table: all): " + std::string(AcceptedModeNames)
        + "\n"
          "      in any case, with or without degree signs and the 3\" prefix, e.g. \"0\xC2\xB0-35\xC2\xB0\" or '3\" M62'\n";
}

}

std::string UsageText()
{
    static_assert(MaxBatchLineBytes == 65536, "the usage states the batch line limit");
    static_assert(BHNcalc::MinimumBHN == 200 && BHNcalc::MaximumStandardBHN == 359 && BHNcalc::MaximumVariableBHN == 360
            && BHNcalc::DefaultStandardBHN == 270,
        "the usage states the hardness limits and the default standard");
    std::string text = "usage: bhncalc                 (opens the calculator window)\n";
    for (const TCommandUsage& command : Commands) {
        text += "       ";
        text += command.synopsis;
        text += '\n';
    }
    text += "       bhncalc --help | --version\n\n";
    for (const TCommandUsage& command : Commands) {
        text += command.description;
    }
    text += '\n';
    text += ModeText();
    text += OptionsNote;
    text += ExitCodes;
    return text;
}

std::optional<std::string> CommandUsageText(std::string_view name)
{
    for (const TCommandUsage& command : Commands) {
        if (command.name == name) {
            std::string text = "usage: " + std::string(command.synopsis) + "\n\n" + std::string(command.description);
            if (command.modeOption == TModeOption::Mode) {
                text += '\n';
                text += ModeText();
            }
            text += OptionsNote;
            text += ExitCodes;
            return text;
        }
    }
    return std::nullopt;
}

}
