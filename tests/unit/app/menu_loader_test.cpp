// LoadMenu: what every setting and record does, the order of the steps and the failures.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "app/button_animation.h"
#include "player_rig.h"

namespace orvane::testing {
namespace {

const ControlState& Ctl(PlayerRig& rig, ControlKind kind, int32_t button = 0) {
  const ControlState* state = rig.View.Find(ControlId{kind, button});
  static const ControlState none;
  EXPECT_NE(state, nullptr) << ControlName(ControlId{kind, button}) << " does not exist";
  return state ? *state : none;
}

// Effects as rows: one value in, the effect seen on the controls, the window or the records. Each
// row loads a menu of its own (after the menu of `before`, for rows about what a value keeps), so
// a swapped or dropped assignment in the loader fails its row.
using In = std::function<void(MenuFile&)>;
using Seen = std::function<std::string(PlayerRig&)>;
struct Row {
  const char* name;
  In in;
  Seen seen;
  std::string want;
  In before = nullptr;
};

std::string S(int64_t v) { return std::to_string(v); }
std::string Hex(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", v);
  return text;
}
std::string Box(const Bounds& b) { return S(b.Left) + " " + S(b.Top) + " " + S(b.Width) + " " + S(b.Height); }
std::string Box(const ControlState& c) { return Box(c.Bounds); }
std::string At(const Bounds& b) { return S(b.Left) + " " + S(b.Top); }
std::string At(const ControlState& c) { return At(c.Bounds); }
std::string Font(const ControlState& c) { return c.Font.Name + " " + S(c.Font.Size) + " " + S(c.Font.Style); }
std::string Colour(const ControlState& c) { return c.Font.Colour ? Hex(*c.Font.Colour) : "none"; }
std::string Shown(const ControlState& c) { return c.Visible ? "shown" : "hidden"; }
std::string Align(const ControlState& c) { return S(static_cast<int>(c.Alignment)); }
std::string Text(const ControlState& c) { return c.Text; }

// The aspect f of each control, "a | b | ..."; button controls of button 1.
Seen On(std::string (*f)(const ControlState&), std::vector<ControlKind> kinds) {
  return [=](PlayerRig& rig) {
    std::string out;
    for (ControlKind kind : kinds) {
      const int32_t n = kind >= ControlKind::ImgBtn ? 1 : 0;
      out += (out.empty() ? "" : " | ") + f(Ctl(rig, kind, n));
    }
    return out;
  };
}
Seen Rec(std::function<std::string(const TOVButton&)> f) {
  return [=](PlayerRig& rig) { return f(rig.Window.Menu.Buttons[1]); };
}
ButtonRecord& B(MenuFile& m) { return m.Buttons[0]; }
// Outlines given, whether one was ever applied, then the kept rectangles.
std::string Outline(PlayerRig& rig) {
  std::string out = S(rig.View.OutlinesGiven) + " " + S(rig.Window.ShapeApplied);
  for (const Bounds& kept : rig.View.Outline.Kept) out += " | " + Box(kept);
  return out;
}

// A 400 x 300 menu with one label button "&Go" at (5, 6), 90 x 24, Verdana 9.
MenuFile RowMenu() {
  MenuFile menu = BasicMenu("Row");
  menu.Buttons = {PushButtonRecord("&Go", 5, 6)};
  menu.Buttons[0].ButtonKind = 2;
  return menu;
}

void RunRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PlayerRig rig;
    MenuFile menu = RowMenu();
    row.in(menu);
    if (row.before) {
      MenuFile first = RowMenu();
      row.before(first);
      rig.Install({{"first.mnu", first}, {"row.mnu", menu}});
      rig.Start();
      rig.Window.LoadMenu("row.mnu");
    } else {
      rig.Install({{"row.mnu", menu}});
      rig.Start();
    }
    ASSERT_TRUE(rig.Dialog.Messages.empty());
    EXPECT_EQ(row.seen(rig), row.want);
  }
}

using K = ControlKind;
const K kText = K::lblAccText, kShadow = K::lblAccShadow, kTime = K::lblTime, kDate = K::lblDate;

