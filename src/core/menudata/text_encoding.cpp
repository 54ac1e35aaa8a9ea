#include "menudata/text_encoding.h"

#include "common/text.h"
#include "common/utf8.h"

namespace orvane {

namespace {

void VisitFont(FontSetting& font, const std::function<void(std::string&)>& visit) {
  visit(font.Name);
}

}  // namespace

bool DeclaresUtf8(const MenuFile& menu) {
  return IsLaterLayout(menu.Header.Version) &&
         AsciiEqualsNoCase(menu.Settings.LaterLayoutTexts[0], kUtf8Mark);
}

void ForEachMenuText(MenuFile& menu, const std::function<void(std::string&)>& visit) {
  MenuSettings& s = menu.Settings;
  visit(s.MenuTitle);
  visit(s.DefaultDescription);
  VisitFont(s.DescriptionFont, visit);
  visit(s.ShapeText);
  VisitFont(s.TimeFont, visit);
  VisitFont(s.DateFont, visit);
  for (std::string& text : s.LaterLayoutTexts) visit(text);
  for (ButtonRecord& b : menu.Buttons) {
    visit(b.Target);
    visit(b.Parameters);
    visit(b.Description);
    visit(b.ShortcutKey);
    visit(b.Caption);
    visit(b.FontName);
    visit(b.ViewerName);
    visit(b.ViewerVersion);
  }
}

MenuTextReport DecodeMenuTexts(MenuFile& menu, const CodePageDecoder& unmarked) {
  MenuTextReport report;
  if (DeclaresUtf8(menu)) {
    ForEachMenuText(menu, [&report](std::string& text) {
      size_t replaced = 0;
      text = RepairUtf8(text, replaced);
      if (replaced != 0) ++report.InvalidUtf8Texts;
    });
  } else {
    ForEachMenuText(menu, [&unmarked](std::string& text) {
      if (!text.empty()) text = unmarked.ToUtf8(text);
    });
  }
  return report;
}

}  // namespace orvane
