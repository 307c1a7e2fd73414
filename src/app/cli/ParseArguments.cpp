#include "app/cli/ParseArguments.h"

#include "app/cli/Calculation.h"
#include "app/cli/ExitStatus.h"
#include "app/cli/MessagePrefix.h"

#include <algorithm>
#include <ostream>

namespace cli {

namespace {

constexpr std::string_view EndOfOptions = "--";

// A word that looks like an option: it starts with "-" and is not standard input's "-".
bool IsOptionWord(std::string_view word)
{
    return word.size() > 1 && word.front() == '-';
}

}  // namespace

std::optional<std::string> TArguments::Option(std::string_view name) const
{
    const auto found = options.find(name);
    return found == options.end() ? std::nullopt : std::optional<std::string>(found->second);
}

int UsageError(std::ostream& err, std::string_view command, const std::string& reason)
{
    err << MessagePrefix << reason << "\nTry 'bhncalc " << command << (command.empty() ? "" : " ") << "--help'.\n";
    return ExitRefused;
}

std::optional<TArguments> ParseArguments(const std::vector<std::string>& args, std::initializer_list<TOptionRule> rules,
    std::ostream& err)
{
    const std::string& command = args.front();
    TArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (optionsEnded || !IsOptionWord(word)) {
            parsed.operands.push_back(word);
            continue;
        }
        if (word == EndOfOptions) {
            optionsEnded = true;
            continue;
        }
        // --name=value is the same as --name value.
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const auto rule = std::find_if(rules.begin(), rules.end(), [&name](const TOptionRule& r) { return r.name == name; });
        if (rule == rules.end()) {
            UsageError(err, command, "unknown option " + Quoted(name) + " for " + command);
            return std::nullopt;
        }
        if (parsed.options.count(name) != 0) {
            UsageError(err, command, "option " + name + " is given twice");
            return std::nullopt;
        }
        std::string value;
        if (rule->kind == TOptionKind::Flag) {
            if (equals != std::string::npos) {
                UsageError(err, command, "option " + name + " takes no value");
                return std::nullopt;
            }
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            UsageError(err, command, "option " + name + " needs a value");
            return std::nullopt;
        }
        parsed.options.emplace(name, std::move(value));
    }
    return parsed;
}

bool IsHelpWord(std::string_view word)
{
    return word == "-h" || word == "--help";
}

bool AsksForHelp(const std::vector<std::string>& args)
{
    const auto end = std::find(args.begin() + 1, args.end(), EndOfOptions);
    return std::any_of(args.begin() + 1, end, [](const std::string& word) { return IsHelpWord(word); });
}

}
