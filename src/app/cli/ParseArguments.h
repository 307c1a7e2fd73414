#pragma once

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class TOptionKind { Flag, Value };

struct TOptionRule {
    std::string_view name;
    TOptionKind kind;
};

// The parsed words after the command: options by name (a flag maps to "") and the remaining operands.
struct TArguments {
    std::map<std::string, std::string, std::less<>> options;
    std::vector<std::string> operands;

    std::optional<std::string> Option(std::string_view name) const;
};

// Says on err why the words are wrong in one line and where the usage is: the command's --help, or the
// program's when command is empty. Returns the exit status of bad usage.
int UsageError(std::ostream& err, std::string_view command, const std::string& reason);

// Reads the words after args[0], the command, as the options that `rules` allows and operands; "--" ends the
// options. Any other option, a missing value or a repeated option is reported as a usage error.
std::optional<TArguments> ParseArguments(const std::vector<std::string>& args, std::initializer_list<TOptionRule> rules,
    std::ostream& err);

// The words that ask for help: -h and --help.
bool IsHelpWord(std::string_view word);

// Whether a word before the end of the options asks for the command's help.
bool AsksForHelp(const std::vector<std::string>& args);

}
