// LoadMenu: what every setting and record does, the order of the steps and the failures.
#include <gtest/gtest.h>

#include "player_rig.h"

namespace orvane::testing {
namespace {

const ControlState& Ctl(PlayerRig& rig, ControlKind kind, int32_t button = 0) {
  const ControlState* state = rig.View.Find(ControlId{kind, button});
  static const ControlState none;
  EXPECT_NE(state, nullptr) << ControlName(ControlId{kind, button}) << " does not exist";
  return state ? *state : none;
}

MenuFile MenuWithSettings() {
  MenuFile menu = BasicMenu("Settings");
  MenuSettings& s = menu.Settings;
  s.Placement = 1;
  s.DescriptionFont = {"Georgia", 12, -1, 1, -1};  // only -1 is on
  s.DescriptionColour = {0x112, 0x34, 0x56};       // low bytes only
  s.DescriptionAlignment = 2;
  s.TimeShown = 0;
  s.DateShown = 5;
  s.ClockColour = {1, 2, 3};
  s.TimeLeft = 11;
  s.TimeTop = 12;
  s.DateLeft = 13;
  s.DateTop = 14;
  s.AccessoryLeft = 150;
  s.AccessoryTop = 160;
  s.AnimInterval = 250;
  s.ScrollTitle = 1;
  s.TimeFont = {"Courier New", 14, 0, -1, 0};
  s.DateFont = {"Times New Roman", 7, -1, 0, -1};
  s.ShadowOffset = 2;
  s.ShadowColour = {200, 100, 50};
  return menu;
}

TEST(MenuSettingsTest, EachSettingReachesItsControl) {
  PlayerRig rig;
  rig.Install({{"a.mnu", MenuWithSettings()}});
  rig.Start();
  ASSERT_TRUE(rig.Dialog.Messages.empty());

  const ControlState& text = Ctl(rig, ControlKind::lblAccText);
  EXPECT_EQ(text.Text, "Welcome");
  EXPECT_EQ(text.Font.Name, "Georgia");
  EXPECT_EQ(text.Font.Size, 12);
  EXPECT_EQ(text.Font.Style, kFontBold | kFontUnderline);
  EXPECT_EQ(text.Font.Colour, std::optional<ColourValue>(0x563412));
  EXPECT_EQ(text.Bounds, (Bounds{10, 20, 200, 40}));
  EXPECT_TRUE(text.Visible);
  EXPECT_EQ(text.Alignment, TextAlignment::Centre);

  const ControlState& shadow = Ctl(rig, ControlKind::lblAccShadow);
  EXPECT_EQ(shadow.Text, "Welcome");
  EXPECT_EQ(shadow.Font.Name, "Georgia");
  EXPECT_EQ(shadow.Font.Style, text.Font.Style);
  EXPECT_EQ(shadow.Font.Colour, std::optional<ColourValue>(0x3264C8));
  EXPECT_EQ(shadow.Bounds, (Bounds{12, 22, 200, 40}));
  EXPECT_TRUE(shadow.Visible);
  EXPECT_EQ(shadow.Alignment, TextAlignment::Centre);

  const ControlState& time = Ctl(rig, ControlKind::lblTime);
  const ControlState& date = Ctl(rig, ControlKind::lblDate);
  EXPECT_FALSE(time.Visible);
  EXPECT_TRUE(date.Visible);
  EXPECT_EQ(time.Font.Colour, std::optional<ColourValue>(0x030201));
  EXPECT_EQ(date.Font.Colour, std::optional<ColourValue>(0x030201));
  EXPECT_EQ(time.Font.Name, "Courier New");
  EXPECT_EQ(time.Font.Style, kFontItalic);
  EXPECT_EQ(date.Font.Name, "Times New Roman");
  EXPECT_EQ(date.Font.Style, kFontBold | kFontUnderline);
  EXPECT_EQ(time.Bounds.Left, 11);
  EXPECT_EQ(time.Bounds.Top, 12);
  EXPECT_EQ(date.Bounds.Left, 13);
  EXPECT_EQ(date.Bounds.Top, 14);
  EXPECT_EQ(time.Text, "12:00:00");
  EXPECT_EQ(date.Text, "01/02/2026");

  const ControlState& accessory = Ctl(rig, ControlKind::imgAccPicture);
  EXPECT_EQ(accessory.Bounds.Left, 150);
  EXPECT_EQ(accessory.Bounds.Top, 160);
  EXPECT_FALSE(accessory.Visible) << "the default description hides the accessory picture";

  EXPECT_EQ(rig.View.Timers[MenuTimer::Timer3], 250);
  EXPECT_EQ(rig.View.Timers[MenuTimer::Timer4], 160);
  EXPECT_EQ(rig.Window.TitleMarquee, "Settings     ");
  EXPECT_EQ(rig.View.WindowBounds, (Bounds{0, 0, 400, 300})) << "placement 1: top-left";
  EXPECT_FALSE(rig.View.HasOutline) << "a rectangular first menu never touches the outline";
}

TEST(MenuSettingsTest, OutOfRangeAlignmentKeepsThePreviousAndZeroOffsetHidesTheShadow) {
  PlayerRig rig;
  MenuFile first = MenuWithSettings();
  MenuFile second = BasicMenu("Second");
  second.Settings.DescriptionAlignment = 7;
  second.Settings.ShadowOffset = 0;
  second.Settings.ScrollTitle = 0;
  rig.Install({{"a.mnu", first}, {"b.mnu", second}});
  rig.Start();
  rig.Window.LoadMenu("b.mnu");
  EXPECT_EQ(Ctl(rig, ControlKind::lblAccText).Alignment, TextAlignment::Centre);
  EXPECT_EQ(Ctl(rig, ControlKind::lblAccShadow).Alignment, TextAlignment::Centre);
  EXPECT_FALSE(Ctl(rig, ControlKind::lblAccShadow).Visible);
  EXPECT_EQ(rig.View.Timers[MenuTimer::Timer4], 0);
  EXPECT_EQ(rig.View.WindowBounds, (Bounds{312, 234, 400, 300}));
}

TEST(ButtonRecordTest, TheThreeKindsShowTheirControlAndTheirShortcut) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Buttons");
  ButtonRecord image;
  image.Left = 30;
  image.Top = 40;
  image.ShortcutKey = "5";
  image.Target = "readme.txt";
  image.Parameters = "-x";
  image.Description = "Read me";
  image.MinimizeAfter = 1;
  image.CloseAfter = -1;
  image.AnimMode = 3;
  image.RunMaximized = 2;
  image.WaitForExit = -1;
  image.ViewerCheck = 1;
  image.ViewerName = "Viewer";
  image.ViewerVersion = "5";
  image.ViewerCompare = 1;
  ButtonRecord push = PushButtonRecord("&Setup", 100, 110);
  ButtonRecord label = PushButtonRecord("&Install", 200, 210);
  label.ButtonKind = 2;
  label.Italic = -1;
  label.Bold = 1;  // only -1 sets a style
  label.FontColour = 0x0000FF;
  label.Alignment = 1;
  menu.Buttons = {image, push, label};
  menu.Pictures.push_back(PictureAt(1, 0, 0, SolidPicture(64, 32, 0x00FF0000)));
  menu.Pictures.push_back(PictureAt(1, 1, 0, SolidPicture(64, 32, 0x0000FF00)));
  rig.Install({{"a.mnu", menu}});
  rig.Start();
  ASSERT_TRUE(rig.Dialog.Messages.empty());

