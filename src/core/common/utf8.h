#pragma once
// UTF-8, the one encoding of texts inside the player. Ill-formed bytes are never trusted: each
// maximal ill-formed piece counts as one character, so stepping through any byte string ends.
#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// The character that starts at pos (pos < text.size()): its code point, or
// kReplacementCharacter for an ill-formed piece; length receives the bytes it takes (at least 1).
char32_t DecodeUtf8At(std::string_view text, size_t pos, size_t& length);
// Where the character that starts at pos ends; text.size() at or past the end.
size_t NextUtf8Character(std::string_view text, size_t pos);
// Where the character that ends at pos starts; 0 at or before the start.
size_t PreviousUtf8Character(std::string_view text, size_t pos);
size_t Utf8CharacterCount(std::string_view text);
bool IsValidUtf8(std::string_view text);
void AppendUtf8(std::string& out, char32_t codePoint);
// The text with every ill-formed piece replaced by U+FFFD; replaced receives how many there were.
std::string RepairUtf8(std::string_view text, size_t& replaced);
// The capital of a letter in the alphabets a menu is likely to use (Latin, Greek, Cyrillic and
// the full-width Latin letters), as Windows compares access letters; other code points stay.
char32_t UpperLetter(char32_t c);

}  // namespace orvane
