// The pointer, wheel and keyboard handlers and dragging, on a loaded menu with image, label and
// push buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/menu_input.h"
#include "app/selection.h"
#include "app/window_action_host.h"
#include "player_rig.h"

namespace orvane::testing {
namespace {

uint32_t Mark(int32_t button, int32_t state) { return static_cast<uint32_t>(button * 10 + state); }

class MenuInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MenuFile menu = BasicMenu("Input");
    // 1 image "S", 2 image without shortcut, 3 label "&Go", 4 push "&Setup", 5 image "s".
    menu.Buttons = {Image("S", 10, "First"), Image("0", 40, ""), Record("&Go", 70, kLabelButton),
                    Record("&Setup", 100, kPushButton), Image("s", 130, "Fifth")};
    for (int32_t b : {1, 2, 5})
      for (int32_t s : {kNormalState, kHighlightedState, kPressedState})
        menu.Pictures.push_back(
            PictureAt(static_cast<uint8_t>(b), static_cast<uint8_t>(s), 0, SolidPicture(20, 10, Mark(b, s))));
    menu.Pictures.push_back(PictureAt(1, kAccessoryState, 0, SolidPicture(8, 8, Mark(1, 3))));
    rig.Install({{"input.mnu", menu}});
    rig.Start();
    ASSERT_TRUE(rig.Dialog.Messages.empty());
    ASSERT_TRUE(rig.Window.MenuActive);
    rig.Window.RunButtonAction = [this](int32_t n) {
      // The picture a button shows while its action runs.
      const ControlState* img = rig.View.Find(ButtonControl(ControlKind::ImgBtn, n));
      shownDuringAction.push_back(img && img->Picture ? img->Picture->Pixels[0] : 0u);
      lastStepBeforeAction = rig.View.Log.empty() ? "" : rig.View.Log.back();
      logAtAction = rig.View.Log.size();
      actions.push_back(n);
    };
    input.WindowBounds = [this] { return rig.View.WindowBounds; };
    input.ShowMoveCursor = [this](bool move) { cursors.push_back(move); };
  }
  static ButtonRecord Record(const std::string& caption, int32_t top, int32_t kind) {
    ButtonRecord b = PushButtonRecord(caption, 10, top);
    b.ButtonKind = kind;
    return b;
  }
  static ButtonRecord Image(const std::string& shortcut, int32_t top, const std::string& text) {
    ButtonRecord b = Record("", top, kImageButton);
    b.ShortcutKey = shortcut;
    b.Description = text;
    return b;
  }
  uint32_t Shown(int32_t n) {
    const ControlState* state = rig.View.Find(ButtonControl(ControlKind::ImgBtn, n));
    return state && state->Picture ? state->Picture->Pixels[0] : 0u;
  }
  size_t SelectSounds() const {
    return static_cast<size_t>(
        std::count(rig.SoundOut.Played.begin(), rig.SoundOut.Played.end(), std::string("builtin 2 nowait")));
  }
  size_t LogCount(const std::string& line) const {
    return static_cast<size_t>(std::count(rig.View.Log.begin(), rig.View.Log.end(), line));
  }
  // The platform's part: the control last given the focus reports it to its focus handler.
  std::optional<ControlId> DeliverFocus() {
    for (auto line = rig.View.Log.rbegin(); line != rig.View.Log.rend(); ++line) {
      if (line->rfind("focus ", 0) != 0 || *line == "focus window") continue;
      const std::string name = line->substr(6);
      const ControlKind kind = name.rfind("KeyBtn", 0) == 0 ? ControlKind::KeyBtn : ControlKind::WinBtn;
      focused = ButtonControl(kind, ButtonNumberFromName(name));
      input.GotFocus(*focused);
      return focused;
    }
    return std::nullopt;
  }
  bool Key(NavigationKey key, KeyModifiers modifiers = {}) {
    rig.View.Log.clear();
    const bool taken = input.KeyDown(focused, key, modifiers);
    DeliverFocus();
    return taken;
  }

  PlayerRig rig;
  MenuInput input{rig.Window};
  std::optional<ControlId> focused;
  std::vector<int32_t> actions;
  std::vector<uint32_t> shownDuringAction;
  std::string lastStepBeforeAction;
  size_t logAtAction = 0;
  std::vector<bool> cursors;
};

