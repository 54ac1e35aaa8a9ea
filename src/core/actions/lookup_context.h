#pragma once
// What the path lookups need: the shell, the file system and where the player lives.
#include <string>

#include "actions/shell.h"
#include "common/file_system.h"

namespace orvane {

struct LookupContext {
  Shell& shell;
  FileSystem& files;
  // The executable's folder, ending in "\"; its first two characters are the application drive.
  std::string applicationFolder;
};

}  // namespace orvane
