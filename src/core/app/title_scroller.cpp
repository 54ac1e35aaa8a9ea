#include "app/title_scroller.h"

#include "common/utf8.h"

namespace orvane {

std::string MarqueeText(const std::string& title) { return title + "     "; }

std::string ScrollTitleStep(std::string& marquee, int32_t& position, const std::string& title) {
  if (marquee.empty()) marquee = MarqueeText(title);
  // Positions count whole characters, so a caption never starts or ends inside one.
  const int64_t length = static_cast<int64_t>(Utf8CharacterCount(marquee));
  // A position left over from a longer title (it is never reset on a menu change) or a negative
  // one also restarts at the beginning.
  const int32_t next = position < 1 || position >= length ? 1 : position + 1;
  position = next;
  size_t start = 0;
  for (int32_t i = 1; i < next; ++i) start = NextUtf8Character(marquee, start);
  const size_t end = NextUtf8Character(marquee, start);
  return marquee.substr(start) + marquee.substr(0, end);
}

}  // namespace orvane
