#pragma once
// The About item of the context menu opens a new About window each time, without blocking the
// menu window.
#include <windows.h>

#include <string>

#include "common/message_dialog.h"

namespace orvane {

void OpenAboutWindow(HINSTANCE instance, HWND menuWindow, MessageDialog& dialog,
                     const std::string& dialogCaption);

}  // namespace orvane
