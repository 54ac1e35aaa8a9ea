#include "menudata/text_encoding.h"

#include "common/text.h"
#include "common/utf8.h"

namespace orvane {

bool DeclaresUtf8(const MenuFile& menu) {
  return IsLaterLayout(menu.Header.Version) &&
         AsciiEqualsNoCase(menu.Settings.LaterLayoutTexts[0], kUtf8Mark);
}

std::string PlaceName(const MenuTextPlace& place) {
  std::string name = place.Button ? "buttons[" + std::to_string(*place.Button) + "]." : "";
  name += place.Field;
  if (place.Index) name += "[" + std::to_string(*place.Index) + "]";
  return name;
}

void ForEachMenuText(MenuFile& menu, const MenuTextVisitor& visit) {
  MenuSettings& s = menu.Settings;
  visit(s.MenuTitle, {"title"});
  visit(s.DefaultDescription, {"description.text"});
  visit(s.DescriptionFont.Name, {"description.font.name"});
  visit(s.ShapeText, {"shape.text"});
  visit(s.TimeFont.Name, {"clock.time.font.name"});
  visit(s.DateFont.Name, {"clock.date.font.name"});
  for (size_t i = 0; i < s.LaterLayoutTexts.size(); ++i)
    visit(s.LaterLayoutTexts[i], {"unused_texts", static_cast<int>(i)});
  for (size_t i = 0; i < menu.Buttons.size(); ++i) {
    ButtonRecord& b = menu.Buttons[i];
    const int n = static_cast<int>(i);
    visit(b.Target, {"target", std::nullopt, n});
    visit(b.Parameters, {"parameters", std::nullopt, n});
    visit(b.Description, {"description", std::nullopt, n});
    visit(b.ShortcutKey, {"shortcut", std::nullopt, n});
    visit(b.Caption, {"caption", std::nullopt, n});
    visit(b.FontName, {"font.name", std::nullopt, n});
    visit(b.ViewerName, {"viewer.name", std::nullopt, n});
    visit(b.ViewerVersion, {"viewer.version", std::nullopt, n});
  }
}

MenuTextReport DecodeMenuTexts(MenuFile& menu, const CodePageDecoder& unmarked) {
  MenuTextReport report;
  if (DeclaresUtf8(menu)) {
    ForEachMenuText(menu, [&report](std::string& text, const MenuTextPlace&) {
      size_t replaced = 0;
      text = RepairUtf8(text, replaced);
      if (replaced != 0) ++report.InvalidUtf8Texts;
    });
  } else {
    ForEachMenuText(menu, [&unmarked](std::string& text, const MenuTextPlace&) {
      if (!text.empty()) text = unmarked.ToUtf8(text);
    });
  }
  return report;
}

}  // namespace orvane
