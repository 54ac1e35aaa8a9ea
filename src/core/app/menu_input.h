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

  // The event handlers carry the names of the controls' events (ImgBtn pictures are picButton,
  // WinBtn and LblBtn cmdButton, KeyBtn btnShortcut, the background MenBck). A click on a
  // picture has no handler: its release decides.
  // picButton_MouseMove: the pointer over image button n selects and highlights it.
  void picButton_MouseMove(int32_t n);
  // picButton_MouseDown: a press on image button n shows its pressed picture.
  void picButton_MouseDown(int32_t n);
  // picButton_MouseUp: the release shows the highlighted picture and, inside the picture ((x, y)
  // in its own coordinates), runs the button's action.
  void picButton_MouseUp(int32_t n, int32_t x, int32_t y);
  // cmdButton_MouseMove: the pointer over push or label button n selects it.
  void cmdButton_MouseMove(int32_t n);
  // cmdButton_Click: push or label button n was clicked: runs its action.
  void cmdButton_Click(int32_t n);
  // cmdButton_GotFocus: push button n got the focus: selects it.
  void cmdButton_GotFocus(int32_t n);
  // cmdButton_KeyDown, cmdButton_KeyPress: a push button passes its keys on to the keyboard
  // control's handlers.
  bool cmdButton_KeyDown(int32_t n, NavigationKey key, KeyModifiers modifiers) {
    return btnShortcutKeyDown(n, key, modifiers);
  }
  void cmdButton_KeyPress(int32_t n, char32_t typed) { btnShortcutKeyPress(n, typed); }

  // The keyboard control (KeyBtn) of image and label buttons.
  // btnShortcutKeyDown: Alt+arrows move the selection; true when it took the key.
  bool btnShortcutKeyDown(int32_t n, NavigationKey key, KeyModifiers modifiers);
  // btnShortcutKeyPress: Enter with Shift or Ctrl presses and runs button n; a digit runs the
  // button of its number.
  void btnShortcutKeyPress(int32_t n, char32_t typed);
  // btnShortcut_Click: the keyboard control was clicked (its access key, Space): runs button n.
  void btnShortcut_Click(int32_t n);
  // btnShortcut_GotFocus: the keyboard control got the focus: selects and highlights button n.
  void btnShortcut_GotFocus(int32_t n);

  // The background and the pictures and labels that pass their pointer to it.
  // MenBckMouseDown: the left button on the background starts dragging the window.
  void MenBckMouseDown(MouseButton button, int32_t x, int32_t y);
  // MenBckMouseMove: clears the highlight and shows the default description; while dragging,
  // moves the window with the pointer.
  void MenBckMouseMove(int32_t x, int32_t y);
  // MenBckMouseUp: any release ends the drag.
  void MenBckMouseUp();
  // AccTextMouseMove, lblAccText_MouseMove: the accessory picture and the description pass
  // their pointer on to the background.
  void AccTextMouseMove(int32_t x, int32_t y) { MenBckMouseMove(x, y); }
  void lblAccText_MouseMove(int32_t x, int32_t y) { MenBckMouseMove(x, y); }

  // FormMouseWheelDown, FormMouseWheelUp: the wheel selects the next or the previous button and
  // gives it the focus.
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
  // Keys of the focused control: a push button's through cmdButton_KeyDown/KeyPress.
  bool FocusedKeyDown(const std::optional<ControlId>& focused, int32_t n, NavigationKey key,
                      KeyModifiers modifiers);
  void FocusedKeyPress(const std::optional<ControlId>& focused, int32_t n, char32_t typed);

  // SelectedButton := n, and n highlighted.
  void Select(int32_t n);
  void FocusButton(int32_t n);
  void MoveFocus(const std::optional<ControlId>& focused, bool forward);

  MenuWindow& w_;
};

}  // namespace orvane