TEST(MenuSettingsTest, EachSettingHasItsEffect) {
  const auto initial = [](PlayerRig& r) {  // the initial button, the one highlighted after the load, the sounds
    return S(r.Window.Menu.InitialButton) + " " + S(r.Window.HighlightedButton) + " " + S(r.SoundOut.Played.size());
  };
  // clang-format off
  RunRows({
      {"1 title", [](MenuFile& m) { m.Settings.MenuTitle = "Atlas"; },
       [](PlayerRig& r) { return r.View.Caption + "|" + r.Window.TitleMarquee + "|" + r.Window.Menu.MenuTitle; },
       "Atlas|Atlas     |Atlas"},
      {"2 placement 1, top-left", [](MenuFile& m) { m.Settings.Placement = 1; },
       [](PlayerRig& r) { return S(r.Window.Menu.Placement) + ": " + At(r.View.WindowBounds); }, "1: 0 0"},
      {"2 placement 0, centred", [](MenuFile& m) { m.Settings.Placement = 0; },
       [](PlayerRig& r) { return At(r.View.WindowBounds); }, "312 234"},
      {"3 default description", [](MenuFile& m) { m.Settings.DefaultDescription = "Hello"; },
       [](PlayerRig& r) { return On(Text, {kText, kShadow})(r) + " | " + r.Window.Menu.DefaultDescription; },
       "Hello | Hello | Hello"},
      {"3 empty default: a button's description stays when the pointer leaves",
       [](MenuFile& m) { m.Settings.DefaultDescription = "", B(m).Description = "Go there"; },
       [](PlayerRig& r) { return r.Window.HighlightButton(1), r.Window.ShowDescription(-2), On(Text, {kText})(r); }, "Go there"},
      {"4-8 description font, 1 is no style", [](MenuFile& m) { m.Settings.DescriptionFont = {"Georgia", 12, -1, 1, 0}; },
       On(Font, {kText, kShadow}), "Georgia 12 1 | Georgia 12 1"},
      {"7 description italic", [](MenuFile& m) { m.Settings.DescriptionFont = {"Arial", 11, 0, -1, 1}; },
       On(Font, {kText, kShadow}), "Arial 11 2 | Arial 11 2"},
      {"8 description underline", [](MenuFile& m) { m.Settings.DescriptionFont = {"Arial", 10, 5, 0, -1}; },
       On(Font, {kText, kShadow}), "Arial 10 4 | Arial 10 4"},
      {"9-11 description colour, low bytes", [](MenuFile& m) { m.Settings.DescriptionColour = {0x112, 0x34, 0x56}; },
       On(Colour, {kText}), "563412"},
      {"12-15 description box", [](MenuFile& m) { m.Settings.DescriptionLeft = 11, m.Settings.DescriptionTop = 12,
                                                   m.Settings.DescriptionWidth = 13, m.Settings.DescriptionHeight = 14; },
       [](PlayerRig& r) { return On(Box, {kText})(r) + " " + On(Shown, {kText})(r); }, "11 12 13 14 shown"},
      {"16 alignment 2", [](MenuFile& m) { m.Settings.DescriptionAlignment = 2; }, On(Align, {kText, kShadow}), "2 | 2"},
      {"16 alignment 1", [](MenuFile& m) { m.Settings.DescriptionAlignment = 1; }, On(Align, {kText, kShadow}), "1 | 1"},
      {"16 alignment 3 keeps the previous", [](MenuFile& m) { m.Settings.DescriptionAlignment = 3; },
       On(Align, {kText, kShadow}), "1 | 1", [](MenuFile& m) { m.Settings.DescriptionAlignment = 1; }},
      {"16 alignment -1 keeps the previous", [](MenuFile& m) { m.Settings.DescriptionAlignment = -1; },
       On(Align, {kText, kShadow}), "2 | 2", [](MenuFile& m) { m.Settings.DescriptionAlignment = 2; }},
      {"17-18 time 0, date 5", [](MenuFile& m) { m.Settings.TimeShown = 0, m.Settings.DateShown = 5; },
       On(Shown, {kTime, kDate}), "hidden | shown"},
      {"17-18 time -1, date 0", [](MenuFile& m) { m.Settings.TimeShown = -1, m.Settings.DateShown = 0; },
       On(Shown, {kTime, kDate}), "shown | hidden"},
      {"19-21 clock colour", [](MenuFile& m) { m.Settings.ClockColour = {1, 2, 0x103}; }, On(Colour, {kTime, kDate}),
       "030201 | 030201"},
      {"22-25 clock positions", [](MenuFile& m) { m.Settings.TimeLeft = 11, m.Settings.TimeTop = 12,
                                                   m.Settings.DateLeft = 13, m.Settings.DateTop = 14; },
       On(Box, {kTime, kDate}), "11 12 60 17 | 13 14 60 17"},
      {"clock texts from the current time and date", [](MenuFile&) {}, On(Text, {kTime, kDate}),
       "12:00:00 | 01/02/2026"},
      {"26 initial button 1, the last", [](MenuFile& m) { m.Settings.InitialButton = 1; }, initial, "1 1 2"},
      {"26 initial button 2, one past the last", [](MenuFile& m) { m.Settings.InitialButton = 2; }, initial, "2 2 2"},
      {"26 initial button 0: no select sound, only the start one", [](MenuFile& m) { m.Settings.InitialButton = 0; }, initial, "0 0 1"},
      {"26 initial button -1: no select sound", [](MenuFile& m) { m.Settings.InitialButton = -1; }, initial, "-1 0 1"},
      {"button 100 highlighted shows its description", [](MenuFile& m) {
         m.Buttons.resize(100, B(m)), m.Buttons[99].Description = "Last"; },
       [](PlayerRig& r) { return r.Window.HighlightButton(100), On(Text, {kText})(r); }, "Last"},
      {"button 100's controls go with its menu", [](MenuFile&) {},
       [](PlayerRig& r) { return S(r.Window.Menu.Buttons[100].ControlsExist); }, "0",
       [](MenuFile& m) { m.Buttons.resize(100, B(m)); }},
      {"27 transparent 13, shaped", [](MenuFile& m) { m.Settings.TransparentColour = 13; },
       [](PlayerRig& r) { return Hex(static_cast<uint32_t>(r.Window.Menu.TransparentColour)) + " " + S(r.View.HasOutline); },
       "FF00FF 1"},
      {"27 transparent 0, rectangular and untouched", [](MenuFile& m) { m.Settings.TransparentColour = 0; },
       [](PlayerRig& r) { return S(r.Window.Menu.TransparentColour) + " " + S(r.View.HasOutline); }, "-1 0"},
      {"27 transparent -2, rectangular", [](MenuFile& m) { m.Settings.TransparentColour = -2; },
       [](PlayerRig& r) { return S(r.Window.Menu.TransparentColour) + " " + S(r.View.HasOutline); }, "-1 0"},
      {"28-29 accessory picture", [](MenuFile& m) { m.Settings.AccessoryLeft = 150, m.Settings.AccessoryTop = 160; },
       [](PlayerRig& r) { return On(At, {K::imgAccPicture})(r) + " " + On(Shown, {K::imgAccPicture})(r); },
       "150 160 hidden"},
      {"30 animation interval", [](MenuFile& m) { m.Settings.AnimInterval = 250; },
       [](PlayerRig& r) { return S(r.View.Timers[MenuTimer::Timer3]) + " " + S(r.Window.Menu.AnimInterval); }, "250 250"},
      {"30 animation interval 1, the shortest", [](MenuFile& m) { m.Settings.AnimInterval = 1; },
       [](PlayerRig& r) { return S(r.View.Timers[MenuTimer::Timer3]); }, "1"},
      {"31 scroll title 1", [](MenuFile& m) { m.Settings.ScrollTitle = 1; },
       [](PlayerRig& r) { return S(r.View.Timers[MenuTimer::Timer4]); }, "160"},
      {"31 scroll title -1", [](MenuFile& m) { m.Settings.ScrollTitle = -1; },
       [](PlayerRig& r) { return S(r.View.Timers[MenuTimer::Timer4]) + " " + S(r.Window.Menu.ScrollTitle); }, "160 1"},
      {"31 scroll title 0", [](MenuFile& m) { m.Settings.ScrollTitle = 0; },
       [](PlayerRig& r) { return S(r.View.Timers[MenuTimer::Timer4]) + " " + S(r.Window.Menu.ScrollTitle); }, "0 0"},
      {"32 shape text", [](MenuFile& m) { m.Settings.TransparentColour = 1, m.Settings.ShapeText = "04000300Y00010000001003900400"; },
       [](PlayerRig& r) { return r.Window.ShapeText + " " + Outline(r); },
       "04000300Y00010000001003900400 1 1 | 10 0 380 1 | 0 1 400 299"},
      {"32 shape text NULL: the background rectangle", [](MenuFile& m) { m.Settings.TransparentColour = 1, m.Settings.ShapeText = "NULL"; },
       Outline, "1 1 | 0 0 400 300"},
      {"27 transparent 0 after a shaped menu: its own whole rectangle", [](MenuFile& m) {
         m.Settings.TransparentColour = 0;
         m.Pictures[0] = PictureAt(0, 0, 0, SolidPicture(320, 200, 0));
       },
       Outline, "2 1 | 0 0 320 200",
       [](MenuFile& m) { m.Settings.TransparentColour = 13, m.Settings.ShapeText = "04000300Y00010000001003900400"; }},
      {"33-37 time font", [](MenuFile& m) { m.Settings.TimeFont = {"Courier New", 14, -1, 1, 0}; }, On(Font, {kTime}),
       "Courier New 14 1"},
      {"36 time italic", [](MenuFile& m) { m.Settings.TimeFont = {"Courier", 15, 0, -1, 1}; }, On(Font, {kTime}), "Courier 15 2"},
      {"37 time underline", [](MenuFile& m) { m.Settings.TimeFont = {"Courier", 16, 1, 0, -1}; }, On(Font, {kTime}), "Courier 16 4"},
      {"38-42 date font", [](MenuFile& m) { m.Settings.DateFont = {"Times New Roman", 7, -1, 1, 0}; }, On(Font, {kDate}),
       "Times New Roman 7 1"},
      {"41 date italic", [](MenuFile& m) { m.Settings.DateFont = {"Times", 17, 0, -1, 1}; }, On(Font, {kDate}), "Times 17 2"},
      {"42 date underline", [](MenuFile& m) { m.Settings.DateFont = {"Times", 18, 1, 0, -1}; }, On(Font, {kDate}), "Times 18 4"},
      {"43 shadow offset 2", [](MenuFile& m) { m.Settings.ShadowOffset = 2; },
       [](PlayerRig& r) { return On(Box, {kShadow})(r) + " " + On(Shown, {kShadow})(r) + " " + S(r.Window.Menu.ShadowOffset); },
       "12 22 200 40 shown 2"},
      {"43 shadow offset 0", [](MenuFile& m) { m.Settings.ShadowOffset = 0; }, On(Shown, {kShadow}), "hidden"},
      {"43 shadow offset -3", [](MenuFile& m) { m.Settings.ShadowOffset = -3; }, On(Shown, {kShadow}), "hidden"},
      {"44-46 shadow colour", [](MenuFile& m) { m.Settings.ShadowColour = {200, 100, 50}; }, On(Colour, {kShadow}), "3264C8"},
  });
  // clang-format on
}

