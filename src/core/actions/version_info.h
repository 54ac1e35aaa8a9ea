#pragma once
// Version information of a program file, as the platform stores it (on Windows the version
// resource read through version.dll). Core parses the parts itself so that the rules are the
// same everywhere.
#include <memory>
#include <optional>
#include <string>

namespace orvane {

class VersionInfoBlock {
 public:
  virtual ~VersionInfoBlock() = default;
  // The bytes of one part, addressed by a backslash path ("\" for the fixed file information,
  // "\VarFileInfo\Translation", "\StringFileInfo\040904B0\ProductName"); nullopt when absent.
  virtual std::optional<std::string> Query(const std::string& subBlock) = 0;
};

class VersionInfoSource {
 public:
  virtual ~VersionInfoSource() = default;
  // nullptr when the program has no version information or it cannot be read.
  virtual std::unique_ptr<VersionInfoBlock> Load(const std::string& programPath) = 0;
};

}  // namespace orvane
