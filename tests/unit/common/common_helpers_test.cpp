#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/debug_trace.h"
#include "common/qbcolor.h"
#include "common/text.h"
#include "common/utf8.h"
#include "support/recording_trace.h"

namespace orvane {
namespace {

using testing::RecordingTrace;

TEST(Text, CaseRulesTouchOnlyAsciiLettersAndTrimOnlyCodesUpTo32) {
  EXPECT_EQ(AsciiLower("MeNu-\xC4.MNU"), "menu-\xC4.mnu");
  EXPECT_EQ(AsciiUpper("abc\xe4z"), "ABC\xe4Z");
  EXPECT_EQ(AsciiLower("@AZ[`az{") + AsciiUpper("@AZ[`az{"), "@az[`az{@AZ[`AZ{");  // each edge and one past
  EXPECT_TRUE(AsciiEqualsNoCase("Second.MNU", "second.mnu"));
  EXPECT_FALSE(AsciiEqualsNoCase("\xC4", "\xE4"));
  EXPECT_FALSE(AsciiEqualsNoCase("main", "main "));
  // Trimming drops control characters and blanks at both ends.
  EXPECT_EQ(TrimControl(std::string("\0\t main.mnu  \x1f", 14)), "main.mnu");
  EXPECT_EQ(TrimControl("a b"), "a b");
  EXPECT_EQ(TrimControl("   "), "");
  EXPECT_EQ(TrimControl("\x7f"), "\x7f");
  EXPECT_EQ(TrimControl("!a!"), "!a!");  // only codes 0 to 32 are trimmed
}

// %.*d and %0*X: zero itself, the width met exactly, one short and exceeded, both signs.
TEST(Text, ZeroPaddedNumbersMatchThePrintfFormatsTheyReplace) {
  // clang-format off
  const std::tuple<int32_t, size_t, const char*> decimals[] = {
      {0, 0, "0"}, {0, 3, "000"}, {-1, 0, "-1"}, {7, 3, "007"}, {123, 3, "123"}, {12, 3, "012"}, {1234, 3, "1234"},
      {-5, 3, "-005"}, {INT32_MIN, 3, "-2147483648"}, {INT32_MAX, 0, "2147483647"}};
  const std::tuple<uint32_t, size_t, const char*> hexes[] = {
      {0, 0, "0"}, {0, 4, "0000"}, {0xA, 1, "A"}, {0x4B0, 4, "04B0"}, {0xFFFFFFFFu, 4, "FFFFFFFF"}};
  // clang-format on
  for (const auto& [value, digits, text] : decimals) EXPECT_EQ(ZeroPaddedDecimal(value, digits), text) << value;
  for (const auto& [value, digits, text] : hexes) EXPECT_EQ(ZeroPaddedHex(value, digits), text) << value;
}

// A trace marks its text and uses the number for an empty text; QBColor traces every call.
TEST(DebugTrace, MarksTheTextAndQBColorMapsTheSixteenColoursAndTracesEveryCall) {
  RecordingTrace out;
  DebugTrace(out, "", 7);
  DebugTrace(out, "AppMajor: 5", 99);
  DebugTrace(out, "No number");
  EXPECT_EQ(out.lines, (std::vector<std::string>{"**** 7 **** ", "**** AppMajor: 5 **** ", "**** No number **** "}));
  out.lines.clear();
  const ColourValue expected[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (uint32_t i = 0; i < 16; ++i) EXPECT_EQ(QBColor(i, out), expected[i]) << i;
  EXPECT_EQ(QBColor(16, out), 0u);
  EXPECT_EQ(QBColor(0xFFFFFFFFu, out), 0u);
  ASSERT_EQ(out.lines.size(), 18u);
  EXPECT_EQ(out.lines[7], "**** QBColor Called for: 7 **** ");
}

TEST(ComposeColour, UsesOnlyTheLowByteOfEachComponentAndConvertsBetweenTheTwoOrders) {
  EXPECT_EQ(ComposeColour(0x12, 0x34, 0x56), 0x563412u);
  EXPECT_EQ(ComposeColour(0x1FF, -1, 0x100), 0x00FFFFu);
  EXPECT_EQ(PixelOfRgb(0x12, 0x34, 0x156), 0x123456u);
  EXPECT_EQ(SwapRedBlue(0xAB123456u), 0x563412u);
  EXPECT_EQ(HexRgb(0xFF0A0B0Cu), "#0A0B0C");
}

TEST(Utf8, StepsByWholeCharactersAndNeverSticksOnIllFormedBytes) {
  // The boundaries each text's characters start at, walked forwards and backwards, and how many
  // ill-formed pieces it holds.
  struct Row {
    const char* text;
    std::vector<size_t> starts;
    size_t illFormed;
    // clang-format off
  } rows[] = {
      {"ab", {0, 1}, 0},
      {"\xD0\x91\xCE\xB1\xE6\x97\xA5\xF0\x9F\x98\x80", {0, 2, 4, 7}, 0},  // Б α 日 😀
      {"\xEF\xBF\xBD", {0}, 0},                          // a stored U+FFFD
      {"\xC3(", {0, 1}, 1},                               // lead without continuation
      {"\xE6\x97", {0}, 1},                              // cut short: one piece
      {"\x80\x80", {0, 1}, 2},                           // lone continuations
      {"\xC0\xAF", {0, 1}, 2},                           // overlong "/"
      {"\xED\xA0\x80", {0, 1, 2}, 3},                   // a surrogate
      {"\xF4\x90\x80\x80", {0, 1, 2, 3}, 4},           // past U+10FFFF
      {"\xFF\xD0\x91", {0, 1}, 1},
      // Each lead byte range and each second-byte range at its first and last byte and one past.
      {"\x7F\xC2\x80\xDF\xBF", {0, 1, 3}, 0},
      {"\xC1\x80", {0, 1}, 2},                           // below the first lead byte
      {"\xC2\x7F\xDF\xC0", {0, 1, 2, 3}, 3},           // second bytes below and above the range
      {"\xE0\xA0\x80\xEF\xBF\xBF\xED\x9F\xBF", {0, 3, 6}, 0},
      {"\xE0\x9F\x80", {0, 1, 2}, 3},                   // overlong
      {"\xE1\x80\xC0", {0, 2}, 2},                      // third byte no continuation
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", {0, 4}, 0},
      {"\xF0\x8F\xBF\xBF", {0, 1, 2, 3}, 4},           // overlong
      {"\xF5\x80\x80\x80", {0, 1, 2, 3}, 4},           // past the last lead byte
  };
  // clang-format on
  for (const Row& row : rows) {
    const std::string text = row.text;
    SCOPED_TRACE(::testing::PrintToString(text));
    std::vector<size_t> forward;
    for (size_t pos = 0; pos < text.size(); pos = NextUtf8Character(text, pos)) forward.push_back(pos);
    EXPECT_EQ(forward, row.starts);
    std::vector<size_t> backward;
    for (size_t pos = text.size(); pos > 0;) backward.insert(backward.begin(), pos = PreviousUtf8Character(text, pos));
    EXPECT_EQ(backward, row.starts);
    EXPECT_EQ(PreviousUtf8Character(text, 0) + NextUtf8Character(text, text.size()), text.size()) << "both ends";
    EXPECT_EQ(PreviousUtf8Character(text, text.size() + 3), row.starts.back()) << "from past the end";
    EXPECT_EQ(Utf8CharacterCount(text), row.starts.size());
    EXPECT_EQ(IsValidUtf8(text), row.illFormed == 0);
    size_t replaced = 99;  // the count starts afresh
    const std::string repaired = RepairUtf8(text, replaced);
    EXPECT_EQ(replaced, row.illFormed);
    EXPECT_TRUE(IsValidUtf8(repaired));
  }
  std::string encoded;
  for (char32_t c : {U'A', U'\u00E9', U'\u0416', U'\u65E5', U'\U0001F600', char32_t{0xD800}}) AppendUtf8(encoded, c);
  EXPECT_EQ(encoded, "A\xC3\xA9\xD0\x96\xE6\x97\xA5\xF0\x9F\x98\x80\xEF\xBF\xBD");
  size_t length = 0;
  EXPECT_EQ(DecodeUtf8At(encoded, 5, length), U'\u65E5');
  EXPECT_EQ(length, 3u);
  // Each length of encoding at its first and last code point; surrogates and what lies past
  // U+10FFFF become U+FFFD.
  // clang-format off
  const std::pair<char32_t, std::string> encodings[] = {
      {0x7F, "\x7F"},          {0x80, "\xC2\x80"},          {0x7FF, "\xDF\xBF"},
      {0x800, "\xE0\xA0\x80"},  {0xFFFF, "\xEF\xBF\xBF"},     {0x10000, "\xF0\x90\x80\x80"},
      {0x10FFFF, "\xF4\x8F\xBF\xBF"}, {0x110000, "\xEF\xBF\xBD"}, {0xD7FF, "\xED\x9F\xBF"},
      {0xD800, "\xEF\xBF\xBD"},  {0xDFFF, "\xEF\xBF\xBD"},    {0xE000, "\xEE\x80\x80"}};
  // clang-format on
  for (const auto& [c, bytes] : encodings) {
    std::string out;
    AppendUtf8(out, c);
    EXPECT_EQ(out, bytes) << uint32_t{c};
    EXPECT_EQ(DecodeUtf8At(out, 0, length), bytes == "\xEF\xBF\xBD" ? kReplacementCharacter : c);
    EXPECT_EQ(length, bytes.size());
  }
}

TEST(Utf8, CapitalsOfTheLettersAccessKeysUse) {
  // clang-format off
  const std::pair<char32_t, char32_t> rows[] = {
      {U'a', U'A'},         {U'Z', U'Z'},         {U'\u00E4', U'\u00C4'}, {U'\u00F7', U'\u00F7'},
      {U'\u00FF', U'\u0178'}, {U'\u00DF', U'\u00DF'}, {U'\u0105', U'\u0104'}, {U'\u0142', U'\u0141'},
      {U'\u017C', U'\u017B'}, {U'\u03B1', U'\u0391'}, {U'\u03C2', U'\u03A3'}, {U'\u03AC', U'\u0386'},
      {U'\u03CE', U'\u038F'}, {U'\u0443', U'\u0423'}, {U'\u044F', U'\u042F'}, {U'\u0451', U'\u0401'},
      {U'\u0457', U'\u0407'}, {U'\u0491', U'\u0490'}, {U'\u0416', U'\u0416'}, {U'\u65E5', U'\u65E5'},
      {U'\uFF41', U'\uFF21'}, {U'1', U'1'},       {U'z', U'Z'},         {U'`', U'`'},           {U'{', U'{'},
      {U'\u0450', U'\u0400'}, {U'\u045F', U'\u040F'}, {U'\u00E0', U'\u00C0'}, {U'\u0461', U'\u0460'},
      {U'\u04C2', U'\u04C1'},
      // Every range at its first and last letter and one past each side.
      {0xF6, 0xD6},   {0xF8, 0xD8},   {0xFE, 0xDE},   {0x100, 0x100}, {0x101, 0x100}, {0x137, 0x136},
      {0x138, 0x138}, {0x139, 0x139}, {0x13A, 0x139}, {0x148, 0x147}, {0x149, 0x149}, {0x14A, 0x14A},
      {0x14B, 0x14A}, {0x177, 0x176}, {0x178, 0x178}, {0x179, 0x179}, {0x17A, 0x179}, {0x17E, 0x17D},
      {0x17F, 0x17F}, {0x3AB, 0x3AB}, {0x3AD, 0x388}, {0x3AF, 0x38A}, {0x3B0, 0x3B0}, {0x3C1, 0x3A1},
      {0x3C3, 0x3A3}, {0x3CB, 0x3AB}, {0x3CC, 0x38C}, {0x3CD, 0x38E}, {0x3CF, 0x3CF}, {0x42F, 0x42F},
      {0x430, 0x410}, {0x460, 0x460}, {0x481, 0x480}, {0x482, 0x482}, {0x489, 0x489}, {0x48A, 0x48A},
      {0x48B, 0x48A}, {0x4BF, 0x4BE}, {0x4C0, 0x4C0}, {0x4C1, 0x4C1}, {0x4CE, 0x4CD}, {0x4CF, 0x4C0},
      {0x4D0, 0x4D0}, {0x4D1, 0x4D0}, {0x52F, 0x52E}, {0x530, 0x530}, {0xFF40, 0xFF40}, {0xFF5A, 0xFF3A},
      {0xFF5B, 0xFF5B}};
  // clang-format on
  for (const auto& [small, capital] : rows) EXPECT_EQ(UpperLetter(small), capital) << uint32_t{small};
}

}  // namespace
}  // namespace orvane
