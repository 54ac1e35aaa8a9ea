#include "common/debug_trace.h"

namespace orvane {

namespace {
std::string Marked(const std::string& text) { return "**** " + text + " **** "; }
}  // namespace

std::string FormatTrace(const std::string& text, int32_t number) {
  return Marked(text.empty() ? std::to_string(number) : text);
}

void DebugTrace(DebugOutput& out, const std::string& text) { out.Write(Marked(text)); }

void DebugTrace(DebugOutput& out, const std::string& text, int32_t number) {
  out.Write(FormatTrace(text, number));
}

}  // namespace orvane
