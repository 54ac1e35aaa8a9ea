#pragma once
// Where a button's target leads on a disc, through the player's own target rules with the player
// at the disc's root: what check looks for, what the pages link to, what autorun.inf names.
#include <string>

namespace orvane::pack {

// How a target reaches the disc, through the player's own target rules.
enum class TargetKind {
  Nothing,
  Message,
  MenuSwitch,
  Address,
  OffDisc,
  DiscFile,
  DiscFolder,
  SearchPath,   // a raw launch of a bare program name: Windows looks for it on its own path
  MacroAsText,  // a launch target holding "%CD%", which a launch leaves as it stands
};
struct ResolvedTarget {
  TargetKind Kind = TargetKind::Nothing;
  std::string Path;  // disc-relative path with "\" separators (DiscFile, DiscFolder), or menu name
};
ResolvedTarget ResolveTarget(const std::string& target);

// Case-blind lookup of a disc-relative path with "\" separators, as a Windows file system or a
// disc would match it. Empty when nothing of that name exists.
std::string FindOnDisc(const std::string& discDir, const std::string& relative, bool wantFolder);

// What a launch target holding "%CD%" should say instead, as the rest of a finding's message.
std::string MacroAdvice(const std::string& target);

}  // namespace orvane::pack
