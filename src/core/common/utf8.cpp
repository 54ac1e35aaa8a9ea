#include "common/utf8.h"

#include <algorithm>

namespace orvane {

namespace {

unsigned char ByteAt(std::string_view text, size_t pos) {
  return static_cast<unsigned char>(text[pos]);
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// What a lead byte announces: the bytes of its sequence (0: not a lead byte) and the range its
// second byte must fall in, which excludes overlong forms, surrogates and code points past
// U+10FFFF.
struct Sequence {
  size_t length;
  int low = 0x80;
  int high = 0xBF;
};

Sequence SequenceOf(unsigned char lead) {
  if (lead < 0x80) return {1};
  if (lead < 0xC2) return {0};
  if (lead < 0xE0) return {2};
  if (lead < 0xF0) return {3, lead == 0xE0 ? 0xA0 : 0x80, lead == 0xED ? 0x9F : 0xBF};
  if (lead < 0xF5) return {4, lead == 0xF0 ? 0x90 : 0x80, lead == 0xF4 ? 0x8F : 0xBF};
  return {0};
}

// Pairs of capital and small letter that sit next to each other, capital first.
bool InPairedRange(char32_t c, char32_t first, char32_t last, bool capitalEven) {
  return c >= first && c <= last && ((c % 2 == 0) != capitalEven);
}

}  // namespace

char32_t DecodeUtf8At(std::string_view text, size_t pos, size_t& length) {
  length = 1;
  const unsigned char lead = ByteAt(text, pos);
  const Sequence sequence = SequenceOf(lead);
  const size_t expected = sequence.length;
  if (expected == 1) return lead;
  if (expected == 0) return kReplacementCharacter;
  char32_t code = lead & (0xFF >> (expected + 1));
  for (size_t i = 1; i < expected; ++i) {
    if (pos + i >= text.size()) return kReplacementCharacter;
    const unsigned char byte = ByteAt(text, pos + i);
    const bool fits =
        i == 1 ? (byte >= sequence.low && byte <= sequence.high) : IsContinuation(byte);
    if (!fits) return kReplacementCharacter;
    code = (code << 6) | (byte & 0x3F);
    length = i + 1;
  }
  return code;
}

// A stored U+FFFD decodes to the same code point as an ill-formed piece but is well-formed.
static bool IllFormedAt(std::string_view text, size_t pos, size_t& length) {
  return DecodeUtf8At(text, pos, length) == kReplacementCharacter &&
         text.substr(pos, length) != "\xEF\xBF\xBD";
}

size_t NextUtf8Character(std::string_view text, size_t pos) {
  if (pos >= text.size()) return text.size();
  size_t length = 1;
  DecodeUtf8At(text, pos, length);
  return pos + length;
}

size_t PreviousUtf8Character(std::string_view text, size_t pos) {
  if (pos == 0 || text.empty()) return 0;
  pos = std::min(pos, text.size());
  // A well-formed character is at most four bytes; the first start whose character ends exactly
  // at pos is the one.
  const size_t earliest = pos >= 4 ? pos - 4 : 0;
  for (size_t start = earliest; start < pos; ++start)
    if (!IsContinuation(ByteAt(text, start)) && NextUtf8Character(text, start) == pos) return start;
  return pos - 1;
}

size_t Utf8CharacterCount(std::string_view text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); pos = NextUtf8Character(text, pos)) ++count;
  return count;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t pos = 0, length = 0; pos < text.size(); pos += length)
    if (IllFormedAt(text, pos, length)) return false;
  return true;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacementCharacter;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string RepairUtf8(std::string_view text, size_t& replaced) {
  replaced = 0;
  std::string out;
  for (size_t pos = 0, length = 0; pos < text.size(); pos += length) {
    if (IllFormedAt(text, pos, length)) {
      ++replaced;
      AppendUtf8(out, kReplacementCharacter);
    } else {
      out.append(text.substr(pos, length));
    }
  }
  return out;
}

char32_t UpperLetter(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if (InPairedRange(c, 0x100, 0x137, true) || InPairedRange(c, 0x14A, 0x177, true)) return c - 1;
  if (InPairedRange(c, 0x139, 0x148, false) || InPairedRange(c, 0x179, 0x17E, false)) return c - 1;
  if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 0x20;  // Greek
  if (c == 0x3C2) return 0x3A3;                                 // final sigma
  if (c == 0x3AC) return 0x386;
  if (c >= 0x3AD && c <= 0x3AF) return c - 0x25;
  if (c == 0x3CC) return 0x38C;
  if (c == 0x3CD || c == 0x3CE) return c - 0x3F;
  if (c >= 0x430 && c <= 0x44F) return c - 0x20;  // Cyrillic
  if (c >= 0x450 && c <= 0x45F) return c - 0x50;
  if (InPairedRange(c, 0x460, 0x481, true) || InPairedRange(c, 0x48A, 0x4BF, true) ||
      InPairedRange(c, 0x4D0, 0x52F, true))
    return c - 1;
  if (InPairedRange(c, 0x4C1, 0x4CE, false)) return c - 1;
  if (c == 0x4CF) return 0x4C0;
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 0x20;  // full-width Latin
  return c;
}

}  // namespace orvane
