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
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Width) +
           "," + std::to_string(r.Height);
  };
  std::string s = std::to_string(g.ClientWidth) + "x" + std::to_string(g.ClientHeight) + " | " +
                  rect(g.Icon) + " | " + rect(g.Text) + " |";
  for (const DialogRect& b : g.Buttons) s += " " + rect(b);
  return s;
}

TEST(DialogButtons, OkAloneIsDefaultAndCancelAtOnce) {
  DialogModel m = BuildDialogModel(MessageKind::Information, 4, -1, "Orvane", "Title");
  ASSERT_EQ(Labels(m), std::vector<std::string>{"OK"});
  EXPECT_EQ(m.Buttons[0].Result, 1);
  EXPECT_EQ(m.DefaultButton, 0);
  EXPECT_EQ(m.CancelButton, 0);
}

TEST(DialogButtons, YesNoCancelInFixedOrderWithYesDefaultAndCancelForEsc) {
  DialogModel m = BuildDialogModel(MessageKind::Confirmation, 11, -1, "", "Title");
  EXPECT_EQ(Labels(m), (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
  EXPECT_EQ(Results(m), (std::vector<TModalResult>{6, 7, 2}));
  EXPECT_EQ(m.DefaultButton, 0);
  ASSERT_EQ(m.CancelButton, 2);
  EXPECT_EQ(m.Buttons[m.CancelButton].Result, 2);
}

TEST(DialogButtons, EveryButtonInOrderWithLabelsAndResults) {
  DialogModel m = BuildDialogModel(MessageKind::Warning, 0x07FF, -1, "", "");
  EXPECT_EQ(Labels(m), (std::vector<std::string>{"&Yes", "&No", "OK", "Cancel", "&Abort",
                                                 "&Retry", "&Ignore", "&All", "N&o to All",
                                                 "Yes to &All", "&Help"}));
  EXPECT_EQ(Results(m), (std::vector<TModalResult>{6, 7, 1, 2, 3, 4, 5, 8, 9, 10, 0}));
  for (const DialogButton& b : m.Buttons) EXPECT_EQ(b.Closes, b.Bit != mb::Help) << b.Label;
  EXPECT_EQ(m.DefaultButton, 2);  // OK wins over Yes
  EXPECT_EQ(m.CancelButton, 3);
}

TEST(DialogButtons, OwnDefaultAndCancelRulesFallBackInTheirOrder) {
  // Yes and No: Yes is default, No cancels.
  DialogModel yesNo = BuildDialogModel(MessageKind::Confirmation, mb::Yes | mb::No, -1, "", "");
  EXPECT_EQ(yesNo.DefaultButton, 0);
  EXPECT_EQ(yesNo.CancelButton, 1);
  // Abort, Retry, Ignore: Retry is default, nothing cancels.
  DialogModel ari =
      BuildDialogModel(MessageKind::Error, mb::Abort | mb::Retry | mb::Ignore, -1, "", "");
  EXPECT_EQ(Labels(ari), (std::vector<std::string>{"&Abort", "&Retry", "&Ignore"}));
  EXPECT_EQ(ari.DefaultButton, 1);
  EXPECT_EQ(ari.CancelButton, -1);
  // Cancel alone: no default at all, Cancel cancels.
  DialogModel cancel = BuildDialogModel(MessageKind::Error, mb::Cancel, -1, "", "");
  EXPECT_EQ(cancel.DefaultButton, -1);
  EXPECT_EQ(cancel.CancelButton, 0);
}

TEST(DialogButtons, DefaultIndexCountsPositionsAndPastTheLastMeansNone) {
  DialogModel no = BuildDialogModel(MessageKind::Confirmation, 11, 1, "", "");
  EXPECT_EQ(no.DefaultButton, 1);
  EXPECT_EQ(no.Buttons[1].Label, "&No");
  EXPECT_EQ(BuildDialogModel(MessageKind::Confirmation, 11, 2, "", "").DefaultButton, 2);
  EXPECT_EQ(BuildDialogModel(MessageKind::Confirmation, 11, 3, "", "").DefaultButton, -1);
  EXPECT_EQ(BuildDialogModel(MessageKind::Confirmation, 11, 5, "", "").DefaultButton, -1);
  // The index changes nothing about which button Esc presses.
  EXPECT_EQ(BuildDialogModel(MessageKind::Confirmation, 11, 5, "", "").CancelButton, 2);
  // Any negative index keeps the own rule.
  EXPECT_EQ(BuildDialogModel(MessageKind::Confirmation, 11, -7, "", "").DefaultButton, 0);
}

TEST(DialogButtons, ASetThatCannotCloseGetsOk) {
  DialogModel none = BuildDialogModel(MessageKind::Warning, 0, -1, "", "");
  EXPECT_EQ(Labels(none), std::vector<std::string>{"OK"});
  EXPECT_EQ(none.DefaultButton, 0);
  DialogModel help = BuildDialogModel(MessageKind::Warning, mb::Help | 0xF800, -1, "", "");
  EXPECT_EQ(Labels(help), (std::vector<std::string>{"OK", "&Help"}));
  EXPECT_EQ(Results(help), (std::vector<TModalResult>{1, 0}));
  EXPECT_EQ(help.CancelButton, 0);
  EXPECT_TRUE(none.Buttons[0].Closes && help.Buttons[0].Closes) << "the OK that is added closes";
}

TEST(DialogCaption, StandardCaptionPerKindAndOverride) {
  EXPECT_EQ(BuildDialogModel(MessageKind::Warning, 4, -1, "", "App").Caption, "Warning");
  EXPECT_EQ(BuildDialogModel(MessageKind::Error, 4, -1, "", "App").Caption, "Error");
  EXPECT_EQ(BuildDialogModel(MessageKind::Information, 4, -1, "", "App").Caption, "Information");
  EXPECT_EQ(BuildDialogModel(MessageKind::Confirmation, 4, -1, "", "App").Caption, "Confirm");
  EXPECT_EQ(BuildDialogModel(MessageKind::Custom, 4, -1, "", "Demo     D").Caption, "Demo     D");
  EXPECT_EQ(BuildDialogModel(MessageKind::Warning, 4, -1, "Orvane", "App").Caption, "Orvane");
  EXPECT_EQ(BuildDialogModel(MessageKind::Custom, 4, -1, "Orvane", "App").Caption, "Orvane");
}

TEST(DialogCaption, IconsPerKindAndUnknownKindsActAsCustom) {
  EXPECT_EQ(BuildDialogModel(MessageKind::Warning, 4, -1, "", "").Icon, DialogIcon::Exclamation);
  EXPECT_EQ(BuildDialogModel(MessageKind::Error, 4, -1, "", "").Icon, DialogIcon::Stop);
  EXPECT_EQ(BuildDialogModel(MessageKind::Information, 4, -1, "", "").Icon,
            DialogIcon::Information);
  EXPECT_EQ(BuildDialogModel(MessageKind::Confirmation, 4, -1, "", "").Icon, DialogIcon::Question);
  EXPECT_EQ(BuildDialogModel(MessageKind::Custom, 4, -1, "", "").Icon, DialogIcon::None);
  DialogModel odd = BuildDialogModel(static_cast<MessageKind>(200), 4, -1, "", "App");
  EXPECT_EQ(odd.Icon, DialogIcon::None);
  EXPECT_EQ(odd.Caption, "App");
}

TEST(DialogClipboard, DividersCaptionMessageAndLabelsWithoutAccessMarks) {
  const std::string d = "---------------------------\r\n";
  DialogModel m = BuildDialogModel(MessageKind::Confirmation, 11, -1, "Orvane", "");
  EXPECT_EQ(DialogClipboardText(m, "Go on?\r\rReally?"),
            d + "Orvane\r\n" + d + "Go on?\r\rReally?\r\n" + d + "Yes   No   Cancel   \r\n" + d);
  DialogModel all = BuildDialogModel(MessageKind::Warning, mb::NoToAll | mb::YesToAll, -1, "", "");
  EXPECT_EQ(DialogClipboardText(all, ""),
            d + "Warning\r\n" + d + "\r\n" + d + "No to All   Yes to All   \r\n" + d);
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

  EXPECT_EQ(std::make_pair(MaxTextHeight(768), MaxTextHeight(40)), std::make_pair(576, 60)) << "3/4 of the screen, 60 at least";
  bare.AverageCharWidth = bare.CharHeight = 0;  // a font that reports no size counts as 1 x 1
  EXPECT_EQ(Placed(LayoutDialog(bare)), "17x4 | 2,1,0,0 | 2,1,0,0 | 2,2,13,1");
}

}  // namespace
}  // namespace orvane
