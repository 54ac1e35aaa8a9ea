#include "gdi_fonts.h"

#include <algorithm>

#include "wide_text.h"

namespace orvane {

namespace {
// Points to pixels at the 96 dpi the menus are designed for; menus are never scaled. Sizes come
// from menu files, so they are kept within what a window can show.
int PixelHeight(int32_t points) {
  const int32_t clamped = std::clamp<int32_t>(points, -1000, 1000);
  if (clamped < 0) return -clamped;  // a negative size is already a height in pixels
  return -MulDiv(clamped, 96, 72);
}
}  // namespace

GdiFonts::~GdiFonts() {
  for (auto& entry : fonts_) DeleteObject(entry.second);
}

HFONT GdiFonts::Get(const ControlFont& font) {
  const auto key = std::make_tuple(font.Name, font.Size, font.Style);
  auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  LOGFONTW lf{};
  lf.lfHeight = PixelHeight(font.Size);
  lf.lfWeight = (font.Style & kFontBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.Style & kFontItalic) ? TRUE : FALSE;
  lf.lfUnderline = (font.Style & kFontUnderline) ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  // An empty name would leave the choice to GDI; the window's own font is the default.
  const std::string name = font.Name.empty() ? std::string("Tahoma") : font.Name;
  lstrcpynW(lf.lfFaceName, Wide(name).c_str(), LF_FACESIZE);
  HFONT handle = CreateFontIndirectW(&lf);
  if (!handle) handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_[key] = handle;
  return handle;
}

COLORREF GdiFonts::TextColour(const ControlFont& font) {
  // Colour values and COLORREF share the 0x00BBGGRR layout.
  return font.Colour ? static_cast<COLORREF>(*font.Colour & 0x00FFFFFFu)
                     : GetSysColor(COLOR_WINDOWTEXT);
}

}  // namespace orvane
