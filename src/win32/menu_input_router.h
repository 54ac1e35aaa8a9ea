#pragma once
// The one owner of the menu window's input: pointer, wheel, focus and key messages, the push
// buttons' commands and the mouse capture become calls on the core's input handlers. The
// window's own messages come through Route; the push buttons are subclassed, so their keys reach
// the handlers whichever message loop dispatches them (the main loop or a pump inside an action).
#include <windows.h>

#include <optional>

#include "app/menu_input.h"
#include "win32_menu_view.h"

namespace orvane {

class MenuInputRouter {
 public:
  MenuInputRouter(HWND window, MenuWindow& core, Win32MenuView& view);
  MenuInputRouter(const MenuInputRouter&) = delete;
  MenuInputRouter& operator=(const MenuInputRouter&) = delete;

  // A message of the menu window; true when it was handled and result holds the answer. Mouse
  // button releases are answered false after handling, so that the system still turns a
  // right-button release into the window's WM_CONTEXTMENU.
  bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // A push button was made: its keys, focus and pointer come here from now on.
  void Attach(HWND button, const ControlId& id);

  MenuInput& Input() { return input_; }

 private:
  static LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR subclassId, DWORD_PTR router);
  LRESULT OnButtonMessage(HWND button, const ControlId& id, UINT message, WPARAM wParam,
                          LPARAM lParam);
  void OnMouseMove(POINT point);
  void OnButtonDown(MouseButton button, POINT point);
  void OnButtonUp(MouseButton button, POINT point);
  bool OnKeyDown(const std::optional<ControlId>& focused, WPARAM key);
  bool OnCommand(WPARAM wParam, LPARAM lParam);
  // A typed UTF-16 unit; the two halves of a character beyond the first 65536 make one.
  bool OnCharacter(const std::optional<ControlId>& focused, WPARAM unit, bool alt);
  std::optional<ControlId> FocusedButton() const;

  HWND window_;
  MenuWindow& core_;
  Win32MenuView& view_;
  MenuInput input_;
  // The picture under the last mouse press; its release goes to it wherever the pointer is.
  int32_t pressedPicture_ = 0;
  // The windowless control under the last left-button press; a label is clicked by press and
  // release on the same label.
  std::optional<ControlId> pressedControl_;
  // The push button that last had the focus; it gets it back when the window is activated.
  HWND lastFocused_ = nullptr;
  bool restoringFocus_ = false;
  wchar_t highSurrogate_ = 0;
};

}  // namespace orvane
