#include "actions/error_flags.h"

#include <string_view>
#include <vector>

#include "common/text.h"

namespace orvane {

namespace {

constexpr char kErrorFlagsFile[] = "err.txt";
constexpr int kFlagLines = 3;
// Three boolean lines fit many times over; a larger file is read only this far.
constexpr size_t kMaxErrorFlagsBytes = 4096;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number: sign, digits with an optional fraction, optional exponent. Its truth is
// decided on the digits alone, so no value can overflow. A view, not a string: a read at its end
// is stopped by the checked native build instead of yielding the string's terminating zero.
std::optional<bool> ParseNumberTruth(std::string_view text) {
  size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  bool anyDigit = false;
  bool nonZero = false;
  for (; at < text.size() && IsDigit(text[at]); ++at) {
    anyDigit = true;
    nonZero = nonZero || text[at] != '0';
  }
  if (at < text.size() && text[at] == '.') {
    for (++at; at < text.size() && IsDigit(text[at]); ++at) {
      anyDigit = true;
      nonZero = nonZero || text[at] != '0';
    }
  }
  if (!anyDigit) return std::nullopt;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (at >= text.size() || !IsDigit(text[at])) return std::nullopt;
    while (at < text.size() && IsDigit(text[at])) ++at;
  }
  if (at != text.size()) return std::nullopt;
  return nonZero;
}

std::vector<std::string> SplitLines(const std::string& content, int count) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (static_cast<int>(lines.size()) < count && at < content.size()) {
    size_t end = content.find_first_of("\r\n", at);
    if (end == std::string::npos) end = content.size();
    lines.push_back(content.substr(at, end - at));
    if (content.compare(end, 2, "\r\n") == 0) ++end;
    at = end + 1;
  }
  // Missing lines read as empty texts, which are not boolean texts.
  lines.resize(count);
  return lines;
}

std::optional<std::string> ReadHead(FileOpener& opener, const std::string& path) {
  auto file = opener.OpenRead(path);
  if (!file) return std::nullopt;
  std::string content(kMaxErrorFlagsBytes, '\0');
  content.resize(file->Read(content.data(), content.size()));
  return content;
}

}  // namespace

std::optional<bool> ParseBooleanText(const std::string& text) {
  const std::string trimmed = TrimBlanks(text);
  if (AsciiEqualsNoCase(trimmed, "true")) return true;
  if (AsciiEqualsNoCase(trimmed, "false")) return false;
  return ParseNumberTruth(trimmed);
}

ErrorFlags LoadErrorFlags(const std::string& applicationFolder, FileSystem& files,
                          FileOpener& opener, const CodePageDecoder& systemCodePage,
                          MessageDialog& dialog, const std::string& dialogCaption) {
  ErrorFlags flags;
  const std::string path = applicationFolder + kErrorFlagsFile;
  auto attributes = files.GetAttributes(path);
  if (!attributes || attributes->Directory) return flags;
  // A file that exists but cannot be read changes nothing: the messages stay on.
  auto content = ReadHead(opener, path);
  if (!content) return flags;

  bool* targets[kFlagLines] = {&flags.ShowFileNotFound, &flags.ShowNoViewer, nullptr};
  const std::vector<std::string> lines = SplitLines(systemCodePage.ToUtf8(*content), kFlagLines);
  for (int i = 0; i < kFlagLines; ++i) {
    std::optional<bool> value = ParseBooleanText(lines[i]);
    if (!value) {
      dialog.Show("'" + lines[i] + "' is not a valid boolean value", MessageKind::Error, mb::OK, 0,
                  -1, dialogCaption);
      break;
    }
    if (targets[i]) *targets[i] = *value;
  }
  return flags;
}

}  // namespace orvane
