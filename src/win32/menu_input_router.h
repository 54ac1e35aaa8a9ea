#pragma once
// Turns the menu window's pointer, wheel, focus and key messages into calls on the core's input
// handlers. The window's own messages come through Route; the push buttons are subclassed, so
// their keys reach the handlers whichever message loop dispatches them (the main loop or a pump
// inside an action).
#include <windows.h>

#include <map>
#include <optional>

#include "app/menu_input.h"
#include "win32_menu_view.h"

namespace orvane {

class MenuInputRouter {
 public:
  MenuInputRouter(HWND window, MenuWindow& core, Win32MenuView& view);
  MenuInputRouter(const MenuInputRouter&) = delete;
  MenuInputRouter& operator=(const MenuInputRouter&) = delete;

  // A message of the menu window; true when it was handled and result holds the answer.
  bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // A push button was made: its keys, focus and pointer come here from now on.
  void Attach(HWND button, const ControlId& id);

  MenuInput& Input() { return input_; }

 private:
  struct Subclassed {
    ControlId Id;
    WNDPROC Original = nullptr;
  };
  static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnButtonMessage(HWND button, const Subclassed& entry, UINT message, WPARAM wParam,
                          LPARAM lParam);
  void OnMouseMove(POINT point);
  void OnButtonDown(MouseButton button, POINT point);
  void OnButtonUp(POINT point);
  bool OnKeyDown(const std::optional<ControlId>& focused, WPARAM key);

  HWND window_;
  MenuWindow& core_;
  Win32MenuView& view_;
  MenuInput input_;
  std::map<HWND, Subclassed> buttons_;
  // The picture under the last mouse press; its release goes to it wherever the pointer is.
  int32_t pressedPicture_ = 0;
  // The push button that last had the focus; it gets it back when the window is activated.
  HWND lastFocused_ = nullptr;
  bool restoringFocus_ = false;
};

}  // namespace orvane