  EXPECT_EQ(rig.Window.Menu.ButtonCount, 3);
  const TOVButton& b1 = rig.Window.Menu.Buttons[1];
  EXPECT_EQ(b1.Target, "readme.txt");
  EXPECT_EQ(b1.Parameters, "-x");
  EXPECT_EQ(b1.Description, "Read me");
  EXPECT_EQ(b1.MinimizeAfter, 1);
  EXPECT_EQ(b1.CloseAfter, -1);
  EXPECT_EQ(b1.AnimMode, 3);
  EXPECT_EQ(b1.RunMaximized, 2);
  EXPECT_EQ(b1.WaitForExit, -1);
  EXPECT_EQ(b1.ViewerCheck, 1);
  EXPECT_EQ(b1.ViewerName, "Viewer");
  EXPECT_EQ(b1.ViewerVersion, "5");
  EXPECT_EQ(b1.ViewerCompare, 1);

  // Image button: its picture at the menu's position, sized to the picture; the keyboard
  // control holds "&5" off screen.
  const ControlState& img = Ctl(rig, ControlKind::ImgBtn, 1);
  EXPECT_TRUE(img.Visible);
  EXPECT_EQ(img.Bounds, (Bounds{30, 40, 64, 32}));
  ASSERT_TRUE(img.Picture);
  EXPECT_EQ(img.Picture->Pixels[0], 0x00FF0000u);
  EXPECT_FALSE(Ctl(rig, ControlKind::WinBtn, 1).Visible);
  EXPECT_FALSE(Ctl(rig, ControlKind::LblBtn, 1).Visible);
  EXPECT_EQ(Ctl(rig, ControlKind::KeyBtn, 1).Text, "&5");
  EXPECT_TRUE(Ctl(rig, ControlKind::KeyBtn, 1).Visible);
  EXPECT_EQ(Ctl(rig, ControlKind::KeyBtn, 1).Bounds, (Bounds{-40, -40, 20, 20}));

