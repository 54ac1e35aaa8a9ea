#pragma once
// Debugger output that keeps every line, for tests that check what was traced.
#include <string>
#include <vector>

#include "common/debug_trace.h"

namespace orvane::testing {

struct RecordingTrace : DebugOutput {
  std::vector<std::string> lines;
  void Write(const std::string& line) override { lines.push_back(line); }
};

}  // namespace orvane::testing
