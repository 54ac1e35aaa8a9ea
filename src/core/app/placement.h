#pragma once
// Where the menu window goes on the screen for each placement code of a menu.
#include <cstdint>

#include "app/control_state.h"
#include "app/menu_view.h"

namespace orvane {

// Left and top for code (0..10, anything else centres) and a window of width x height, after the
// corrections that keep it on the screen (a window larger than the screen ends with a negative
// left or top edge).
Bounds ComputePlacement(int32_t code, const ScreenSize& screen, int32_t width, int32_t height);

}  // namespace orvane
