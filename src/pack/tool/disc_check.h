#pragma once
// What a careful author runs before burning: the menus of a packed player checked against the
// disc folder it sits in, the targets resolved the way the player resolves them.
#include <string>
#include <vector>

#include "tool/menu_read.h"

namespace orvane::pack {

struct Finding {
  std::string Menu;    // packed file name, or the player's file name for container faults
  int Button = 0;      // 0: the menu itself
  std::string Field;   // source-style field name, e.g. "target", "pictures.normal"
  std::string Message;
};

std::string FormatFinding(const Finding& finding);

// How a target reaches the disc, as the dispatcher turns it into a path.
enum class TargetKind { Nothing, Message, MenuSwitch, Address, OffDisc, DiscFile, DiscFolder };
struct ResolvedTarget {
  TargetKind Kind = TargetKind::Nothing;
  std::string Path;  // disc-relative path with "\" separators (DiscFile, DiscFolder), or menu name
};
ResolvedTarget ResolveTarget(const std::string& target);

// Case-blind lookup of a disc-relative path with "\" separators, as a Windows file system or a
// disc would match it. Empty when nothing of that name exists.
std::string FindOnDisc(const std::string& discDir, const std::string& relative, bool wantFolder);

// Checks one menu (already read) against the disc folder and the container's menu names.
void CheckMenu(const std::string& menuName, const ReadMenu& read, const std::string& discDir,
               const std::vector<PackedEntry>& packed, std::vector<Finding>& findings);

// Finds every packed player (*.exe with a container) at the top of discDir and checks all their
// menus. Throws ToolError when the folder cannot be read or holds no packed player.
std::vector<Finding> CheckDisc(const std::string& discDir);

}  // namespace orvane::pack
