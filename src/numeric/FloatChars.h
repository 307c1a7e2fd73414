#pragma once

#include <charconv>
#include <system_error>

// Locale-independent text of doubles, as std::to_chars and std::from_chars give it. Where the standard library
// lacks their floating-point forms (the WebAssembly toolchain's), the same texts come from the C library's
// correctly rounded printf and strtod.
namespace FloatChars {

// The shortest text that reads back as value: fixed or scientific, whichever is shorter (fixed on a tie).
char* ToChars(char* first, char* last, double value);
// value in the given notation with precision digits, as printf's %e, %f or %g.
char* ToChars(char* first, char* last, double value, std::chars_format format, int precision);
// A decimal number in fixed or scientific notation: no sign but '-', no leading space, no hexadecimal.
std::from_chars_result FromChars(const char* first, const char* last, double& value);

// The C library's forms, always built so tests can hold them to the standard library's where it has both.
namespace Printf {
char* ToChars(char* first, char* last, double value);
char* ToChars(char* first, char* last, double value, std::chars_format format, int precision);
std::from_chars_result FromChars(const char* first, const char* last, double& value);
}  // namespace Printf

#ifdef __cpp_lib_to_chars
inline char* ToChars(char* first, char* last, double value) { return std::to_chars(first, last, value).ptr; }
inline char* ToChars(char* first, char* last, double value, std::chars_format format, int precision)
{
    return std::to_chars(first, last, value, format, precision).ptr;
}
inline std::from_chars_result FromChars(const char* first, const char* last, double& value)
{
    return std::from_chars(first, last, value);
}
#else
inline char* ToChars(char* first, char* last, double value) { return Printf::ToChars(first, last, value); }
inline char* ToChars(char* first, char* last, double value, std::chars_format format, int precision)
{
    return Printf::ToChars(first, last, value, format, precision);
}
inline std::from_chars_result FromChars(const char* first, const char* last, double& value)
{
    return Printf::FromChars(first, last, value);
}
#endif

}  // namespace FloatChars
