#include "app/selection.h"

#include <algorithm>

#include "app/menu_model.h"
#include "common/text.h"
#include "common/utf8.h"

namespace orvane {

namespace {

int32_t ClampedCount(int32_t buttonCount) {
  return std::clamp<int32_t>(buttonCount, 0, kMaxButtons);
}

const ControlState& StateOf(const TOVButton& button, ControlKind kind) {
  return kind == ControlKind::WinBtn ? button.WinBtn : button.KeyBtn;
}

bool Focusable(const TOVButton& button, ControlKind kind) {
  return button.ControlsExist && StateOf(button, kind).Visible;
}

}  // namespace

int32_t NextButtonNumber(int32_t selected, int32_t buttonCount) {
  const int32_t count = ClampedCount(buttonCount);
  if (count == 0) return 0;
  return std::clamp(selected, 0, count) % count + 1;
}

int32_t PreviousButtonNumber(int32_t selected, int32_t buttonCount) {
  const int32_t count = ClampedCount(buttonCount);
  // A selection left over from a larger menu counts as none.
  return selected <= 1 || selected > count ? count : selected - 1;
}

int32_t AltArrowButton(ArrowKey key, int32_t selected, int32_t buttonCount) {
  return key == ArrowKey::Left || key == ArrowKey::Up ? PreviousButtonNumber(selected, buttonCount)
                                                      : NextButtonNumber(selected, buttonCount);
}

std::optional<ControlId> FocusTarget(const TOVMenu& menu, int32_t n) {
  if (n < 1 || n > ClampedCount(menu.ButtonCount)) return std::nullopt;
  const TOVButton& button = menu.Buttons[static_cast<size_t>(n)];
  if (Focusable(button, ControlKind::KeyBtn)) return ButtonControl(ControlKind::KeyBtn, n);
  if (Focusable(button, ControlKind::WinBtn)) return ButtonControl(ControlKind::WinBtn, n);
  return std::nullopt;
}

std::vector<ControlId> FocusableControls(const TOVMenu& menu) {
  std::vector<ControlId> controls;
  const int32_t count = ClampedCount(menu.ButtonCount);
  for (int32_t n = 1; n <= count; ++n) {
    const TOVButton& button = menu.Buttons[static_cast<size_t>(n)];
    for (ControlKind kind : {ControlKind::WinBtn, ControlKind::KeyBtn})
      if (Focusable(button, kind)) controls.push_back(ButtonControl(kind, n));
  }
  return controls;
}

std::optional<ControlId> NextFocusable(const TOVMenu& menu, const std::optional<ControlId>& current,
                                       bool forward) {
  const std::vector<ControlId> controls = FocusableControls(menu);
  if (controls.empty()) return std::nullopt;
  const size_t size = controls.size();
  const auto at = current ? std::find(controls.begin(), controls.end(), *current) : controls.end();
  if (at == controls.end()) return forward ? controls.front() : controls.back();
  const size_t i = static_cast<size_t>(at - controls.begin());
  return controls[forward ? (i + 1) % size : (i + size - 1) % size];
}

char32_t ShortcutCharacter(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // a literal ampersand
      continue;
    }
    size_t length = 0;
    return DecodeUtf8At(caption, i + 1, length);
  }
  return 0;
}

std::optional<ShortcutHit> FindShortcut(const TOVMenu& menu, char32_t typed) {
  const char32_t wanted = UpperLetter(typed);
  const int32_t count = ClampedCount(menu.ButtonCount);
  for (int32_t n = 1; n <= count; ++n) {
    const TOVButton& button = menu.Buttons[static_cast<size_t>(n)];
    for (ControlKind kind : {ControlKind::WinBtn, ControlKind::KeyBtn}) {
      if (!Focusable(button, kind)) continue;
      const char32_t key = ShortcutCharacter(StateOf(button, kind).Text);
      // A caption without a mark has no shortcut, so a typed NUL (Ctrl+@) matches none.
      if (key != 0 && UpperLetter(key) == wanted) return ShortcutHit{n, kind};
    }
  }
  return std::nullopt;
}

int32_t DigitButton(char32_t digit, int32_t buttonCount) {
  if (digit < U'1' || digit > U'8') return 0;
  const int32_t d = static_cast<int32_t>(digit - U'0');
  return d <= ClampedCount(buttonCount) ? d : 0;
}

}  // namespace orvane