// Button 1's controls: picture, push button, label, keyboard control.
const std::vector<K> kFour = {K::ImgBtn, K::WinBtn, K::LblBtn, K::KeyBtn};

TEST(ButtonRecordTest, EachFieldHasItsEffect) {
  // clang-format off
  RunRows({
      {"1-3 texts", [](MenuFile& m) { B(m).Target = "t.txt", B(m).Parameters = "-x", B(m).Description = "Read me"; },
       Rec([](const TOVButton& b) { return b.Target + "|" + b.Parameters + "|" + b.Description; }), "t.txt|-x|Read me"},
      {"4-5 position", [](MenuFile& m) { B(m).Left = 30, B(m).Top = 40; }, On(At, {K::ImgBtn, K::WinBtn, K::LblBtn}),
       "30 40 | 30 40 | 30 40"},
      {"6-8 minimise, close, animation", [](MenuFile& m) { B(m).MinimizeAfter = 3, B(m).CloseAfter = -1, B(m).AnimMode = 4; },
       Rec([](const TOVButton& b) { return S(b.MinimizeAfter) + " " + S(b.CloseAfter) + " " + S(b.AnimMode); }), "3 -1 4"},
      {"9 shortcut", [](MenuFile& m) { B(m).ShortcutKey = "5", B(m).ButtonKind = 0; },
       [](PlayerRig& r) { return r.Window.Menu.Buttons[1].ShortcutKey + " " + On(Text, {K::KeyBtn})(r) + " " + On(Box, {K::KeyBtn})(r); },
       "5 &5 -40 -40 20 20"},
      {"10-12 window state, watch, kind", [](MenuFile& m) { B(m).RunMaximized = 2, B(m).WaitForExit = -1, B(m).ButtonKind = 1; },
       Rec([](const TOVButton& b) { return S(b.RunMaximized) + " " + S(b.WaitForExit) + " " + S(b.ButtonKind); }), "2 -1 1"},
      {"12 kind 0: the picture", [](MenuFile& m) {
         B(m).ButtonKind = 0;
         m.Pictures.push_back(PictureAt(1, 0, 0, SolidPicture(64, 32, 0x00FF0000)));
         m.Pictures.push_back(PictureAt(1, 1, 0, SolidPicture(64, 32, 0x0000FF00)));
       },
       [](PlayerRig& r) {
         const ControlState& img = Ctl(r, K::ImgBtn, 1);
         return On(Shown, kFour)(r) + " " + Box(img) + " " + Hex(img.Picture ? img.Picture->Pixels[0] : 0) + " " +
                S(r.Window.Menu.Buttons[1].LastFrame[1]);
       },
       "shown | hidden | hidden | shown 5 6 64 32 FF0000 0"},
      {"frames counted up to 100", [](MenuFile& m) {
         for (int32_t f = 1; f <= 100; ++f) m.Pictures.push_back(PictureAt(1, 3, f, SolidPicture(1, 1, 0)));
       },
       Rec([](const TOVButton& b) { return S(b.LastFrame[3]); }), "100"},
      {"frames counted up to the first gap", [](MenuFile& m) {
         for (int32_t f : {1, 2, 4}) m.Pictures.push_back(PictureAt(1, 2, f, SolidPicture(1, 1, 0)));
       }, Rec([](const TOVButton& b) { return S(b.LastFrame[2]); }), "2"},
      {"12 kind 1: the push button", [](MenuFile& m) { B(m).ButtonKind = 1; }, On(Shown, kFour), "hidden | shown | hidden | hidden"},
      {"12 kind 2: the label", [](MenuFile& m) { B(m).ButtonKind = 2; }, On(Shown, kFour), "hidden | hidden | shown | shown"},
      {"12 kind 7: the label", [](MenuFile& m) { B(m).ButtonKind = 7; }, On(Shown, kFour), "hidden | hidden | shown | shown"},
      {"13 caption of a push button", [](MenuFile& m) { B(m).Caption = "&Setup", B(m).ButtonKind = 1; },
       On(Text, {K::WinBtn, K::LblBtn, K::KeyBtn}), "&Setup | &Setup | &0"},
      {"13 caption of a label button", [](MenuFile& m) { B(m).Caption = "&Install"; },
       On(Text, {K::WinBtn, K::LblBtn, K::KeyBtn}), "&Install | &Install | &Install"},
      {"14-15 size", [](MenuFile& m) { B(m).Width = 70, B(m).Height = 33; }, On(Box, {K::WinBtn, K::LblBtn}),
       "5 6 70 33 | 5 6 70 33"},
      {"16-17 font", [](MenuFile& m) { B(m).FontName = "Georgia", B(m).FontSize = 13; },
       [](PlayerRig& r) { return On(Font, {K::WinBtn, K::LblBtn})(r) + " " + r.Window.Menu.Buttons[1].FontName; },
       "Georgia 13 0 | Georgia 13 0 Georgia"},
      {"18 colour", [](MenuFile& m) { B(m).FontColour = 0x0000FF; },
       [](PlayerRig& r) { return On(Colour, {K::LblBtn, K::WinBtn})(r) + " " + S(r.Window.Menu.Buttons[1].FontColour); },
       "0000FF | none 255"},
      {"19 alignment 1", [](MenuFile& m) { B(m).Alignment = 1; }, On(Align, {K::LblBtn}), "1"},
      {"19 alignment 3 keeps the previous", [](MenuFile& m) { B(m).Alignment = 3; }, On(Align, {K::LblBtn}), "2",
       [](MenuFile& m) { B(m).Alignment = 2; }},
      {"19 alignment -1 keeps the previous", [](MenuFile& m) { B(m).Alignment = -1; }, On(Align, {K::LblBtn}), "1",
       [](MenuFile& m) { B(m).Alignment = 1; }},
      {"20 bold, 1 is no style", [](MenuFile& m) { B(m).Bold = -1, B(m).Italic = 1; },
       On(Font, {K::WinBtn, K::LblBtn}), "Verdana 9 1 | Verdana 9 1"},
      {"21 italic: the label gets a space", [](MenuFile& m) { B(m).Italic = -1, B(m).Underline = 1; },
       [](PlayerRig& r) { return On(Font, {K::WinBtn, K::LblBtn})(r) + " " + On(Text, {K::WinBtn, K::LblBtn})(r) + "."; },
       "Verdana 9 2 | Verdana 9 2 &Go | &Go ."},
      {"22 underline", [](MenuFile& m) { B(m).Underline = -1, B(m).Bold = 2; }, On(Font, {K::WinBtn, K::LblBtn}),
       "Verdana 9 4 | Verdana 9 4"},
      {"23-26 viewer", [](MenuFile& m) { B(m).ViewerCheck = 1, B(m).ViewerName = "Viewer", B(m).ViewerVersion = "5", B(m).ViewerCompare = 2; },
       Rec([](const TOVButton& b) { return S(b.ViewerCheck) + b.ViewerName + b.ViewerVersion + S(b.ViewerCompare); }), "1Viewer52"},
      {"version 6: viewer and style cleared, created fonts kept, alignment field kept",
       [](MenuFile& m) { m.Header.Version = 6; },
       [](PlayerRig& r) {
         const TOVButton& b = r.Window.Menu.Buttons[1];
         return S(b.ViewerCheck) + b.ViewerName + b.ViewerVersion + S(b.ViewerCompare) + " " + S(b.FontStyle) + " " +
                S(b.Alignment) + " " + On(Font, {K::LblBtn})(r) + " " + On(Text, {K::LblBtn})(r) + ".";
       },
       "00 0 2 Tahoma 8 0 &Go.",
       [](MenuFile& m) { B(m).ViewerCheck = 1, B(m).ViewerName = "V", B(m).ViewerVersion = "5", B(m).ViewerCompare = 1,
                         B(m).Italic = -1, B(m).Alignment = 2; }},
  });
  // clang-format on
}

