#pragma once
// Trace lines to the system's debugger output (OutputDebugStringA).
#include "common/debug_trace.h"

namespace orvane {

class Win32DebugOutput : public DebugOutput {
 public:
  void Write(const std::string& line) override;
};

}  // namespace orvane
