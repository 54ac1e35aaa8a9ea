#pragma once
// Pictures and labels have no window of their own: the menu window draws them, in creation
// order, over its background, so that labels are truly transparent over the pictures below them
// and a shaped window shows nothing but what the menu drew. Pointer events find them by their
// bounds, topmost first.
#include <windows.h>

#include <optional>
#include <vector>

#include "app/control_ids.h"
#include "app/control_state.h"
#include "gdi_fonts.h"

namespace orvane {

class WindowlessControls {
 public:
  WindowlessControls(HWND window, GdiFonts& fonts) : window_(window), fonts_(fonts) {}

  void Add(const ControlId& id, const ControlState& state);
  void Remove(const ControlId& id);
  // The stored state of a control; changes through it must be followed by Changed().
  ControlState* State(const ControlId& id);
  // Repaints where the control was before the change (old bounds) and where it is now.
  void Changed(const ControlId& id, const Bounds& oldBounds);
  void BringToFront(const ControlId& id);
  void SendToBack(const ControlId& id);

  // Draws the visible controls that reach into `area` (client coordinates).
  void Paint(HDC dc, const RECT& area) const;
  // The topmost visible control under a client point.
  std::optional<ControlId> HitTest(POINT point) const;

 private:
  struct Entry {
    ControlId Id;
    ControlState State;
  };
  const Entry* Find(const ControlId& id) const;
  Entry* Find(const ControlId& id);
  void Invalidate(const Bounds& bounds) const;
  void PaintPicture(HDC dc, const ControlState& state) const;
  void PaintLabel(HDC dc, const ControlState& state) const;

  HWND window_;
  GdiFonts& fonts_;
  std::vector<Entry> entries_;  // drawing order: later entries are drawn above earlier ones
};

}  // namespace orvane
