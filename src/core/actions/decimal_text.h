#pragma once
// Version numbers compared as decimal numbers with "." as the decimal point, exactly (no floating
// point): 9.10 equals 9.1 and is lower than 9.3; 10.0 is higher than 9.3.
#include <optional>
#include <string>

namespace orvane {

// -1, 0 or 1 as a is lower than, equal to or higher than b; nullopt when either is not a
// decimal number (digits with at most one "."; blanks around it are ignored).
std::optional<int> CompareDecimalText(const std::string& a, const std::string& b);

}  // namespace orvane