TEST(ButtonRecordTest, FreshControlsAreNamedAndPlacedBeforeTheirRecordIsApplied) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Seven");
  for (int i = 0; i < 7; ++i) menu.Buttons.push_back(PushButtonRecord("x", 1, 1));
  rig.Install({{"a.mnu", menu}});
  rig.Start();
  // Creation order per button: label, push button, picture, keyboard control; button 7 made
  // after button 6's record.
  EXPECT_TRUE(rig.View.InOrder(
      {"create KeyBtn006", "create LblBtn007", "create WinBtn007", "create ImgBtn007", "create KeyBtn007"}));
  // Button 7 as made (its record later moved it).
  PlayerRig fresh;
  TOVButton& made = fresh.Window.Menu.Buttons[7];
  made.Target = made.Parameters = made.Description = "old";
  made.MinimizeAfter = made.WaitForExit = made.RunMaximized = made.CloseAfter = made.AnimMode = made.ButtonKind =
      made.ButtonState = made.CurrentFrame = made.AnimDirection = made.ImgBtnShownState = 3;
  made.LastFrame = {1, 2, 3, 4};
  fresh.Window.CreateButtonControls(7);
  fresh.Window.CreateButtonControls(7);  // made again: the old controls go first
  EXPECT_EQ(std::count_if(fresh.View.Log.begin(), fresh.View.Log.end(),
                          [](const std::string& line) { return line.rfind("destroy", 0) == 0 && line.back() == '7'; }),
            4);
  EXPECT_EQ(made.Target + made.Parameters + made.Description, "") << "every field starts afresh";
  EXPECT_EQ((std::vector<int32_t>{made.MinimizeAfter, made.WaitForExit, made.RunMaximized, made.CloseAfter,
                                  made.AnimMode, made.ButtonKind, made.ButtonState, made.CurrentFrame,
                                  made.AnimDirection, made.ImgBtnShownState, made.LastFrame[0], made.LastFrame[3]}),
            std::vector<int32_t>(12, 0));
  const ControlState &label = Ctl(fresh, K::LblBtn, 7), &push = Ctl(fresh, K::WinBtn, 7),
                     &key = Ctl(fresh, K::KeyBtn, 7);
  EXPECT_EQ(label.Text + " " + Box(label) + " " + Shown(label), "Button &7 200 60 97 25 hidden");
  EXPECT_EQ(push.Text + " " + S(push.TabStop) + " | " + Box(key) + " " + Shown(key),
            "Button &7 1 | -40 -40 20 20 shown");
  EXPECT_EQ(fresh.Window.Menu.Buttons[7].ShortcutKey, "0");
  // Drawn above the controls made before them: the label, the push button, the keyboard control.
  EXPECT_TRUE(fresh.View.InOrder({"front LblBtn007", "front WinBtn007", "front KeyBtn007"}));
  EXPECT_EQ(fresh.View.IndexOf("front ImgBtn007"), -1);

  // The window-wide controls as made, in drawing order, before any menu.
  fresh.View.CreationOrder.clear();
  fresh.Window.CreateBaseControls();
  std::vector<std::string> base;
  for (K kind : {K::MenBck, K::imgAccPicture, kShadow, kText, kTime, kDate}) {
    const ControlState& c = Ctl(fresh, kind);
    base.push_back(ControlName(BaseControl(kind)) + ": " + Box(c) + " " + Shown(c) + (c.Transparent ? " clear" : "") +
                   (c.WordWrap ? " wrap" : "") + (c.AutoSize ? " auto" : "") + " " + c.Text);
  }
  EXPECT_EQ(base, (std::vector<std::string>{
                      "MenBck: 0 0 1 1 shown auto ", "imgAccPicture: 0 0 0 0 shown auto ",
                      "lblAccShadow: 40 120 120 45 hidden clear wrap ", "lblAccText: 40 120 120 45 shown clear wrap ",
                      "lblTime: 20 200 60 17 shown clear 12:00:00", "lblDate: 95 200 60 17 shown clear 01/02/2026"}));
  EXPECT_EQ(fresh.View.CreationOrder,
            (std::vector<std::string>{"MenBck", "imgAccPicture", "lblAccShadow", "lblAccText", "lblTime", "lblDate"}));
  EXPECT_GE(fresh.View.IndexOf("back MenBck"), 0);
  EXPECT_EQ(S(fresh.View.Timers[MenuTimer::Timer1]) + " " + S(fresh.Window.Menu.AnimInterval), "1000 100");
  EXPECT_EQ(fresh.Window.Menu.TransparentColour, kNoTransparentColour);
}

