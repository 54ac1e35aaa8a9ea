#pragma once
// The message dialog's rules, decided without a window system: which buttons it shows in which
// order, which of them Enter and Esc press, its caption, the text that Ctrl+C copies, and where
// everything goes once the front-end has measured its texts.
#include <cstdint>
#include <string>
#include <vector>

#include "common/message_dialog.h"

namespace orvane {

// The icon a kind shows; the front-end maps it to the system's own icon.
enum class DialogIcon { None, Exclamation, Stop, Information, Question };

struct DialogButton {
  MessageButtons Bit = 0;
  std::string Label;        // with "&" before the access key
  TModalResult Result = 0;  // 0 for Help, which does not close the dialog
  bool Closes = true;
};

// Everything the dialog shows and how it answers keys, for one call.
struct DialogModel {
  std::string Caption;
  DialogIcon Icon = DialogIcon::None;
  std::vector<DialogButton> Buttons;  // left to right
  int DefaultButton = -1;             // position in Buttons, -1 for none
  int CancelButton = -1;              // pressed by Esc and the close box; -1: neither does anything
};

constexpr TModalResult kResultNone = 0;

// The standard caption of a kind; Custom (and any value outside the table) takes the
// application's current title.
std::string StandardCaption(MessageKind kind, const std::string& applicationTitle);
DialogIcon IconOf(MessageKind kind);

// The buttons of a set in their fixed order. Bits past Help are ignored; a set without any
// button that closes the dialog gets OK, so that the dialog can always be closed.
std::vector<DialogButton> ButtonsOf(MessageButtons buttons);

// defaultIndex -1 (or any negative value) keeps the dialog's own default button; a position
// past the last button leaves no default.
DialogModel BuildDialogModel(MessageKind kind, MessageButtons buttons, int32_t defaultIndex,
                             const std::string& caption, const std::string& applicationTitle);

// What Ctrl+C puts on the clipboard.
std::string DialogClipboardText(const DialogModel& model, const std::string& message);

// The message with every line break ("\r", "\n", "\r\n") made "\r\n", so that every text
// renderer breaks the line where the caller asked.
std::string NormalizeLineBreaks(const std::string& text);

// --- Geometry -----------------------------------------------------------------------------

struct DialogRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

// Sizes measured by the front-end with the dialog's font, in pixels.
struct DialogMeasures {
  int AverageCharWidth = 6;  // of the font, for dialog units
  int CharHeight = 13;
  int IconSize = 32;  // 0 without icon
  int TextWidth = 0;  // of the message wrapped at MaxTextWidth
  int TextHeight = 0;
  std::vector<int> LabelWidths;  // one per button, "&" not counted
};

struct DialogGeometry {
  int ClientWidth = 0;
  int ClientHeight = 0;
  DialogRect Icon;  // zero size without icon
  DialogRect Text;
  std::vector<DialogRect> Buttons;
};

// The widest the message may be before it wraps, for a screen of that width.
int MaxTextWidth(int screenWidth);
// The tallest the message may be shown; a longer one is cut so the buttons stay on the screen.
int MaxTextHeight(int screenHeight);

DialogGeometry LayoutDialog(const DialogMeasures& measures);

}  // namespace orvane
