#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/debug_trace.h"
#include "common/qbcolor.h"
#include "common/text.h"

namespace orvane {
namespace {

class RecordingOutput : public DebugOutput {
 public:
  void Write(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

TEST(Text, CaseRulesTouchOnlyAsciiLetters) {
  EXPECT_EQ(AsciiLower("MeNu-\xC4.MNU"), "menu-\xC4.mnu");
  EXPECT_EQ(AsciiUpper("abc\xe4z"), "ABC\xe4Z");
  EXPECT_TRUE(AsciiEqualsNoCase("Second.MNU", "second.mnu"));
  EXPECT_FALSE(AsciiEqualsNoCase("\xC4", "\xE4"));
  EXPECT_FALSE(AsciiEqualsNoCase("main", "main "));
}

TEST(Text, TrimDropsControlCharactersAndBlanksAtBothEnds) {
  EXPECT_EQ(TrimControl(std::string("\0\t main.mnu  \x1f", 14)), "main.mnu");
  EXPECT_EQ(TrimControl("a b"), "a b");
  EXPECT_EQ(TrimControl("   "), "");
  EXPECT_EQ(TrimControl("\x7f"), "\x7f");
  EXPECT_EQ(TrimControl("!a!"), "!a!");  // only codes 0 to 32 are trimmed
}

// %.*d and %0*X: zero itself, the width met exactly, one short and exceeded, both signs.
TEST(Text, ZeroPaddedNumbersMatchThePrintfFormatsTheyReplace) {
  const struct {
    int32_t value;
    size_t digits;
    const char* text;
  } decimals[] = {{0, 0, "0"},     {0, 3, "000"},        {-1, 0, "-1"},       {7, 3, "007"},
                  {123, 3, "123"}, {12, 3, "012"},       {1234, 3, "1234"},   {-5, 3, "-005"},
                  {INT32_MIN, 3, "-2147483648"},         {INT32_MAX, 0, "2147483647"}};
  for (const auto& d : decimals) EXPECT_EQ(ZeroPaddedDecimal(d.value, d.digits), d.text) << d.value;
  const struct {
    uint32_t value;
    size_t digits;
    const char* text;
  } hexes[] = {{0, 0, "0"}, {0, 4, "0000"}, {0xA, 1, "A"}, {0x4B0, 4, "04B0"}, {0xFFFFFFFFu, 4, "FFFFFFFF"}};
  for (const auto& h : hexes) EXPECT_EQ(ZeroPaddedHex(h.value, h.digits), h.text) << h.value;
}

TEST(DebugTrace, MarksTheTextAndUsesTheNumberForAnEmptyText) {
  RecordingOutput out;
  DebugTrace(out, "", 7);
  DebugTrace(out, "AppMajor: 5", 99);
  ASSERT_EQ(out.lines.size(), 2u);
  EXPECT_EQ(out.lines[0], "**** 7 **** ");
  EXPECT_EQ(out.lines[1], "**** AppMajor: 5 **** ");
}

TEST(QBColor, MapsTheSixteenColoursAndTracesEveryCall) {
  RecordingOutput out;
  const ColourValue expected[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                    0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                    0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  for (uint32_t i = 0; i < 16; ++i) EXPECT_EQ(QBColor(i, out), expected[i]) << i;
  EXPECT_EQ(QBColor(16, out), 0u);
  EXPECT_EQ(QBColor(0xFFFFFFFFu, out), 0u);
  ASSERT_EQ(out.lines.size(), 18u);
  EXPECT_EQ(out.lines[7], "**** QBColor Called for: 7 **** ");
}

TEST(ComposeColour, UsesOnlyTheLowByteOfEachComponent) {
  EXPECT_EQ(ComposeColour(0x12, 0x34, 0x56), 0x563412u);
  EXPECT_EQ(ComposeColour(0x1FF, -1, 0x100), 0x00FFFFu);
}

}  // namespace
}  // namespace orvane