// Each change of state paints the pictures it changes and lets messages run exactly where it should:
// a highlight refreshes the description after its picture, a press or a release only paints, and
// the button losing the highlight only paints. Rows run in order on one menu; "sound" is a select
// sound; after "=>" the highlighted and the selected button, the description (and the accessory
// picture when shown) and the pictures of buttons 1, 2 and 5 (button x 10 + state).
TEST_F(MenuInputTest, EachStateChangePaintsAndLetsMessagesRunExactlyWhereItShould) {
  const ControlId key5 = ButtonControl(ControlKind::KeyBtn, 5);
  const struct {
    const char* name;
    std::function<void()> act;
    std::string want;
    // clang-format off
  } rows[] = {
      {"highlight", [&] { input.picButton_MouseMove(1); },
       "sound, picture ImgBtn001, pump, picture imgAccPicture, visible imgAccPicture 1, pump => 1 1 First acc 11 20 50"},
      {"moving within the picture: one highlight, one sound", [&] { input.picButton_MouseMove(1); }, " => 1 1 First acc 11 20 50"},
      {"press", [&] { input.picButton_MouseDown(1); }, "pump, picture ImgBtn001 => 1 1 First acc 12 20 50"},
      {"release", [&] { input.picButton_MouseUp(1, 30, 40); }, "picture ImgBtn001 => 1 1 First acc 11 20 50"},
      {"highlight moves on; an empty description shows the default", [&] { input.picButton_MouseMove(2); },
       "sound, picture ImgBtn001, picture ImgBtn002, pump, visible imgAccPicture 0, pump => 2 2 Welcome 10 21 50"},
      {"background: no highlight, no sound, the selection stays", [&] { input.MenBckMouseMove(200, 200); },
       "picture ImgBtn002, pump => -1 2 Welcome 10 20 50"},
      {"highlight cleared by 0: with a sound", [&] { rig.Window.HighlightButton(0); }, "sound, pump => 0 2 Welcome 10 20 50"},
      {"a label button under the pointer", [&] { input.cmdButton_MouseMove(3); }, "sound, pump, pump => 3 3 Welcome 10 20 50"},
      {"the description passes the pointer to the background", [&] { input.lblAccText_MouseMove(5, 5); },
       "pump => -1 3 Welcome 10 20 50"},
      {"a background move while one runs returns at once", [&] {
         input.picButton_MouseMove(2);
         rig.View.Log.clear();
         input.BackgroundMoveBusy = true;
         input.MenBckMouseMove(1, 1);
         input.BackgroundMoveBusy = false;
       },
       "sound => 2 2 Welcome 10 21 50"},
      {"shortcut of an image button", [&] { input.CharacterTyped(std::nullopt, 's'); },
       "sound, picture ImgBtn002, picture ImgBtn001, pump, visible imgAccPicture 1, pump, pump, picture ImgBtn001, pump, pump, "
       "picture ImgBtn001 => 1 1 First acc 11 20 50"},
      {"shortcut of a label button", [&] { input.CharacterTyped(std::nullopt, 'g'); },
       "sound, picture ImgBtn001, pump, visible imgAccPicture 0, pump, pump => 3 3 Welcome 10 20 50"},
      {"Shift+Enter", [&] { input.KeyDown(key5, NavigationKey::Enter, {true, false, false}); },
       "picture ImgBtn005, pump, picture ImgBtn005 => 3 3 Welcome 10 20 51"},
      {"keyboard control focused: its picture afresh", [&] { input.GotFocus(key5); },
       "sound, pump, pump, pump, picture ImgBtn005 => 5 5 Fifth 10 20 51"},
      {"push button focused", [&] { input.GotFocus(ButtonControl(ControlKind::WinBtn, 4)); },
       "sound, picture ImgBtn005, pump, pump => 4 4 Welcome 10 20 50"},
      {"a highlight arriving while one runs is dropped", [&] {
         rig.View.OnPump = [&] { rig.View.OnPump = nullptr, input.picButton_MouseMove(2); };
         input.picButton_MouseMove(1);
       },
       "sound, picture ImgBtn001, pump, visible imgAccPicture 1, pump => 1 2 First acc 11 20 50"},
  };
  // clang-format on
  for (const auto& row : rows) {
    rig.View.Log.clear();
    const size_t sounds = SelectSounds();
    row.act();
    std::string seen(SelectSounds() > sounds ? "sound" : "");
    for (const std::string& line : rig.View.Log) seen += (seen.empty() ? "" : ", ") + line;
    const TOVMenu& m = rig.Window.Menu;
    seen += " => " + std::to_string(rig.Window.HighlightedButton) + " " + std::to_string(rig.Window.SelectedButton) +
            " " + m.lblAccText.Text +
            (m.lblAccShadow.Text == m.lblAccText.Text ? "" : " shadow " + m.lblAccShadow.Text) +
            (m.imgAccPicture.Visible ? " acc " : " ") + std::to_string(Shown(1)) + " " + std::to_string(Shown(2)) +
            " " + std::to_string(Shown(5));
    EXPECT_EQ(seen, row.want) << row.name;
  }
}

