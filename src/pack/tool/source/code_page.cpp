#include "tool/source/code_page.h"

#include <cstdint>
#include <cstdio>

#include "common/text.h"
#include "common/utf8.h"
#include "tool/tool_error.h"

namespace orvane::pack {

namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones keep their own number.
constexpr uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

uint32_t CodePointOf(uint8_t byte) {
  return (byte >= 0x80 && byte < 0xA0) ? kHighControls[byte - 0x80] : byte;
}

std::optional<uint8_t> ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<uint8_t>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == cp) return static_cast<uint8_t>(0x80 + i);
  return std::nullopt;
}

class Cp1252 : public CodePage {
 public:
  std::string ToUtf8(std::string_view bytes) const override {
    return Cp1252ToUtf8(std::string(bytes));
  }
  EncodedText FromUtf8(std::string_view utf8) const override {
    EncodedText out;
    for (size_t i = 0; i < utf8.size();) {
      size_t length = 0;
      const char32_t c = DecodeUtf8At(utf8, i, length);
      const std::optional<uint8_t> byte = ByteOf(c);
      if (!byte || (c == kReplacementCharacter)) {
        out.Missing = c;
        return out;
      }
      out.Bytes += static_cast<char>(*byte);
      i += length;
    }
    return out;
  }
  int Number() const override { return kDefaultCodePage; }
};

}  // namespace

std::string Cp1252ToUtf8(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) AppendUtf8(out, CodePointOf(static_cast<uint8_t>(c)));
  return out;
}

std::optional<std::string> Utf8ToCp1252(const std::string& utf8) {
  if (!IsValidUtf8(utf8)) return std::nullopt;
  EncodedText encoded = Cp1252().FromUtf8(utf8);
  if (encoded.Missing) return std::nullopt;
  return encoded.Bytes;
}

const char kKnownCodePages[] = "874, 932, 936, 949, 950 and 1250 to 1258";

bool IsKnownCodePage(int codePage) {
  return codePage == 874 || codePage == 932 || codePage == 936 || codePage == 949 ||
         codePage == 950 || (codePage >= 1250 && codePage <= 1258);
}

std::string CodePageName(int codePage) { return "windows-" + std::to_string(codePage); }

int CodePageOfName(const std::string& name) {
  const std::string prefix = "windows-";
  // "windows-" alone gives number 0, which is no code page.
  if (name.size() > prefix.size() + 4 || AsciiLower(name.substr(0, prefix.size())) != prefix)
    return 0;
  int number = 0;
  for (size_t i = prefix.size(); i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return 0;
    number = number * 10 + (name[i] - '0');
  }
  return IsKnownCodePage(number) ? number : 0;
}

std::unique_ptr<CodePage> MakeCodePage(int codePage) {
  if (!IsKnownCodePage(codePage))
    throw ToolError("", "",
                    "code page " + std::to_string(codePage) + " is none of " + kKnownCodePages);
  if (codePage == kDefaultCodePage) return std::make_unique<Cp1252>();
  return MakeSystemCodePage(codePage);
}

std::string DescribeCharacter(char32_t c) {
  char number[16];
  std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(c));
  std::string shown;
  if (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)) AppendUtf8(shown, c);
  return shown.empty() ? number : std::string(number) + " (" + shown + ")";
}

}  // namespace orvane::pack
