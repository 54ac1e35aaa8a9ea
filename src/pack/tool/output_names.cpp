#include "tool/output_names.h"

#include <cstring>

#include "common/text.h"
#include "tool/terminal_text.h"

namespace orvane::pack {

namespace {

constexpr size_t kMaxExtension = 16;  // kept whole when a long name is cut

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Windows opens these as devices whatever extension follows ("nul.mnu", "CON .txt").
bool IsDeviceName(const std::string& name) {
  std::string base = name.substr(0, name.find('.'));
  while (!base.empty() && base.back() == ' ') base.pop_back();
  base = AsciiUpper(base);
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (const char* device : kDevices)
    if (base == device) return true;
  return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
         base[3] >= '1' && base[3] <= '9';
}

std::string PlainFileName(const std::string& wanted) {
  std::string name;
  for (size_t i = 0; i < wanted.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(wanted[i]);
    if (c == 0xC2 && i + 1 < wanted.size() && (wanted[i + 1] & 0xE0) == 0x80) {
      name += '_';  // a C1 control character
      ++i;
    } else {
      name += c < 0x20 || c == 0x7F || std::strchr("<>:\"/\\|?*", c) ? '_' : static_cast<char>(c);
    }
  }
  for (size_t i = name.size(); i > 0 && (name[i - 1] == '.' || name[i - 1] == ' '); --i)
    name[i - 1] = '_';
  if (name.empty()) name = "_";
  if (IsDeviceName(name)) name = "_" + name;
  if (name.size() > kMaxOutputName) {
    const size_t dot = name.rfind('.');
    const std::string extension =
        dot != std::string::npos && name.size() - dot <= kMaxExtension ? name.substr(dot) : "";
    size_t cut = kMaxOutputName - extension.size();
    while (cut > 0 && IsContinuation(name[cut])) --cut;
    name = name.substr(0, cut) + extension;
  }
  return name;
}

// Case as Windows ignores it, near enough: A to Z and the Latin-1 letters.
std::string Folded(const std::string& utf8) {
  std::string folded = AsciiLower(utf8);
  for (size_t i = 0; i + 1 < folded.size(); ++i) {
    const unsigned char next = static_cast<unsigned char>(folded[i + 1]);
    if (static_cast<unsigned char>(folded[i]) == 0xC3 && next >= 0x80 && next <= 0x9E &&
        next != 0x97)
      folded[i + 1] = static_cast<char>(next + 0x20);
  }
  return folded;
}

// "name.ext" with "~n" before the extension (a dot that only follows dots starts none).
std::string Numbered(const std::string& name, int n) {
  size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot == 0 || name[dot - 1] == '.') dot = name.size();
  return name.substr(0, dot) + "~" + std::to_string(n) + name.substr(dot);
}

}  // namespace

bool OutputNames::Free(const std::string& name, const std::vector<std::string>& companions) const {
  if (taken_.count(Folded(name))) return false;
  for (const std::string& companion : companions)
    if (taken_.count(Folded(name + companion))) return false;
  return true;
}

std::string OutputNames::Take(const std::string& wanted,
                              const std::vector<std::string>& companions) {
  const std::string plain = PlainFileName(wanted);
  std::string name = plain;
  for (int n = 2; !Free(name, companions); ++n) name = Numbered(plain, n);
  taken_.insert(Folded(name));
  for (const std::string& companion : companions) taken_.insert(Folded(name + companion));
  return name;
}

std::string RenameNote(const std::string& what, const std::string& original,
                       const std::string& name) {
  if (original == name) return "";
  return what + " \"" + TerminalText(original) + "\" is written as " + name;
}

}  // namespace orvane::pack
