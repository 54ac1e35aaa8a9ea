#pragma once
// A packed menu as the player shows it right after loading: the player's own window (without a
// window system) loads it, so every rule of loading (fonts, captions, the outline, frame counts)
// is the player's, and the pages only draw the result.
#include <optional>
#include <string>
#include <vector>

#include "app/menu_model.h"
#include "app/menu_view.h"
#include "tool/menu_read.h"

namespace orvane::pack {

struct ShownMenu {
  bool Loaded = false;
  TOVMenu Menu;
  // The outline the window was given; nothing for a rectangular menu.
  std::optional<WindowOutline> Outline;
  std::vector<std::string> Messages;  // what the player would have shown while loading
};

ShownMenu LoadShownMenu(const Bytes& executable, const std::string& name);

class CodePage;
// A stand-in player whose menus hold every text in UTF-8: a marked menu's as stored, an unmarked
// menu's read in the code page it was made for. LoadShownMenu takes texts as they are stored, so
// what it loads from this copy is ready for the pages. A menu the player cannot read is kept as it
// was, so that it fails the same way.
Bytes PlayerWithUtf8Texts(const Bytes& executable, const PackedPlayer& player,
                          const CodePage& unmarked);

}  // namespace orvane::pack
