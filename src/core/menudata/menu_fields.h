#pragma once
// The values of the menu settings and of a button record in file order: the one list that the
// reader fills and the writer writes. A walker offers Text, Short and Long, each taking the
// field (const for the writer); laterLayout adds the fields that version 6 lacks.
#include <string>

#include "menudata/menu_file.h"

namespace orvane {

template <typename Font, typename Walker>
void WalkFont(Font& font, Walker& w) {
  w.Text(font.Name);
  w.Long(font.Size);
  w.Short(font.Bold);
  w.Short(font.Italic);
  w.Short(font.Underline);
}

template <typename Rgb, typename Walker>
void WalkRgb(Rgb& colour, Walker& w) {
  w.Short(colour.Red);
  w.Short(colour.Green);
  w.Short(colour.Blue);
}

// Settings is MenuSettings, or const MenuSettings for a walker that only reads the fields.
template <typename Settings, typename Walker>
void WalkSettings(Settings& s, bool laterLayout, Walker& w) {
  w.Text(s.MenuTitle);
  w.Short(s.Placement);
  w.Text(s.DefaultDescription);
  WalkFont(s.DescriptionFont, w);
  WalkRgb(s.DescriptionColour, w);
  w.Short(s.DescriptionLeft);
  w.Short(s.DescriptionTop);
  w.Short(s.DescriptionWidth);
  w.Short(s.DescriptionHeight);
  w.Short(s.DescriptionAlignment);
  w.Short(s.TimeShown);
  w.Short(s.DateShown);
  WalkRgb(s.ClockColour, w);
  w.Short(s.TimeLeft);
  w.Short(s.TimeTop);
  w.Short(s.DateLeft);
  w.Short(s.DateTop);
  w.Short(s.InitialButton);
  w.Short(s.TransparentColour);
  w.Short(s.AccessoryLeft);
  w.Short(s.AccessoryTop);
  w.Short(s.AnimInterval);
  w.Short(s.ScrollTitle);
  w.Text(s.ShapeText);
  WalkFont(s.TimeFont, w);
  WalkFont(s.DateFont, w);
  w.Short(s.ShadowOffset);
  WalkRgb(s.ShadowColour, w);
  if (laterLayout)
    for (auto& text : s.LaterLayoutTexts) w.Text(text);
}

// Button is ButtonRecord or const ButtonRecord.
template <typename Button, typename Walker>
void WalkButton(Button& b, bool laterLayout, Walker& w) {
  w.Text(b.Target);
  w.Text(b.Parameters);
  w.Text(b.Description);
  w.Short(b.Left);
  w.Short(b.Top);
  w.Short(b.MinimizeAfter);
  w.Short(b.CloseAfter);
  w.Short(b.AnimMode);
  w.Text(b.ShortcutKey);
  w.Short(b.RunMaximized);
  w.Short(b.WaitForExit);
  w.Short(b.ButtonKind);
  w.Text(b.Caption);
  w.Short(b.Width);
  w.Short(b.Height);
  if (!laterLayout) return;
  w.Text(b.FontName);
  w.Short(b.FontSize);
  w.Short(b.FontColour);
  w.Short(b.Alignment);
  w.Short(b.Bold);
  w.Short(b.Italic);
  w.Short(b.Underline);
  w.Short(b.ViewerCheck);
  w.Text(b.ViewerName);
  w.Text(b.ViewerVersion);
  w.Short(b.ViewerCompare);
}

}  // namespace orvane
