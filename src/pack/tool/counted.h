#pragma once
// "1 menu", "2 menus": a count and its noun, as the tool's messages print them.
#include <cstddef>
#include <string>

namespace orvane::pack {

inline std::string Counted(size_t count, const std::string& noun) {
  return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace orvane::pack
