#pragma once
// Lets the window messages that are waiting run, at the points where a long step must keep the
// player alive (paint, timers, input).

#include <windows.h>

namespace orvane {

// A modeless window whose keys the pump gives to the dialog manager (Tab, Enter, Space and the
// "&" access keys of its controls) while it is set; nullptr for none.
void SetDialogKeyWindow(HWND window);
HWND DialogKeyWindow();

// Runs every pending message once. Returns false when the application was asked to end: the
// quit request is posted again so that the main message loop still sees it.
bool PumpPendingMessages();

}  // namespace orvane
