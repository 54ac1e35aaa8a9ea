#pragma once
// The file system through the ANSI Win32 API, with the attributes the player's lookups test.
#include "common/file_system.h"

namespace orvane {

class Win32FileSystem : public FileSystem {
 public:
  std::optional<FileAttributes> GetAttributes(const std::string& path) override;
  // folder may end in "\" or not.
  std::vector<FolderEntry> ListFolder(const std::string& folder) override;
  // Creates or replaces the file.
  bool WriteTextFile(const std::string& path, const std::string& content) override;
  bool DeleteFile(const std::string& path) override;
};

}  // namespace orvane
