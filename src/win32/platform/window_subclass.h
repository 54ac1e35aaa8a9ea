#pragma once
// Subclassing through the common controls (SetWindowSubclass), which keep the chain of window
// procedures and each one's data. The common controls are loaded from the system folder (see
// system_library.h), so these are reached at run time.
#include <windows.h>
#include <commctrl.h>

namespace orvane {

// False when the common controls cannot be had: the window keeps its own procedure.
bool SubclassWithChain(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
void RemoveWindowSubclassing(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
// The next procedure in the chain.
LRESULT DefaultSubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace orvane
