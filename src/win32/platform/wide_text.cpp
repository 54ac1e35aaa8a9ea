#include "wide_text.h"

#include <windows.h>

#include <climits>

namespace orvane {

namespace {

// Texts longer than an int can count are cut there; no menu text comes near it.
int CountOf(size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

std::wstring ToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  const int count = CountOf(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), count, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), count, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring Wide(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return std::string();
  const int count = CountOf(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string utf8(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), count, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::string SystemCodePageDecoder::ToUtf8(std::string_view bytes) const {
  return Utf8(ToWide(CP_ACP, bytes));
}

}  // namespace orvane
