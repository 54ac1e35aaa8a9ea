#pragma once
// Files through POSIX calls; paths are taken as they are given.
#include "common/file.h"

namespace orvane {

class PosixFileOpener : public FileOpener {
 public:
  std::unique_ptr<ReadFile> OpenRead(const std::string& path) override;
};

}  // namespace orvane