TEST(MenuLoadingTest, ASecondMenuWithFewerButtonsLeavesNothingOfTheFirst) {
  PlayerRig rig;
  MenuFile five = BasicMenu("Five");
  for (int i = 1; i <= 5; ++i) {
    five.Buttons.push_back(PushButtonRecord("B" + std::to_string(i), 10 * i, 10));
    five.Pictures.push_back(PictureAt(static_cast<uint8_t>(i), 0, 0, SolidPicture(8, 8, 0x10u * i)));
  }
  five.Pictures.push_back(PictureAt(5, 1, 3, SolidPicture(8, 8, 1)));
  five.Pictures.push_back(PictureAt(1, kAccessoryState, 0, SolidPicture(8, 8, 0xA1)));
  MenuFile two = BasicMenu("Two");
  two.Buttons = {PushButtonRecord("X", 1, 1), PushButtonRecord("Y", 2, 2)};
  two.Pictures.push_back(PictureAt(1, kAccessoryState, 0, SolidPicture(8, 8, 0xB1)));
  rig.Install({{"five.mnu", five}, {"two.mnu", two}});
  rig.Start();
  EXPECT_EQ(rig.View.CountOf(ControlKind::WinBtn), 5u);
  rig.Window.HighlightButton(1);
  rig.Window.LoadMenu("two.mnu");
  // Nothing is highlighted, so pointing at button 1 again shows the new menu's accessory picture.
  EXPECT_EQ(rig.Window.HighlightedButton, 0);
  rig.Window.HighlightButton(1);
  EXPECT_EQ(Ctl(rig, K::imgAccPicture).Picture->Pixels[0], 0xB1u);
  for (ControlKind kind : {ControlKind::ImgBtn, ControlKind::WinBtn, ControlKind::KeyBtn, ControlKind::LblBtn})
    EXPECT_EQ(rig.View.CountOf(kind), 2u);
  rig.Window.SetBounds(ButtonControl(ControlKind::WinBtn, 3), Bounds{1, 2, 3, 4});  // left alone
  EXPECT_EQ(rig.View.Find(ButtonControl(ControlKind::WinBtn, 3)), nullptr);
  EXPECT_EQ(rig.Window.Menu.Images.Count(), 2u) << "only the new background and accessory are left";
  EXPECT_EQ(rig.View.IndexOf("destroy ImgBtn006"), -1) << "controls that were never made";
  EXPECT_FALSE(rig.Window.Menu.Images.HasImage(5, 1, 3));
  EXPECT_EQ(rig.View.PicturesReleased, 2);
  // The old controls went before the new ones were made, in the order of each button.
  EXPECT_TRUE(rig.View.InOrder(
      {"destroy ImgBtn001", "destroy WinBtn001", "destroy KeyBtn001", "destroy LblBtn001", "create LblBtn001"}));
}

