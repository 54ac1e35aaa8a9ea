#include "pump_messages.h"

#include <windows.h>

namespace orvane {

namespace {
HWND dialogKeyWindow = nullptr;
}  // namespace

void SetDialogKeyWindow(HWND window) { dialogKeyWindow = window; }
HWND DialogKeyWindow() { return dialogKeyWindow; }

bool PumpPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (dialogKeyWindow && IsDialogMessageW(dialogKeyWindow, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

}  // namespace orvane
