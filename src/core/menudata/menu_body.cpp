#include <algorithm>

#include "menudata/mdlfilebin.h"
#include "menudata/read_limits.h"

namespace orvane {

namespace {

void ReadFont(MenuDataReader& in, FontSetting& font) {
  font.Name = in.ReadTextValue();
  font.Size = in.ReadLongValue();
  font.Bold = in.ReadShortValue();
  font.Italic = in.ReadShortValue();
  font.Underline = in.ReadShortValue();
}

void ReadRgb(MenuDataReader& in, RgbSetting& colour) {
  colour.Red = in.ReadShortValue();
  colour.Green = in.ReadShortValue();
  colour.Blue = in.ReadShortValue();
}

void ReadSettings(MenuDataReader& in, MenuSettings& s, bool laterLayout) {
  s.MenuTitle = in.ReadTextValue();
  s.Placement = in.ReadShortValue();
  s.DefaultDescription = in.ReadTextValue();
  ReadFont(in, s.DescriptionFont);
  ReadRgb(in, s.DescriptionColour);
  s.DescriptionLeft = in.ReadShortValue();
  s.DescriptionTop = in.ReadShortValue();
  s.DescriptionWidth = in.ReadShortValue();
  s.DescriptionHeight = in.ReadShortValue();
  s.DescriptionAlignment = in.ReadShortValue();
  s.TimeShown = in.ReadShortValue();
  s.DateShown = in.ReadShortValue();
  ReadRgb(in, s.ClockColour);
  s.TimeLeft = in.ReadShortValue();
  s.TimeTop = in.ReadShortValue();
  s.DateLeft = in.ReadShortValue();
  s.DateTop = in.ReadShortValue();
  s.InitialButton = in.ReadShortValue();
  s.TransparentColour = in.ReadShortValue();
  s.AccessoryLeft = in.ReadShortValue();
  s.AccessoryTop = in.ReadShortValue();
  s.AnimInterval = in.ReadShortValue();
  s.ScrollTitle = in.ReadShortValue();
  s.ShapeText = in.ReadTextValue();
  ReadFont(in, s.TimeFont);
  ReadFont(in, s.DateFont);
  s.ShadowOffset = in.ReadShortValue();
  ReadRgb(in, s.ShadowColour);
  if (laterLayout)
    for (std::string& text : s.LaterLayoutTexts) text = in.ReadTextValue();
}

void ReadButton(MenuDataReader& in, ButtonRecord& b, bool laterLayout) {
  b.Target = in.ReadTextValue();
  b.Parameters = in.ReadTextValue();
  b.Description = in.ReadTextValue();
  b.Left = in.ReadShortValue();
  b.Top = in.ReadShortValue();
  b.MinimizeAfter = in.ReadShortValue();
  b.CloseAfter = in.ReadShortValue();
  b.AnimMode = in.ReadShortValue();
  b.ShortcutKey = in.ReadTextValue();
  b.RunMaximized = in.ReadShortValue();
  b.WaitForExit = in.ReadShortValue();
  b.ButtonKind = in.ReadShortValue();
  b.Caption = in.ReadTextValue();
  b.Width = in.ReadShortValue();
  b.Height = in.ReadShortValue();
  if (!laterLayout) return;
  b.FontName = in.ReadTextValue();
  b.FontSize = in.ReadShortValue();
  b.FontColour = in.ReadShortValue();
  b.Alignment = in.ReadShortValue();
  b.Bold = in.ReadShortValue();
  b.Italic = in.ReadShortValue();
  b.Underline = in.ReadShortValue();
  b.ViewerCheck = in.ReadShortValue();
  b.ViewerName = in.ReadTextValue();
  b.ViewerVersion = in.ReadTextValue();
  b.ViewerCompare = in.ReadShortValue();
}

}  // namespace

void ReadMenuBody(MenuDataReader& unit, const MenuHeader& header, MenuFile& menu) {
  const bool laterLayout = IsLaterLayout(header.Version);
  menu.Header = header;
  menu.Settings = MenuSettings{};
  menu.Buttons.clear();
  menu.Pictures.clear();
  ReadSettings(unit, menu.Settings, laterLayout);

  // Records past the hundredth are read to stay in step and dropped (see read_limits.h).
  const int buttonCount = header.ButtonCount;
  menu.Buttons.resize(std::min(buttonCount, kMaxButtons));
  ButtonRecord dropped;
  for (int n = 0; n < buttonCount; ++n)
    ReadButton(unit, n < kMaxButtons ? menu.Buttons[n] : dropped, laterLayout);
  if (buttonCount > kMaxButtons) {
    unit.ReadErrorFlag = true;
    menu.Header.ButtonCount = static_cast<uint8_t>(kMaxButtons);
  }

  if (header.PictureCount <= 0) return;
  menu.Pictures.reserve(static_cast<size_t>(header.PictureCount));
  for (int i = 0; i < header.PictureCount; ++i) {
    menu.Pictures.emplace_back();
    if (!unit.ReadImageValue(menu.Pictures.back())) menu.Pictures.pop_back();
  }
}

}  // namespace orvane
