#pragma once
// The title that scrolls through the window caption and the task bar.
#include <cstdint>
#include <string>

namespace orvane {

// The title followed by the five spaces that separate one pass from the next.
std::string MarqueeText(const std::string& title);

// One tick: rebuilds an empty marquee from the title, advances the 1-based position (wrapping to
// 1 past the end) and returns the caption to show: the marquee from that position to its end,
// then its first position characters. Positions count whole UTF-8 characters. An empty title
// gives the five spaces scrolling.
std::string ScrollTitleStep(std::string& marquee, int32_t& position, const std::string& title);

}  // namespace orvane
