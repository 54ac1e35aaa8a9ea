#pragma once
// Text helpers for the player's 8-bit strings. Case rules touch the letters A to Z only, so that
// names in the system code page compare the same way on every machine.
#include <string>

namespace orvane {

std::string AsciiLower(std::string text);
std::string AsciiUpper(std::string text);
bool AsciiEqualsNoCase(const std::string& a, const std::string& b);
// Drops leading and trailing characters with codes 0 to 32.
std::string TrimControl(const std::string& text);

}  // namespace orvane