// Everything a menu and its use leave behind is set afresh by the next load: a menu that sets
// every value, used (highlighted, pressed, animated), then a menu of default values must look as
// that menu does when it is the first. Only the outline, the title scroller's position and the
// hidden accessory's last picture (and its size) carry over by design.
TEST(MenuLoadingTest, ALoadRestoresEveryStateTheMenuBeforeLeft) {
  MenuFile all = BasicMenu("All");
  MenuSettings& st = all.Settings;
  st.InitialButton = 1, st.TransparentColour = 13, st.ScrollTitle = 1, st.AnimInterval = 250, st.ShadowOffset = 2;
  st.DescriptionAlignment = 1, st.TimeShown = 0, st.Placement = 1;
  ButtonRecord b = PushButtonRecord("&Pic", 30, 40);
  b.ButtonKind = kImageButton, b.AnimMode = 4, b.ShortcutKey = "7", b.Target = "t.exe", b.Description = "Pic";
  b.Italic = -1, b.Alignment = 2, b.ViewerCheck = b.MinimizeAfter = b.CloseAfter = b.WaitForExit = b.RunMaximized = 1;
  all.Buttons = {b, PushButtonRecord("Two", 1, 1)};
  for (uint8_t state = 0; state <= kAccessoryState; ++state)
    for (int32_t f = 0; f <= 2; ++f)
      all.Pictures.push_back(PictureAt(1, state, f, SolidPicture(6, 6, state * 10u + 1)));
  MenuFile none = BasicMenu("");
  none.Settings = pack::DefaultSettings();
  none.Buttons = {pack::DefaultButton()};
  const auto state = [](PlayerRig& r) {
    const TOVMenu& m = r.Window.Menu;
    const TOVButton& o = m.Buttons[1];
    // clang-format off
    std::vector<std::string> out = {
        o.Target + "|" + o.Parameters + "|" + o.Description + "|" + o.ShortcutKey + "|" + o.FontName + "|" + o.ViewerName +
            o.ViewerVersion + "|" + S(o.MinimizeAfter) + S(o.WaitForExit) + S(o.RunMaximized) + S(o.CloseAfter) +
            S(o.AnimMode) + S(o.ButtonKind) + S(o.FontSize) + S(o.FontStyle) + S(o.FontColour) + S(o.Alignment) +
            S(o.ViewerCheck) + S(o.ViewerCompare),
        S(o.ButtonState) + S(o.CurrentFrame) + S(o.AnimDirection) + S(o.ImgBtnShownState) + " frames " +
            S(o.LastFrame[0]) + S(o.LastFrame[1]) + S(o.LastFrame[2]) + S(o.LastFrame[3]),
        "button 2: " + S(m.Buttons[2].ControlsExist) + S(r.View.Find(ButtonControl(K::WinBtn, 2)) != nullptr),
        S(m.ButtonCount) + " " + S(m.AnimInterval) + " " + S(m.ScrollTitle) + " " + S(m.InitialButton) + " " +
            m.DefaultDescription + "|" + S(m.Placement) + " " + m.MenuTitle + "|" + S(m.TransparentColour) + " " +
            S(m.ShadowOffset) + " " + S(m.AccPictureButton) + " " + S(static_cast<int64_t>(m.Images.Count())),
        S(r.Window.HighlightedButton) + " " + At(r.View.WindowBounds) + " " + r.View.Caption + "|" + r.Window.TitleMarquee +
            "|" + S(r.View.Timers[MenuTimer::Timer3]) + " " + S(r.View.Timers[MenuTimer::Timer4])};
    // clang-format on
    for (K kind :
         {K::ImgBtn, K::WinBtn, K::LblBtn, K::KeyBtn, K::MenBck, K::imgAccPicture, kText, kShadow, kTime, kDate}) {
      const ControlState& c = Ctl(r, kind, kind >= K::ImgBtn ? 1 : 0);
      const bool accessory = kind == K::imgAccPicture;
      out.push_back((accessory ? At(c) : Box(c)) + " " + Shown(c) + " " + c.Text + " " + Font(c) + " " + Colour(c) +
                    " " + Align(c) + (c.Picture && !accessory ? " picture" : ""));
    }
    return out;
  };
  PlayerRig first, after;
  first.Install({{"none.mnu", none}});
  first.Start();
  after.Install({{"all.mnu", all}, {"none.mnu", none}});
  after.Start();
  ASSERT_EQ(after.Window.HighlightedButton, 1);
  after.Window.SelectedButton = 1;
  after.Window.SetButtonState(1, kPressedState, false);
  AnimateButtons(after.Window);
  ASSERT_EQ(after.Window.Menu.Buttons[1].CurrentFrame, 1);
  after.Window.LoadMenu("none.mnu");
  ASSERT_TRUE(first.Dialog.Messages.empty() && after.Dialog.Messages.empty());
  EXPECT_EQ(state(after), state(first));
}

