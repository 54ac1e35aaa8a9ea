#include "app/menu_input.h"

#include "app/menu_window.h"

namespace orvane {

namespace {

bool IsArrow(NavigationKey key) {
  return key == NavigationKey::Left || key == NavigationKey::Up || key == NavigationKey::Right ||
         key == NavigationKey::Down;
}

ArrowKey ArrowOf(NavigationKey key) {
  switch (key) {
    case NavigationKey::Left: return ArrowKey::Left;
    case NavigationKey::Up: return ArrowKey::Up;
    case NavigationKey::Right: return ArrowKey::Right;
    default: return ArrowKey::Down;
  }
}

bool IsFocusable(const std::optional<ControlId>& id) {
  return id && (id->Kind == ControlKind::KeyBtn || id->Kind == ControlKind::WinBtn);
}

}  // namespace

// ---- Pointer over buttons ----------------------------------------------------------------------

void MenuInput::Select(int32_t n) {
  w_.SelectedButton = n;
  // Highlighting the button already highlighted does nothing, so resting or moving within one
  // picture plays its select sound once.
  w_.HighlightButton(n);
}

void MenuInput::picButton_MouseMove(int32_t n) {
  if (w_.MenuActive) Select(n);
}

void MenuInput::picButton_MouseDown(int32_t n) {
  w_.View().ProcessPendingMessages();
  w_.SetButtonState(n, kPressedState, false);
}

void MenuInput::picButton_MouseUp(int32_t n, int32_t x, int32_t y) {
  try {
    w_.SetButtonState(n, kHighlightedState, false);
    if (n < 1 || n > w_.Menu.ButtonCount) return;
    const Bounds& picture = w_.Menu.Buttons[static_cast<size_t>(n)].ImgBtn.Bounds;
    // Strictly inside: a release on the top row or left column counts as outside.
    if (x <= 0 || y <= 0 || x >= picture.Width || y >= picture.Height) return;
    // The released picture's own action: the selection may have moved to another button (wheel,
    // keys) while the pointer rested on this one.
    w_.SelectedButton = n;
    w_.cmdButton_Click(n);
  } catch (...) {
    // A failing action must not take the window down with it; the next click tries again.
  }
}

void MenuInput::cmdButton_MouseMove(int32_t n) { Select(n); }

void MenuInput::cmdButton_Click(int32_t n) { w_.cmdButton_Click(n); }

void MenuInput::cmdButton_GotFocus(int32_t n) { Select(n); }

// ---- The keyboard control ----------------------------------------------------------------------

bool MenuInput::btnShortcutKeyDown(int32_t, NavigationKey key, KeyModifiers modifiers) {
  if (!modifiers.Alt || !IsArrow(key)) return false;
  w_.SelectedButton = AltArrowButton(ArrowOf(key), w_.SelectedButton, w_.Menu.ButtonCount);
  FocusButton(w_.SelectedButton);
  return true;
}

void MenuInput::btnShortcutKeyPress(int32_t n, char32_t typed) {
  if (typed == U'\r') {
    w_.SetButtonState(n, kPressedState, false);
    w_.cmdButton_Click(n);
    w_.View().ProcessPendingMessages();
    w_.SetButtonState(n, kHighlightedState, false);
    return;
  }
  const int32_t chosen = DigitButton(typed, w_.Menu.ButtonCount);
  if (chosen == 0) return;
  FocusButton(chosen);
  w_.View().ProcessPendingMessages();
  w_.cmdButton_Click(chosen);
}

void MenuInput::btnShortcut_Click(int32_t n) {
  if (n < 1 || n > w_.Menu.ButtonCount) return;
  Select(n);
  w_.View().ProcessPendingMessages();
  TOVButton& button = w_.Menu.Buttons[static_cast<size_t>(n)];
  if (button.ButtonKind != kImageButton) {
    w_.cmdButton_Click(n);
    return;
  }
  button.ImgBtnShownState = kNoShownState;
  w_.SetButtonState(n, kPressedState, false);
  w_.View().ProcessPendingMessages();
  w_.cmdButton_Click(n);
  w_.View().ProcessPendingMessages();
  w_.SetButtonState(n, kHighlightedState, false);
}

void MenuInput::btnShortcut_GotFocus(int32_t n) {
  if (n < 1 || n > w_.Menu.ButtonCount) return;
  Select(n);
  w_.View().ProcessPendingMessages();
  // The button may have been highlighted already by the pointer; it shows the highlighted
  // picture again in any case.
  w_.Menu.Buttons[static_cast<size_t>(n)].ImgBtnShownState = kNoShownState;
  w_.SetButtonState(n, kHighlightedState, false);
}

// ---- The background and dragging ---------------------------------------------------------------

void MenuInput::MenBckMouseDown(MouseButton button, int32_t x, int32_t y) {
  if (button != MouseButton::Left) return;
  DragOrigin = {x, y};
  DragState = kDragging;
  if (ShowMoveCursor) ShowMoveCursor(true);
}

void MenuInput::MenBckMouseMove(int32_t x, int32_t y) {
  // HighlightButton lets pending messages run, which may bring the next move in here.
  if (BackgroundMoveBusy) return;
  BackgroundMoveBusy = true;
  try {
    w_.HighlightButton(-1);
  } catch (...) {
    // Clearing the highlight is cosmetic; the move and the drag go on.
  }
  w_.ShowDescription(-2);
  BackgroundMoveBusy = false;

  const PointerPosition now{x, y};
  if (now == LastPointer) return;
  if (DragState == kDragging && WindowBounds) {
    // The point where the drag began stays under the pointer.
    Bounds bounds = WindowBounds();
    bounds.Left += x - DragOrigin.X;
    bounds.Top += y - DragOrigin.Y;
    w_.View().SetWindowBounds(bounds);
    // The window followed the pointer, so the pointer now rests on the drag's origin again. Keeping
    // the old position instead would swallow the next move of a steady drag whenever it lands
    // on the same background coordinates.
    LastPointer = DragOrigin;
    return;
  }
  LastPointer = now;
}

void MenuInput::MenBckMouseUp() {
  DragOrigin = {0, 0};
  DragState = 0;
  if (ShowMoveCursor) ShowMoveCursor(false);
}

// ---- Wheel -------------------------------------------------------------------------------------

void MenuInput::FormMouseWheelDown() {
  w_.SelectedButton = NextButtonNumber(w_.SelectedButton, w_.Menu.ButtonCount);
  FocusButton(w_.SelectedButton);
}

void MenuInput::FormMouseWheelUp() {
  w_.SelectedButton = PreviousButtonNumber(w_.SelectedButton, w_.Menu.ButtonCount);
  FocusButton(w_.SelectedButton);
}

// ---- The window's keyboard handling ------------------------------------------------------------

bool MenuInput::KeyDown(const std::optional<ControlId>& focused, NavigationKey key,
                        KeyModifiers modifiers) {
  const int32_t n = IsFocusable(focused) ? focused->Button : 0;
  switch (key) {
    case NavigationKey::Tab:
      if (modifiers.Alt || modifiers.Ctrl) return false;
      MoveFocus(focused, !modifiers.Shift);
      return true;
    case NavigationKey::Left:
    case NavigationKey::Up:
    case NavigationKey::Right:
    case NavigationKey::Down:
      if (modifiers.Alt) return FocusedKeyDown(focused, n, key, modifiers);
      MoveFocus(focused, key == NavigationKey::Right || key == NavigationKey::Down);
      return true;
    case NavigationKey::Enter:
      if (n == 0 || modifiers.Alt) return false;
      if (modifiers.Shift || modifiers.Ctrl) {
        FocusedKeyPress(focused, n, '\r');
      } else {
        ClickControl(*focused);
      }
      return true;
    case NavigationKey::Other: break;
  }
  return false;
}

bool MenuInput::CharacterTyped(const std::optional<ControlId>& focused, char32_t typed, bool alt) {
  if (const std::optional<ShortcutHit> hit = FindShortcut(w_.Menu, typed)) {
    ClickControl(ButtonControl(hit->Control, hit->Button));
    return true;
  }
  if (alt || !IsFocusable(focused)) return false;
  FocusedKeyPress(focused, focused->Button, typed);
  return false;
}

// A push button's keys go to its own handlers, which pass them on to the keyboard control's.
bool MenuInput::FocusedKeyDown(const std::optional<ControlId>& focused, int32_t n,
                               NavigationKey key, KeyModifiers modifiers) {
  return focused && focused->Kind == ControlKind::WinBtn ? cmdButton_KeyDown(n, key, modifiers)
                                                         : btnShortcutKeyDown(n, key, modifiers);
}

void MenuInput::FocusedKeyPress(const std::optional<ControlId>& focused, int32_t n,
                                char32_t typed) {
  if (focused && focused->Kind == ControlKind::WinBtn) {
    cmdButton_KeyPress(n, typed);
  } else {
    btnShortcutKeyPress(n, typed);
  }
}

void MenuInput::ClickControl(const ControlId& id) {
  if (id.Kind == ControlKind::KeyBtn) btnShortcut_Click(id.Button);
  if (id.Kind == ControlKind::WinBtn) cmdButton_Click(id.Button);
}

void MenuInput::GotFocus(const ControlId& id) {
  // The window's first activation gives a control the focus while the menu is still being
  // applied; the control keeps the focus, but nothing is selected yet.
  if (!w_.MenuActive) return;
  if (id.Kind == ControlKind::KeyBtn) btnShortcut_GotFocus(id.Button);
  if (id.Kind == ControlKind::WinBtn) cmdButton_GotFocus(id.Button);
}

void MenuInput::FocusFirstControl() { MoveFocus(std::nullopt, true); }

void MenuInput::FocusButton(int32_t n) {
  if (const std::optional<ControlId> target = FocusTarget(w_.Menu, n))
    w_.View().FocusControl(*target);
}

void MenuInput::MoveFocus(const std::optional<ControlId>& focused, bool forward) {
  const std::optional<ControlId> current = IsFocusable(focused) ? focused : std::nullopt;
  if (const std::optional<ControlId> target = NextFocusable(w_.Menu, current, forward))
    w_.View().FocusControl(*target);
}

}  // namespace orvane
