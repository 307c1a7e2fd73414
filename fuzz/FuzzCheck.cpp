#include "FuzzCheck.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

const std::uint8_t* inputData = nullptr;
std::size_t inputSize = 0;
constexpr std::size_t ShownBytes = 400;

}

void FuzzBegin(const std::uint8_t* data, std::size_t size)
{
    inputData = data;
    inputSize = size;
}

void FuzzFail(std::string_view property, std::string_view detail)
{
    std::fprintf(stderr, "fuzz property broken: %.*s\n", static_cast<int>(property.size()), property.data());
    if (!detail.empty()) {
        std::fprintf(stderr, "  detail: %.*s\n", static_cast<int>(detail.size()), detail.data());
    }
    std::fprintf(stderr, "  input (%zu bytes): \"", inputSize);
    for (std::size_t i = 0; i < std::min(inputSize, ShownBytes); ++i) {
        const unsigned char c = inputData[i];
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\x%02X", c);
        }
    }
    std::fprintf(stderr, inputSize > ShownBytes ? "\"...\n" : "\"\n");
    std::abort();
}