TEST_F(MenuInputTest, ReleaseRunsTheActionOnlyStrictlyInsideThePicture) {
  input.picButton_MouseMove(1);
  // 20 x 10 picture: the top row, the left column and everything from the size on are outside.
  for (auto point : {std::pair{0, 5}, {5, 0}, {20, 5}, {5, 10}, {-3, 4}, {30, 40}}) {
    input.picButton_MouseDown(1);
    EXPECT_EQ(Shown(1), Mark(1, kPressedState));
    input.picButton_MouseUp(1, point.first, point.second);
    EXPECT_EQ(Shown(1), Mark(1, kHighlightedState));
  }
  EXPECT_TRUE(actions.empty());
  input.picButton_MouseDown(1);
  input.picButton_MouseUp(1, 1, 1);
  input.picButton_MouseDown(1);
  input.picButton_MouseUp(1, 19, 9);
  EXPECT_EQ(actions, (std::vector<int32_t>{1, 1}));

  // The wheel moved the selection while the pointer rested on picture 1: its own action runs.
  actions.clear();
  input.FormMouseWheelDown();
  ASSERT_EQ(rig.Window.SelectedButton, 2);
  input.picButton_MouseDown(1);
  input.picButton_MouseUp(1, 5, 5);
  EXPECT_EQ(actions, (std::vector<int32_t>{1}));
  EXPECT_EQ(rig.Window.SelectedButton, 1);

  // A failing action is not passed on.
  rig.Window.RunButtonAction = [](int32_t) { throw std::runtime_error("gone"); };
  EXPECT_NO_THROW(input.picButton_MouseUp(1, 5, 5));
}

