#include "common/text.h"

#include <algorithm>

namespace orvane {

namespace {
char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
}  // namespace

std::string AsciiLower(std::string text) {
  for (char& c : text) c = LowerAscii(c);
  return text;
}

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string AsciiUpper(std::string text) {
  for (char& c : text) c = UpperAscii(c);
  return text;
}

bool AsciiEqualsNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

std::string TrimControl(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsControlOrBlank(text[first])) ++first;
  while (last > first && IsControlOrBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string ZeroPaddedDecimal(int32_t value, size_t digits) {
  // Counted in 64 bits so that the lowest int32_t has a magnitude too.
  uint64_t magnitude = value < 0 ? uint64_t{0} - static_cast<uint64_t>(int64_t{value})
                                 : static_cast<uint64_t>(value);
  std::string text;
  do {
    text.insert(text.begin(), static_cast<char>('0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return value < 0 ? "-" + text : text;
}

std::string ZeroPaddedHex(uint32_t value, size_t digits) {
  std::string text;
  do {
    text.insert(text.begin(), "0123456789ABCDEF"[value & 0xFu]);
    value >>= 4;
  } while (value != 0);
  if (text.size() < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

}  // namespace orvane
