#include "popup_menu.h"

namespace orvane {

namespace {
// Menus take bitmaps, not icons: the icon is drawn onto a bitmap of the menu's check-mark size
// over the menu colour.
HBITMAP IconBitmap(HICON icon) {
  if (!icon) return nullptr;
  const int width = GetSystemMetrics(SM_CXMENUCHECK);
  const int height = GetSystemMetrics(SM_CYMENUCHECK);
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  if (!dc || !bitmap) {
    if (dc) DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
    return nullptr;
  }
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT rect{0, 0, width, height};
  FillRect(dc, &rect, GetSysColorBrush(COLOR_MENU));
  DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}
}  // namespace

HMENU CreateContextMenu(UINT about1Command, HICON icon, HBITMAP& itemBitmap) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return nullptr;
  AppendMenuW(menu, MF_STRING, about1Command, L"About");
  itemBitmap = IconBitmap(icon);
  if (itemBitmap) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_BITMAP;
    item.hbmpItem = itemBitmap;
    SetMenuItemInfoW(menu, about1Command, FALSE, &item);
  }
  return menu;
}

}  // namespace orvane