// Every place that takes a button number acts on the first and the last button and on nothing
// one past either edge: the menu's count (5; buttons 1 and 5 are pictures) or the 100 a window has.
TEST_F(MenuInputTest, EveryButtonNumberIsTakenFromOneToTheLastAndNoFurther) {
  WindowActionHost host(rig.Window, rig.Data);
  TOVMenu& menu = rig.Window.Menu;
  for (int32_t n = 0; n <= kMaxButtons + 1; ++n)
    menu.Buttons[static_cast<size_t>(n)].Description = "D" + std::to_string(n);
  const auto record = [&](int32_t n) -> TOVButton* { return n < 0 ? nullptr : &menu.Buttons[static_cast<size_t>(n)]; };
  const auto ran = [&](int32_t n) { return actions == std::vector<int32_t>{n}; };
  struct Handler {
    const char* name;
    int32_t last;
    std::function<bool(int32_t)> acts;  // runs on button n: did it act on n?
    // clang-format off
  } handlers[] = {
      {"release over the picture", 5, [&](int32_t n) { return input.picButton_MouseUp(n, 5, 5), ran(n); }},
      {"keyboard control clicked", 5, [&](int32_t n) { return input.btnShortcut_Click(n), ran(n); }},
      {"keyboard control focused", 5, [&](int32_t n) { return input.btnShortcut_GotFocus(n), rig.Window.SelectedButton == n; }},
      {"state set, frame and direction restarted", 5, [&](int32_t n) {
         if (TOVButton* b = record(n)) b->ButtonState = kNormalState, b->CurrentFrame = 3, b->AnimDirection = 1;
         rig.Window.SetButtonState(n, kPressedState, false);
         const TOVButton* b = record(n);
         return b && b->ButtonState == kPressedState && b->CurrentFrame == 0 && b->AnimDirection == 0;
       }},
      {"highlighted", 5, [&](int32_t n) {
         rig.Window.HighlightButton(-1);
         rig.Window.HighlightButton(n);
         return record(n) && record(n)->ButtonState == kHighlightedState;
       }},
      {"action fields", 5, [&](int32_t n) { return host.Button(n).has_value(); }},
      {"focus target", 5, [&](int32_t n) { return FocusTarget(menu, n).has_value(); }},
      {"digit typed", 5, [&](int32_t n) { return DigitButton(static_cast<char>('0' + n), 5) != 0; }},
      {"description", kMaxButtons, [&](int32_t n) { return rig.Window.ShowDescription(n), menu.lblAccText.Text == "D" + std::to_string(n); }},
      {"controls made", kMaxButtons, [&](int32_t n) {
         PlayerRig fresh;
         fresh.Window.CreateButtonControls(n);
         return fresh.View.Find(ButtonControl(ControlKind::LblBtn, n)) != nullptr;
       }},
      {"control of a record marked as made", kMaxButtons, [&](int32_t n) {
         PlayerRig fresh;
         if (n >= 0) fresh.Window.Menu.Buttons[static_cast<size_t>(n)].ControlsExist = true;
         return fresh.Window.Control(ButtonControl(ControlKind::LblBtn, n)) != nullptr;
       }},
  };
  // clang-format on
  for (const Handler& h : handlers) {
    for (int32_t n : {-1, 0, 1, h.last, h.last + 1}) {
      actions.clear();
      rig.Window.SelectedButton = -7;
      EXPECT_EQ(h.acts(n), n == 1 || n == h.last) << h.name << ", button " << n;
    }
  }
}

TEST_F(MenuInputTest, WheelWrapsAndFocusesTheButtonsControl) {
  rig.Window.SelectedButton = 5;
  rig.View.Log.clear();
  input.FormMouseWheelDown();
  EXPECT_EQ(DeliverFocus(), ButtonControl(ControlKind::KeyBtn, 1));
  EXPECT_EQ(std::pair(rig.Window.SelectedButton, rig.Window.HighlightedButton), std::pair(1, 1));
  EXPECT_EQ(Shown(1), Mark(1, kHighlightedState));

  rig.Window.SelectedButton = 0;
  input.FormMouseWheelUp();
  EXPECT_EQ(rig.Window.SelectedButton, 5);
  input.FormMouseWheelUp();
  // A push button takes the focus itself.
  EXPECT_EQ(DeliverFocus(), ButtonControl(ControlKind::WinBtn, 4));
  EXPECT_EQ(rig.Window.HighlightedButton, 4);
}

