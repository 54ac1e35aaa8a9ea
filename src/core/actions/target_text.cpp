#include "actions/target_text.h"

#include "common/text.h"

namespace orvane {

namespace {
constexpr char kLineMark = static_cast<char>(0xB6);
constexpr char kDriveMacro[] = "%CD%";
constexpr size_t kDriveMacroLength = 4;

size_t LastSeparator(const std::string& path) { return path.find_last_of("\\:"); }
}  // namespace

std::string ConvertLineMarks(std::string text) {
  for (char& c : text)
    if (c == kLineMark) c = '\r';
  return text;
}

std::string NormalizeSlashes(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string ExpandDriveMacro(std::string text, const std::string& applicationFolder) {
  const std::string drive = applicationFolder.substr(0, 1);
  // Every replacement shortens the text by at least three characters, so this ends.
  for (size_t at = text.find(kDriveMacro); at != std::string::npos; at = text.find(kDriveMacro))
    text.replace(at, kDriveMacroLength, drive);
  return text;
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
  return text.size() >= prefix.size() &&
         AsciiEqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         AsciiEqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace orvane
