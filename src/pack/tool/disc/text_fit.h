#pragma once
// Whether the player's texts fit their boxes. The player draws the clock, the date, captions and
// descriptions in fixed boxes and cuts what does not fit, so check notes a text that most likely
// overflows. The tool has no font renderer: widths are an estimate from the font's pixel height
// and four classes of letters, documented in docs/authoring.md.
#include <string>

#include "app/control_state.h"
#include "tool/disc/disc_check.h"
#include "tool/disc/shown_menu.h"

namespace orvane::pack {

// The font's height in pixels as Windows makes it at 96 dots per inch: points * 96 / 72, a
// negative size already a height in pixels, 0 the 11 pixels of 8 points.
int32_t FontPixelHeight(const ControlFont& font);
// The estimated width in pixels of one line of text (an "&" marks an access key and takes no room).
int32_t EstimatedTextWidth(const std::string& utf8, const ControlFont& font);

// The texts the clock and date show at their longest in the usual English formats.
extern const char kLongestTimeText[];
extern const char kLongestDateText[];

// Notes for the clock, the date, every caption and every description of a loaded menu that most
// likely do not fit their box.
void NoteTextsThatDoNotFit(const std::string& menuName, const ShownMenu& shown, DiscReport& report);

}  // namespace orvane::pack
