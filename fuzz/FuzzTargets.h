#pragma once

#include <cstddef>
#include <cstdint>

// One entry per fuzz target: checks its properties on any bytes, aborting through FuzzFail when one breaks.
using TFuzzFunction = int (*)(const std::uint8_t* data, std::size_t size);

int FuzzHardness(const std::uint8_t* data, std::size_t size);
int FuzzFormatFixed(const std::uint8_t* data, std::size_t size);
int FuzzLabelFormat(const std::uint8_t* data, std::size_t size);
int FuzzFormReader(const std::uint8_t* data, std::size_t size);
int FuzzBatch(const std::uint8_t* data, std::size_t size);
int FuzzCommandLine(const std::uint8_t* data, std::size_t size);
