#include "about_hook.h"

namespace orvane {

void OpenAboutWindow(HINSTANCE, HWND, MessageDialog&, const std::string&) {
  // The About window is built by its own issue; the menu item is wired to this one place so that
  // it only has to be filled in.
}

}  // namespace orvane
