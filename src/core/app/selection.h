#pragma once
// Which button the wheel, the arrow keys, Tab, shortcut characters and digits lead to. Pure
// arithmetic over the menu's records; the input handlers then move the focus, whose handler
// selects and highlights the button.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/control_ids.h"

namespace orvane {

struct TOVMenu;

// Wheel down and Alt+Right/Down: the next button, 1 after the last. A selection beyond
// buttonCount counts as none. 0 when the menu has no buttons.
int32_t NextButtonNumber(int32_t selected, int32_t buttonCount);
// Wheel up and Alt+Left/Up: the previous button, the last one from 1 or from no selection.
int32_t PreviousButtonNumber(int32_t selected, int32_t buttonCount);

enum class ArrowKey : uint8_t { Left, Up, Right, Down };
// Alt+arrow: Left and Up go back, Right and Down forward.
int32_t AltArrowButton(ArrowKey key, int32_t selected, int32_t buttonCount);

// The control that takes the focus for button n: its KeyBtn when visible, else its WinBtn when
// visible; none for a button without a visible focusable control.
std::optional<ControlId> FocusTarget(const TOVMenu& menu, int32_t n);

// The controls that can hold the focus, in creation order (WinBtn 1, KeyBtn 1, WinBtn 2, ...):
// the visible ones of buttons 1..ButtonCount.
std::vector<ControlId> FocusableControls(const TOVMenu& menu);
// Tab and the plain arrows: the focusable control after (forward) or before the current one,
// wrapping around. From a control that is not focusable, the first (forward) or the last.
std::optional<ControlId> NextFocusable(const TOVMenu& menu, const std::optional<ControlId>& current,
                                       bool forward);

// The access character of a caption: the one after the first "&" that is not part of "&&"
// ("&&" stands for an ampersand), a whole UTF-8 character. 0 when the caption has none.
char32_t ShortcutCharacter(const std::string& caption);

struct ShortcutHit {
  int32_t Button = 0;
  ControlKind Control = ControlKind::KeyBtn;  // KeyBtn or WinBtn, the control to click
};
// The visible focusable control whose access character is typed (a letter in either case, see
// UpperLetter); the lowest button number wins when several have it.
std::optional<ShortcutHit> FindShortcut(const TOVMenu& menu, char32_t typed);

// A digit 1 to 8 typed on a button's focusable control, when no button has it as shortcut:
// digit d chooses button d when the menu has that button, else nothing (0).
int32_t DigitButton(char32_t digit, int32_t buttonCount);

}  // namespace orvane
