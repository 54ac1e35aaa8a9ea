#pragma once
// The file that list, dump and extract are given: a packed player or a single menu file.
#include <optional>
#include <string>

#include "tool/menu_read.h"

namespace orvane::pack {

struct InputFile {
  std::string Path;
  Bytes Data;
  std::optional<PackedPlayer> Player;  // set for a packed player
  std::optional<ReadMenu> Menu;        // set for a menu file
};

// Throws ToolError when the file is neither.
InputFile LoadInputFile(const std::string& path);

// The menu's name inside a container, or the file name of a menu file.
std::string BaseName(const std::string& path);

}  // namespace orvane::pack
