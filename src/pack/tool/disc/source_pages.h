#pragma once
// Web pages straight from menu sources (JSON) or menu files, with no player: the menus are
// packed into a container of their own and drawn exactly as from a packed player.
#include <string>
#include <vector>

#include "tool/disc/web_pages.h"

namespace orvane::pack {

// discFolder empty: the folder of the first input. The sources' build warnings come first in
// Warnings; read, when given, receives every file read (inputs and pictures). Throws ToolError
// (file and field) for a source that does not build.
WrittenPages WriteMenuPages(const std::vector<std::string>& inputs, const std::string& folder,
                            std::string discFolder, std::vector<std::string>* read = nullptr);

}  // namespace orvane::pack