// The view hears of each real change once, of a picture every time it is given, and never of a
// control that does not exist.
TEST(MenuLoadingTest, TheViewHearsOfRealChangesOnly) {
  PlayerRig rig;
  MenuFile menu = RowMenu();
  menu.Buttons.push_back(PushButtonRecord("Two", 1, 1));
  rig.Install({{"row.mnu", menu}});
  rig.Start();
  MenuWindow& w = rig.Window;
  const PictureRef picture = std::make_shared<const Picture>(SolidPicture(3, 2, 1));
  const struct {
    const char* name;
    ControlId id;
    std::function<void(const ControlId&)> set;
    int changes;  // of two calls with the same value
    // clang-format off
  } setters[] = {
      {"bounds", ButtonControl(K::LblBtn, 1), [&](const ControlId& id) { w.SetBounds(id, Bounds{1, 2, 3, 4}); }, 1},
      {"left and top", ButtonControl(K::LblBtn, 1), [&](const ControlId& id) { w.SetLeftTop(id, 7, 8); }, 1},
      {"size", ButtonControl(K::LblBtn, 1), [&](const ControlId& id) { w.SetSize(id, 9, 10); }, 1},
      {"visibility", ButtonControl(K::LblBtn, 1), [&](const ControlId& id) { w.SetVisible(id, false); }, 1},
      {"text", ButtonControl(K::LblBtn, 1), [&](const ControlId& id) { w.SetText(id, "new"); }, 1},
      {"font", ButtonControl(K::LblBtn, 1), [&](const ControlId& id) { w.SetFont(id, ControlFont{"Courier", 20, 1, {}}); }, 1},
      {"alignment", ButtonControl(K::LblBtn, 1), [&](const ControlId& id) { w.SetAlignment(id, TextAlignment::Centre); }, 1},
      {"picture, sizing its control once", ButtonControl(K::ImgBtn, 1), [&](const ControlId& id) { w.SetPicture(id, picture); }, 3},
      {"no picture: an auto-size control of no size", ButtonControl(K::ImgBtn, 2), [&](const ControlId& id) { w.SetPicture(id, nullptr); }, 2},
  };
  // clang-format on
  for (const auto& setter : setters) {
    const int before = rig.View.ControlChanges;
    setter.set(setter.id);
    setter.set(setter.id);
    setter.set(ButtonControl(setter.id.Kind, 3));
    EXPECT_EQ(rig.View.ControlChanges - before, setter.changes) << setter.name;
  }
  EXPECT_EQ(Box(Ctl(rig, K::LblBtn, 1)), "7 8 9 10");
  EXPECT_EQ(Box(Ctl(rig, K::ImgBtn, 1)) + " / " + Box(Ctl(rig, K::ImgBtn, 2)), "5 6 3 2 / 1 1 0 0");
}

TEST(MenuLoadingTest, TheStepsRunInTheirOrder) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Order");
  menu.Settings.InitialButton = 1;
  menu.Buttons = {PushButtonRecord("A", 1, 1)};
  menu.Buttons[0].ButtonKind = 0;
  for (const auto& [state, frame, colour] : {std::tuple{0, 0, 1u}, {1, 0, 2u}, {1, 1, 3u}, {1, 2, 4u}})
    menu.Pictures.push_back(PictureAt(1, state, frame, SolidPicture(4, 4, colour)));
  rig.Install({{"order.mnu", menu}});
  rig.Start();
  const auto& log = rig.View.Log;
  ASSERT_TRUE(rig.View.InOrder({"window visible 0", "picture MenBck", "window bounds", "visible ImgBtn001 1",
                                "window visible 1", "timer Timer3 100"}));
  const int timer3 = rig.View.IndexOf("timer Timer3 100");
  EXPECT_EQ(log[static_cast<size_t>(timer3 + 2)] + " " + log[static_cast<size_t>(timer3 + 3)], "pump pump");
  // The initial button is highlighted with its select sound; the frames were counted first.
  EXPECT_EQ(S(rig.Window.HighlightedButton) + " " + S(rig.Window.Menu.Buttons[1].LastFrame[1]), "1 2");
  EXPECT_EQ(Ctl(rig, ControlKind::ImgBtn, 1).Picture->Pixels[0], 2u);
  EXPECT_EQ(rig.SoundOut.Played, (std::vector<std::string>{"builtin 2 nowait", "builtin 1 nowait"}));
}

