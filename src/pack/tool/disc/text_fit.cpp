#include "tool/disc/text_fit.h"

#include <algorithm>

#include "app/menu_model.h"

namespace orvane::pack {

const char kLongestTimeText[] = "12:59:59 PM";
const char kLongestDateText[] = "12/31/2026";

namespace {

// A push button's frame and the room Windows leaves around its caption.
constexpr int32_t kPushButtonPadding = 8;
// Line height as a share of the font's pixel height, in tenths.
constexpr int32_t kLineHeightTenths = 12;

// Advance widths in hundredths of the pixel height, near those of Tahoma and MS Sans Serif; texts
// are UTF-8, a character counted at its first byte.
int32_t LetterWidth(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  if ((byte & 0xC0) == 0x80) return 0;  // the rest of a character
  if (byte >= 0xE3) return 100;         // from U+3000: East Asian characters, a full em wide
  static const std::string narrow = " !'(),./:;I[]`fijlrt|";
  static const std::string wide = "MWmw@%";
  if (narrow.find(c) != std::string::npos) return 30;
  if (wide.find(c) != std::string::npos) return 85;
  if (c >= 'a' && c <= 'z') return 52;
  return 60;  // digits, capitals, signs and every other letter
}

std::string Plain(const std::string& text) {
  std::string plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && ++i >= text.size()) break;
    plain += text[i];
  }
  return plain;
}

// Lines a text wraps to at width, words moved whole to the next line, line marks (byte 0xB6 and
// line breaks) starting new ones.
int32_t WrappedLines(const std::string& text, const ControlFont& font, int32_t width) {
  int32_t lines = 1, used = 0;
  const int32_t space = EstimatedTextWidth(" ", font);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of(" \r\n\xB6", start);
    if (end == std::string::npos) end = text.size();
    const int32_t word = EstimatedTextWidth(text.substr(start, end - start), font);
    if (used > 0 && used + space + word > width) {
      ++lines;
      used = 0;
    }
    used += (used > 0 ? space : 0) + word;
    if (used > width) {  // a word longer than the line is broken
      lines += (used - 1) / width;
      used = (used - 1) % width + 1;
    }
    if (end < text.size() && text[end] != ' ') {
      if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
      ++lines;
      used = 0;
    }
    start = end + 1;
  }
  return lines;
}

std::string Px(int32_t value) { return std::to_string(value) + " px"; }

}  // namespace

int32_t FontPixelHeight(const ControlFont& font) {
  const int32_t points = std::clamp<int32_t>(font.Size, -1000, 1000);
  return points < 0 ? -points : points == 0 ? 11 : (points * 96 + 36) / 72;
}

int32_t EstimatedTextWidth(const std::string& utf8, const ControlFont& font) {
  int64_t hundredths = 0;
  for (char c : Plain(utf8)) hundredths += LetterWidth(c);
  int64_t width = (hundredths * FontPixelHeight(font) + 99) / 100;
  if (font.Style & kFontBold) width += width / 10;
  return static_cast<int32_t>(std::min<int64_t>(width, INT32_MAX));
}

void NoteTextsThatDoNotFit(const std::string& menuName, const ShownMenu& shown,
                           DiscReport& report) {
  if (!shown.Loaded) return;
  const TOVMenu& menu = shown.Menu;
  auto note = [&](int button, const std::string& field, const std::string& message) {
    report.Notes.push_back({menuName, button, field, message});
  };
  auto line = [&](int button, const std::string& field, const std::string& text,
                  const ControlState& box, int32_t padding, const char* cut) {
    const int32_t width = EstimatedTextWidth(text, box.Font) + padding;
    const int32_t height = FontPixelHeight(box.Font) * kLineHeightTenths / 10;
    if (width <= box.Bounds.Width && height <= box.Bounds.Height) return;
    note(button, field,
         "\"" + Plain(text) + "\" needs about " + Px(width) + " x " + Px(height) +
             " at its font, but its box is " + Px(box.Bounds.Width) + " x " +
             Px(box.Bounds.Height) + "; " + cut);
  };
  const char* clockCut =
      "the player cuts what does not fit (the clock's box is fixed; a "
      "smaller font fits)";
  if (menu.lblTime.Visible) line(0, "clock.time", kLongestTimeText, menu.lblTime, 0, clockCut);
  if (menu.lblDate.Visible) line(0, "clock.date", kLongestDateText, menu.lblDate, 0, clockCut);

  const ControlState& box = menu.lblAccText;
  auto description = [&](int button, const std::string& field, const std::string& text) {
    if (text.empty() || box.Bounds.Width <= 0) return;
    const int32_t lines = WrappedLines(text, box.Font, box.Bounds.Width);
    const int32_t height = lines * FontPixelHeight(box.Font) * kLineHeightTenths / 10;
    if (height <= box.Bounds.Height) return;
    note(button, field,
         "wraps to about " + std::to_string(lines) + " lines (" + Px(height) +
             ") in the description's box of " + Px(box.Bounds.Width) + " x " +
             Px(box.Bounds.Height) + "; the player cuts the rest");
  };
  description(0, "description.text", menu.DefaultDescription);
  const int32_t count = std::min<int32_t>(menu.ButtonCount, kMaxButtons);
  for (int32_t n = 1; n <= count; ++n) {
    const TOVButton& b = menu.Buttons[static_cast<size_t>(n)];
    description(n, "description", b.Description);
    if (b.ButtonKind == kPushButton)
      line(n, "caption", b.WinBtn.Text, b.WinBtn, kPushButtonPadding,
           "Windows cuts the caption; make the button wider or the font smaller");
    else if (b.ButtonKind == kLabelButton)
      line(n, "caption", b.LblBtn.Text, b.LblBtn, 0,
           "the player cuts the caption; make the button wider or the font smaller");
  }
}

}  // namespace orvane::pack
