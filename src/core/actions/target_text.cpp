#include "actions/target_text.h"

#include "common/text.h"
#include "common/utf8.h"

namespace orvane {

namespace {
constexpr char kLineMark = static_cast<char>(0xB6);
constexpr char32_t kLineMarkCharacter = 0xB6;
constexpr size_t kDriveMacroLength = sizeof(kDriveMacro) - 1;

size_t LastSeparator(const std::string& path) { return path.find_last_of("\\:"); }
}  // namespace

std::string ConvertLineMarks(std::string text) {
  // UTF-8 text holds the mark as U+00B6; an 8-bit text as the byte 0xB6, which is no UTF-8
  // character on its own. The byte inside a character ("ж" is D0 B6) is no mark.
  std::string out;
  for (size_t i = 0, length = 0; i < text.size(); i += length) {
    const char32_t c = DecodeUtf8At(text, i, length);
    if (c == kLineMarkCharacter) {
      out += '\r';
    } else if (c == kReplacementCharacter) {
      for (size_t k = i; k < i + length; ++k) out += text[k] == kLineMark ? '\r' : text[k];
    } else {
      out.append(text, i, length);
    }
  }
  return out;
}

std::string NormalizeSlashes(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string ExpandDriveMacro(std::string text, const std::string& applicationFolder) {
  if (text.find(kDriveMacro) == std::string::npos) return text;
  const std::string drive = applicationFolder.substr(0, 1);
  // One pass that gives the text of replacing the first "%CD%" and scanning again from the start
  // (a replacement can complete a new macro with the text before it). The text built so far never
  // holds the macro, so a new one can only end at the character just added. Rescanning a text
  // of a menu's length from its start after every replacement would take minutes.
  std::string expanded;
  for (char c : text) {
    expanded.push_back(c);
    // Every replacement shortens the text by at least three characters, so this ends.
    while (expanded.size() >= kDriveMacroLength &&
           expanded.compare(expanded.size() - kDriveMacroLength, kDriveMacroLength, kDriveMacro) ==
               0) {
      expanded.resize(expanded.size() - kDriveMacroLength);
      expanded += drive;
    }
  }
  return expanded;
}

std::string FolderPart(const std::string& path) {
  size_t at = LastSeparator(path);
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

std::string FileNamePart(const std::string& path) {
  size_t at = LastSeparator(path);
  return at == std::string::npos ? path : path.substr(at + 1);
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() && AsciiEqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         AsciiEqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace orvane
