#pragma once
// The mouse, wheel and keyboard handlers of the menu window, and dragging the borderless window
// by its background. They select and highlight buttons through the window's button-state
// operations and hand a chosen button to its RunButtonAction hook. The platform calls them with
// the button number of the sending control and positions in that control's coordinates.
#include <cstdint>
#include <functional>
#include <optional>

#include "app/control_ids.h"
#include "app/control_state.h"
#include "app/selection.h"

namespace orvane {

class MenuWindow;

struct PointerPosition {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const PointerPosition& o) const { return X == o.X && Y == o.Y; }
  bool operator!=(const PointerPosition& o) const { return !(*this == o); }
};

enum class MouseButton : uint8_t { Left, Right, Middle };

// Keys that the window's own keyboard handling looks at before any character is typed.
enum class NavigationKey : uint8_t { Tab, Left, Up, Right, Down, Enter, Other };

struct KeyModifiers {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
};

constexpr int32_t kDragging = 2;

class MenuInput {
 public:
  explicit MenuInput(MenuWindow& window) : w_(window) {}

  bool BackgroundMoveBusy = false;
  int32_t DragState = 0;
  PointerPosition DragOrigin;
  PointerPosition LastPointer;

  // The window's bounds on the screen now; dragging moves them. Unset: dragging does nothing.
  std::function<Bounds()> WindowBounds;
  // true: the four-way move cursor over the background; false: the default cursor.
  std::function<void(bool)> ShowMoveCursor;

  // Pointer over buttons.
  void picButton_MouseMove(int32_t n);
  void picButton_MouseDown(int32_t n);
  // (x, y) in the picture's own coordinates.
  void picButton_MouseUp(int32_t n, int32_t x, int32_t y);
  void picButton_Click(int32_t) {}  // the release decides
  void cmdButton_MouseMove(int32_t n);
  void cmdButton_Click(int32_t n);
  void cmdButton_GotFocus(int32_t n);
  // A push button passes its keys on to the keyboard control's handlers.
  bool cmdButton_KeyDown(int32_t n, NavigationKey key, KeyModifiers modifiers) {
    return btnShortcutKeyDown(n, key, modifiers);
  }
  void cmdButton_KeyPress(int32_t n, char32_t typed) { btnShortcutKeyPress(n, typed); }

  // The keyboard control of image and label buttons. KeyDown handles Alt+arrows and tells
  // whether it took the key.
  bool btnShortcutKeyDown(int32_t n, NavigationKey key, KeyModifiers modifiers);
  void btnShortcutKeyPress(int32_t n, char32_t typed);
  void btnShortcut_Click(int32_t n);
  void btnShortcut_GotFocus(int32_t n);

  // The background and the pictures and labels that pass their pointer to it.
  void MenBckMouseDown(MouseButton button, int32_t x, int32_t y);
  void MenBckMouseMove(int32_t x, int32_t y);
  void MenBckMouseUp();
  void AccTextMouseMove(int32_t x, int32_t y) { MenBckMouseMove(x, y); }
  void lblAccText_MouseMove(int32_t x, int32_t y) { MenBckMouseMove(x, y); }

  void FormMouseWheelDown();
  void FormMouseWheelUp();

  // The window's keyboard handling for the control that has the focus (none: the window itself):
  // Tab and the plain arrows move the focus in creation order, Enter clicks, Alt+arrows and
  // Enter with Shift or Ctrl go to the control's key handlers. True when the key was taken.
  bool KeyDown(const std::optional<ControlId>& focused, NavigationKey key, KeyModifiers modifiers);
  // A typed character: a button's shortcut clicks it, with or without Alt; anything else typed
  // without Alt goes to the focused control's key-press handler. True when a shortcut took it.
  bool CharacterTyped(const std::optional<ControlId>& focused, char32_t typed, bool alt = false);
  // The click of a focusable control (Enter, Space, its shortcut).
  void ClickControl(const ControlId& id);
  // A focusable control got the focus; nothing happens before the menu is active.
  void GotFocus(const ControlId& id);
  // No control of the window has the focus: the first one in creation order takes it.
  void FocusFirstControl();

 private:
  // SelectedButton := n, and n highlighted.
  void Select(int32_t n);
  void FocusButton(int32_t n);
  void MoveFocus(const std::optional<ControlId>& focused, bool forward);

  MenuWindow& w_;
};

}  // namespace orvane
