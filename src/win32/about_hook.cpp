#include "about_hook.h"

#include "frmabout.h"

namespace orvane {

void OpenAboutWindow(HINSTANCE instance, HWND menuWindow, MessageDialog& dialog,
                     const std::string& dialogCaption) {
  // The About window shows the application's icon as it stands (built-in or the side icon).
  HICON icon = reinterpret_cast<HICON>(SendMessageA(menuWindow, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(menuWindow, GCLP_HICON));
  ShowAboutWindow(instance, icon, dialog, dialogCaption);
}

}  // namespace orvane
