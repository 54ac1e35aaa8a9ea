#pragma once
// The player holds its texts in UTF-8; Windows takes and gives UTF-16. These are the only places
// where one becomes the other, right at the calls into Windows.
#include <string>
#include <string_view>

#include "menudata/text_encoding.h"

namespace orvane {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// The computer's own 8-bit code page (CP_ACP), in which menus without the UTF-8 mark and
// "err.txt" are written.
class SystemCodePageDecoder : public CodePageDecoder {
 public:
  std::string ToUtf8(std::string_view bytes) const override;
};

}  // namespace orvane
