// Placement codes, the title scroller, the command-line menu name and control names.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "app/menu_name.h"
#include "app/placement.h"
#include "app/title_scroller.h"

namespace orvane {
namespace {

// Every code on a 1024 x 768 screen with a 400 x 300 window, then the corrections: a window larger
// than a quarter, odd differences that truncate, a window larger than the screen.
TEST(PlaceWindowTest, EveryCodeAndItsCorrections) {
  const struct {
    int32_t code, screenWidth, screenHeight, width, height, left, top;
    // clang-format off
  } rows[] = {
      {0, 1024, 768, 400, 300, 312, 234},  {1, 1024, 768, 400, 300, 0, 0},      {2, 1024, 768, 400, 300, 624, 0},
      {3, 1024, 768, 400, 300, 0, 468},    {4, 1024, 768, 400, 300, 624, 468},  {5, 1024, 768, 400, 300, 56, 42},
      {6, 1024, 768, 400, 300, 568, 42},   {7, 1024, 768, 400, 300, 56, 426},   {8, 1024, 768, 400, 300, 568, 426},
      {9, 1024, 768, 400, 300, 208, 42},   {10, 1024, 768, 400, 300, 375, 42},  {11, 1024, 768, 400, 300, 312, 234},
      {-3, 1024, 768, 400, 300, 312, 234}, {1000, 1024, 768, 400, 300, 312, 234},
      // (512 - 600) div 2 = -44 truncates toward zero and is then lifted to 0.
      {5, 1024, 768, 600, 500, 0, 0},
      // Code 8 puts the window at 512 + (-44) = 468; 468 + 600 > 1024 moves it back to 424.
      {8, 1024, 768, 600, 500, 424, 268},
      // Odd differences truncate: (1023 - 400) div 2 = 311.
      {0, 1023, 767, 400, 300, 311, 233},  {9, 1024, 768, 401, 300, 207, 42},
      {0, 1024, 768, 1200, 900, -176, -132}, {1, 1024, 768, 1200, 900, -176, -132},
      {4, 1024, 768, 1200, 900, -176, -132}, {10, 1024, 768, 1200, 900, -176, -132},
  };
  // clang-format on
  for (const auto& r : rows)
    EXPECT_EQ(ComputePlacement(r.code, ScreenSize{r.screenWidth, r.screenHeight}, r.width, r.height),
              (Bounds{r.left, r.top, r.width, r.height}))
        << "code " << r.code << ", " << r.width << " x " << r.height;
}

TEST(TitleScrollerTest, DemoScrollsOneCharacterPerTickAndWrapsAndALongerTitlesPositionRestarts) {
  std::string marquee;
  int32_t position = 0;
  EXPECT_EQ(ScrollTitleStep(marquee, position, "Demo"), "Demo     D");
  EXPECT_EQ(marquee, "Demo     ");
  EXPECT_EQ(ScrollTitleStep(marquee, position, "Demo"), "emo     De");
  for (int i = 3; i <= 9; ++i) ScrollTitleStep(marquee, position, "Demo");
  EXPECT_EQ(position, 9);
  EXPECT_EQ(ScrollTitleStep(marquee, position, "Demo"), "Demo     D");
  EXPECT_EQ(position, 1);
  // {before, after}: one left over from a longer title, or a negative one, restarts ("Go     " has 7).
  const int32_t rows[][2] = {{30, 1}, {7, 1}, {8, 1}, {6, 7}, {1, 2}, {0, 1}, {-1, 1}, {INT32_MIN, 1}, {INT32_MAX, 1}};
  marquee = MarqueeText("Go");
  for (const auto& [before, after] : rows)
    EXPECT_EQ((position = before, ScrollTitleStep(marquee, position, "Go"), position), after) << before;
  EXPECT_EQ(ScrollTitleStep(marquee, position, "Go"), "o     Go");
}

TEST(TitleScrollerTest, AUtf8TitleScrollsByWholeCharacters) {
  const std::string title = "\xD0\x9C\xCE\xB1\xE6\x97\xA5";  // Мα日: two, two and three bytes
  std::string marquee;
  int32_t position = 0;
  const std::string expected[] = {title + "     \xD0\x9C", "\xCE\xB1\xE6\x97\xA5     \xD0\x9C\xCE\xB1",
                                  "\xE6\x97\xA5     \xD0\x9C\xCE\xB1\xE6\x97\xA5", "     " + title + " "};
  for (const std::string& caption : expected) EXPECT_EQ(ScrollTitleStep(marquee, position, title), caption);
  for (int i = 5; i <= 8; ++i) ScrollTitleStep(marquee, position, title);
  EXPECT_EQ(position, 8);  // eight characters in 16 bytes
  EXPECT_EQ(ScrollTitleStep(marquee, position, title), expected[0]);
}

TEST(MenuNameTest, FolderAndDrivePartsAreDropped) {
  // A colon after the last backslash is dropped too, and the loop repeats until none is left.
  const std::pair<const char*, const char*> rows[] = {{"C:\\menus\\Second.mnu", "Second.mnu"},
                                                      {"Second.mnu", "Second.mnu"},
                                                      {"C:Second.mnu", "Second.mnu"},
                                                      {"E:\\extra\\Second.mnu", "Second.mnu"},
                                                      {"a:b\\c:d.mnu", "d.mnu"},
                                                      {"x:y:z.mnu", "z.mnu"},
                                                      {"C:\\menus\\", ""},
                                                      {"", ""},
                                                      {"\\:", ""}};
  for (const auto& [argument, name] : rows) EXPECT_EQ(MenuNameFromArgument(argument), name) << argument;
}

TEST(ControlNamesTest, ButtonControlsCarryTheirNumberInThreeDigits) {
  EXPECT_EQ(
      (std::vector<std::string>{
          ControlName(ButtonControl(ControlKind::LblBtn, 7)), ControlName(ButtonControl(ControlKind::WinBtn, 7)),
          ControlName(ButtonControl(ControlKind::ImgBtn, 12)), ControlName(ButtonControl(ControlKind::KeyBtn, 100)),
          ControlName(BaseControl(ControlKind::lblAccText))}),
      (std::vector<std::string>{"LblBtn007", "WinBtn007", "ImgBtn012", "KeyBtn100", "lblAccText"}));
  for (ControlKind kind : {ControlKind::ImgBtn, ControlKind::WinBtn, ControlKind::KeyBtn, ControlKind::LblBtn})
    for (int32_t n : {1, 12, 99, 100}) EXPECT_EQ(ButtonNumberFromName(ControlName(ButtonControl(kind, n))), n);
  EXPECT_EQ(
      (std::vector<int32_t>{ButtonNumberFromName("MenBck"), ButtonNumberFromName("12"), ButtonNumberFromName("012")}),
      (std::vector<int32_t>{-1, -1, 12}));
}

}  // namespace
}  // namespace orvane
