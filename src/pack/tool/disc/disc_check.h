#pragma once
// What a careful author runs before burning: the menus of a packed player checked against the
// disc folder it sits in, the targets resolved the way the player resolves them.
#include <iosfwd>
#include <string>
#include <vector>

#include "tool/disc/target_resolution.h"
#include "tool/menu_read.h"

namespace orvane::pack {

struct Finding {
  std::string Menu;   // packed file name, or the player's file name for container faults
  int Button = 0;     // 0: the menu itself
  std::string Field;  // source-style field name, e.g. "target", "pictures.normal"
  std::string Message;
};

// Problems make the disc misbehave; notes are only wasted bytes (pictures the player never
// shows). A disc with notes and no problems passes.
struct DiscReport {
  std::vector<Finding> Problems;
  std::vector<Finding> Notes;
};

std::string FormatFinding(const Finding& finding);
// One line per problem, then one per note ("note: ..."), then the summary line. The exit status
// of check: 1 when there are problems, else 0.
int PrintReport(const DiscReport& report, const std::string& discDir, std::ostream& out);

// Checks one menu (already read, its texts decoded by DecodeReadTexts) against the disc folder and
// the container's menu names.
void CheckMenu(const std::string& menuName, const ReadMenu& read, const std::string& discDir,
               const std::vector<PackedEntry>& packed, DiscReport& report);

// Finds every packed player (*.exe with a container) at the top of discDir and checks all their
// menus. Throws ToolError when the folder cannot be read or holds no packed player.
// Menus without the UTF-8 mark are read in codePage.
DiscReport CheckDisc(const std::string& discDir, int codePage = 1252);

}  // namespace orvane::pack
