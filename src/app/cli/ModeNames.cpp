#include "app/cli/ModeNames.h"

#include <algorithm>
#include <array>

namespace cli {

namespace {

constexpr std::array<std::string_view, 8> Keys{"avg", "0-35", "40-60", "apfsds", "m62", "m79", "weighed", "tests"};

struct TAlias {
    std::string_view name;
    std::int32_t mode;
};

// Further spellings, after lower-casing and dropping degree signs and inch marks; the selector spells APFSDS "APDSFS".
constexpr std::array<TAlias, 6> Aliases{{
    {"avg.", 0},
    {"apdsfs", 3},
    {"3 m62", 4},
    {"3m62", 4},
    {"3 m79", 5},
    {"3m79", 5},
}};

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The longest name of a mode after normalizing: a text that normalizes to more characters names no mode.
constexpr std::size_t LongestName = [] {
    std::size_t longest = 0;
    for (const std::string_view key : Keys) {
        longest = std::max(longest, key.size());
    }
    for (const TAlias& alias : Aliases) {
        longest = std::max(longest, alias.name.size());
    }
    return longest;
}();

// A normalized name in a fixed buffer, so reading the mode of every batch line builds no string.
class TNameKey {
public:
    // False once the name is longer than any mode's.
    bool Append(char c)
    {
        if (size_ == text_.size()) {
            return false;
        }
        text_[size_++] = c;
        return true;
    }

    std::string_view View() const { return {text_.data(), size_}; }

private:
    std::array<char, LongestName> text_{};
    std::size_t size_ = 0;
};

// Lower-cases ASCII letters and drops the degree sign (UTF-8 or Latin-1) and the inch mark; nothing when the result
// is too long to be a mode's name.
std::optional<TNameKey> Normalized(std::string_view text)
{
    TNameKey key;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xB0') {
            ++i;
        } else if (c != '\xB0' && c != '"' && !key.Append(LowerAscii(c))) {
            return std::nullopt;
        }
    }
    return key;
}

}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCase)
{
    if (text.size() != lowerCase.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (LowerAscii(text[i]) != lowerCase[i]) {
            return false;
        }
    }
    return true;
}

std::optional<std::int32_t> ParseModeName(std::string_view text)
{
    if (text.size() == 1 && text[0] >= '0' && text[0] <= '7') {
        return text[0] - '0';
    }
    const std::optional<TNameKey> normalized = Normalized(text);
    if (!normalized) {
        return std::nullopt;
    }
    const std::string_view key = normalized->View();
    for (std::size_t mode = 0; mode < Keys.size(); ++mode) {
        if (key == Keys[mode]) {
            return static_cast<std::int32_t>(mode);
        }
    }
    for (const TAlias& alias : Aliases) {
        if (key == alias.name) {
            return alias.mode;
        }
    }
    return std::nullopt;
}

std::string_view ModeKey(std::int32_t mode)
{
    return Keys.at(static_cast<std::size_t>(mode));
}

}