  // Push button: visible with caption, size and font; its keyboard control is hidden.
  const ControlState& win = Ctl(rig, ControlKind::WinBtn, 2);
  EXPECT_TRUE(win.Visible);
  EXPECT_EQ(win.Text, "&Setup");
  EXPECT_EQ(win.Bounds, (Bounds{100, 110, 90, 24}));
  EXPECT_EQ(win.Font.Name, "Verdana");
  EXPECT_EQ(win.Font.Size, 9);
  EXPECT_FALSE(Ctl(rig, ControlKind::KeyBtn, 2).Visible);
  EXPECT_FALSE(Ctl(rig, ControlKind::ImgBtn, 2).Visible);

  // Label button: caption with one trailing space for italic; the keyboard control carries the
  // caption so that its "&" letter is the shortcut; colour and alignment from the record.
  const ControlState& lbl = Ctl(rig, ControlKind::LblBtn, 3);
  EXPECT_TRUE(lbl.Visible);
  EXPECT_EQ(lbl.Text, "&Install ");
  EXPECT_EQ(Ctl(rig, ControlKind::WinBtn, 3).Text, "&Install");
  EXPECT_EQ(Ctl(rig, ControlKind::KeyBtn, 3).Text, "&Install");
  EXPECT_EQ(lbl.Bounds, (Bounds{200, 210, 90, 24}));
  EXPECT_EQ(lbl.Font.Style, kFontItalic);
  EXPECT_EQ(lbl.Font.Colour, std::optional<ColourValue>(0x0000FF));
  EXPECT_EQ(lbl.Alignment, TextAlignment::Right);
  EXPECT_FALSE(Ctl(rig, ControlKind::WinBtn, 3).Visible);

  // Frames: the image button has none beyond the still pictures.
  EXPECT_EQ(rig.Window.Menu.Buttons[1].LastFrame, (std::array<int32_t, 4>{0, 0, 0, 0}));
}

TEST(ButtonRecordTest, FreshControlsAreNamedAndPlacedBeforeTheirRecordIsApplied) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Seven");
  for (int i = 0; i < 7; ++i) menu.Buttons.push_back(PushButtonRecord("x", 1, 1));
  rig.Install({{"a.mnu", menu}});
  rig.Start();
  // Creation order per button: label, push button, picture, keyboard control; button 7 made
  // after button 6's record.
  const auto& order = rig.View.CreationOrder;
  const auto at = [&](const std::string& name) {
    return std::find(order.begin(), order.end(), name) - order.begin();
  };
  EXPECT_LT(at("LblBtn007"), at("WinBtn007"));
  EXPECT_LT(at("WinBtn007"), at("ImgBtn007"));
  EXPECT_LT(at("ImgBtn007"), at("KeyBtn007"));
  EXPECT_LT(at("KeyBtn006"), at("LblBtn007"));
  // Button 7 as made (its record later moved it).
  PlayerRig fresh;
  fresh.Window.CreateButtonControls(7);
  const ControlState& label = Ctl(fresh, ControlKind::LblBtn, 7);
  EXPECT_EQ(label.Text, "Button &7");
  EXPECT_EQ(label.Bounds, (Bounds{200, 60, 97, 25}));
  EXPECT_FALSE(label.Visible);
  EXPECT_EQ(Ctl(fresh, ControlKind::WinBtn, 7).Text, "Button &7");
  EXPECT_TRUE(Ctl(fresh, ControlKind::WinBtn, 7).TabStop);
  EXPECT_EQ(Ctl(fresh, ControlKind::KeyBtn, 7).Bounds, (Bounds{-40, -40, 20, 20}));
  EXPECT_TRUE(Ctl(fresh, ControlKind::KeyBtn, 7).Visible);
  EXPECT_EQ(fresh.Window.Menu.Buttons[7].ShortcutKey, "0");
}

