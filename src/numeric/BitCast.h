#pragma once

// std::bit_cast is missing from the C++ library emscripten ships; the compilers' builtin is what it wraps.
template <class To, class From>
constexpr To BitCast(From v)
{
    return __builtin_bit_cast(To, v);
}
