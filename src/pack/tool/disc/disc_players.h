#pragma once
// The programs at the top of a disc folder, each read once: check looks into every one, image
// names the packed player that autorun.inf starts.
#include <optional>
#include <string>
#include <vector>

#include "tool/menu_read.h"

namespace orvane::pack {

struct DiscProgram {
  std::string FileName;
  Bytes Data;
  std::optional<PackedPlayer> Player;  // set when menus are appended
};

// Every *.exe (any letter case) at the top of discDir, in name order.
std::vector<DiscProgram> ProgramsIn(const std::string& discDir);

}  // namespace orvane::pack
