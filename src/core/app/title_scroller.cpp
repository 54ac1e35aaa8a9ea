#include "app/title_scroller.h"

namespace orvane {

std::string MarqueeText(const std::string& title) { return title + "     "; }

std::string ScrollTitleStep(std::string& marquee, int32_t& position, const std::string& title) {
  if (marquee.empty()) marquee = MarqueeText(title);
  const int64_t length = static_cast<int64_t>(marquee.size());
  int64_t next = static_cast<int64_t>(position) + 1;
  // A position left over from a longer title (it is never reset on a menu change) or a negative
  // one also restarts at the beginning.
  if (next > length || next < 1) next = 1;
  position = static_cast<int32_t>(next);
  const size_t start = static_cast<size_t>(next - 1);
  return marquee.substr(start) + marquee.substr(0, static_cast<size_t>(next));
}

}  // namespace orvane
