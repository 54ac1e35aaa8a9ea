// The code pages of menus made elsewhere, through Windows' own converters.
#ifdef _WIN32
#include <windows.h>

#include <string>

#include "common/utf8.h"
#include "tool/source/code_page.h"
#include "tool/tool_error.h"

namespace orvane::pack {

namespace {

std::wstring Wide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int n =
      MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0)
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
  return wide;
}

// Bytes of wide text in a code page; usedDefault is set when a character had no place in it.
std::string Narrow(UINT codePage, const std::wstring& wide, bool& usedDefault) {
  usedDefault = false;
  if (wide.empty()) return {};
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL defaulted = FALSE;
  BOOL* used = utf8 ? nullptr : &defaulted;
  const int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()),
                                    nullptr, 0, nullptr, used);
  std::string bytes(static_cast<size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                        n, nullptr, used);
  usedDefault = defaulted != FALSE;
  return bytes;
}

class WindowsCodePage : public CodePage {
 public:
  explicit WindowsCodePage(int number) : number_(number) {
    if (!IsValidCodePage(static_cast<UINT>(number)))
      throw ToolError("", "",
                      "this Windows has no converter for code page " + std::to_string(number));
  }

  // One character at a time, so that a byte standing for nothing gives U+FFFD here as it does
  // through iconv, rather than a private-use character or the page's default.
  std::string ToUtf8(std::string_view bytes) const override {
    const UINT page = static_cast<UINT>(number_);
    std::string out;
    for (size_t i = 0; i < bytes.size();) {
      const size_t n = IsDBCSLeadByteEx(page, static_cast<BYTE>(bytes[i])) ? 2 : 1;
      wchar_t wide[4];
      const int got = i + n <= bytes.size()
                          ? MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data() + i,
                                                static_cast<int>(n), wide, 4)
                          : 0;
      bool defined = got > 0;
      for (int k = 0; k < got; ++k) defined = defined && !(wide[k] >= 0xE000 && wide[k] <= 0xF8FF);
      if (!defined) {
        AppendUtf8(out, kReplacementCharacter);
        ++i;
        continue;
      }
      for (int k = 0; k < got; ++k) AppendUtf8(out, static_cast<char32_t>(wide[k]));
      i += n;
    }
    return out;
  }

  EncodedText FromUtf8(std::string_view utf8) const override {
    EncodedText out;
    bool defaulted = false;
    out.Bytes = Narrow(static_cast<UINT>(number_), Wide(CP_UTF8, utf8), defaulted);
    if (!defaulted) return out;
    // Find the first character without a place, one character at a time.
    for (size_t i = 0; i < utf8.size();) {
      size_t length = 0;
      const char32_t c = DecodeUtf8At(utf8, i, length);
      Narrow(static_cast<UINT>(number_), Wide(CP_UTF8, utf8.substr(i, length)), defaulted);
      if (defaulted) {
        out.Missing = c;
        break;
      }
      i += length;
    }
    return out;
  }

  int Number() const override { return number_; }

 private:
  int number_;
};

}  // namespace

std::unique_ptr<CodePage> MakeSystemCodePage(int codePage) {
  return std::make_unique<WindowsCodePage>(codePage);
}

}  // namespace orvane::pack
#endif
