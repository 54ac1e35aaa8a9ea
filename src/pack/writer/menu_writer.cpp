#include "writer/menu_writer.h"

#include <stdexcept>
#include <string>

namespace orvane::pack {

namespace {

void WriteFont(ValueWriter& out, const FontSetting& font) {
  out.WriteTextValue(font.Name);
  out.WriteLongValue(font.Size);
  out.WriteShortValue(font.Bold);
  out.WriteShortValue(font.Italic);
  out.WriteShortValue(font.Underline);
}

void WriteRgb(ValueWriter& out, const RgbSetting& colour) {
  out.WriteShortValue(colour.Red);
  out.WriteShortValue(colour.Green);
  out.WriteShortValue(colour.Blue);
}

void WriteHeader(ValueWriter& out, const MenuHeader& header) {
  out.RawBytes(header.Magic.data(), header.Magic.size());
  out.RawByte(header.Kind);
  out.RawByte(header.Version);
  out.RawByte(header.Unused6);
  out.RawByte(header.Unused7);
  out.RawByte(header.ButtonCount);
  out.RawInt16(header.PictureCount);
}

void WriteSettings(ValueWriter& out, const MenuSettings& s, bool laterLayout) {
  out.WriteTextValue(s.MenuTitle);
  out.WriteShortValue(s.Placement);
  out.WriteTextValue(s.DefaultDescription);
  WriteFont(out, s.DescriptionFont);
  WriteRgb(out, s.DescriptionColour);
  out.WriteShortValue(s.DescriptionLeft);
  out.WriteShortValue(s.DescriptionTop);
  out.WriteShortValue(s.DescriptionWidth);
  out.WriteShortValue(s.DescriptionHeight);
  out.WriteShortValue(s.DescriptionAlignment);
  out.WriteShortValue(s.TimeShown);
  out.WriteShortValue(s.DateShown);
  WriteRgb(out, s.ClockColour);
  out.WriteShortValue(s.TimeLeft);
  out.WriteShortValue(s.TimeTop);
  out.WriteShortValue(s.DateLeft);
  out.WriteShortValue(s.DateTop);
  out.WriteShortValue(s.InitialButton);
  out.WriteShortValue(s.TransparentColour);
  out.WriteShortValue(s.AccessoryLeft);
  out.WriteShortValue(s.AccessoryTop);
  out.WriteShortValue(s.AnimInterval);
  out.WriteShortValue(s.ScrollTitle);
  out.WriteTextValue(s.ShapeText);
  WriteFont(out, s.TimeFont);
  WriteFont(out, s.DateFont);
  out.WriteShortValue(s.ShadowOffset);
  WriteRgb(out, s.ShadowColour);
  if (laterLayout)
    for (const std::string& text : s.LaterLayoutTexts) out.WriteTextValue(text);
}

void WriteButton(ValueWriter& out, const ButtonRecord& b, bool laterLayout) {
  out.WriteTextValue(b.Target);
  out.WriteTextValue(b.Parameters);
  out.WriteTextValue(b.Description);
  out.WriteShortValue(b.Left);
  out.WriteShortValue(b.Top);
  out.WriteShortValue(b.MinimizeAfter);
  out.WriteShortValue(b.CloseAfter);
  out.WriteShortValue(b.AnimMode);
  out.WriteTextValue(b.ShortcutKey);
  out.WriteShortValue(b.RunMaximized);
  out.WriteShortValue(b.WaitForExit);
  out.WriteShortValue(b.ButtonKind);
  out.WriteTextValue(b.Caption);
  out.WriteShortValue(b.Width);
  out.WriteShortValue(b.Height);
  if (!laterLayout) return;
  out.WriteTextValue(b.FontName);
  out.WriteShortValue(b.FontSize);
  out.WriteShortValue(b.FontColour);
  out.WriteShortValue(b.Alignment);
  out.WriteShortValue(b.Bold);
  out.WriteShortValue(b.Italic);
  out.WriteShortValue(b.Underline);
  out.WriteShortValue(b.ViewerCheck);
  out.WriteTextValue(b.ViewerName);
  out.WriteTextValue(b.ViewerVersion);
  out.WriteShortValue(b.ViewerCompare);
}

}  // namespace

void UpdateCounts(MenuFile& menu) {
  if (menu.Buttons.size() > static_cast<size_t>(kMaxButtons))
    throw std::invalid_argument("a menu holds at most " + std::to_string(kMaxButtons) +
                                " buttons, not " + std::to_string(menu.Buttons.size()));
  if (menu.Pictures.size() > static_cast<size_t>(INT16_MAX))
    throw std::invalid_argument("a menu holds at most " + std::to_string(INT16_MAX) +
                                " pictures, not " + std::to_string(menu.Pictures.size()));
  menu.Header.ButtonCount = static_cast<uint8_t>(menu.Buttons.size());
  menu.Header.PictureCount = static_cast<int16_t>(menu.Pictures.size());
}

Bytes WriteMenuFile(const MenuFile& menu) {
  const bool laterLayout = IsLaterLayout(menu.Header.Version);
  ValueWriter out;
  WriteHeader(out, menu.Header);
  WriteSettings(out, menu.Settings, laterLayout);
  for (const ButtonRecord& button : menu.Buttons) WriteButton(out, button, laterLayout);
  for (const PictureValue& picture : menu.Pictures)
    out.WritePictureValue(picture, menu.Header.Version);
  return out.Take();
}

}  // namespace orvane::pack
