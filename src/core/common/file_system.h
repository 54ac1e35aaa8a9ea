#pragma once
// What the player asks of the file system beyond reading a file: does a name exist, with which
// attributes, and what does a folder hold. Paths are the platform's own (Windows paths in the
// player, POSIX paths in native tests).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A platform header may define DeleteFile as a macro for its own function; the method below
// keeps its name wherever this header is included after such a header.
#ifdef DeleteFile
#undef DeleteFile
#endif

namespace orvane {

struct FileAttributes {
  bool Directory = false;
  bool Hidden = false;
  bool System = false;
  bool ReadOnly = false;
  // A junction or symbolic link; never followed by the searches.
  bool Link = false;

  // Neither hidden nor system: the only files some lookups accept.
  bool Ordinary() const { return !Hidden && !System; }
};

struct FolderEntry {
  std::string Name;
  FileAttributes Attributes;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // std::nullopt when nothing of that name exists.
  virtual std::optional<FileAttributes> GetAttributes(const std::string& path) = 0;
  // Entries of a folder without "." and "..", in the platform's order; empty when unreadable.
  virtual std::vector<FolderEntry> ListFolder(const std::string& folder) = 0;
  virtual bool WriteTextFile(const std::string& path, const std::string& content) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
};

}  // namespace orvane
