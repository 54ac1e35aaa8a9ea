#pragma once
// A code page for tests: each byte is the code point of the same number (ISO 8859-1), and every
// text it was given is recorded.
#include <string>
#include <string_view>
#include <vector>

#include "common/utf8.h"
#include "menudata/text_encoding.h"

namespace orvane {

class Latin1Decoder : public CodePageDecoder {
 public:
  std::string ToUtf8(std::string_view bytes) const override {
    Seen.emplace_back(bytes);
    std::string out;
    for (char c : bytes) AppendUtf8(out, static_cast<unsigned char>(c));
    return out;
  }
  mutable std::vector<std::string> Seen;
};

}  // namespace orvane
