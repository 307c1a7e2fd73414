#pragma once

#include <cfloat>
#include <cstdint>
#include <cstring>

// The sign and exponent word and the 64-bit significand with its explicit leading bit.
struct TExtendedBits {
    std::uint16_t signExponent = 0;
    std::uint64_t significand = 0;

    bool operator==(const TExtendedBits&) const = default;
};

#if LDBL_MANT_DIG == 64

// The x87 unit stores the significand in the first eight bytes and the sign and exponent in the next two.
inline TExtendedBits X87BitsOf(long double x)
{
    TExtendedBits bits;
    std::memcpy(&bits.significand, &x, sizeof bits.significand);
    std::memcpy(&bits.signExponent, reinterpret_cast<const unsigned char*>(&x) + sizeof bits.significand, sizeof bits.signExponent);
    return bits;
}

inline long double X87FromBits(TExtendedBits bits)
{
    long double x = 0;
    std::memcpy(&x, &bits.significand, sizeof bits.significand);
    std::memcpy(reinterpret_cast<unsigned char*>(&x) + sizeof bits.significand, &bits.signExponent, sizeof bits.signExponent);
    return x;
}

#endif
