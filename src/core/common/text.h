#pragma once
// Text helpers for the player's 8-bit strings. Case rules touch the letters A to Z only, so that
// names in the system code page compare the same way on every machine.
#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

std::string AsciiLower(std::string text);
std::string AsciiUpper(std::string text);
char UpperAscii(char c);
bool AsciiEqualsNoCase(const std::string& a, const std::string& b);
// Drops leading and trailing characters with codes 0 to 32.
std::string TrimControl(const std::string& text);
// Drops leading and trailing spaces and tabs.
std::string TrimBlanks(const std::string& text);
// Decimal digits with leading zeros up to the given count, the sign in front: what "%.3d" makes.
// Written out by hand so that the player does not carry a whole printf for two fixed formats.
std::string ZeroPaddedDecimal(int32_t value, size_t digits);
// Upper-case hexadecimal digits with leading zeros up to the given count, as "%04X" makes.
std::string ZeroPaddedHex(uint32_t value, size_t digits);

}  // namespace orvane
