#pragma once
// File names for what the tool writes, made from names that a player or menu file carries. Such a
// name is text someone else chose: it must not climb out of the output folder, reach a Windows
// device, or land on a file that another name of the same run already wrote.
#include <set>
#include <string>
#include <vector>

namespace orvane::pack {

// Every component the tool writes is cut to this many bytes: far below any file system's limit,
// with room for a "~N" to tell names apart.
constexpr size_t kMaxOutputName = 200;

// One run's names. Windows sees two names that differ only in letter case as one file, so names
// are told apart that way on every system.
class OutputNames {
 public:
  // A name for wanted (UTF-8) that is one plain file name: separators, drive colons, control
  // characters and the characters Windows refuses become "_", as do trailing dots and spaces
  // (Windows drops them, and "." and ".." are folders); a device name (CON, NUL.mnu, com1...)
  // gets a "_" in front. A name already taken gets "~2", "~3"... before its extension. Each of
  // companions (e.g. ".json") appended to the result is taken as well.
  std::string Take(const std::string& wanted, const std::vector<std::string>& companions = {});

 private:
  bool Free(const std::string& name, const std::vector<std::string>& companions) const;
  std::set<std::string> taken_;  // folded for case
};

// The line that reports a name written other than it stands: "<what> "<original>" is written as
// <name>", the original escaped for the terminal. Empty when the name was kept.
std::string RenameNote(const std::string& what, const std::string& original,
                       const std::string& name);

}  // namespace orvane::pack
