// The four controls of every button: made hidden (except the off-screen keyboard control) before
// the button's record is applied, destroyed before the next menu is applied.

#include "app/menu_window.h"

namespace orvane {

namespace {
std::string DefaultButtonCaption(int32_t n) { return "Button &" + std::to_string(n); }
}  // namespace

void MenuWindow::CreateButtonControls(int32_t n) {
  if (n < 1 || n > kMaxButtons) return;
  TOVButton& button = Menu.Buttons[static_cast<size_t>(n)];
  if (button.ControlsExist) {
    // A button number is only ever made once per menu; if it is made again, the old controls
    // must not be left behind on the window.
    for (ControlKind kind :
         {ControlKind::ImgBtn, ControlKind::WinBtn, ControlKind::KeyBtn, ControlKind::LblBtn})
      s_.View.DestroyControl(ButtonControl(kind, n));
  }
  button.ControlsExist = true;

  button.Target.clear();
  button.Parameters.clear();
  button.Description.clear();
  button.MinimizeAfter = 0;
  button.WaitForExit = 0;
  button.RunMaximized = 0;
  button.CloseAfter = 0;
  button.AnimMode = 0;
  button.ButtonKind = kImageButton;
  button.DefaultCaption = DefaultButtonCaption(n);
  button.ButtonState = kNormalState;
  button.CurrentFrame = 0;
  button.AnimDirection = 0;
  button.LastFrame = {};
  button.ImgBtnShownState = kNormalState;

  ControlState label;
  label.Bounds = Bounds{200, 60, 97, 25};
  label.Text = button.DefaultCaption;
  CreateControl(ButtonControl(ControlKind::LblBtn, n), label);
  s_.View.BringControlToFront(ButtonControl(ControlKind::LblBtn, n));

  ControlState push = label;
  push.TabStop = true;
  CreateControl(ButtonControl(ControlKind::WinBtn, n), push);
  s_.View.BringControlToFront(ButtonControl(ControlKind::WinBtn, n));

  ControlState picture;
  picture.AutoSize = true;
  CreateControl(ButtonControl(ControlKind::ImgBtn, n), picture);
  button.ShortcutKey = "0";

  ControlState key;
  key.Bounds = Bounds{-40, -40, 20, 20};
  key.Visible = true;
  key.TabStop = true;
  CreateControl(ButtonControl(ControlKind::KeyBtn, n), key);
  s_.View.BringControlToFront(ButtonControl(ControlKind::KeyBtn, n));
}

void MenuWindow::DestroyButtonControls() {
  for (int32_t n = 1; n <= kMaxButtons; ++n) {
    TOVButton& button = Menu.Buttons[static_cast<size_t>(n)];
    if (!button.ControlsExist) continue;
    for (ControlKind kind :
         {ControlKind::ImgBtn, ControlKind::WinBtn, ControlKind::KeyBtn, ControlKind::LblBtn})
      s_.View.DestroyControl(ButtonControl(kind, n));
    // A control that does not exist has no state (Control gives none); making it again sets all.
    button.ControlsExist = false;
  }
}

}  // namespace orvane
