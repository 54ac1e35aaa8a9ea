#pragma once
// The menus that pack, html and preview are given: menu files, or menu sources (JSON) that are
// built on the way, checked as the player will read them.
#include <string>
#include <vector>

#include "writer/menu_writer.h"

namespace orvane::pack {

struct MenuInputs {
  std::vector<PackedFile> Files;     // in the order given: the first is the default menu
  std::vector<std::string> Remarks;  // the sources' "warning: ..." and "note: ..." lines, as build
  std::vector<std::string> Read;     // every file read: the inputs, the sources' pictures
};

// A path ending in ".json" is a source. Throws one ToolError with every problem of every input,
// each naming the file (and the field of a source): anything the player could not use, and two
// menus of the same name.
MenuInputs LoadMenuInputs(const std::vector<std::string>& paths);

}  // namespace orvane::pack
