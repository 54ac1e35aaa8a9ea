#pragma once
// The folder's autorun.inf as Windows reads it when the disc goes in: "open=" must start a packed
// player of the folder and, when it names a menu, one that this player carries (else the player
// quits at start); "icon=" must name a file of the folder.
#include <map>
#include <string>
#include <vector>

#include "tool/disc/disc_check.h"

namespace orvane::pack {

// The largest autorun.inf read; Windows itself reads only a small file.
constexpr uint64_t kMaxAutorunSize = 64 * 1024;

// players: every .exe at the top of the folder by its file name, with the menus it carries
// (none for a program without a container).
void CheckAutorun(const std::string& discDir,
                  const std::map<std::string, std::vector<PackedEntry>>& players,
                  DiscReport& report);

}  // namespace orvane::pack
