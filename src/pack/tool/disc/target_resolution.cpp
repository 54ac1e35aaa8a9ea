#include "tool/disc/target_resolution.h"

#include <filesystem>
#include <vector>

#include "actions/target_form.h"
#include "actions/target_text.h"
#include "common/text.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

// The player's folder as the dispatcher sees it at the root of the disc: its drive letter, which
// "%CD%" becomes at run time, is a character no real target holds.
constexpr char kDiscDrive = '\x01';
const std::string kDiscRoot = std::string(1, kDiscDrive) + ":\\";

ResolvedTarget ClassifyPath(std::string path) {
  ResolvedTarget r;
  if (path.size() >= 2 && path[0] == kDiscDrive && path[1] == ':') {
    path = path.substr(2);
  } else if ((path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0) {
    r.Kind = TargetKind::OffDisc;
    r.Path = path;
    return r;
  }
  // Relative targets are opened from the player's folder, where a disc starts it.
  while (!path.empty() && path.front() == '\\') path.erase(path.begin());
  r.Kind = (!path.empty() && path.back() == '\\') || path.empty() ? TargetKind::DiscFolder
                                                                  : TargetKind::DiscFile;
  r.Path = path;
  return r;
}

}  // namespace

ResolvedTarget ResolveTarget(const std::string& target) {
  // The player's own rules, with the player at the disc's root.
  ResolvedTarget r;
  switch (ClassifyTarget(target)) {
    case ActionKind::RawLaunch: {
      const std::string file = RawLaunchFile(target, kDiscRoot);
      // A bare program name without a folder is found by Windows itself (cmd.exe, notepad.exe),
      // so it cannot be called missing.
      if (FolderPart(file).empty()) return ResolvedTarget{TargetKind::SearchPath, file};
      return ClassifyPath(file);
    }
    case ActionKind::NoAction:
    case ActionKind::NoTarget: return r;
    case ActionKind::Message: r.Kind = TargetKind::Message; return r;
    case ActionKind::MenuSwitch:
      r.Kind = TargetKind::MenuSwitch;
      r.Path = AsciiLower(target);
      return r;
    case ActionKind::Launch: break;
  }
  const LaunchTarget launch = RewriteLaunchTarget(target, kDiscRoot);
  if (!launch.Local) return ResolvedTarget{TargetKind::Address, launch.Path};
  // The launch rules leave the macro as text, so the player looks for a file whose name holds
  // it, finds none, and searches the disc for the bare file name.
  if (target.find(kDriveMacro) != std::string::npos)
    return ResolvedTarget{TargetKind::MacroAsText, launch.Path};
  return ClassifyPath(launch.Path);
}

std::string FindOnDisc(const std::string& discDir, const std::string& relative, bool wantFolder) {
  std::vector<fs::path> stack{fs::path(discDir)};
  size_t start = 0;
  while (start < relative.size()) {
    size_t end = relative.find('\\', start);
    if (end == std::string::npos) end = relative.size();
    const std::string part = relative.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (stack.size() == 1) return "";  // above the disc's root
      stack.pop_back();
      continue;
    }
    const fs::path here = stack.back();
    std::error_code ec;
    fs::path found;
    // Targets are UTF-8 here, on every system the tool runs on.
    if (fs::exists(here / fs::u8path(part), ec)) {
      found = here / fs::u8path(part);
    } else {
      for (fs::directory_iterator it(here, ec), last; !ec && it != last; it.increment(ec)) {
        if (AsciiEqualsNoCase(it->path().filename().u8string(), part)) {
          found = it->path();
          break;
        }
      }
    }
    if (found.empty()) return "";
    stack.push_back(found);
  }
  std::error_code ec;
  const bool isFolder = fs::is_directory(stack.back(), ec);
  return isFolder == wantFolder ? stack.back().string() : "";
}

// "%CD%:\\docs\\a.pdf" becomes "\\docs\\a.pdf" (from the disc's root) or "%docs\\a.pdf" (from the
// player's folder).
std::string MacroAdvice(const std::string& target) {
  const std::string head = std::string(kDriveMacro) + ":";
  std::string rest = target.compare(0, head.size(), head) == 0 ? target.substr(head.size()) : "";
  while (!rest.empty() && (rest[0] == '\\' || rest[0] == '/')) rest.erase(rest.begin());
  const std::string fix =
      rest.empty() ? "start it with \\ (from the root of the disc's drive) or % (from the "
                     "player's folder)"
                   : "write \"\\" + rest + "\" (from the root of the disc's drive) or \"%" + rest +
                         "\" (from the player's folder)";
  return ": the player expands %CD% only in parameters and in %NOPROC% targets, so it looks for "
         "this name as it stands and then searches the whole disc; " +
         fix;
}

}  // namespace orvane::pack
