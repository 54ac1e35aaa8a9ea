#pragma once
// What a new menu holds before anything is chosen: the values a source may leave out (build
// fills them in, dump leaves them out, so a dumped source builds to the same bytes), and the
// starting point of every menu that tests and benchmarks make.
#include <cstdint>

#include "menudata/menu_file.h"

namespace orvane::pack {

constexpr uint8_t kDefaultVersion = 7;
constexpr int32_t kDefaultButtonWidth = 97;
constexpr int32_t kDefaultButtonHeight = 25;
constexpr int32_t kDefaultTransparentColour = 13;
extern const char* const kDefaultFontName;
constexpr int32_t kDefaultFontSize = 8;
extern const char* const kRectangularShapeText;

MenuSettings DefaultSettings();
ButtonRecord DefaultButton();

}  // namespace orvane::pack
