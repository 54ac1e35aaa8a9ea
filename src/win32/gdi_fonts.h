#pragma once
// Fonts of the run-time controls as GDI fonts, made once per distinct font and kept for the life
// of the window (a menu has only a handful).
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "app/control_state.h"

namespace orvane {

class GdiFonts {
 public:
  GdiFonts() = default;
  GdiFonts(const GdiFonts&) = delete;
  GdiFonts& operator=(const GdiFonts&) = delete;
  ~GdiFonts();

  HFONT Get(const ControlFont& font);
  // The colour a label draws its text in: the font's, else the system's window-text colour.
  static COLORREF TextColour(const ControlFont& font);

 private:
  std::map<std::tuple<std::string, int32_t, uint8_t>, HFONT> fonts_;
};

}  // namespace orvane
