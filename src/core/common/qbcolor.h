#pragma once
// The 16-colour table in which menus may store a colour, as Windows colour values (0x00BBGGRR).
#include <cstdint>

#include "common/debug_trace.h"

namespace orvane {

using ColourValue = uint32_t;

// Red, green and blue values as stored in a menu; only the low byte of each counts.
constexpr ColourValue ComposeColour(int32_t red, int32_t green, int32_t blue) {
  return (static_cast<uint32_t>(red) & 0xFFu) | ((static_cast<uint32_t>(green) & 0xFFu) << 8) |
         ((static_cast<uint32_t>(blue) & 0xFFu) << 16);
}

// Traces "QBColor Called for: <index>" and returns the table's colour; black outside 0 to 15.
ColourValue QBColor(uint32_t index, DebugOutput& trace);

}  // namespace orvane
