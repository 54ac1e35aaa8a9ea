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

}  // namespace orvane::pack
