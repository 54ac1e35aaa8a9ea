#pragma once
// Menu texts are 8-bit strings in a Windows code page, or UTF-8 in a menu that carries the mark;
// sources are UTF-8 JSON. Code page 1252, the one the tool writes, is mapped one to one over all
// 256 bytes here (the five bytes that 1252 leaves undefined stand for the C1 control characters of
// the same number), so every stored text survives a dump and a build. The other code pages, for
// menus made elsewhere, are the system's own converters (iconv, or Windows itself).
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "menudata/text_encoding.h"

namespace orvane::pack {

std::string Cp1252ToUtf8(const std::string& bytes);
// Empty optional when the text is not valid UTF-8 or holds a character outside the code page.
std::optional<std::string> Utf8ToCp1252(const std::string& utf8);

constexpr int kDefaultCodePage = 1252;
// 874, 932, 936, 949, 950 and 1250 to 1258: the Windows code pages of the world's 8-bit menus.
bool IsKnownCodePage(int codePage);
extern const char kKnownCodePages[];  // the list above as a reader sees it
// "windows-1251": how a source and a dump name a code page.
std::string CodePageName(int codePage);
// The code page of "windows-NNNN" (any letter case), or 0.
int CodePageOfName(const std::string& name);

struct EncodedText {
  std::string Bytes;
  // The first character that the code page lacks, when there is one (Bytes is then unusable).
  std::optional<char32_t> Missing;
};

// One code page both ways. ToUtf8 gives U+FFFD for a byte sequence that stands for no character.
class CodePage : public CodePageDecoder {
 public:
  virtual EncodedText FromUtf8(std::string_view utf8) const = 0;
  virtual int Number() const = 0;
};

// Throws ToolError for a code page outside the known ones.
std::unique_ptr<CodePage> MakeCodePage(int codePage);

// The system's converter for a known code page other than 1252 (code_page_iconv.cpp on POSIX
// systems, code_page_windows.cpp on Windows).
std::unique_ptr<CodePage> MakeSystemCodePage(int codePage);

// "U+0423 (У)": a character as an error message names it.
std::string DescribeCharacter(char32_t c);

}  // namespace orvane::pack