TEST(ButtonRecordTest, Version6KeepsTheCreatedFontsAndAddsNoItalicSpace) {
  PlayerRig rig;
  MenuFile later = BasicMenu("Later");
  ButtonRecord italic = PushButtonRecord("Go", 5, 5);
  italic.ButtonKind = 2;
  italic.Italic = -1;
  italic.Alignment = 2;
  later.Buttons = {italic};
  MenuFile six = BasicMenu("Six");
  six.Header.Version = 6;
  ButtonRecord plain = PushButtonRecord("Go", 5, 5);
  plain.ButtonKind = 2;
  six.Buttons = {plain};
  rig.Install({{"later.mnu", later}, {"six.mnu", six}});
  rig.Start();
  EXPECT_EQ(Ctl(rig, ControlKind::LblBtn, 1).Text, "Go ");
  rig.Window.LoadMenu("six.mnu");
  ASSERT_TRUE(rig.Dialog.Messages.empty());
  const ControlState& label = Ctl(rig, ControlKind::LblBtn, 1);
  EXPECT_EQ(label.Text, "Go");
  EXPECT_EQ(label.Font, ControlFont{});
  EXPECT_EQ(rig.Window.Menu.Buttons[1].ViewerCheck, 0);
  // The record's alignment field outlives the menu it came from.
  EXPECT_EQ(rig.Window.Menu.Buttons[1].Alignment, 2);
}

TEST(MenuLoadingTest, ASecondMenuWithFewerButtonsLeavesNothingOfTheFirst) {
  PlayerRig rig;
  MenuFile five = BasicMenu("Five");
  for (int i = 1; i <= 5; ++i) {
    five.Buttons.push_back(PushButtonRecord("B" + std::to_string(i), 10 * i, 10));
    five.Pictures.push_back(PictureAt(static_cast<uint8_t>(i), 0, 0, SolidPicture(8, 8, 0x10u * i)));
  }
  five.Pictures.push_back(PictureAt(5, 1, 3, SolidPicture(8, 8, 1)));
  MenuFile two = BasicMenu("Two");
  two.Buttons = {PushButtonRecord("X", 1, 1), PushButtonRecord("Y", 2, 2)};
  rig.Install({{"five.mnu", five}, {"two.mnu", two}});
  rig.Start();
  EXPECT_EQ(rig.View.CountOf(ControlKind::WinBtn), 5u);
  rig.Window.LoadMenu("two.mnu");
  for (ControlKind kind :
       {ControlKind::ImgBtn, ControlKind::WinBtn, ControlKind::KeyBtn, ControlKind::LblBtn})
    EXPECT_EQ(rig.View.CountOf(kind), 2u);
  EXPECT_EQ(rig.View.Find(ButtonControl(ControlKind::WinBtn, 3)), nullptr);
  EXPECT_EQ(rig.Window.Menu.Images.Count(), 1u) << "only the new background is left";
  EXPECT_FALSE(rig.Window.Menu.Images.HasImage(5, 1, 3));
  EXPECT_EQ(rig.View.PicturesReleased, 2);
  // The old controls went before the new ones were made, in the order of each button.
  const int destroyed = rig.View.IndexOf("destroy ImgBtn001");
  EXPECT_LT(destroyed, rig.View.IndexOf("destroy WinBtn001"));
  EXPECT_LT(rig.View.IndexOf("destroy WinBtn001"), rig.View.IndexOf("destroy KeyBtn001"));
  EXPECT_LT(rig.View.IndexOf("destroy KeyBtn001"), rig.View.IndexOf("destroy LblBtn001"));
}

