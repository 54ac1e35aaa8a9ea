#include "window_subclass.h"

#include "system_library.h"

namespace orvane {

namespace {
constexpr char kCommonControls[] = "comctl32.dll";
}  // namespace

bool SubclassWithChain(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  using Function = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
  static const auto set = SystemFunctionAs<Function>(kCommonControls, "SetWindowSubclass");
  return set && set(window, procedure, id, data);
}

void RemoveWindowSubclassing(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  using Function = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
  static const auto remove = SystemFunctionAs<Function>(kCommonControls, "RemoveWindowSubclass");
  if (remove) remove(window, procedure, id);
}

LRESULT DefaultSubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  using Function = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
  static const auto next = SystemFunctionAs<Function>(kCommonControls, "DefSubclassProc");
  return next ? next(window, message, wParam, lParam)
              : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace orvane
