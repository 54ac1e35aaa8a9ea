#pragma once
// Names of the menu window's controls. Every control is addressed by its kind and, for the four
// controls that each button owns, by the button number; the platform name of a button control is
// its kind prefix followed by the number as three digits (ImgBtn012), and handlers recover the
// button from the last three characters of that name.
#include <cstdint>
#include <string>

namespace orvane {

enum class ControlKind : uint8_t {
  // Window-wide, made once at start-up.
  MenBck,         // background picture, the drag handle
  imgAccPicture,  // accessory picture of the highlighted button
  lblAccShadow,   // shadow of the description text
  lblAccText,     // description text
  lblTime,        // clock
  lblDate,        // date
  // Four per button, made per menu.
  ImgBtn,  // picture of an image button
  WinBtn,  // push button
  KeyBtn,  // off-screen push button that holds the focus and the shortcut of image/label buttons
  LblBtn,  // label button
};

// How the platform has to realise a control.
enum class ControlType : uint8_t { Picture, Label, PushButton };

struct ControlId {
  ControlKind Kind = ControlKind::MenBck;
  int32_t Button = 0;  // 1..100 for button controls, 0 for the window-wide ones

  bool operator==(const ControlId& other) const {
    return Kind == other.Kind && Button == other.Button;
  }
  bool operator!=(const ControlId& other) const { return !(*this == other); }
};

inline ControlId BaseControl(ControlKind kind) { return ControlId{kind, 0}; }
inline ControlId ButtonControl(ControlKind kind, int32_t button) { return ControlId{kind, button}; }

bool IsButtonControl(ControlKind kind);
ControlType TypeOf(ControlKind kind);
// "MenBck", "lblAccText", ..., or the prefix and three digits for button controls ("KeyBtn007").
std::string ControlName(const ControlId& id);
// The last three characters of a control name read as a decimal number; -1 when they are not
// three digits (a name that no button control can have).
int32_t ButtonNumberFromName(const std::string& name);

}  // namespace orvane
