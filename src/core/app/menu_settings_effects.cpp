// What each window-wide setting of a menu file does to the menu record and the controls.
#include <algorithm>
#include <climits>

#include "app/menu_window.h"
#include "app/title_scroller.h"
#include "common/qbcolor.h"
#include "menudata/flag_rules.h"

namespace orvane {

namespace {
uint8_t StyleFrom(int32_t bold, int32_t italic, int32_t underline) {
  uint8_t style = 0;
  if (FlagIsOn(bold, kFontStyleFlag)) style |= kFontBold;
  if (FlagIsOn(italic, kFontStyleFlag)) style |= kFontItalic;
  if (FlagIsOn(underline, kFontStyleFlag)) style |= kFontUnderline;
  return style;
}

ColourValue ColourOf(const RgbSetting& rgb) { return ComposeColour(rgb.Red, rgb.Green, rgb.Blue); }

// The shadow's position is the label's moved by the offset; both come from the file, so their sum
// is kept within 32 bits instead of overflowing.
int32_t Offset(int32_t position, int32_t offset) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(int64_t{position} + offset, INT32_MIN, INT32_MAX));
}

bool AlignmentFrom(int32_t value, TextAlignment& alignment) {
  if (value < 0 || value > 2) return false;
  alignment = static_cast<TextAlignment>(value);
  return true;
}
}  // namespace

void MenuWindow::ApplySettings(const MenuSettings& st) {
  const ControlId text = BaseControl(ControlKind::lblAccText);
  const ControlId shadow = BaseControl(ControlKind::lblAccShadow);
  const ControlId time = BaseControl(ControlKind::lblTime);
  const ControlId date = BaseControl(ControlKind::lblDate);
  const ControlId accessory = BaseControl(ControlKind::imgAccPicture);

  // 1-3
  Menu.MenuTitle = st.MenuTitle;
  s_.View.SetCaption(Menu.MenuTitle);
  TitleMarquee = MarqueeText(Menu.MenuTitle);
  Menu.Placement = st.Placement;
  Menu.DefaultDescription = st.DefaultDescription;
  SetText(text, Menu.DefaultDescription);
  SetText(shadow, Menu.DefaultDescription);

  // 4-11: the description's font; the shadow follows in name, size and style, not colour.
  ControlFont font = Menu.lblAccText.Font;
  font.Name = st.DescriptionFont.Name;
  font.Size = st.DescriptionFont.Size;
  font.Style =
      StyleFrom(st.DescriptionFont.Bold, st.DescriptionFont.Italic, st.DescriptionFont.Underline);
  font.Colour = ColourOf(st.DescriptionColour);
  SetFont(text, font);
  ControlFont shadowFont = Menu.lblAccShadow.Font;
  shadowFont.Name = font.Name;
  shadowFont.Size = font.Size;
  shadowFont.Style = font.Style;
  SetFont(shadow, shadowFont);

  // 12-16
  SetBounds(text, Bounds{st.DescriptionLeft, st.DescriptionTop, st.DescriptionWidth,
                         st.DescriptionHeight});
  // The description label is made visible and nothing ever hides it.
  TextAlignment alignment = Menu.lblAccText.Alignment;
  if (AlignmentFrom(st.DescriptionAlignment, alignment)) SetAlignment(text, alignment);
  SetAlignment(shadow, Menu.lblAccText.Alignment);

  // 17-25
  SetVisible(time, FlagIsOn(st.TimeShown, kShownFlag));
  SetVisible(date, FlagIsOn(st.DateShown, kShownFlag));
  const ColourValue clockColour = ColourOf(st.ClockColour);
  ControlFont timeFont = Menu.lblTime.Font;
  ControlFont dateFont = Menu.lblDate.Font;
  timeFont.Colour = clockColour;
  dateFont.Colour = clockColour;
  SetLeftTop(time, st.TimeLeft, st.TimeTop);
  SetLeftTop(date, st.DateLeft, st.DateTop);

  // 26-32
  Menu.InitialButton = st.InitialButton;
  Menu.TransparentColour =
      st.TransparentColour <= 0
          ? kNoTransparentColour
          : static_cast<int32_t>(QBColor(static_cast<uint32_t>(st.TransparentColour), s_.Trace));
  SetLeftTop(accessory, st.AccessoryLeft, st.AccessoryTop);
  Menu.AnimInterval = st.AnimInterval;
  Menu.ScrollTitle = FlagIsOn(st.ScrollTitle, kScrollTitleFlag);
  ShapeText = st.ShapeText;

  // 33-42
  timeFont.Name = st.TimeFont.Name;
  timeFont.Size = st.TimeFont.Size;
  timeFont.Style = StyleFrom(st.TimeFont.Bold, st.TimeFont.Italic, st.TimeFont.Underline);
  SetFont(time, timeFont);
  dateFont.Name = st.DateFont.Name;
  dateFont.Size = st.DateFont.Size;
  dateFont.Style = StyleFrom(st.DateFont.Bold, st.DateFont.Italic, st.DateFont.Underline);
  SetFont(date, dateFont);

  // 43-46
  Menu.ShadowOffset = st.ShadowOffset;
  const Bounds& textBounds = Menu.lblAccText.Bounds;
  SetBounds(shadow,
            Bounds{Offset(textBounds.Left, st.ShadowOffset),
                   Offset(textBounds.Top, st.ShadowOffset), textBounds.Width, textBounds.Height});
  SetVisible(shadow, st.ShadowOffset > 0);
  shadowFont = Menu.lblAccShadow.Font;
  shadowFont.Colour = ColourOf(st.ShadowColour);
  SetFont(shadow, shadowFont);
}

}  // namespace orvane
