#pragma once
// The animation tick of the menu window: one step of one button's frame animation as a pure
// function, the accessory picture's frame loop, and AnimateButtons, which applies both to the
// window on every tick of Timer3.
#include <cstdint>
#include <functional>

namespace orvane {

class MenuWindow;

enum AnimMode : int32_t {
  kAnimStill = 0,      // back to the still picture
  kAnimRandom = 1,     // any frame 0..last
  kAnimOnce = 2,       // 1..last, then stays on the last frame
  kAnimLoop = 3,       // 1..last, 0, 1, ...
  kAnimThereBack = 4,  // 1..last, last-1..0, then rests on frame 0
  kAnimBounce = 5,     // 1..last, last-1..0, 1..last, ... without end
};

// A value uniform in [0, 1).
using UnitRandom = std::function<double()>;

struct AnimationStep {
  int32_t Frame = 0;      // the frame to show, meaningful unless Skipped
  int32_t Direction = 0;  // 0 forward, 1 backward; kept even when Skipped
  bool Skipped = false;   // nothing to show this tick; the current frame stays
};

// One step from the current frame of a state whose last frame is lastFrame (0: the state does
// not animate, always skipped). A mode outside 0..5 keeps the frame and shows it again. The
// random source is drawn only in mode 1.
AnimationStep StepAnimation(int32_t animMode, int32_t lastFrame, int32_t currentFrame,
                            int32_t direction, const UnitRandom& random);

// The accessory picture's frame after frame: the next one, or 0 past lastFrame.
int32_t NextAccessoryFrame(int32_t frame, int32_t lastFrame);

// One tick: steps every button 1..ButtonCount in its current state and shows the new frame in its
// image control, then advances the accessory picture of the selected button.
void AnimateButtons(MenuWindow& window);

}  // namespace orvane
