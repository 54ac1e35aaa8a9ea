#pragma once
// What the core asks of the menu window on the screen. The Windows front-end implements it with
// real controls, tests with a recorder. The core keeps the state of every control itself
// (TOVMenu); the view only realises each change, so it holds no rules of its own.
#include <cstdint>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/control_state.h"

namespace orvane {

enum class MenuTimer : uint8_t {
  Timer1,    // clock, 1000 ms
  Timer2,    // delayed close, 200 ms
  Timer3,    // animation step, AnimInterval
  Timer4,    // title scroller, 160 ms
  tmrARstr,  // restore after a launched program, 300 ms
};

struct ScreenSize {
  int32_t Width = 0;
  int32_t Height = 0;
};

// A window outline: the rectangles (left/top inclusive, right/bottom exclusive) that stay visible.
struct WindowOutline {
  std::vector<Bounds> Kept;
};

class MenuView {
 public:
  virtual ~MenuView() = default;

  // Controls. A new control is drawn above the ones created before it.
  virtual void CreateControl(const ControlId& id, const ControlState& initial) = 0;
  virtual void DestroyControl(const ControlId& id) = 0;
  virtual void SetControlBounds(const ControlId& id, const Bounds& bounds) = 0;
  virtual void SetControlVisible(const ControlId& id, bool visible) = 0;
  virtual void SetControlText(const ControlId& id, const std::string& text) = 0;
  virtual void SetControlFont(const ControlId& id, const ControlFont& font) = 0;
  virtual void SetControlAlignment(const ControlId& id, TextAlignment alignment) = 0;
  // nullptr shows an empty picture.
  virtual void SetControlPicture(const ControlId& id, const PictureRef& picture) = 0;
  virtual void BringControlToFront(const ControlId& id) = 0;
  virtual void SendControlToBack(const ControlId& id) = 0;
  virtual void FocusControl(const ControlId& id) = 0;
  // The pictures of the last menu are gone; a view that made bitmaps for them frees them now.
  virtual void ReleasePictures() = 0;

  // The menu window.
  virtual void SetWindowVisible(bool visible) = 0;
  virtual void SetWindowBounds(const Bounds& bounds) = 0;
  // The window caption and the application title (task bar).
  virtual void SetCaption(const std::string& text) = 0;
  virtual void SetWindowOutline(const WindowOutline& outline) = 0;
  // Forgets the outline last given; the closing steps call it.
  virtual void ReleaseWindowOutline() = 0;
  virtual void RepaintWindow() = 0;
  virtual void FocusWindow() = 0;
  virtual ScreenSize GetScreenSize() = 0;
  // Replaces the built-in application icon by an icon file; false when it cannot be read.
  virtual bool LoadApplicationIcon(const std::string& path) = 0;

  // 0 stops the timer.
  virtual void SetTimerInterval(MenuTimer timer, int32_t milliseconds) = 0;

  // The application.
  // Lets pending window messages run (timer ticks and input may arrive inside).
  virtual void ProcessPendingMessages() = 0;
  virtual void TerminateApplication() = 0;
  virtual void RestoreApplication() = 0;
  virtual void MinimizeApplication() = 0;

  // The clock in the system's long time format and today's date in its short date format.
  virtual std::string CurrentTimeText() = 0;
  virtual std::string CurrentDateText() = 0;
};

// Tells whether the program that the menu watches (LaunchedProcess) is still running.
class ProcessWatch {
 public:
  virtual ~ProcessWatch() = default;
  // False when it has ended, when there is none, or when it cannot be waited on.
  virtual bool LaunchedProcessRunning() = 0;
};

}  // namespace orvane
