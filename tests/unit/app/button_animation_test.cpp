// The animation tick: the frame sequences of every mode, and AnimateButtons on a loaded menu
// (pictures, gaps, restart after a change of state, the accessory loop).
#include <gtest/gtest.h>

#include <set>

#include "app/button_animation.h"
#include "player_rig.h"

namespace orvane::testing {
namespace {

constexpr int32_t kSkipped = -1;

// The frame shown by each of `ticks` steps from frame `from` going forward; kSkipped when a step
// shows nothing.
std::vector<int32_t> Play(int32_t mode, int32_t last, int ticks, const UnitRandom& random = {}, int32_t from = 0) {
  int32_t cur = from;
  int32_t dir = 0;
  std::vector<int32_t> shown;
  for (int i = 0; i < ticks; ++i) {
    const AnimationStep step = StepAnimation(mode, last, cur, dir, random);
    dir = step.Direction;
    if (!step.Skipped) cur = step.Frame;
    shown.push_back(step.Skipped ? kSkipped : step.Frame);
  }
  return shown;
}

TEST(AnimationStepTest, EachModePlaysItsFrames) {
  const int32_t x = kSkipped;
  const struct {
    const char* name;
    int32_t mode, last, from;
    std::vector<int32_t> shown;
    // clang-format off
  } rows[] = {
      {"once: to the last frame, then stays there", kAnimOnce, 5, 0, {1, 2, 3, 4, 5, x, x, x}},
      {"there and back: rests on frame 0", kAnimThereBack, 5, 0, {1, 2, 3, 4, 5, 4, 3, 2, 1, 0, x, x, x}},
      {"bounce: without end", kAnimBounce, 5, 0, {1, 2, 3, 4, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4, 5, 4, 3, 2, 1, 0, 1, 2}},
      {"the shortest bounce still alternates", kAnimBounce, 1, 0, {1, 0, 1, 0, 1}},
      {"loop: ten frames at one tick each, a cycle every ten ticks", kAnimLoop, 9, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2}},
      {"still: back to frame 0 once, then rests", kAnimStill, 4, 3, {0, x}},
      {"an unknown mode shows the current frame again", 9, 4, 2, {2, 2}},
  };
  // clang-format on
  for (const auto& row : rows)
    EXPECT_EQ(Play(row.mode, row.last, static_cast<int>(row.shown.size()), {}, row.from), row.shown) << row.name;
  for (int32_t mode = 0; mode <= 6; ++mode) EXPECT_TRUE(StepAnimation(mode, 0, 0, 0, {}).Skipped) << "no frames";
  EXPECT_EQ(StepAnimation(9, 4, 2, 1, {}).Direction, 1) << "an unknown mode keeps the direction";
}

TEST(AnimationStepTest, RandomStaysWithinTheStateFrames) {
  std::vector<double> draws{0.0, 0.5, 0.999999, 1.0, 7.0, -0.5};
  size_t next = 0;
  const UnitRandom random = [&] { return draws[next++]; };
  // r x (last + 1), cut: 0.5 x 6 = 3; a source straying outside [0, 1) stays within 0..5.
  EXPECT_EQ(Play(kAnimRandom, 5, 6, random), (std::vector<int32_t>{0, 3, 5, 5, 5, 0}));
}

TEST(AnimationStepTest, AccessoryFramesLoop) {
  // {frame, last, next}: each frame to the next, the last back to 0; one left over from a button with
  // more frames, a negative one and a single-frame accessory restart at 0.
  const int32_t rows[][3] = {{0, 3, 1}, {1, 3, 2},  {2, 3, 3},         {3, 3, 0},
                             {4, 3, 0}, {-1, 3, 0}, {INT32_MAX, 3, 0}, {0, 0, 0}};
  for (const auto& [frame, last, next] : rows)
    EXPECT_EQ(NextAccessoryFrame(frame, last), next) << frame << " of " << last;
}

// Picture pixels tell which slot a control shows.
uint32_t Mark(int32_t button, int32_t state, int32_t frame) {
  return static_cast<uint32_t>(button * 10000 + state * 1000 + frame);
}

class AnimateButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    MenuFile menu = BasicMenu("Animated");
    menu.Settings.InitialButton = 1;
    ButtonRecord first = PushButtonRecord("One", 10, 10);
    first.ButtonKind = kImageButton;
    first.AnimMode = kAnimThereBack;
    ButtonRecord second = PushButtonRecord("Two", 10, 60);
    second.ButtonKind = kImageButton;
    second.AnimMode = kAnimLoop;
    menu.Buttons = {first, second};
    // Button 1: still normal picture; highlighted frames 0..3.
    Add(menu, 1, kNormalState, 0);
    for (int32_t f = 0; f <= 3; ++f) Add(menu, 1, kHighlightedState, f);
    // Button 2: normal frames 0, 1 and 3 (2 is a gap); accessory frames 0..3.
    for (int32_t f : {0, 1, 3}) Add(menu, 2, kNormalState, f);
    for (int32_t f = 0; f <= 3; ++f) Add(menu, 2, kAccessoryState, f);
    rig.Install({{"anim.mnu", menu}});
    rig.Start();
    ASSERT_TRUE(rig.Dialog.Messages.empty());
    ASSERT_EQ(rig.Window.HighlightedButton, 1);
  }
  static void Add(MenuFile& menu, int32_t b, int32_t s, int32_t f) {
    menu.Pictures.push_back(
        PictureAt(static_cast<uint8_t>(b), static_cast<uint8_t>(s), f, SolidPicture(4, 4, Mark(b, s, f))));
  }
  // The mark of the picture a control shows; 0 for an empty picture.
  uint32_t Shown(ControlKind kind, int32_t button = 0) {
    const ControlState* state = rig.View.Find(ControlId{kind, button});
    EXPECT_NE(state, nullptr);
    return state && state->Picture ? state->Picture->Pixels[0] : 0u;
  }
  void Tick() { AnimateButtons(rig.Window); }

  PlayerRig rig;
};