TEST(MenuLoadingTest, TheStepsRunInTheirOrder) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Order");
  menu.Settings.InitialButton = 1;
  menu.Buttons = {PushButtonRecord("A", 1, 1)};
  menu.Buttons[0].ButtonKind = 0;
  menu.Pictures.push_back(PictureAt(1, 0, 0, SolidPicture(4, 4, 1)));
  menu.Pictures.push_back(PictureAt(1, 1, 0, SolidPicture(4, 4, 2)));
  menu.Pictures.push_back(PictureAt(1, 1, 1, SolidPicture(4, 4, 3)));
  menu.Pictures.push_back(PictureAt(1, 1, 2, SolidPicture(4, 4, 4)));
  rig.Install({{"order.mnu", menu}});
  rig.Start();
  const auto& log = rig.View.Log;
  const int hidden = rig.View.IndexOf("window visible 0");
  const int background = rig.View.IndexOf("picture MenBck");
  const int placed = rig.View.IndexOf("window bounds");
  const int shown = rig.View.IndexOf("visible ImgBtn001 1");
  const int window = rig.View.IndexOf("window visible 1");
  const int timer3 = rig.View.IndexOf("timer Timer3 100");
  ASSERT_GE(hidden, 0);
  EXPECT_LT(hidden, background);
  EXPECT_LT(background, placed);
  EXPECT_LT(placed, shown);
  EXPECT_LT(shown, window);
  EXPECT_LT(window, timer3);
  EXPECT_EQ(log[static_cast<size_t>(timer3 + 2)], "pump");
  // The initial button is highlighted with its select sound; the frames were counted first.
  EXPECT_EQ(rig.Window.HighlightedButton, 1);
  EXPECT_EQ(rig.Window.Menu.Buttons[1].LastFrame[1], 2);
  EXPECT_EQ(Ctl(rig, ControlKind::ImgBtn, 1).Picture->Pixels[0], 2u);
  ASSERT_EQ(rig.SoundOut.Played.size(), 2u);
  EXPECT_EQ(rig.SoundOut.Played[0], "builtin 2 nowait");
  EXPECT_EQ(rig.SoundOut.Played[1], "builtin 1 nowait");
}

TEST(MenuLoadingTest, AWrongTagIsReportedOnceAndTheMenuStillShows) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Broken");
  pack::Bytes bytes = pack::WriteMenuFile(menu);
  bytes[11] = 9;  // the first setting's tag
  rig.InstallRaw({{"broken.mnu", bytes}});
  rig.Start();
  ASSERT_EQ(rig.Dialog.Messages.size(), 1u);
  EXPECT_EQ(rig.Dialog.Messages[0].Text, "Error loading binary menu data.");
  EXPECT_EQ(rig.Dialog.Messages[0].Kind, MessageKind::Warning);
  EXPECT_EQ(rig.Dialog.Messages[0].Caption, "");
  EXPECT_TRUE(rig.View.WindowVisible);
  EXPECT_TRUE(rig.Window.MenuActive);
}

TEST(MenuLoadingTest, AFailedHeaderAfterAShownMenuShowsThatMenuAgainUntouched) {
  PlayerRig rig;
  MenuFile good = BasicMenu("Good");
  good.Buttons = {PushButtonRecord("Keep", 3, 3)};
  MenuFile old = BasicMenu("Old");
  old.Header.Version = 5;
  rig.Install({{"good.mnu", good}, {"old.mnu", old}});
  rig.Start();
  rig.View.Log.clear();
  rig.Window.LoadMenu("old.mnu");
  ASSERT_EQ(rig.Dialog.Messages.size(), 2u);
  EXPECT_EQ(rig.Dialog.Messages[1].Text, "Menu could not be read.");
  EXPECT_EQ(rig.View.Terminations, 0);
  EXPECT_TRUE(rig.View.WindowVisible);
  EXPECT_EQ(rig.View.IndexOf("destroy WinBtn001"), -1);
  EXPECT_TRUE(Ctl(rig, ControlKind::WinBtn, 1).Visible);
  EXPECT_EQ(rig.Window.MenuFileName, "good.mnu");
  EXPECT_TRUE(rig.Window.Menu.Images.HasImage(0, 0, 0));

  // The same for a name that the container lacks; the next load then works normally.
  rig.Window.LoadMenu("gone.mnu");
  EXPECT_TRUE(rig.View.WindowVisible);
  EXPECT_EQ(rig.View.Terminations, 0);
  rig.Window.LoadMenu("good.mnu");
  EXPECT_EQ(rig.Dialog.Messages.size(), 4u);
}

