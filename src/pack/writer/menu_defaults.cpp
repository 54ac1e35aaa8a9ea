#include "writer/menu_defaults.h"

namespace orvane::pack {

const char* const kDefaultFontName = "Tahoma";
const char* const kRectangularShapeText = "NULL";

MenuSettings DefaultSettings() {
  MenuSettings s;
  s.DescriptionFont = {kDefaultFontName, kDefaultFontSize, 0, 0, 0};
  s.TimeFont = s.DescriptionFont;
  s.DateFont = s.DescriptionFont;
  s.AnimInterval = 100;
  s.ShapeText = kRectangularShapeText;
  return s;
}

ButtonRecord DefaultButton() {
  ButtonRecord b;
  b.FontName = kDefaultFontName;
  b.FontSize = kDefaultFontSize;
  b.Width = kDefaultButtonWidth;
  b.Height = kDefaultButtonHeight;
  return b;
}

}  // namespace orvane::pack
