#include "app/button_animation.h"

#include <algorithm>

#include "app/menu_window.h"

namespace orvane {

namespace {

AnimationStep Shown(int32_t frame, int32_t direction) { return {frame, direction, false}; }
AnimationStep Kept(int32_t frame, int32_t direction) { return {frame, direction, true}; }

// A value of r in [0, 1) picks each frame 0..last equally; a source that strays to 1 or beyond
// still stays inside the state's frames.
int32_t RandomFrame(int32_t lastFrame, const UnitRandom& random) {
  const double r = random ? random() : 0.0;
  const double scaled = r * (static_cast<double>(lastFrame) + 1.0);
  if (!(scaled >= 0.0)) return 0;  // also NaN
  return static_cast<int32_t>(std::min<double>(scaled, lastFrame));
}

}  // namespace

AnimationStep StepAnimation(int32_t animMode, int32_t lastFrame, int32_t currentFrame,
                            int32_t direction, const UnitRandom& random) {
  if (lastFrame <= 0) return Kept(currentFrame, direction);
  int32_t cur = currentFrame;
  switch (animMode) {
    case kAnimStill:
      if (cur == 0) return Kept(cur, direction);
      return Shown(0, direction);
    case kAnimRandom: return Shown(RandomFrame(lastFrame, random), direction);
    case kAnimOnce:
      ++cur;
      if (cur > lastFrame) return Kept(currentFrame, direction);
      return Shown(cur, direction);
    case kAnimLoop:
      ++cur;
      if (cur > lastFrame) cur = 0;
      return Shown(cur, direction);
    case kAnimThereBack:
    case kAnimBounce:
      cur += direction == 0 ? 1 : -1;
      if (cur > lastFrame) {
        cur = lastFrame - 1;
        direction = 1;
      }
      if (cur < 0) {
        if (animMode == kAnimThereBack) return Kept(currentFrame, direction);
        cur = 1;
        direction = 0;
      }
      return Shown(cur, direction);
    default: return Shown(cur, direction);
  }
}

int32_t NextAccessoryFrame(int32_t frame, int32_t lastFrame) {
  // A frame left over from a button with more frames, or a stray negative one, restarts.
  return frame < 0 || frame >= lastFrame ? 0 : frame + 1;
}

void AnimateButtons(MenuWindow& window) {
  TOVMenu& menu = window.Menu;
  const UnitRandom random = [&window] {
    // 32 random bits over 2^32: strictly below 1.
    return static_cast<double>(window.Random() & 0xFFFFFFFFu) / 4294967296.0;
  };
  const int32_t count = std::min<int32_t>(menu.ButtonCount, kMaxButtons);
  for (int32_t n = 1; n <= count; ++n) {
    TOVButton& button = menu.Buttons[static_cast<size_t>(n)];
    const int32_t state = button.ButtonState;
    if (state < 0 || state > kMaxImageState) continue;
    const int32_t last = button.LastFrame[static_cast<size_t>(state)];
    const AnimationStep step =
        StepAnimation(button.AnimMode, last, button.CurrentFrame, button.AnimDirection, random);
    button.AnimDirection = step.Direction;
    if (step.Skipped) continue;
    // A gap among the frames shows as an empty picture for this step.
    window.SetPicture(ButtonControl(ControlKind::ImgBtn, n), menu.Images.Get(n, state, step.Frame));
    button.CurrentFrame = step.Frame;
    // The control now shows an animation frame, not the state's still picture: the next change
    // of state must draw its still picture again, so that the animation visibly restarts.
    button.ImgBtnShownState =
        step.Frame == 0 && menu.Images.HasImage(n, state, 0) ? state : kNoShownState;
  }

  const int32_t selected = window.SelectedButton;
  if (selected < 1 || selected > count) return;
  const int32_t accessoryLast =
      menu.Buttons[static_cast<size_t>(selected)].LastFrame[kAccessoryState];
  if (accessoryLast == 0) return;
  window.AccessoryFrame = NextAccessoryFrame(window.AccessoryFrame, accessoryLast);
  // Runs whether or not the accessory picture is visible.
  window.SetPicture(BaseControl(ControlKind::imgAccPicture),
                    menu.Images.Get(selected, kAccessoryState, window.AccessoryFrame));
}

}  // namespace orvane
