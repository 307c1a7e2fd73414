#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Remembers the input under test, so a broken property can show it.
void FuzzBegin(const std::uint8_t* data, std::size_t size);

// Prints the broken property, its detail and the input, then aborts: the fuzzer keeps the input as a finding.
[[noreturn]] void FuzzFail(std::string_view property, std::string_view detail = {});

inline void FuzzCheck(bool holds, std::string_view property)
{
    if (!holds) {
        FuzzFail(property);
    }
}
