// Every change of a control goes through here: the core's copy is updated first and the view is
// told only when something actually changed, so repeated settings cost no repaint.
#include "app/menu_window.h"

namespace orvane {

ControlState* MenuWindow::Control(const ControlId& id) {
  if (IsButtonControl(id.Kind)) {
    if (id.Button < 1 || id.Button > kMaxButtons) return nullptr;
    TOVButton& button = Menu.Buttons[static_cast<size_t>(id.Button)];
    if (!button.ControlsExist) return nullptr;
    switch (id.Kind) {
      case ControlKind::ImgBtn: return &button.ImgBtn;
      case ControlKind::WinBtn: return &button.WinBtn;
      case ControlKind::KeyBtn: return &button.KeyBtn;
      default: return &button.LblBtn;
    }
  }
  switch (id.Kind) {
    case ControlKind::MenBck: return &Menu.MenBck;
    case ControlKind::imgAccPicture: return &Menu.imgAccPicture;
    case ControlKind::lblAccShadow: return &Menu.lblAccShadow;
    case ControlKind::lblAccText: return &Menu.lblAccText;
    case ControlKind::lblTime: return &Menu.lblTime;
    default: return &Menu.lblDate;
  }
}

void MenuWindow::CreateControl(const ControlId& id, const ControlState& initial) {
  if (ControlState* state = Control(id)) *state = initial;
  s_.View.CreateControl(id, initial);
}

void MenuWindow::SetBounds(const ControlId& id, const Bounds& bounds) {
  ControlState* state = Control(id);
  if (!state || state->Bounds == bounds) return;
  state->Bounds = bounds;
  s_.View.SetControlBounds(id, bounds);
}

void MenuWindow::SetLeftTop(const ControlId& id, int32_t left, int32_t top) {
  if (const ControlState* state = Control(id))
    SetBounds(id, Bounds{left, top, state->Bounds.Width, state->Bounds.Height});
}

void MenuWindow::SetSize(const ControlId& id, int32_t width, int32_t height) {
  if (const ControlState* state = Control(id))
    SetBounds(id, Bounds{state->Bounds.Left, state->Bounds.Top, width, height});
}

void MenuWindow::SetVisible(const ControlId& id, bool visible) {
  ControlState* state = Control(id);
  if (!state || state->Visible == visible) return;
  state->Visible = visible;
  s_.View.SetControlVisible(id, visible);
}

void MenuWindow::SetText(const ControlId& id, const std::string& text) {
  ControlState* state = Control(id);
  if (!state || state->Text == text) return;
  state->Text = text;
  s_.View.SetControlText(id, text);
}

void MenuWindow::SetFont(const ControlId& id, const ControlFont& font) {
  ControlState* state = Control(id);
  if (!state || state->Font == font) return;
  state->Font = font;
  s_.View.SetControlFont(id, font);
}

void MenuWindow::SetAlignment(const ControlId& id, TextAlignment alignment) {
  ControlState* state = Control(id);
  if (!state || state->Alignment == alignment) return;
  state->Alignment = alignment;
  s_.View.SetControlAlignment(id, alignment);
}

void MenuWindow::SetPicture(const ControlId& id, const PictureRef& picture) {
  ControlState* state = Control(id);
  if (!state) return;
  // Pictures are always handed over, even the same one again: the view shows a fresh copy.
  state->Picture = picture;
  s_.View.SetControlPicture(id, picture);
  if (state->AutoSize) {
    const int32_t width = picture ? picture->Width : 0;
    const int32_t height = picture ? picture->Height : 0;
    SetSize(id, width, height);
  }
}

}  // namespace orvane
