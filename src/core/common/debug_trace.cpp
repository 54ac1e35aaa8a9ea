#include "common/debug_trace.h"

namespace orvane {

std::string FormatTrace(const std::string& text, int32_t number) {
  return "**** " + (text.empty() ? std::to_string(number) : text) + " **** ";
}

void DebugTrace(DebugOutput& out, const std::string& text, int32_t number) {
  out.Write(FormatTrace(text, number));
}

}  // namespace orvane