TEST_F(AnimateButtonsTest, EachButtonPlaysItsCurrentStateIncludingGaps) {
  std::vector<uint32_t> first, second;
  for (int i = 0; i < 5; ++i) {
    Tick();
    first.push_back(Shown(ControlKind::ImgBtn, 1));
    second.push_back(Shown(ControlKind::ImgBtn, 2));
  }
  EXPECT_EQ(first, (std::vector<uint32_t>{Mark(1, 1, 1), Mark(1, 1, 2), Mark(1, 1, 3), Mark(1, 1, 2), Mark(1, 1, 1)}));
  // The missing frame 2 shows as an empty picture for its step.
  EXPECT_EQ(second, (std::vector<uint32_t>{Mark(2, 0, 1), 0u, Mark(2, 0, 3), Mark(2, 0, 0), Mark(2, 0, 1)}));
  EXPECT_EQ(rig.Window.Menu.Buttons[1].AnimDirection, 1);
  // The last image state animates like the others.
  rig.Window.Menu.Buttons[2].ButtonState = kAccessoryState;
  rig.Window.Menu.Buttons[2].CurrentFrame = 0;
  Tick();
  EXPECT_EQ(Shown(ControlKind::ImgBtn, 2), Mark(2, kAccessoryState, 1));
}

TEST_F(AnimateButtonsTest, ThereAndBackRestsWithoutRepaintingUntilTheStateChanges) {
  for (int i = 0; i < 6; ++i) Tick();  // 1 2 3 2 1 0
  ASSERT_EQ(Shown(ControlKind::ImgBtn, 1), Mark(1, 1, 0));
  const size_t before = rig.View.Log.size();
  Tick();
  Tick();
  for (size_t i = before; i < rig.View.Log.size(); ++i) EXPECT_NE(rig.View.Log[i], "picture ImgBtn001");

  // Away and back: the highlighted animation plays again from its first frame.
  rig.Window.HighlightButton(2);
  EXPECT_EQ(Shown(ControlKind::ImgBtn, 1), Mark(1, 0, 0));
  Tick();
  EXPECT_EQ(Shown(ControlKind::ImgBtn, 1), Mark(1, 0, 0));  // the normal state does not animate
  rig.Window.HighlightButton(1);
  Tick();
  EXPECT_EQ(Shown(ControlKind::ImgBtn, 1), Mark(1, 1, 1));
}

