#pragma once
// TfrmAboutCls: the About window. Names the product, shows the application icon and the maker's
// logo over the shaded background, links to the maker's page and closes with "&Close".
// Non-modal: the menu window stays usable while any number of these are open.
#include <windows.h>

#include <string>

#include "common/message_dialog.h"

namespace orvane {

// Creates a new About window and shows it without waiting; returns it (nullptr when the window
// cannot be created). ownerIcon is copied, the caller keeps its own. The dialog reports a link
// that cannot be opened, under dialogCaption; it must outlive the window. Closing the window
// only hides it.
HWND ShowAboutWindow(HINSTANCE instance, HICON ownerIcon, MessageDialog& dialog,
                     const std::string& dialogCaption);

}  // namespace orvane
