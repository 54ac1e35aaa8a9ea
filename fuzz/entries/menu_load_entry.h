#pragma once
// One fuzz input as a packed menu file: the player starts with it as its only menu, so the whole
// load runs (container, header, every typed value, the picture decoder, the limits, the image
// table, placement, outline, button controls), then the menu is animated, every button is
// highlighted once and the menu is loaded a second time over itself. Returns an empty text when
// every rule held, else what broke.
#include <cstdint>
#include <set>
#include <string>

#include "app/button_animation.h"
#include "app/player_rig.h"

namespace orvane::fuzzing {

constexpr char kFuzzMenuName[] = "fuzz.mnu";

// What a load may say; anything else means a reader lost its way.
inline bool KnownLoadMessage(const std::string& text) {
  static const std::set<std::string> known = {
      "Menu could not be read.",
      "Error loading binary menu data.",
      "This is not an Orvane Version 6 or above file. If you have created the menu in a previous "
      "version of Orvane, you can use the Menu Conversion Wizard available from Tarvek Software's "
      "site to convert the file to Version 6 format.",
  };
  return known.count(text) != 0;
}

// The view must only be told about controls that exist, and the window only about outlines made
// of real rectangles.
inline std::string CheckShownMenu(const testing::PlayerRig& rig) {
  for (const std::string& line : rig.View.Log)
    if (line.rfind("change of missing", 0) == 0) return "the view was told about a " + line.substr(10);
  const int32_t count = rig.Window.Menu.ButtonCount;
  if (count < 0 || count > kMaxButtons) return "a button count outside 0 to 100";
  const ControlKind kinds[] = {ControlKind::ImgBtn, ControlKind::WinBtn, ControlKind::KeyBtn,
                               ControlKind::LblBtn};
  for (ControlKind kind : kinds)
    if (rig.View.CountOf(kind) != static_cast<size_t>(count))
      return "button controls that do not match the button count";
  if (rig.View.HasOutline)
    for (const Bounds& kept : rig.View.Outline.Kept)
      if (kept.Width <= 0 || kept.Height <= 0) return "an empty rectangle in the outline";
  for (const testing::ShownMessage& message : rig.Dialog.Messages)
    if (!KnownLoadMessage(message.Text)) return "an unexpected message: " + message.Text;
  return {};
}

inline std::string CheckMenuLoad(const uint8_t* data, size_t size) {
  testing::PlayerRig rig;
  rig.InstallRaw({{kFuzzMenuName, pack::Bytes(data, data + size)}});
  rig.Window.AnimateButtons = [&rig] { AnimateButtons(rig.Window); };
  rig.Start();
  if (rig.Opener.Counts().OpenNow != 0) return "the executable stays open after loading";
  if (rig.Window.ApplicationEnding) {
    // A menu that could not be read ends a player that has nothing else to show.
    if (rig.View.Terminations != 1) return "an unreadable first menu did not end the player";
    return CheckShownMenu(rig);
  }
  if (std::string fault = CheckShownMenu(rig); !fault.empty()) return fault;

  for (int tick = 0; tick < 4; ++tick) {
    rig.Window.Timer3_Timer();
    rig.Window.Timer4_Timer();
  }
  for (int32_t n = rig.Window.Menu.ButtonCount + 1; n >= -1; --n) {
    rig.Window.HighlightButton(n);
    rig.Window.Timer3_Timer();
  }
  if (std::string fault = CheckShownMenu(rig); !fault.empty()) return fault;

  // The second load releases everything the first one made.
  rig.Dialog.Messages.clear();
  rig.Window.LoadMenu(kFuzzMenuName);
  if (rig.Opener.Counts().OpenNow != 0) return "the executable stays open after reloading";
  if (!rig.View.WindowVisible) return "the window stays hidden after reloading a shown menu";
  return CheckShownMenu(rig);
}

}  // namespace orvane::fuzzing