TEST_F(AnimateButtonsTest, SettingTheSameStateAgainShowsItsStillPictureAndRestarts) {
  Tick();
  Tick();
  ASSERT_EQ(Shown(ControlKind::ImgBtn, 1), Mark(1, 1, 2));
  // A press without a pressed picture keeps the picture shown; the release comes back to the
  // highlighted state.
  rig.Window.SetButtonState(1, kPressedState, false);
  EXPECT_EQ(Shown(ControlKind::ImgBtn, 1), Mark(1, 1, 2));
  rig.Window.SetButtonState(1, kHighlightedState, false);
  EXPECT_EQ(Shown(ControlKind::ImgBtn, 1), Mark(1, 1, 0));
  Tick();
  EXPECT_EQ(Shown(ControlKind::ImgBtn, 1), Mark(1, 1, 1));
}

TEST_F(AnimateButtonsTest, TheSelectedButtonsAccessoryPictureLoops) {
  rig.Window.SelectedButton = 2;
  std::vector<uint32_t> accessory;
  for (int i = 0; i < 5; ++i) {
    Tick();
    accessory.push_back(Shown(ControlKind::imgAccPicture));
  }
  EXPECT_EQ(accessory,
            (std::vector<uint32_t>{Mark(2, 3, 1), Mark(2, 3, 2), Mark(2, 3, 3), Mark(2, 3, 0), Mark(2, 3, 1)}));
  EXPECT_EQ(rig.Window.AccessoryFrame, 1);

  // A button without accessory frames, or a selection beyond the menu, leaves it alone; button 1
  // with accessory frames of its own animates them like any other.
  for (int32_t f = 0; f <= 2; ++f)
    rig.Window.Menu.Images.StoreImage(1, kAccessoryState, SolidPicture(4, 4, Mark(1, 3, f)), f);
  rig.Window.Menu.Buttons[1].LastFrame[kAccessoryState] = 2;
  rig.Window.SelectedButton = 1;
  rig.Window.AccessoryFrame = 0;
  Tick();
  EXPECT_EQ(Shown(ControlKind::imgAccPicture), Mark(1, 3, 1));
  rig.Window.Menu.Buttons[1].LastFrame[kAccessoryState] = 0;
  // Records past the menu's buttons may hold frames left over from a larger menu.
  rig.Window.Menu.Buttons[0].LastFrame[kAccessoryState] = 2;
  rig.Window.Menu.Buttons[3].LastFrame[kAccessoryState] = 2;
  for (int32_t selected : {1, 3, 0}) {
    rig.Window.SelectedButton = selected;
    const size_t before = rig.View.Log.size();
    Tick();
    for (size_t i = before; i < rig.View.Log.size(); ++i)
      EXPECT_NE(rig.View.Log[i], "picture imgAccPicture") << "selected " << selected;
  }
}

TEST_F(AnimateButtonsTest, RandomModeVisitsEveryFrameAndNoOther) {
  rig.Window.Menu.Buttons[1].AnimMode = kAnimRandom;
  rig.Window.Random.seed(7);
  std::set<uint32_t> seen;
  for (int i = 0; i < 200; ++i) {
    Tick();
    seen.insert(Shown(ControlKind::ImgBtn, 1));
  }
  EXPECT_EQ(seen, (std::set<uint32_t>{Mark(1, 1, 0), Mark(1, 1, 1), Mark(1, 1, 2), Mark(1, 1, 3)}));
}

}  // namespace
}  // namespace orvane::testing
