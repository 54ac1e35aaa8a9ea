// What each value of a button record does to the button's fields and controls.
#include "app/menu_window.h"
#include "menudata/flag_rules.h"

namespace orvane {

void MenuWindow::ApplyButtonRecord(int32_t n, const ButtonRecord& r, bool laterLayout) {
  TOVButton& button = Menu.Buttons[static_cast<size_t>(n)];
  const ControlId img = ButtonControl(ControlKind::ImgBtn, n);
  const ControlId win = ButtonControl(ControlKind::WinBtn, n);
  const ControlId key = ButtonControl(ControlKind::KeyBtn, n);
  const ControlId lbl = ButtonControl(ControlKind::LblBtn, n);

  // 1-8
  button.Target = r.Target;
  button.Parameters = r.Parameters;
  button.Description = r.Description;
  SetLeftTop(img, r.Left, r.Top);
  SetLeftTop(win, r.Left, r.Top);
  SetLeftTop(lbl, r.Left, r.Top);
  button.MinimizeAfter = r.MinimizeAfter;
  button.CloseAfter = r.CloseAfter;
  button.AnimMode = r.AnimMode;

  // 9-15
  button.ShortcutKey = r.ShortcutKey;
  SetText(key, "&" + button.ShortcutKey);
  button.RunMaximized = r.RunMaximized;
  button.WaitForExit = r.WaitForExit;
  button.ButtonKind = r.ButtonKind;
  if (button.ButtonKind == kPushButton) SetVisible(key, false);
  SetText(win, r.Caption);
  if (button.ButtonKind == kLabelButton) SetText(key, r.Caption);
  SetSize(win, r.Width, r.Height);
  SetSize(lbl, r.Width, r.Height);

  if (laterLayout) {
    // 16-26
    button.FontName = r.FontName;
    button.FontSize = r.FontSize;
    button.FontColour = r.FontColour;
    if (r.Alignment >= 0 && r.Alignment <= 2) button.Alignment = static_cast<uint8_t>(r.Alignment);
    uint8_t style = 0;
    if (FlagIsOn(r.Bold, kFontStyleFlag)) style |= kFontBold;
    if (FlagIsOn(r.Italic, kFontStyleFlag)) style |= kFontItalic;
    if (FlagIsOn(r.Underline, kFontStyleFlag)) style |= kFontUnderline;
    button.FontStyle = style;
    button.ViewerCheck = r.ViewerCheck;
    button.ViewerName = r.ViewerName;
    button.ViewerVersion = r.ViewerVersion;
    button.ViewerCompare = r.ViewerCompare;
  } else {
    button.ViewerCheck = 0;
    button.ViewerName.clear();
    button.ViewerVersion.clear();
    button.ViewerCompare = 0;
    // Cleared before the caption is made: a version-6 menu carries no style, so no label of it
    // is italic, whatever the button of the same number was in the menu before.
    button.FontStyle = 0;
  }

  std::string labelCaption = Menu.Buttons[static_cast<size_t>(n)].WinBtn.Text;
  if (button.FontStyle & kFontItalic) labelCaption += ' ';
  SetText(lbl, labelCaption);

  if (laterLayout) {
    ControlFont font = button.WinBtn.Font;
    font.Name = button.FontName;
    font.Size = button.FontSize;
    font.Style = button.FontStyle;
    SetFont(win, font);
    ControlFont labelFont = button.LblBtn.Font;
    labelFont.Name = button.FontName;
    labelFont.Size = button.FontSize;
    labelFont.Style = button.FontStyle;
    labelFont.Colour = static_cast<ColourValue>(button.FontColour);
    SetFont(lbl, labelFont);
    SetAlignment(lbl, static_cast<TextAlignment>(button.Alignment));
  }
}

}  // namespace orvane
