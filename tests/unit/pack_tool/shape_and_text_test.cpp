// The outline text and the code pages of stored texts.
#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "tool/source/code_page.h"
#include "tool/source/shape.h"
#include "tool/tool_error.h"

namespace orvane::pack {
namespace {

TEST(ShapeText, RunsAreWrittenRowByRowWithTheirMarks) {
  // A 100 x 50 outline whose top pixel row lacks its first four and last four pixels.
  EXPECT_EQ(FormatShapeText(100, 50, {{0, 96, 100}, {0, 0, 4}}),
            "01000050Y000100000004"
            "00960100");
  EXPECT_EQ(FormatShapeText(3, 2, {{1, 0, 1}, {0, 2, 3}}), "00030002Y000100020003Y000200000001");
  EXPECT_EQ(FormatShapeText(7, 7, {}), "00070007");
  EXPECT_THROW(FormatShapeText(10000, 5, {}), std::invalid_argument);
  EXPECT_THROW(FormatShapeText(10, 5, {{5, 0, 1}}), std::invalid_argument);
  EXPECT_THROW(FormatShapeText(10, 5, {{0, 4, 4}}), std::invalid_argument);
}

TEST(ShapeText, ParsingFindsWhatThePlayerWouldMisread) {
  const ParsedShape good = ParseShapeText("01000050Y00010000000400960100");
  EXPECT_TRUE(good.Problems.empty());
  EXPECT_EQ(good.Width, 100);
  EXPECT_EQ(good.Runs, (std::vector<ShapeRun>{{0, 0, 4}, {0, 96, 100}}));
  // Without a row mark the runs belong to row 1.
  EXPECT_EQ(ParseShapeText("0010001000000002").Runs, (std::vector<ShapeRun>{{0, 0, 2}}));

  for (const char* zero : {"00100000", "00000010"})  // the player reads a side of 0: no outline
    EXPECT_TRUE(ParseShapeText(zero).Problems.empty()) << zero;
  for (const char* unsized : {"NULL", "0010001x", "x0100010"})  // either side not four digits
    EXPECT_EQ(ParseShapeText(unsized).Problems,
              std::vector<std::string>{"does not start with a width and a height of four digits each"});
  EXPECT_FALSE(ParseShapeText("00100010Y0001").Problems.empty());      // mark without run
  EXPECT_FALSE(ParseShapeText("00100010Y00010000").Problems.empty());  // run cut short
  EXPECT_EQ(ParseShapeText("00100010Y000000000001Y001100000001").Problems,
            (std::vector<std::string>{"row 0 at character 9 is outside 1 to the height 10",
                                      "row 11 at character 22 is outside 1 to the height 10"}));
  EXPECT_FALSE(ParseShapeText("00100010000500020").Problems.empty());  // x1 >= x2... and more
  EXPECT_EQ(ParseShapeText("0010001000000012").Problems,
            std::vector<std::string>{"run 0 to 12 at character 9 is empty or outside the width 10"});
  EXPECT_FALSE(ParseShapeText("00100010Y00a100000001").Problems.empty());  // not digits
}

TEST(ShapeText, MaskRunsJoinNeighbouringCutPixels) {
  RgbaImage mask;
  mask.Width = 5;
  mask.Height = 2;
  mask.Rgba.assign(5 * 2 * 4, 255);  // white, opaque
  auto set = [&](int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    uint8_t* p = &mask.Rgba[(y * 5 + x) * 4];
    p[0] = r, p[1] = g, p[2] = b, p[3] = a;
  };
  set(0, 0, 255, 0, 255, 255);
  set(1, 0, 0, 0, 0, 0);
  set(4, 0, 255, 0, 255, 255);
  set(2, 1, 10, 10, 10, 127);
  EXPECT_EQ(ShapeRunsFromMask(mask, 0xFF00FF), (std::vector<ShapeRun>{{0, 0, 2}, {0, 4, 5}, {1, 2, 3}}));
}

TEST(CodePage, EveryByteSurvivesTheWayThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::optional<std::string> back = Utf8ToCp1252(Cp1252ToUtf8(all));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);
  EXPECT_EQ(Utf8ToCp1252("\xC2\xB6"), std::string("\xB6"));      // the message line mark
  EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), std::string("\x80"));  // euro sign
  EXPECT_FALSE(Utf8ToCp1252("\xE2\x86\x92").has_value());        // arrow: not in the code page
  EXPECT_FALSE(Utf8ToCp1252("\xC2").has_value());                // cut short
  EXPECT_FALSE(Utf8ToCp1252("\xC2\x80").has_value());            // U+0080: byte 0x80 is the euro
  EXPECT_FALSE(Utf8ToCp1252("\xF0\x9F\x98\x80").has_value());

  // Each code page of menus made elsewhere, both ways: bytes, the text they stand for.
  const std::tuple<int, std::string, std::string> pages[] = {
      {874, "\xA1", "\xE0\xB8\x81"},                          // Thai ko kai
      {932, "\x93\xFA\x96\x7B", "\xE6\x97\xA5\xE6\x9C\xAC"},  // 日本
      {936, "\xD6\xD0", "\xE4\xB8\xAD"},                      // 中
      {949, "\xC7\xD1", "\xED\x95\x9C"},                      // 한
      {950, "\xA4\xA4", "\xE4\xB8\xAD"},                      // 中
      {1250, "\x8A", "\xC5\xA0"},                             // Š
      {1251, "\xDF", "\xD0\xAF"},                             // Я
      {1253, "\xE1", "\xCE\xB1"},                             // α
      {1254, "\xF0", "\xC4\x9F"},                             // ğ
      {1255, "\xE0", "\xD7\x90"},                             // א
      {1256, "\xC7", "\xD8\xA7"},                             // ا
      {1257, "\xE0", "\xC4\x85"},                             // ą
      {1258, "\xD0", "\xC4\x90"},                             // Đ
      {1252, "\x81\x80", "\xC2\x81\xE2\x82\xAC"},             // an undefined byte keeps its number
  };
  for (const auto& [number, bytes, utf8] : pages) {
    const std::unique_ptr<CodePage> page = MakeCodePage(number);
    EXPECT_EQ(page->ToUtf8("a" + bytes), "a" + utf8) << number;
    const EncodedText back = page->FromUtf8(utf8 + "b");
    EXPECT_EQ(back.Bytes, bytes + "b") << number;
    EXPECT_FALSE(back.Missing.has_value()) << number;
    EXPECT_EQ(CodePageOfName(CodePageName(number)), number);
  }
  // A byte that stands for nothing shows as U+FFFD and the rest goes on; a character the page
  // lacks is named.
  EXPECT_EQ(MakeCodePage(1253)->ToUtf8("\xAA"
                                       "a"),
            "\xEF\xBF\xBD"
            "a");
  EXPECT_EQ(MakeCodePage(932)->ToUtf8("a\x93"), "a\xEF\xBF\xBD");  // cut inside a pair
  EXPECT_EQ(MakeCodePage(1251)->FromUtf8("ab\xCE\xB1").Missing, std::optional<char32_t>(0x3B1));
  EXPECT_EQ(DescribeCharacter(0x3B1), "U+03B1 (\xCE\xB1)");
  EXPECT_EQ(DescribeCharacter(0x1F600), "U+1F600 (\xF0\x9F\x98\x80)");
  EXPECT_EQ(DescribeCharacter(0x85), "U+0085");  // a control character is only named
  EXPECT_THROW(MakeCodePage(1259), ToolError);
  EXPECT_EQ(CodePageOfName("Windows-1251"), 1251);
  for (const char* unknown : {"windows-437", "windows-", "windows-01252", "windows-12a2", "window", ""})
    EXPECT_EQ(CodePageOfName(unknown), 0) << unknown;
  EXPECT_EQ(CodePageOfName("WINDOWS-0932"), 932);
}

}  // namespace
}  // namespace orvane::pack
