#pragma once
// A window outline as a GDI region.
#include <windows.h>

#include "app/menu_view.h"

namespace orvane {

// A new region holding the outline's rectangles (an empty region when it keeps nothing); the
// caller owns it until it is given to a window.
HRGN CreateOutlineRegion(const WindowOutline& outline);

}  // namespace orvane
