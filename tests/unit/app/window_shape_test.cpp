// Shape texts to window outlines.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "app/window_shape.h"

namespace orvane {
namespace {

// Every pixel the outline keeps, as (x, y); fails the test when two rectangles overlap.
std::set<std::pair<int, int>> KeptPixels(const WindowOutline& outline) {
  std::set<std::pair<int, int>> pixels;
  for (const Bounds& r : outline.Kept)
    for (int y = r.Top; y < r.Top + r.Height; ++y)
      for (int x = r.Left; x < r.Left + r.Width; ++x)
        EXPECT_TRUE(pixels.insert({x, y}).second) << "pixel kept twice: " << x << "," << y;
  return pixels;
}

TEST(WindowShapeTest, RowMarkAndTwoRunsCutTheTopCorners) {
  const auto outline = BuildShapeRegion("01000050Y00010000000400960100");
  ASSERT_TRUE(outline.has_value());
  const auto pixels = KeptPixels(*outline);
  EXPECT_EQ(pixels.size(), 100u * 50u - 8u);
  for (int x : {0, 3, 96, 99}) EXPECT_EQ(pixels.count({x, 0}), 0u) << x;
  for (int x : {4, 50, 95}) EXPECT_EQ(pixels.count({x, 0}), 1u) << x;
  EXPECT_EQ(pixels.count({0, 1}) + pixels.count({99, 49}), 2u);
  // Row 0 keeps one span; rows 1..49 are whole and form one band.
  ASSERT_EQ(outline->Kept.size(), 2u);
  EXPECT_EQ(outline->Kept[0], (Bounds{4, 0, 92, 1}));
  EXPECT_EQ(outline->Kept[1], (Bounds{0, 1, 100, 49}));
}

TEST(WindowShapeTest, RunsStayOnTheirRowUntilTheNextRowMark) {
  // Row 1 loses x 0-1 and 5-6; row 3 loses x 2-7 (clipped to the width of 8).
  // clang-format off
  const auto outline = BuildShapeRegion("00080004" "00000002" "00050007" "Y0003" "00020010");
  // clang-format on
  ASSERT_TRUE(outline.has_value());
  const auto pixels = KeptPixels(*outline);
  EXPECT_EQ(pixels.size(), 32u - 4u - 6u);
  for (const auto& [x, y, kept] :
       {std::tuple{1, 0, 0u}, {2, 0, 1u}, {6, 0, 0u}, {7, 0, 1u}, {1, 2, 1u}, {2, 2, 0u}, {7, 2, 0u}})
    EXPECT_EQ(pixels.count({x, y}), kept) << x << "," << y;
}

TEST(WindowShapeTest, CutsOutsideTheOutlineAndEmptyRunsChangeNothing) {
  // Row mark 0 points above the outline, rows 3 and 9 below it; x1 >= x2 or x1 past the width
  // cuts nothing. The first and the last row (marks 1 and 2) each lose one pixel.
  // clang-format off
  const auto outline = BuildShapeRegion("00040002" "Y0000" "00000004" "Y0003" "00000004" "Y0009" "00000004"
                                        "Y0001" "00030001" "00020002" "00060009" "00000001" "Y0002" "00030004");
  // clang-format on
  ASSERT_TRUE(outline.has_value());
  EXPECT_EQ(KeptPixels(*outline).size(), 6u);
  EXPECT_EQ(outline->Kept, (std::vector<Bounds>{{1, 0, 3, 1}, {0, 1, 3, 1}}));
}

TEST(WindowShapeTest, DamagedTextsKeepWhatWasReadAndNeverReadPastTheEnd) {
  EXPECT_FALSE(BuildShapeRegion("NULL").has_value());
  EXPECT_FALSE(BuildShapeRegion("").has_value());
  EXPECT_FALSE(BuildShapeRegion("00x00010").has_value());

  // A run cut short after a good one: the good cut (0-5) stands, the rest is dropped. A row mark
  // without its digits, a run with a letter in it. The last character alone is never an item (the
  // loop runs while p < length).
  // clang-format off
  const std::tuple<const char*, bool, std::string> rows[] = {
      {"00100010" "00000005" "0000", false, "0-5 "}, {"00100010Y00", false, ""}, {"001000100000000A", false, ""},
      {"001000100", true, ""}};
  // clang-format on
  for (const auto& [text, complete, cuts] : rows) {
    const auto shape = ParseShapeText(text);
    ASSERT_TRUE(shape.has_value()) << text;
    std::string seen;
    for (const ShapeCut& cut : shape->Cuts) seen += std::to_string(cut.X1) + "-" + std::to_string(cut.X2) + " ";
    EXPECT_EQ(std::make_pair(shape->Complete, seen), std::make_pair(complete, cuts)) << text;
  }
}

TEST(WindowShapeTest, TheNumberOfRunsIsBounded) {
  std::string text = "00100010";
  for (size_t i = 0; i < kMaxShapeCuts + 5; ++i) text += "00000001";
  const auto shape = ParseShapeText(text);
  ASSERT_TRUE(shape.has_value());
  EXPECT_EQ(shape->Cuts.size(), kMaxShapeCuts);
  EXPECT_FALSE(shape->Complete);
}

TEST(WindowShapeTest, ZeroSizeGivesAnEmptyOutline) {
  const auto outline = BuildShapeRegion("00000000");
  ASSERT_TRUE(outline.has_value());
  EXPECT_TRUE(outline->Kept.empty());
  // No rows or no width keep nothing, whatever the cuts.
  for (const auto& [width, height] : {std::pair{0, 3}, {3, 0}, {0, 0}, {-1, 3}, {3, -1}})
    EXPECT_TRUE(OutlineFromShape({width, height, {{0, 1, 2}}}).Kept.empty()) << width << " x " << height;
  // {width, height, rectangles}: 1 x 1 is the smallest outline.
  for (const auto& [width, height, rectangles] : {std::tuple{0, 10, 0u}, {10, 0, 0u}, {7, 3, 1u}, {1, 1, 1u}})
    EXPECT_EQ(RectangleOutline(width, height).Kept.size(), rectangles) << width << " x " << height;
}

}  // namespace
}  // namespace orvane
