// Button states as far as menu loading needs them: the pictures a state shows, the highlight
// with its select sound, the description and accessory picture, and the frame counts.
#include "app/menu_window.h"

namespace orvane {

void MenuWindow::SetButtonState(int32_t n, int32_t state, bool refreshDescription) {
  if (!MenuActive || n < 1 || n > Menu.ButtonCount) return;
  TOVButton& button = Menu.Buttons[static_cast<size_t>(n)];
  if (Menu.Images.HasImage(n, state, 0) && button.ImgBtnShownState != state) {
    SetPicture(ButtonControl(ControlKind::ImgBtn, n), Menu.Images.Get(n, state, 0));
    button.ImgBtnShownState = state;
  }
  if (refreshDescription) {
    s_.View.ProcessPendingMessages();
    ShowDescription(n);
  }
  button.CurrentFrame = 0;
  button.ButtonState = state;
  button.AnimDirection = 0;
}

void MenuWindow::HighlightButton(int32_t n) {
  if (!MenuActive || n == HighlightedButton || HighlightBusy) return;
  HighlightBusy = true;
  if (n >= 0) s_.Sounds.PlaySelectSound(MenuFileName, n);
  SetButtonState(HighlightedButton, kNormalState, false);
  SetButtonState(n, kHighlightedState, true);  // ignores numbers that are no button
  HighlightedButton = n;
  s_.View.ProcessPendingMessages();
  HighlightBusy = false;
}

void MenuWindow::ShowDescription(int32_t n) {
  const ControlId text = BaseControl(ControlKind::lblAccText);
  const ControlId shadow = BaseControl(ControlKind::lblAccShadow);
  const ControlId accessory = BaseControl(ControlKind::imgAccPicture);
  if (n < 1 || n > kMaxButtons) {
    if (!Menu.DefaultDescription.empty() && Menu.lblAccText.Text != Menu.DefaultDescription) {
      SetText(text, Menu.DefaultDescription);
      SetText(shadow, Menu.DefaultDescription);
    }
    SetVisible(accessory, false);
    return;
  }
  const TOVButton& button = Menu.Buttons[static_cast<size_t>(n)];
  const std::string& wanted =
      button.Description.empty() ? Menu.DefaultDescription : button.Description;
  if (Menu.lblAccText.Text != wanted) {
    SetText(text, wanted);
    SetText(shadow, wanted);
  }
  if (Menu.Images.HasImage(n, kAccessoryState, 0)) {
    if (Menu.AccPictureButton != n) {
      SetPicture(accessory, Menu.Images.Get(n, kAccessoryState, 0));
      Menu.AccPictureButton = n;
    }
    SetVisible(accessory, true);
  } else {
    SetVisible(accessory, false);
  }
}

void MenuWindow::CountFrames() {
  for (int32_t n = 1; n <= Menu.ButtonCount; ++n) {
    // The buttons were just made, with no frame counted (CreateButtonControls).
    TOVButton& button = Menu.Buttons[static_cast<size_t>(n)];
    for (int32_t f = 1; f <= kMaxFrame; ++f) {
      bool any = false;
      for (int32_t s = 0; s <= kMaxImageState; ++s) {
        if (Menu.Images.HasImage(n, s, f)) {
          button.LastFrame[static_cast<size_t>(s)] = f;
          any = true;
        }
      }
      if (!any) break;
    }
  }
}

}  // namespace orvane
