#include "common/qbcolor.h"

#include <iterator>
#include <string>

namespace orvane {

ColourValue QBColor(uint32_t index, DebugOutput& trace) {
  static constexpr ColourValue kTable[] = {
      0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
  };
  DebugTrace(trace, "QBColor Called for: " + std::to_string(index));
  return index < std::size(kTable) ? kTable[index] : 0x000000;
}

}  // namespace orvane
