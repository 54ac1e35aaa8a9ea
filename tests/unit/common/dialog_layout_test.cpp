#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "common/dialog_layout.h"

namespace orvane {
namespace {

std::vector<std::string> Labels(const DialogModel& m) {
  std::vector<std::string> out;
  for (const DialogButton& b : m.Buttons) out.push_back(b.Label);
  return out;
}

std::vector<TModalResult> Results(const DialogModel& m) {
  std::vector<TModalResult> out;
  for (const DialogButton& b : m.Buttons) out.push_back(b.Result);
  return out;
}

// "width x height | icon | text | buttons", each rectangle as left,top,width,height.
std::string Placed(const DialogGeometry& g) {
  auto rect = [](const DialogRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Width) + "," +
           std::to_string(r.Height);
  };
  std::string s = std::to_string(g.ClientWidth) + "x" + std::to_string(g.ClientHeight) + " | " + rect(g.Icon) + " | " +
                  rect(g.Text) + " |";
  for (const DialogRect& b : g.Buttons) s += " " + rect(b);
  return s;
}

// The buttons in their fixed order, which of them Enter presses (a default index counts positions;
// past the last means none; a negative one keeps the own rule) and which Esc presses. Every button
// but Help closes the dialog, and a set without such a button gets OK.
TEST(DialogButtons, OrderResultsDefaultAndCancel) {
  const std::vector<std::string> yesNoCancel{"&Yes", "&No", "Cancel"};
  const std::vector<TModalResult> yesNoCancelResults{6, 7, 2};
  const struct {
    MessageButtons buttons;
    int32_t defaultIndex;
    std::vector<std::string> labels;
    std::vector<TModalResult> results;
    int defaultButton, cancelButton;
    // clang-format off
  } rows[] = {
      {mb::OK, -1, {"OK"}, {1}, 0, 0},
      {0x07FF, -1,
       {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All", "N&o to All", "Yes to &All", "&Help"},
       {6, 7, 1, 2, 3, 4, 5, 8, 9, 10, 0}, 2, 3},  // OK wins over Yes
      {mb::Yes | mb::No, -1, {"&Yes", "&No"}, {6, 7}, 0, 1},
      {mb::Abort | mb::Retry | mb::Ignore, -1, {"&Abort", "&Retry", "&Ignore"}, {3, 4, 5}, 1, -1},
      {mb::Abort | mb::Retry | mb::Ignore, 0, {"&Abort", "&Retry", "&Ignore"}, {3, 4, 5}, 0, -1},
      {mb::Cancel, -1, {"Cancel"}, {2}, -1, 0},
      {11, -1, yesNoCancel, yesNoCancelResults, 0, 2},
      {11, 1, yesNoCancel, yesNoCancelResults, 1, 2},
      {11, 2, yesNoCancel, yesNoCancelResults, 2, 2},
      {11, 3, yesNoCancel, yesNoCancelResults, -1, 2},
      {11, 5, yesNoCancel, yesNoCancelResults, -1, 2},
      {11, -7, yesNoCancel, yesNoCancelResults, 0, 2},
      {0, -1, {"OK"}, {1}, 0, 0},
      {mb::Help | 0xF800, -1, {"OK", "&Help"}, {1, 0}, 0, 0},
  };
  // clang-format on
  for (const auto& row : rows) {
    SCOPED_TRACE(std::to_string(row.buttons) + ", default index " + std::to_string(row.defaultIndex));
    const DialogModel m = BuildDialogModel(MessageKind::Warning, row.buttons, row.defaultIndex, "", "");
    EXPECT_EQ(Labels(m), row.labels);
    EXPECT_EQ(Results(m), row.results);
    EXPECT_EQ(m.DefaultButton, row.defaultButton);
    EXPECT_EQ(m.CancelButton, row.cancelButton);
    for (const DialogButton& b : m.Buttons) EXPECT_EQ(b.Closes, b.Bit != mb::Help) << b.Label;
  }
}

// Per kind: the standard caption (Custom, and any kind outside the table, takes the application's
// title as it stands) and the icon; a caption given overrides the standard one.
TEST(DialogCaption, CaptionAndIconPerKind) {
  const struct {
    MessageKind kind;
    const char* caption;
    DialogIcon icon;
  } rows[] = {{MessageKind::Warning, "Warning", DialogIcon::Exclamation},
              {MessageKind::Error, "Error", DialogIcon::Stop},
              {MessageKind::Information, "Information", DialogIcon::Information},
              {MessageKind::Confirmation, "Confirm", DialogIcon::Question},
              {MessageKind::Custom, "Demo     D", DialogIcon::None},
              {static_cast<MessageKind>(200), "Demo     D", DialogIcon::None}};
  for (const auto& row : rows) {
    const DialogModel m = BuildDialogModel(row.kind, 4, -1, "", "Demo     D");
    EXPECT_EQ(m.Caption, row.caption);
    EXPECT_EQ(m.Icon, row.icon) << row.caption;
    EXPECT_EQ(BuildDialogModel(row.kind, 4, -1, "Orvane", "App").Caption, "Orvane");
  }
}

TEST(DialogClipboard, DividersCaptionMessageAndLabelsWithoutAccessMarks) {
  const std::string d = "---------------------------\r\n";
  DialogModel m = BuildDialogModel(MessageKind::Confirmation, 11, -1, "Orvane", "");
  EXPECT_EQ(DialogClipboardText(m, "Go on?\r\rReally?"),
            d + "Orvane\r\n" + d + "Go on?\r\rReally?\r\n" + d + "Yes   No   Cancel   \r\n" + d);
  DialogModel all = BuildDialogModel(MessageKind::Warning, mb::NoToAll | mb::YesToAll, -1, "", "");
  EXPECT_EQ(DialogClipboardText(all, ""), d + "Warning\r\n" + d + "\r\n" + d + "No to All   Yes to All   \r\n" + d);
}

TEST(DialogText, LineBreaksOfEveryKindBecomeCrLf) {
  EXPECT_EQ(NormalizeLineBreaks("a\r\rb"), "a\r\n\r\nb");
  EXPECT_EQ(NormalizeLineBreaks("a\r\n\r\nb\n"), "a\r\n\r\nb\r\n");
  EXPECT_EQ(NormalizeLineBreaks("\n\r"), "\r\n\r\n");
  EXPECT_EQ(NormalizeLineBreaks("plain"), "plain");
  EXPECT_EQ(NormalizeLineBreaks("\r\nends\r\n"), "\r\nends\r\n");
}

TEST(DialogGeometry, IconBesideTextAndButtonsCentredBelowWithoutOverlap) {
  DialogMeasures in;
  in.AverageCharWidth = 6;
  in.CharHeight = 13;
  in.IconSize = 32;
  in.TextWidth = 300;
  in.TextHeight = 52;
  in.LabelWidths = {20, 14, 36};
  DialogGeometry g = LayoutDialog(in);
  // Margins of 8 units, a 10-unit gap after the icon, buttons of 50 x 14 units 4 apart.
  EXPECT_EQ(Placed(g), "371x116 | 12,13,32,32 | 59,13,300,52 | 67,81,75,22 148,81,75,22 229,81,75,22");
  ASSERT_EQ(g.Buttons.size(), 3u);
  // Text right of the icon, both inside the client area.
  EXPECT_GE(g.Text.Left, g.Icon.Left + g.Icon.Width);
  EXPECT_LE(g.Text.Left + g.Text.Width, g.ClientWidth);
  // Buttons left to right, below the text, equally far from both sides.
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_GE(g.Buttons[i].Top, g.Text.Top + g.Text.Height);
    EXPECT_LE(g.Buttons[i].Top + g.Buttons[i].Height, g.ClientHeight);
    EXPECT_GE(g.Buttons[i].Width, in.LabelWidths[i]);
    if (i > 0) {
      EXPECT_GT(g.Buttons[i].Left, g.Buttons[i - 1].Left + g.Buttons[i - 1].Width);
    }
  }
  int leftGap = g.Buttons[0].Left;
  int rightGap = g.ClientWidth - (g.Buttons[2].Left + g.Buttons[2].Width);
  EXPECT_LE(std::abs(leftGap - rightGap), 1);
}

TEST(DialogGeometry, WideButtonRowWidensTheDialogAndShortTextCentresOnTheIcon) {
  DialogMeasures in;
  in.IconSize = 32;
  in.TextWidth = 40;
  in.TextHeight = 13;
  in.LabelWidths = std::vector<int>(11, 60);
  DialogGeometry g = LayoutDialog(in);
  EXPECT_EQ(g.Buttons.front().Width, 60 + 18) << "the label and 6 units on either side";
  EXPECT_GE(g.Buttons.front().Left, 0);
  EXPECT_LE(g.Buttons.back().Left + g.Buttons.back().Width, g.ClientWidth);
  EXPECT_LE(std::abs((g.Text.Top + g.Text.Height / 2) - (g.Icon.Top + g.Icon.Height / 2)), 1);
  EXPECT_GT(g.Text.Top, g.Icon.Top);

  DialogMeasures bare;  // no icon, no text, one button
  bare.IconSize = 0;
  bare.LabelWidths = {10};
  DialogGeometry b = LayoutDialog(bare);
  EXPECT_EQ(b.Text.Left, b.Icon.Left);
  EXPECT_GT(b.ClientWidth, b.Buttons[0].Width);

  EXPECT_EQ(std::make_tuple(MaxTextWidth(1024), MaxTextWidth(200), MaxTextHeight(768), MaxTextHeight(40)),
            std::make_tuple(512, 120, 576, 60))
      << "half the screen, 120 at least; 3/4 of it, 60 at least";
  bare.AverageCharWidth = bare.CharHeight = 0;             // a font that reports no size counts as 1 x 1
  bare.TextWidth = bare.TextHeight = bare.IconSize = -40;  // and negative sizes as none
  EXPECT_EQ(Placed(LayoutDialog(bare)), "17x4 | 2,1,0,0 | 2,1,0,0 | 2,2,13,1");
}

}  // namespace
}  // namespace orvane
