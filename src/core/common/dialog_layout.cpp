#include "common/dialog_layout.h"

#include <algorithm>

namespace orvane {

namespace {

struct ButtonSpec {
  MessageButtons Bit;
  const char* Label;
  TModalResult Result;
};

// The fixed left-to-right order; Help closes nothing and so has no result.
constexpr ButtonSpec kButtonTable[] = {
    {mb::Yes, "&Yes", 6},
    {mb::No, "&No", 7},
    {mb::OK, "OK", 1},
    {mb::Cancel, "Cancel", 2},
    {mb::Abort, "&Abort", 3},
    {mb::Retry, "&Retry", 4},
    {mb::Ignore, "&Ignore", 5},
    {mb::All, "&All", 8},
    {mb::NoToAll, "N&o to All", 9},
    {mb::YesToAll, "Yes to &All", 10},
    {mb::Help, "&Help", kResultNone},
};

int PositionOf(const std::vector<DialogButton>& buttons, MessageButtons bit) {
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i].Bit == bit) return static_cast<int>(i);
  return -1;
}

// The first of the candidates that the dialog shows, -1 when it shows none of them.
int FirstPresent(const std::vector<DialogButton>& buttons,
                 std::initializer_list<MessageButtons> candidates) {
  for (MessageButtons bit : candidates) {
    int at = PositionOf(buttons, bit);
    if (at >= 0) return at;
  }
  return -1;
}

}  // namespace

std::string StandardCaption(MessageKind kind, const std::string& applicationTitle) {
  switch (kind) {
    case MessageKind::Warning: return "Warning";
    case MessageKind::Error: return "Error";
    case MessageKind::Information: return "Information";
    case MessageKind::Confirmation: return "Confirm";
    default: return applicationTitle;
  }
}

DialogIcon IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Warning: return DialogIcon::Exclamation;
    case MessageKind::Error: return DialogIcon::Stop;
    case MessageKind::Information: return DialogIcon::Information;
    case MessageKind::Confirmation: return DialogIcon::Question;
    default: return DialogIcon::None;
  }
}

std::vector<DialogButton> ButtonsOf(MessageButtons buttons) {
  std::vector<DialogButton> out;
  for (const ButtonSpec& spec : kButtonTable)
    if (buttons & spec.Bit)
      out.push_back({spec.Bit, spec.Label, spec.Result, spec.Bit != mb::Help});
  // A set that cannot close the dialog gets OK, which the order puts before a lone Help.
  const auto closes = [](const DialogButton& b) { return b.Closes; };
  if (std::none_of(out.begin(), out.end(), closes)) return ButtonsOf(buttons | mb::OK);
  return out;
}

DialogModel BuildDialogModel(MessageKind kind, MessageButtons buttons, int32_t defaultIndex,
                             const std::string& caption, const std::string& applicationTitle) {
  DialogModel m;
  m.Caption = caption.empty() ? StandardCaption(kind, applicationTitle) : caption;
  m.Icon = IconOf(kind);
  m.Buttons = ButtonsOf(buttons);
  if (defaultIndex < 0) {
    m.DefaultButton = FirstPresent(m.Buttons, {mb::OK, mb::Yes, mb::Retry});
  } else {
    m.DefaultButton =
        defaultIndex < static_cast<int32_t>(m.Buttons.size()) ? static_cast<int>(defaultIndex) : -1;
  }
  m.CancelButton = FirstPresent(m.Buttons, {mb::Cancel, mb::No, mb::OK});
  return m;
}

std::string DialogClipboardText(const DialogModel& model, const std::string& message) {
  const std::string divider = std::string(27, '-') + "\r\n";
  std::string labels;
  for (const DialogButton& b : model.Buttons) {
    for (char c : b.Label)
      if (c != '&') labels += c;
    labels += "   ";
  }
  return divider + model.Caption + "\r\n" + divider + message + "\r\n" + divider + labels + "\r\n" +
         divider;
}

std::string NormalizeLineBreaks(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

int MaxTextWidth(int screenWidth) { return std::max(screenWidth / 2, 120); }

int MaxTextHeight(int screenHeight) { return std::max(screenHeight * 3 / 4, 60); }

DialogGeometry LayoutDialog(const DialogMeasures& measures) {
  // Dialog units keep the proportions of a system dialog at any font size.
  const int cx = std::max(measures.AverageCharWidth, 1);
  const int cy = std::max(measures.CharHeight, 1);
  auto dx = [cx](int units) { return units * cx / 4; };
  auto dy = [cy](int units) { return units * cy / 8; };

  const int margin = dx(8);
  const int marginY = dy(8);
  const int iconGap = measures.IconSize > 0 ? dx(10) : 0;
  const int buttonHeight = dy(14);
  const int buttonGap = dx(4);

  DialogGeometry g;
  int buttonsWidth = 0;
  std::vector<int> widths;
  for (int label : measures.LabelWidths) {
    int w = std::max(dx(50), label + dx(12));  // the minimum also covers a negative label
    widths.push_back(w);
    buttonsWidth += w;
  }
  if (!widths.empty()) buttonsWidth += buttonGap * static_cast<int>(widths.size() - 1);

  const int textWidth = std::max(measures.TextWidth, 0);
  const int textHeight = std::max(measures.TextHeight, 0);
  const int iconSize = std::max(measures.IconSize, 0);
  const int contentWidth = iconSize + iconGap + textWidth;
  const int rowHeight = std::max(iconSize, textHeight);

  g.ClientWidth = std::max(contentWidth, buttonsWidth) + 2 * margin;
  g.Icon = {margin, marginY, iconSize, iconSize};
  // A short text sits level with the middle of the icon, a long one starts at its top.
  g.Text = {margin + iconSize + iconGap, marginY + (rowHeight - textHeight) / 2, textWidth,
            textHeight};

  const int buttonsTop = marginY + rowHeight + dy(10);
  int left = (g.ClientWidth - buttonsWidth) / 2;
  for (int w : widths) {
    g.Buttons.push_back({left, buttonsTop, w, buttonHeight});
    left += w + buttonGap;
  }
  g.ClientHeight = buttonsTop + (widths.empty() ? 0 : buttonHeight) + marginY;
  return g;
}

}  // namespace orvane
