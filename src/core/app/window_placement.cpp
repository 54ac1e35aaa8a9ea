// PlaceWindow and ApplyWindowShape: where the window goes and which outline it has.
#include "app/menu_window.h"
#include "app/placement.h"
#include "app/window_shape.h"

namespace orvane {

void MenuWindow::PlaceWindow(int32_t code) {
  const Bounds& background = Menu.MenBck.Bounds;
  s_.View.SetWindowBounds(
      ComputePlacement(code, s_.View.GetScreenSize(), background.Width, background.Height));
}

void MenuWindow::ApplyWindowShape() {
  const bool shaped = Menu.TransparentColour != kNoTransparentColour;
  if (!ShapeApplied && !shaped) return;
  std::optional<WindowOutline> outline;
  if (shaped) {
    outline = BuildShapeRegion(ShapeText);
    // A shape text whose size cannot be read describes no outline; the window stays whole.
    if (!outline) DebugTrace(s_.Trace, "Shape text not readable, menu kept rectangular");
  }
  if (!outline) outline = RectangleOutline(Menu.MenBck.Bounds.Width, Menu.MenBck.Bounds.Height);
  s_.View.SetWindowOutline(*outline);
  ShapeApplied = true;
}

}  // namespace orvane
