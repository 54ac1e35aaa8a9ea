#pragma once
// Version information of a program file through version.dll.
#include "actions/version_info.h"

namespace orvane {

class Win32VersionInfoSource : public VersionInfoSource {
 public:
  std::unique_ptr<VersionInfoBlock> Load(const std::string& programPath) override;
};

}  // namespace orvane
