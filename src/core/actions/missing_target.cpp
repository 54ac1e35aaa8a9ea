#include "actions/missing_target.h"

#include <vector>

#include "actions/target_text.h"
#include "common/text.h"

namespace orvane {

namespace {

bool IsPlainFile(FileSystem& files, const std::string& path) {
  auto attributes = files.GetAttributes(path);
  return attributes && !attributes->Directory && attributes->Ordinary();
}

// The folder part of path without its last separator, except that a drive root keeps its "\";
// lower case, then "\" appended. "C:\x.pdf" thus gives "c:\\", whose doubled separator makes the
// first drive candidate below unusable, as intended.
std::string SearchFolderPart(const std::string& path) {
  size_t at = path.find_last_of("\\:");
  std::string folder;
  if (at != std::string::npos) {
    const bool driveRoot = path[at] == '\\' && at > 0 && path[at - 1] == ':';
    folder = path.substr(0, driveRoot ? at + 1 : at);
  }
  return AsciiLower(folder) + "\\";
}

std::vector<std::string> CandidateFolders(const std::string& path, const std::string& folderPart,
                                          const std::string& applicationFolder) {
  std::vector<std::string> folders{applicationFolder};

  // The same folders on the application drive, from the longest tail to its root.
  const std::string drive = applicationFolder.substr(0, 2);
  for (size_t at = folderPart.find('\\'); at != std::string::npos;
       at = folderPart.find('\\', at + 1))
    folders.push_back(drive + folderPart.substr(at));

  // The folders of the path itself, deepest first (its name is not empty, so it does not end in
  // a separator).
  for (size_t at = path.rfind('\\'); at != std::string::npos; at = path.rfind('\\', at - 2)) {
    folders.push_back(path.substr(0, at + 1));
    if (at < 2) break;
  }
  return folders;
}

}  // namespace

std::string LocateMissingTarget(const std::string& path, LookupContext& context, MessagePump& pump,
                                TreeSearch& search) {
  pump.PumpMessages();
  const std::string folderPart = SearchFolderPart(path);
  const std::string name = AsciiLower(FileNamePart(path));
  // A path that names no file ("C:") has nothing to search for.
  if (name.empty()) return path;

  for (const std::string& folder : CandidateFolders(path, folderPart, context.applicationFolder)) {
    const std::string candidate = folder + name;
    if (candidate.find("\\\\") != std::string::npos) continue;
    if (IsPlainFile(context.files, candidate)) return candidate;
  }

  std::string found = search.SearchFolderTree(name, false, context.applicationFolder);
  if (found != kNotFound) return found;
  found = search.SearchFolderTree(name, true, context.applicationFolder.substr(0, 2) + "\\");
  if (found != kNotFound) return found;
  return path;
}

}  // namespace orvane