// Where each key leads, and whether it was taken: the platform passes on a key not taken, and such
// a key does nothing here. Each row starts from the control `from` focused, button 2 selected and
// none highlighted; the focus given is delivered, which selects and highlights its button.
TEST_F(MenuInputTest, EveryKeyLeadsOnOrTellsItWasNotTaken) {
  const auto key = [](int32_t n) { return ButtonControl(ControlKind::KeyBtn, n); };
  const KeyModifiers none, shift{true, false, false}, ctrl{false, true, false}, alt{false, false, true};
  const auto down = [&](NavigationKey k, KeyModifiers m, int32_t selected = 2) {
    return [&, k, m, selected] { return rig.Window.SelectedButton = selected, input.KeyDown(focused, k, m); };
  };
  const auto typed = [&](char32_t c, bool withAlt = false) {
    return [&, c, withAlt] { return input.CharacterTyped(focused, c, withAlt); };
  };
  const struct {
    const char* name;
    std::optional<ControlId> from;
    std::function<bool()> press;
    std::string want;
    // clang-format off
  } rows[] = {
      {"Right follows the focus, not the pointer", key(2),
       [&] { return input.picButton_MouseMove(5), input.KeyDown(focused, NavigationKey::Right, none); },
       "taken, focus KeyBtn003, highlighted 3"},
      {"Down: the push button's own control", key(3), down(NavigationKey::Down, none), "taken, focus WinBtn004, highlighted 4"},
      {"Tab", key(1), down(NavigationKey::Tab, none), "taken, focus KeyBtn002, highlighted 2"},
      {"Tab wraps", key(5), down(NavigationKey::Tab, none), "taken, focus KeyBtn001, highlighted 1"},
      {"Shift+Tab wraps", key(1), down(NavigationKey::Tab, shift), "taken, focus KeyBtn005, highlighted 5"},
      {"Up", key(5), down(NavigationKey::Up, none), "taken, focus WinBtn004, highlighted 4"},
      {"Alt+Tab", key(1), down(NavigationKey::Tab, alt), "passed on"},
      {"Ctrl+Tab", key(1), down(NavigationKey::Tab, ctrl), "passed on"},
      {"Alt+Right from the selection: a label button's keyboard control", key(5), down(NavigationKey::Right, alt),
       "taken, focus KeyBtn003, highlighted 3"},
      {"Alt+Left wraps", key(2), down(NavigationKey::Left, alt, 1), "taken, focus KeyBtn005, highlighted 5"},
      {"Alt+Down wraps", key(2), down(NavigationKey::Down, alt, 5), "taken, focus KeyBtn001, highlighted 1"},
      {"Enter", key(1), down(NavigationKey::Enter, none), "taken, ran 1, highlighted 1"},
      {"Enter on a push button", ButtonControl(ControlKind::WinBtn, 4), down(NavigationKey::Enter, none), "taken, ran 4"},
      {"Ctrl+Enter", key(1), down(NavigationKey::Enter, ctrl), "taken, ran 1"},
      {"Alt+Enter", key(1), down(NavigationKey::Enter, alt), "passed on"},
      {"Enter with nothing focused", std::nullopt, down(NavigationKey::Enter, none), "passed on"},
      {"another key", key(1), down(NavigationKey::Other, none), "passed on"},
      {"keyboard control: Alt+Left", key(1), [&] { return input.btnShortcutKeyDown(1, NavigationKey::Left, alt); },
       "taken, focus KeyBtn001, highlighted 1"},
      {"keyboard control: Right", key(1), [&] { return input.btnShortcutKeyDown(1, NavigationKey::Right, none); }, "passed on"},
      {"keyboard control: Alt+Enter", key(1), [&] { return input.btnShortcutKeyDown(1, NavigationKey::Enter, alt); }, "passed on"},
      {"a shortcut: the lowest button, in either case", std::nullopt, typed('s'), "taken, ran 1, highlighted 1"},
      {"a label button's shortcut", key(1), typed('g'), "taken, ran 3, highlighted 3"},
      {"an image button without a shortcut answers to 0", std::nullopt, typed('0'), "taken, ran 2, highlighted 2"},
      {"Alt with a shortcut", key(1), typed('G', true), "taken, ran 3, highlighted 3"},
      {"a digit runs the button of its number once", key(1), typed('3'), "passed on, focus KeyBtn003, ran 3, highlighted 3"},
      {"a digit past the buttons", key(1), typed('6'), "passed on"},
      {"a digit that is no button's", key(1), typed('9'), "passed on"},
      {"Alt with a digit: only shortcuts count", key(1), typed('2', true), "passed on"},
  };
  // clang-format on
  for (const auto& row : rows) {
    focused = row.from;
    rig.Window.SelectedButton = 2;
    actions.clear();
    rig.Window.HighlightButton(-1);
    rig.View.Log.clear();
    std::string seen = row.press() ? "taken" : "passed on";
    for (const std::string& line : rig.View.Log)
      if (line.rfind("focus ", 0) == 0) seen += ", " + line;
    for (int32_t n : actions) seen += ", ran " + std::to_string(n);
    DeliverFocus();
    if (rig.Window.HighlightedButton != -1) seen += ", highlighted " + std::to_string(rig.Window.HighlightedButton);
    EXPECT_EQ(seen, row.want) << row.name;
  }

  // With no control focused the first one in creation order gets it.
  rig.View.Log.clear();
  input.FocusFirstControl();
  EXPECT_EQ(DeliverFocus(), ButtonControl(ControlKind::KeyBtn, 1));

  // Before the menu is active (the window's first activation) the focus handler does nothing.
  rig.Window.MenuActive = false;
  rig.Window.SelectedButton = 0;
  const size_t sounds = SelectSounds();
  input.GotFocus(ButtonControl(ControlKind::KeyBtn, 2));
  input.GotFocus(ButtonControl(ControlKind::WinBtn, 4));
  EXPECT_EQ(rig.Window.SelectedButton, 0);
  EXPECT_EQ(SelectSounds(), sounds);
}

