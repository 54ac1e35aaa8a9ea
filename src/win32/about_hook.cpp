#include "about_hook.h"

#include "frmabout.h"

namespace orvane {

HWND CreateAboutIconPicture(HINSTANCE instance, HWND menuWindow) {
  HWND picture = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_ICON, 4, 36, 32, 32, menuWindow,
                                 nullptr, instance, nullptr);
  if (!picture) return nullptr;
  // Shared: the system frees it with the module, however many windows copy it.
  HICON icon =
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, LR_SHARED));
  if (icon) SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  return picture;
}

void OpenAboutWindow(HINSTANCE instance, HWND imgAboutIcon, MessageDialog& dialog,
                     const std::string& dialogCaption) {
  // The built-in picture, whatever icon the application carries beside it.
  HICON icon = imgAboutIcon ? reinterpret_cast<HICON>(SendMessageW(imgAboutIcon, STM_GETICON, 0, 0))
                            : nullptr;
  ShowAboutWindow(instance, icon, dialog, dialogCaption);
}

}  // namespace orvane
