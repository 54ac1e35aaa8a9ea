#pragma once
// Web pages straight from menu sources (JSON) or menu files, with no player: the menus are
// packed into a container of their own and drawn exactly as from a packed player.
#include <string>
#include <vector>

#include "tool/disc/web_pages.h"

namespace orvane::pack {

struct MenuPages {
  WrittenPages Pages;
  std::vector<std::string> Remarks;  // the sources' warnings and notes, as build prints them
  std::vector<std::string> Read;     // every file read: the inputs and the sources' pictures
};

// discFolder empty: the folder of the first input; unmarked: the code page of menu files without
// the UTF-8 mark. Throws ToolError (file and field of every problem) when an input does not build.
MenuPages WriteMenuPages(const std::vector<std::string>& inputs, const std::string& folder,
                         std::string discFolder, const CodePage& unmarked);

}  // namespace orvane::pack
