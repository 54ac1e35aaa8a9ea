#pragma once
// What kind of action a button's target text asks for, and the launch rules that depend only on
// the texts: address classes, quoting, verb and show mode.
#include <cstdint>
#include <string>

namespace orvane {

enum class ActionKind {
  RawLaunch,   // "%NOPROC%" followed by a command, started hidden as it stands
  NoAction,    // "*"
  Message,     // "$" followed by the message
  MenuSwitch,  // a packed menu name ending in ".mnu", without any folder
  NoTarget,    // empty: click, then minimise or close as the button asks
  Launch,      // a file, folder, program or address handed to the shell
};

ActionKind ClassifyTarget(const std::string& target);

constexpr char kRawLaunchPrefix[] = "%NOPROC%";

// The file that a raw launch hands to the shell: the text after "%NOPROC%", "%CD%" expanded (the
// one target form where it is), nothing else rewritten.
std::string RawLaunchFile(const std::string& target, const std::string& applicationFolder);

// A launch target after the rules that depend only on its text and the player's folder: a
// leading "%" becomes the player's folder, a local path gets "\" for "/", and a leading "\" gets
// the player's drive. "%CD%" stays as it stands here; only the parameters expand it.
struct LaunchTarget {
  std::string Path;
  bool Local = true;  // not a web or mail address
};
LaunchTarget RewriteLaunchTarget(std::string target, const std::string& applicationFolder);

// "http", "www" or "ftp" in any case: opened by the web browser.
bool IsWebAddress(const std::string& target);
// A web address or "mailto": never treated as a local file.
bool IsAddress(const std::string& target);
bool IsMailAddress(const std::string& target);
bool IsFolderTarget(const std::string& target);

// Non-empty parameters are wrapped in double quotes unless the target is quoted itself or the
// parameters start like switches or an absolute path ("\", "/", blank, "-").
std::string QuoteParameters(const std::string& target, const std::string& parameters);
// "explore" for a folder (a trailing "\"), "open" for everything else.
std::string VerbFor(const std::string& target);
// 0 normal, 1 or -1 maximised, anything else hidden.
int32_t ShowModeFor(int32_t runMaximized);

}  // namespace orvane
