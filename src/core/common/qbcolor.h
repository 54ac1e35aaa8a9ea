#pragma once
// The 16-colour table in which menus may store a colour, as Windows colour values (0x00BBGGRR).
#include <cstdint>

#include "common/colour.h"
#include "common/debug_trace.h"

namespace orvane {

// Traces "QBColor Called for: <index>" and returns the table's colour; black outside 0 to 15.
ColourValue QBColor(uint32_t index, DebugOutput& trace);

}  // namespace orvane