TEST(MenuLoadingTest, PicturesOutsideTheTableAreSkipped) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Slots");
  menu.Buttons = {PushButtonRecord("A", 1, 1)};
  menu.Pictures.push_back(PictureAt(1, 3, 100, SolidPicture(2, 2, 7)));
  menu.Pictures.push_back(PictureAt(101, 0, 0, SolidPicture(2, 2, 7)));
  menu.Pictures.push_back(PictureAt(1, 4, 0, SolidPicture(2, 2, 7)));
  menu.Pictures.push_back(PictureAt(1, 0, 101, SolidPicture(2, 2, 7)));
  rig.Install({{"slots.mnu", menu}});
  rig.Start();
  EXPECT_TRUE(rig.Window.Menu.Images.HasImage(1, 3, 100));
  EXPECT_EQ(rig.Window.Menu.Images.Count(), 2u);
  EXPECT_TRUE(rig.View.WindowVisible);
}

TEST(WindowShapeLoadingTest, AShapedMenuGetsItsOutlineAndARectangularOneAfterItIsWholeAgain) {
  PlayerRig rig;
  MenuFile shaped = BasicMenu("Shaped");
  shaped.Settings.TransparentColour = 13;
  shaped.Settings.ShapeText = "04000300Y00010000001003900400";
  MenuFile plain = BasicMenu("Plain");
  plain.Settings.TransparentColour = 0;
  plain.Pictures[0] = PictureAt(0, 0, 0, SolidPicture(320, 200, 0));
  rig.Install({{"shaped.mnu", shaped}, {"plain.mnu", plain}});
  rig.Start();
  ASSERT_TRUE(rig.View.HasOutline);
  EXPECT_EQ(rig.Window.Menu.TransparentColour, 0xFF00FF);
  EXPECT_EQ(rig.View.Outline.Kept.size(), 2u);  // row 0 without its ends, then one band
  EXPECT_TRUE(rig.Window.ShapeApplied);
  rig.Window.LoadMenu("plain.mnu");
  ASSERT_EQ(rig.View.Outline.Kept.size(), 1u);
  EXPECT_EQ(rig.View.Outline.Kept[0], (Bounds{0, 0, 320, 200}));
  EXPECT_EQ(rig.View.OutlinesGiven, 2);
}

TEST(WindowShapeLoadingTest, AnUnreadableShapeTextKeepsTheBackgroundRectangle) {
  PlayerRig rig;
  MenuFile shaped = BasicMenu("Shaped");
  shaped.Settings.TransparentColour = 1;
  shaped.Settings.ShapeText = "NULL";
  rig.Install({{"shaped.mnu", shaped}});
  rig.Start();
  ASSERT_TRUE(rig.View.HasOutline);
  ASSERT_EQ(rig.View.Outline.Kept.size(), 1u);
  EXPECT_EQ(rig.View.Outline.Kept[0], (Bounds{0, 0, 400, 300}));
}

TEST(TimersTest, ClockTitleAndRestoreTicks) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Demo");
  menu.Settings.ScrollTitle = 1;
  rig.Install({{"demo.mnu", menu}});
  rig.Start();

  rig.View.TimeText = "12:00:01";
  rig.Window.Timer1_Timer();
  EXPECT_EQ(Ctl(rig, ControlKind::lblTime).Text, "12:00:01");

  rig.Window.Timer4_Timer();
  EXPECT_EQ(rig.View.Caption, "Demo     D");
  rig.Window.Timer4_Timer();
  EXPECT_EQ(rig.View.Caption, "emo     De");

  rig.View.Timers[MenuTimer::tmrARstr] = 300;
  rig.Processes.Running = true;
  rig.Window.tmrARstr_Timer();
  EXPECT_EQ(rig.View.Restores, 0);
  EXPECT_EQ(rig.View.Timers[MenuTimer::tmrARstr], 300);
  rig.Processes.Running = false;
  rig.Window.tmrARstr_Timer();
  EXPECT_EQ(rig.View.Restores, 1);
  EXPECT_EQ(rig.View.Timers[MenuTimer::tmrARstr], 0);
  EXPECT_EQ(rig.View.WindowFocus, 1);

  rig.Window.Timer2Timer();
  EXPECT_EQ(rig.View.Terminations, 1);

  int steps = 0;
  rig.Window.AnimateButtons = [&] {
    ++steps;
    throw std::runtime_error("bad frame");
  };
  rig.Window.Timer3_Timer();
  rig.Window.Timer3_Timer();
  EXPECT_EQ(steps, 2) << "an error in one step does not stop the next";
}

}  // namespace
}  // namespace orvane::testing
