#pragma once
// Files through the Win32 API: read-only, shared with other readers and writers, 64-bit sizes.
#include "common/file.h"

namespace orvane {

class Win32FileOpener : public FileOpener {
 public:
  std::unique_ptr<ReadFile> OpenRead(const std::string& path) override;
};

}  // namespace orvane