// A shortcut or Shift/Ctrl+Enter paints the pressed picture, lets it be seen, runs the action and
// comes back to the highlighted picture; a key that is nobody's changes nothing.
TEST_F(MenuInputTest, ShortcutsAndEnterShowThePressedPictureDuringTheAction) {
  EXPECT_TRUE(input.CharacterTyped(std::nullopt, 's'));
  EXPECT_EQ(shownDuringAction, (std::vector<uint32_t>{Mark(1, kPressedState)}));
  EXPECT_EQ(lastStepBeforeAction, "pump") << "the pressed picture is painted before the action";
  input.picButton_MouseMove(1);  // already highlighted: messages still go through before the press
  rig.View.Log.clear();
  EXPECT_TRUE(input.CharacterTyped(std::nullopt, 's'));
  EXPECT_EQ(rig.View.Log.front() + " " + rig.View.Log.at(1), "pump picture ImgBtn001");
  EXPECT_EQ(rig.View.Log.at(logAtAction), "pump") << "and the action's effects after it";
  EXPECT_EQ(Shown(1), Mark(1, kHighlightedState));
  EXPECT_EQ(rig.Window.SelectedButton, 1);

  focused = ButtonControl(ControlKind::KeyBtn, 5);
  EXPECT_TRUE(Key(NavigationKey::Enter, {false, true, false}));
  EXPECT_EQ(shownDuringAction.back(), Mark(5, kPressedState));
  EXPECT_EQ(Shown(5), Mark(5, kHighlightedState));

  actions.clear();
  focused = ButtonControl(ControlKind::WinBtn, 4);
  rig.View.Log.clear();
  const int32_t highlighted = rig.Window.HighlightedButton;
  EXPECT_FALSE(input.CharacterTyped(focused, 'x'));
  EXPECT_TRUE(actions.empty() && rig.View.Log.empty());
  EXPECT_EQ(rig.Window.HighlightedButton, highlighted);
}

TEST_F(MenuInputTest, DraggingTheBackgroundMovesTheWindow) {
  const Bounds start = rig.View.WindowBounds;
  ASSERT_EQ(start.Width, 400);
  input.MenBckMouseDown(MouseButton::Left, 10, 10);
  EXPECT_EQ(input.DragState, kDragging);
  input.MenBckMouseMove(60, 30);
  EXPECT_EQ(rig.View.WindowBounds, (Bounds{start.Left + 50, start.Top + 20, 400, 300}));
  // The move that the window's own motion reports (the pointer on the origin again) moves nothing.
  input.MenBckMouseMove(10, 10);
  EXPECT_EQ(rig.View.WindowBounds.Left, start.Left + 50);
  input.MenBckMouseUp();
  EXPECT_EQ(input.DragState, 0);
  EXPECT_EQ(input.DragOrigin, (PointerPosition{0, 0}));
  EXPECT_EQ(cursors, (std::vector<bool>{true, false}));

  // A steady drag in equal steps: each step lands on the same background coordinates once the
  // window has followed, and each one moves the window.
  input.MenBckMouseDown(MouseButton::Left, 10, 10);
  input.MenBckMouseMove(35, 20);
  input.MenBckMouseMove(35, 20);
  EXPECT_EQ(rig.View.WindowBounds.Left, start.Left + 100);
  EXPECT_EQ(rig.View.WindowBounds.Top, start.Top + 40);
  input.MenBckMouseUp();

  // Moves without a drag, and the right button, leave the window where it is.
  input.MenBckMouseMove(90, 90);
  input.MenBckMouseDown(MouseButton::Right, 10, 10);
  input.MenBckMouseMove(20, 20);
  EXPECT_EQ(rig.View.WindowBounds.Left, start.Left + 100);
  EXPECT_EQ(rig.View.WindowBounds.Top, start.Top + 40);
  EXPECT_EQ(input.LastPointer, (PointerPosition{20, 20}));
}

}  // namespace
}  // namespace orvane::testing
