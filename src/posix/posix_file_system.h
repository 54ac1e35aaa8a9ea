#pragma once
// The player's Windows-style paths on a POSIX file system: each drive letter is mapped onto a
// folder ("E:\docs\a.pdf" is <folder of E>/docs/a.pdf), so that the searches run natively over
// real trees. Names are matched without regard to the case of A to Z when the exact name does
// not exist, as on the disc's own file system. Entries whose names begin with "." count as
// hidden, as they do under Wine; nothing is a system entry.
#include <map>
#include <string>

#include "common/file_system.h"

namespace orvane {

class PosixFileSystem : public FileSystem {
 public:
  void MapDrive(char letter, const std::string& folder);

  std::optional<FileAttributes> GetAttributes(const std::string& path) override;
  std::vector<FolderEntry> ListFolder(const std::string& folder) override;
  bool WriteTextFile(const std::string& path, const std::string& content) override;
  bool DeleteFile(const std::string& path) override;

  // The POSIX path of a drive path, exactly as written; empty when its drive is not mapped.
  std::string NativePath(const std::string& path) const;

 private:
  // NativePath, then each missing component looked up without regard to case; empty when the
  // path cannot be resolved.
  std::string ResolvePath(const std::string& path) const;

  std::map<char, std::string> drives_;
};

}  // namespace orvane
