#pragma once
// Marked lines for the system's debugger output; nothing here is ever shown to the user.
#include <cstdint>
#include <string>

namespace orvane {

class DebugOutput {
 public:
  virtual ~DebugOutput() = default;
  virtual void Write(const std::string& line) = 0;
};

// "**** " + text + " **** "; an empty text is replaced by the decimal number.
std::string FormatTrace(const std::string& text, int32_t number);
void DebugTrace(DebugOutput& out, const std::string& text, int32_t number);
// For lines that always have a text.
void DebugTrace(DebugOutput& out, const std::string& text);

// Swallows every line; for code paths and tests that do not look at the trace.
class NullDebugOutput : public DebugOutput {
 public:
  void Write(const std::string&) override {}
};

}  // namespace orvane
