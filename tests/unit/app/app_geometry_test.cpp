// Placement codes, the title scroller, the command-line menu name and control names.
#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "app/menu_name.h"
#include "app/placement.h"
#include "app/title_scroller.h"

namespace orvane {
namespace {

struct PlacementCase {
  int32_t Code;
  int32_t Left;
  int32_t Top;
};

TEST(PlaceWindowTest, EveryCodeOnA1024x768ScreenWithA400x300Window) {
  const ScreenSize screen{1024, 768};
  const PlacementCase cases[] = {
      {0, 312, 234},  {1, 0, 0},      {2, 624, 0},     {3, 0, 468},
      {4, 624, 468},  {5, 56, 42},    {6, 568, 42},    {7, 56, 426},
      {8, 568, 426},  {9, 208, 42},   {10, 375, 42},   {11, 312, 234},
      {-3, 312, 234}, {1000, 312, 234},
  };
  for (const PlacementCase& c : cases) {
    const Bounds b = ComputePlacement(c.Code, screen, 400, 300);
    EXPECT_EQ(b.Left, c.Left) << "code " << c.Code;
    EXPECT_EQ(b.Top, c.Top) << "code " << c.Code;
    EXPECT_EQ(b.Width, 400);
    EXPECT_EQ(b.Height, 300);
  }
}

TEST(PlaceWindowTest, QuarterCodesCorrectAWindowLargerThanAQuarter) {
  // (512 - 600) div 2 = -44 truncates toward zero and is then lifted to 0.
  const Bounds b = ComputePlacement(5, ScreenSize{1024, 768}, 600, 500);
  EXPECT_EQ(b.Left, 0);
  EXPECT_EQ(b.Top, 0);
  // Code 8 puts the window at 512 + (-44) = 468; 468 + 600 > 1024 moves it back to 424.
  const Bounds c = ComputePlacement(8, ScreenSize{1024, 768}, 600, 500);
  EXPECT_EQ(c.Left, 424);
  EXPECT_EQ(c.Top, 268);
  // Odd differences truncate: (1023 - 400) div 2 = 311.
  EXPECT_EQ(ComputePlacement(0, ScreenSize{1023, 767}, 400, 300).Left, 311);
  EXPECT_EQ(ComputePlacement(9, ScreenSize{1024, 768}, 401, 300).Left, 207);
}

TEST(PlaceWindowTest, AWindowLargerThanTheScreenEndsWithNegativeEdges) {
  for (int32_t code : {0, 1, 4, 10}) {
    const Bounds b = ComputePlacement(code, ScreenSize{1024, 768}, 1200, 900);
    EXPECT_EQ(b.Left, -176) << "code " << code;
    EXPECT_EQ(b.Top, -132) << "code " << code;
  }
}

TEST(TitleScrollerTest, DemoScrollsOneCharacterPerTickAndWraps) {
  std::string marquee;
  int32_t position = 0;
  EXPECT_EQ(ScrollTitleStep(marquee, position, "Demo"), "Demo     D");
  EXPECT_EQ(marquee, "Demo     ");
  EXPECT_EQ(ScrollTitleStep(marquee, position, "Demo"), "emo     De");
  for (int i = 3; i <= 9; ++i) ScrollTitleStep(marquee, position, "Demo");
  EXPECT_EQ(position, 9);
  EXPECT_EQ(ScrollTitleStep(marquee, position, "Demo"), "Demo     D");
  EXPECT_EQ(position, 1);
}

TEST(TitleScrollerTest, APositionFromALongerTitleRestartsAtTheBeginning) {
  std::string marquee = MarqueeText("Go");
  int32_t position = 30;  // left over from the previous menu
  EXPECT_EQ(ScrollTitleStep(marquee, position, "Go"), "Go     G");
  EXPECT_EQ(position, 1);
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
  EXPECT_EQ(MenuNameFromArgument("C:\\menus\\Second.mnu"), "Second.mnu");
  EXPECT_EQ(MenuNameFromArgument("Second.mnu"), "Second.mnu");
  EXPECT_EQ(MenuNameFromArgument("C:Second.mnu"), "Second.mnu");
  EXPECT_EQ(MenuNameFromArgument("E:\\extra\\Second.mnu"), "Second.mnu");
  // A colon after the last backslash is dropped too, and the loop repeats until none is left.
  EXPECT_EQ(MenuNameFromArgument("a:b\\c:d.mnu"), "d.mnu");
  EXPECT_EQ(MenuNameFromArgument("x:y:z.mnu"), "z.mnu");
  EXPECT_EQ(MenuNameFromArgument("C:\\menus\\"), "");
}

TEST(ControlNamesTest, ButtonControlsCarryTheirNumberInThreeDigits) {
  EXPECT_EQ(ControlName(ButtonControl(ControlKind::LblBtn, 7)), "LblBtn007");
  EXPECT_EQ(ControlName(ButtonControl(ControlKind::WinBtn, 7)), "WinBtn007");
  EXPECT_EQ(ControlName(ButtonControl(ControlKind::ImgBtn, 12)), "ImgBtn012");
  EXPECT_EQ(ControlName(ButtonControl(ControlKind::KeyBtn, 100)), "KeyBtn100");
  EXPECT_EQ(ControlName(BaseControl(ControlKind::lblAccText)), "lblAccText");
  for (ControlKind kind :
       {ControlKind::ImgBtn, ControlKind::WinBtn, ControlKind::KeyBtn, ControlKind::LblBtn})
    for (int32_t n : {1, 12, 99, 100})
      EXPECT_EQ(ButtonNumberFromName(ControlName(ButtonControl(kind, n))), n);
  EXPECT_EQ(ButtonNumberFromName("MenBck"), -1);
  EXPECT_EQ(ButtonNumberFromName("12"), -1);
  EXPECT_EQ(ButtonNumberFromName("012"), 12);
}

}  // namespace
}  // namespace orvane
