// Where the wheel, Alt+arrows, Tab and the plain arrows, shortcut characters and digits lead.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <tuple>

#include "app/selection.h"
#include "player_rig.h"

namespace orvane::testing {
namespace {

TEST(SelectionTest, WheelAndAltArrowsWrapAroundTheButtons) {
  // Down: the next button, 1 after the last. Up: the previous one; from 1 or from no selection,
  // the last. A selection left over from a larger menu counts as none in both directions, and a
  // menu without buttons has nothing to select.
  const std::array<int32_t, 4> rows[] = {
      // selected, buttons, next, previous
      {2, 5, 3, 1}, {5, 5, 1, 4}, {0, 5, 1, 5}, {3, 5, 4, 2}, {1, 5, 2, 5}, {9, 5, 1, 5}, {0, 0, 0, 0}};
  for (const auto& [selected, count, next, previous] : rows) {
    EXPECT_EQ(NextButtonNumber(selected, count), next) << selected << " of " << count;
    EXPECT_EQ(PreviousButtonNumber(selected, count), previous) << selected << " of " << count;
  }
  for (const auto& [key, from, to] :
       {std::tuple{ArrowKey::Left, 1, 4}, {ArrowKey::Up, 3, 2}, {ArrowKey::Right, 4, 1}, {ArrowKey::Down, 2, 3}})
    EXPECT_EQ(AltArrowButton(key, from, 4), to) << from;
}

TEST(SelectionTest, ShortcutCharacterOfACaption) {
  // clang-format off
  const std::pair<std::string, char32_t> rows[] = {
      {"&Setup", 'S'}, {"Button &12", '1'}, {"&0", '0'}, {"Tom && Jerry", 0}, {"R&&&D", 'D'},
      {"&&&&x", 0}, {"E&xit &Now", 'x'}, {"Trailing&", 0}, {"", 0},
      {"&\xD0\xA3\xD1\x81\xD1\x82", U'\u0423'}, {"\xCE\x91&\xCE\xB2", U'\u03B2'}, {"&\xE6\x97\xA5", U'\u65E5'}};
  // clang-format on
  for (const auto& [caption, shortcut] : rows) EXPECT_EQ(ShortcutCharacter(caption), shortcut) << caption;
}

TEST(SelectionTest, DigitsChooseTheButtonOfTheirNumber) {
  const std::tuple<char32_t, int32_t, int32_t> rows[] = {// digit, buttons, button chosen
                                                         {'1', 3, 1},   {'3', 3, 3},       {'4', 3, 0},
                                                         {'8', 100, 8}, {'9', 100, 0},     {'0', 100, 0},
                                                         {'a', 100, 0}, {U'\uFF11', 3, 0}, {0x10031, 100, 0}};
  for (const auto& [digit, count, button] : rows) EXPECT_EQ(DigitButton(digit, count), button) << digit;
}

// A menu of `kinds` buttons as menu loading leaves it: image and label buttons focus through
// their KeyBtn, push buttons through their WinBtn; the other push control is hidden.
std::unique_ptr<TOVMenu> MenuOf(const std::vector<std::pair<int32_t, std::string>>& buttons) {
  auto menu = std::make_unique<TOVMenu>();
  menu->ButtonCount = static_cast<int32_t>(buttons.size());
  for (size_t i = 0; i < buttons.size(); ++i) {
    TOVButton& b = menu->Buttons[i + 1];
    b.ControlsExist = true;
    b.ButtonKind = buttons[i].first;
    const bool push = b.ButtonKind == kPushButton;
    b.WinBtn.Visible = push;
    b.KeyBtn.Visible = !push;
    b.WinBtn.Text = push ? buttons[i].second : "Button &" + std::to_string(i + 1);
    b.KeyBtn.Text = push ? "&0" : buttons[i].second;
  }
  return menu;
}

TEST(SelectionTest, FocusMovesThroughTheVisibleControlsInCreationOrderAndWraps) {
  const auto menu = MenuOf({{kImageButton, "&a"}, {kPushButton, "&Setup"}, {kLabelButton, "&Go"}});
  const ControlId key1 = ButtonControl(ControlKind::KeyBtn, 1);
  const ControlId win2 = ButtonControl(ControlKind::WinBtn, 2);
  const ControlId key3 = ButtonControl(ControlKind::KeyBtn, 3);
  EXPECT_EQ(FocusableControls(*menu), (std::vector<ControlId>{key1, win2, key3}));

  // From nowhere, or from a hidden control (KeyBtn 2): the first forward, the last backward.
  const std::tuple<std::optional<ControlId>, bool, ControlId> moves[] = {
      {key1, true, win2},  {key3, true, key1},         {key1, false, key3},
      {win2, false, key1}, {std::nullopt, true, key1}, {ButtonControl(ControlKind::KeyBtn, 2), false, key3}};
  for (const auto& [from, forward, to] : moves) EXPECT_EQ(NextFocusable(*menu, from, forward), to);
  EXPECT_EQ((std::vector<std::optional<ControlId>>{FocusTarget(*menu, 0), FocusTarget(*menu, 1), FocusTarget(*menu, 2),
                                                   FocusTarget(*menu, 4)}),
            (std::vector<std::optional<ControlId>>{std::nullopt, key1, win2, std::nullopt}));

  TOVMenu empty;
  EXPECT_EQ(NextFocusable(empty, std::nullopt, true), std::nullopt);
}

TEST(SelectionTest, ShortcutsMatchVisibleControlsRegardlessOfCaseLowestButtonFirst) {
  const auto menu = MenuOf({{kImageButton, "&5"},
                            {kPushButton, "&Setup"},
                            {kLabelButton, "&setup again"},
                            {kLabelButton, "Rock && &Roll"},
                            {kLabelButton, "Plain"}});
  const auto symbols = MenuOf({{kLabelButton, "&["},
                               {kPushButton, "&\xD0\xA3\xD1\x81\xD1\x82"},  // Уст
                               {kLabelButton, "\xCE\xB1&\xCF\x82"}});       // ας
  // The control clicked: "KeyBtn 4", "WinBtn 2"; "none" when nothing has the character.
  const auto hit = [](const TOVMenu& m, char32_t typed) {
    const std::optional<ShortcutHit> h = FindShortcut(m, typed);
    return h ? std::string(h->Control == ControlKind::WinBtn ? "WinBtn " : "KeyBtn ") + std::to_string(h->Button)
             : "none";
  };
  // clang-format off
  const std::tuple<const TOVMenu*, char32_t, const char*, const char*> rows[] = {
      {menu.get(), 's', "WinBtn 2", "the lowest button wins"}, {menu.get(), 'S', "WinBtn 2", "either case"},
      {menu.get(), 'r', "KeyBtn 4", "the mark after an ampersand"}, {menu.get(), '5', "KeyBtn 1", "a digit"},
      {menu.get(), '1', "none", "the hidden push control of the image button (Button &1)"},
      {menu.get(), '0', "none", "the hidden keyboard control of the push button (&0)"},
      {menu.get(), '&', "none", "&& is an ampersand, not an access key"}, {menu.get(), 'x', "none", "nobody's"},
      {menu.get(), 0, "none", "a typed NUL (Ctrl+@) is no caption's mark"},
      {symbols.get(), '{', "none", "other characters do not fold"}, {symbols.get(), '[', "KeyBtn 1", "a symbol"},
      {symbols.get(), U'\u0443', "WinBtn 2", "у folds to У"}, {symbols.get(), U'\u0423', "WinBtn 2", "У"},
      {symbols.get(), 'y', "none", "the Latin look-alike is another letter"},
      {symbols.get(), U'\u03A3', "KeyBtn 3", "Σ for the final ς"}, {symbols.get(), U'\u03B1', "none", "α is no mark"},
  };
  // clang-format on
  for (const auto& [m, typed, want, why] : rows) EXPECT_EQ(hit(*m, typed), want) << why;
}

TEST(SelectionTest, LoadedMenuFocusesAndMatchesTheControlsLoadingMade) {
  PlayerRig rig;
  MenuFile menu = BasicMenu("Keys");
  ButtonRecord image = PushButtonRecord("Picture", 10, 10);
  image.ButtonKind = kImageButton;
  image.ShortcutKey = "p";
  ButtonRecord label = PushButtonRecord("&Install", 10, 50);
  label.ButtonKind = kLabelButton;
  menu.Buttons = {image, PushButtonRecord("&Setup", 10, 90), label};
  menu.Pictures.push_back(PictureAt(1, 0, 0, SolidPicture(8, 8, 1)));
  rig.Install({{"keys.mnu", menu}});
  rig.Start();
  ASSERT_TRUE(rig.Dialog.Messages.empty());
  const TOVMenu& m = rig.Window.Menu;

  EXPECT_EQ(FocusableControls(m),
            (std::vector<ControlId>{ButtonControl(ControlKind::KeyBtn, 1), ButtonControl(ControlKind::WinBtn, 2),
                                    ButtonControl(ControlKind::KeyBtn, 3)}));
  EXPECT_EQ(FindShortcut(m, 'P')->Button, 1);
  EXPECT_EQ(FindShortcut(m, 's')->Control, ControlKind::WinBtn);
  EXPECT_EQ(FindShortcut(m, 'i')->Button, 3);
  // The wheel from the last button comes back to the first, which takes the focus on its KeyBtn.
  EXPECT_EQ(FocusTarget(m, NextButtonNumber(3, m.ButtonCount)), ButtonControl(ControlKind::KeyBtn, 1));
}

}  // namespace
}  // namespace orvane::testing
