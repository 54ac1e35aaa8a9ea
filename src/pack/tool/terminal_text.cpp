#include "tool/terminal_text.h"

#include <cstdio>

namespace orvane::pack {

std::string TerminalText(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    char escape[8] = {};
    if (c == '\r' || c == '\n' || c == '\t') {
      out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      std::snprintf(escape, sizeof escape, "\\x%02x", c);
      out += escape;
    } else if (c == 0xC2 && i + 1 < utf8.size() && (utf8[i + 1] & 0xE0) == 0x80) {
      // U+0080 to U+009F: the C1 controls, which some terminals obey like ESC sequences.
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(utf8[++i]));
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace orvane::pack
