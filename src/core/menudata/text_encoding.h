#pragma once
// Which encoding a menu's texts are in, and bringing them all to UTF-8 when the menu is read. A
// menu of the later layout whose first trailing settings text is "utf-8" holds UTF-8 texts; every
// other menu holds 8-bit texts in the code page of the computer that shows it.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "menudata/menu_file.h"

namespace orvane {

constexpr char kUtf8Mark[] = "utf-8";

// A later-layout menu whose LaterLayoutTexts[0] is "utf-8", its ASCII letters in any case.
bool DeclaresUtf8(const MenuFile& menu);

// Turns 8-bit text in one code page into UTF-8.
class CodePageDecoder {
 public:
  virtual ~CodePageDecoder() = default;
  virtual std::string ToUtf8(std::string_view bytes) const = 0;
};

struct MenuTextReport {
  int InvalidUtf8Texts = 0;
};

// Where a text sits, named as menu sources and the tool's messages name it: Field alone
// ("title"), an element of a list ("unused_texts" and Index) or a field of a button.
struct MenuTextPlace {
  const char* Field;
  std::optional<int> Index{};   // of the trailing settings texts
  std::optional<int> Button{};  // index into the menu's buttons
};
// "title", "unused_texts[2]", "buttons[4].caption".
std::string PlaceName(const MenuTextPlace& place);

using MenuTextVisitor = std::function<void(std::string& text, const MenuTextPlace& place)>;
// Calls visit on every text of the menu: title, descriptions, fonts, shape text, the trailing
// settings texts, and each button's target, parameters, description, shortcut key, caption, font
// and viewer. The one list of a menu's texts: adding a text field means adding it here.
void ForEachMenuText(MenuFile& menu, const MenuTextVisitor& visit);

// Every text of the menu to UTF-8: a marked menu's texts are kept, ill-formed pieces replaced by
// U+FFFD and the texts holding them counted; an unmarked menu's texts are converted with
// unmarked.
MenuTextReport DecodeMenuTexts(MenuFile& menu, const CodePageDecoder& unmarked);

}  // namespace orvane
