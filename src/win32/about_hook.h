#pragma once
// The About item of the context menu opens a new About window each time, without blocking the
// menu window.
#include <windows.h>

#include <string>

#include "common/message_dialog.h"

namespace orvane {

// The menu window's hidden imgAboutIcon: a 32 x 32 picture at (4, 36) holding the built-in icon
// that the About window shows.
HWND CreateAboutIconPicture(HINSTANCE instance, HWND menuWindow);

// The About window's Image1 copies the picture of imgAboutIcon.
void OpenAboutWindow(HINSTANCE instance, HWND imgAboutIcon, MessageDialog& dialog,
                     const std::string& dialogCaption);

}  // namespace orvane
