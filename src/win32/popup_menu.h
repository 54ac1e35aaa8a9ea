#pragma once
// PopupMenu1: the context menu of the background, one item "About" with the first icon of
// ImageList1 (the application's small icon).
#include <windows.h>

namespace orvane {

// The menu, or null; itemBitmap receives the bitmap drawn for the item (owned by the caller).
HMENU CreateContextMenu(UINT about1Command, HICON icon, HBITMAP& itemBitmap);

}  // namespace orvane