TEST(MenuLoadingTest, AWrongTagIsReportedOnceAndTheMenuStillShows) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Broken");
  pack::Bytes bytes = pack::WriteMenuFile(menu);
  bytes[11] = 9;  // the first setting's tag
  rig.InstallRaw({{"broken.mnu", bytes}, {"good.mnu", pack::WriteMenuFile(menu)}});
  rig.Start();
  ASSERT_EQ(rig.Dialog.Messages.size(), 1u);
  EXPECT_EQ(PlayerRig::Fields(rig.Dialog.Messages[0]),
            PlayerRig::Fields({"Error loading binary menu data.", MessageKind::Warning, mb::OK, 0, -1, ""}));
  EXPECT_EQ(S(rig.View.WindowVisible) + " " + S(rig.Window.MenuActive), "1 1");
  rig.Window.LoadMenu("good.mnu");
  EXPECT_EQ(rig.Dialog.Messages.size(), 1u) << "the next menu starts without the error";
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
  rig.Window.HighlightedButton = 1;  // the pointer was on "Keep"
  rig.Window.LoadMenu("old.mnu");
  ASSERT_EQ(rig.Dialog.Messages.size(), 2u);
  EXPECT_EQ(rig.Window.HighlightedButton, 1);
  EXPECT_EQ(PlayerRig::Fields(rig.Dialog.Messages[1]),
            PlayerRig::Fields({"Menu could not be read.", MessageKind::Error, mb::OK, 0, -1, "Orvane"}));
  EXPECT_EQ(S(rig.View.Terminations) + " " + S(rig.View.WindowVisible), "0 1");
  EXPECT_EQ(rig.View.IndexOf("destroy WinBtn001"), -1);
  EXPECT_EQ(Shown(Ctl(rig, ControlKind::WinBtn, 1)) + " " + rig.Window.MenuFileName, "shown good.mnu");
  EXPECT_TRUE(rig.Window.Menu.Images.HasImage(0, 0, 0));

  // The same for a name that the container lacks; the next load then works normally.
  rig.Window.LoadMenu("gone.mnu");
  EXPECT_EQ(S(rig.View.Terminations) + " " + S(rig.View.WindowVisible), "0 1");
  rig.Window.LoadMenu("good.mnu");
  EXPECT_EQ(rig.Dialog.Messages.size(), 4u);
}

TEST(MenuLoadingTest, PicturesOutsideTheTableAreSkipped) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Slots");
  menu.Buttons = {PushButtonRecord("A", 1, 1)};
  for (const auto& [button, state, frame] : {std::tuple{1, 3, 100}, {101, 0, 0}, {1, 4, 0}, {1, 0, 101}})
    menu.Pictures.push_back(PictureAt(button, state, frame, SolidPicture(2, 2, 7)));
  rig.Install({{"slots.mnu", menu}});
  rig.Start();
  EXPECT_TRUE(rig.Window.Menu.Images.HasImage(1, 3, 100));
  EXPECT_EQ(rig.Window.Menu.Images.Count(), 2u);
  EXPECT_TRUE(rig.View.WindowVisible);
}

TEST(TimersTest, ClockTitleAndRestoreTicksAndTheAboutItem) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Demo");
  menu.Settings.ScrollTitle = 1;
  rig.Install({{"demo.mnu", menu}});
  rig.Start();
  const auto pumps = [&rig](const std::function<void()>& tick) {  // the pumps and repaints of one tick
    rig.View.Log.clear(), tick();
    std::string seen;
    for (const std::string& e : rig.View.Log) seen += e == "pump" || e == "repaint" ? e + " " : "";
    return seen;
  };

  rig.View.TimeText = "12:00:01";
  rig.View.DateText = "02/02/2026";
  EXPECT_EQ(pumps([&] { rig.Window.Timer1_Timer(); }), "");
  EXPECT_EQ(Ctl(rig, ControlKind::lblTime).Text + " " + Ctl(rig, ControlKind::lblDate).Text, "12:00:01 02/02/2026");
  rig.View.TimeText = "12:00:02";
  rig.Window.LoadMenu("demo.mnu");
  EXPECT_EQ(Ctl(rig, ControlKind::lblTime).Text, "12:00:02") << "a load shows the time at once";

  EXPECT_EQ(pumps([&] { rig.Window.Timer4_Timer(); }), "repaint pump ");
  EXPECT_EQ(rig.View.Caption, "Demo     D");
  rig.Window.Timer4_Timer();
  EXPECT_EQ(rig.View.Caption, "emo     De");

  rig.View.Timers[MenuTimer::tmrARstr] = 300;
  rig.Processes.Running = true;
  const auto restore = [&rig] {
    return S(rig.View.Restores) + " " + S(rig.View.Timers[MenuTimer::tmrARstr]) + " " + S(rig.View.WindowFocus);
  };
  rig.Window.tmrARstr_Timer();
  EXPECT_EQ(restore(), "0 300 0");
  rig.Processes.Running = false;
  EXPECT_EQ(pumps([&] { rig.Window.tmrARstr_Timer(); }), "");
  EXPECT_EQ(restore(), "1 0 1");

  int steps = 0;
  rig.Window.AnimateButtons = [&] {
    ++steps;
    throw std::runtime_error("bad frame");
  };
  EXPECT_EQ(pumps([&] { rig.Window.Timer3_Timer(); }) + pumps([&] { rig.Window.Timer3_Timer(); }), "pump pump ");
  EXPECT_EQ(steps, 2) << "an error in one step does not stop the next";

  EXPECT_EQ(pumps([&] { rig.Window.Timer2Timer(); }), "pump ");
  EXPECT_EQ(S(rig.View.Terminations) + " " + S(rig.Window.ApplicationEnding), "1 1");

  // The context menu's About opens a new About window each time, once it is hooked up.
  rig.Window.About1Click();
  rig.Window.ShowAboutWindow = [&] { ++steps; };
  rig.Window.About1Click();
  rig.Window.About1Click();
  EXPECT_EQ(steps, 4);
}

}  // namespace
}  // namespace orvane::testing
