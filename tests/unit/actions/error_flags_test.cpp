// "err.txt": three boolean lines, the first two silencing two messages.
#include <gtest/gtest.h>

#include "action_fakes.h"
#include "actions/error_flags.h"

namespace orvane {
namespace {

using action_testing::FakeFileSystem;
using action_testing::FakeOpener;
using action_testing::RecordingDialog;

TEST(ErrorFlags, BooleanTexts) {
  EXPECT_EQ(ParseBooleanText("True"), true);
  EXPECT_EQ(ParseBooleanText("fALSE"), false);
  EXPECT_EQ(ParseBooleanText(" true "), true);
  EXPECT_EQ(ParseBooleanText("0"), false);
  EXPECT_EQ(ParseBooleanText("-0.000"), false);
  EXPECT_EQ(ParseBooleanText("-1"), true);
  EXPECT_EQ(ParseBooleanText("2.5"), true);
  EXPECT_EQ(ParseBooleanText("0.01"), true);
  EXPECT_EQ(ParseBooleanText("1e999999"), true);  // no overflow: only the digits count
  EXPECT_EQ(ParseBooleanText("0e5"), false);
  EXPECT_EQ(ParseBooleanText("1e+5"), true);
  EXPECT_EQ(ParseBooleanText("0.0E-3"), false);
  EXPECT_EQ(ParseBooleanText(""), std::nullopt);
  EXPECT_EQ(ParseBooleanText("yes"), std::nullopt);
  EXPECT_EQ(ParseBooleanText("1x"), std::nullopt);
  EXPECT_EQ(ParseBooleanText("0.x"), std::nullopt);
  EXPECT_EQ(ParseBooleanText("."), std::nullopt);
  EXPECT_EQ(ParseBooleanText("1e"), std::nullopt);
  EXPECT_EQ(ParseBooleanText("Truely"), std::nullopt);
}

struct ErrTxt {
  FakeFileSystem files;
  FakeOpener opener;
  RecordingDialog dialog;
  Latin1Decoder codePage;

  ErrorFlags Load(const std::string& content) {
    files.AddFile("E:\\err.txt", {false, true, true});  // hidden and system: still read
    opener.files["E:\\err.txt"] = content;
    return LoadErrorFlags("E:\\", files, opener, codePage, dialog, "Orvane");
  }
};

TEST(ErrorFlags, MissingFileLeavesBothMessagesOn) {
  ErrTxt t;
  ErrorFlags flags = LoadErrorFlags("E:\\", t.files, t.opener, t.codePage, t.dialog, "Orvane");
  EXPECT_TRUE(flags.ShowFileNotFound);
  EXPECT_TRUE(flags.ShowNoViewer);
  EXPECT_TRUE(t.dialog.shown.empty());
}

TEST(ErrorFlags, LinesSetTheFlagsInOrder) {
  ErrTxt t;
  ErrorFlags flags = t.Load("False\r\nFalse\r\nTrue\r\n");
  EXPECT_FALSE(flags.ShowFileNotFound);
  EXPECT_FALSE(flags.ShowNoViewer);
  EXPECT_TRUE(t.dialog.shown.empty());

  ErrTxt unix;
  flags = unix.Load("1\n0\n0");
  EXPECT_TRUE(flags.ShowFileNotFound);
  EXPECT_FALSE(flags.ShowNoViewer);
  EXPECT_TRUE(unix.dialog.shown.empty());
}

TEST(ErrorFlags, BadLineIsReportedAndStopsTheReading) {
  ErrTxt t;
  ErrorFlags flags = t.Load("False\r\nmaybe\r\nFalse\r\n");
  EXPECT_FALSE(flags.ShowFileNotFound);  // read before the bad line
  EXPECT_TRUE(flags.ShowNoViewer);
  ASSERT_EQ(t.dialog.shown.size(), 1u);
  EXPECT_EQ(t.dialog.shown[0].text, "'maybe' is not a valid boolean value");
  EXPECT_EQ(t.dialog.shown[0].kind, MessageKind::Error);
  EXPECT_EQ(t.dialog.shown[0].buttons, mb::OK);
  EXPECT_EQ(t.dialog.shown[0].caption, "Orvane");
  EXPECT_EQ(std::make_pair(t.dialog.shown[0].helpContext, t.dialog.shown[0].defaultIndex), std::make_pair(0, -1));
  // The file is in the computer's code page; the message shows its line in the player's UTF-8.
  ErrTxt second;
  second.Load("0\r\nd\xE9sactiv\xE9\r\n");
  EXPECT_EQ(second.dialog.shown.at(0).text, "'d\xC3\xA9sactiv\xC3\xA9' is not a valid boolean value");
}

TEST(ErrorFlags, MissingThirdLineReadsAsAnEmptyText) {
  ErrTxt t;
  ErrorFlags flags = t.Load("False\r\nFalse\r\n");
  EXPECT_FALSE(flags.ShowFileNotFound);
  EXPECT_FALSE(flags.ShowNoViewer);
  ASSERT_EQ(t.dialog.shown.size(), 1u);
  EXPECT_EQ(t.dialog.shown[0].text, "'' is not a valid boolean value");
}

// Only the first 4096 bytes are read: the byte at the limit counts, the one past it does not.
TEST(ErrorFlags, OversizedFileIsReadOnlyAsFarAsTheLimit) {
  const std::string head = "0\r\n0\n" + std::string(4090, ' ');  // 4095 bytes
  const struct {
    std::string content;
    size_t messages;
  } rows[] = {{head + "1", 0}, {head + "1x", 0}, {head + "x", 1}, {"0\n0\n" + std::string(100000, 'x'), 1}};
  for (const auto& row : rows) {
    ErrTxt t;
    ErrorFlags flags = t.Load(row.content);
    EXPECT_FALSE(flags.ShowNoViewer) << row.content.size();
    ASSERT_EQ(t.dialog.shown.size(), row.messages) << row.content.size();
    if (row.messages) {
      EXPECT_LT(t.dialog.shown[0].text.size(), 5000u);
    }
  }
}

TEST(ErrorFlags, FolderNamedErrTxtIsNoFile) {
  ErrTxt t;
  t.files.AddFolder("E:\\err.txt");
  ErrorFlags flags = LoadErrorFlags("E:\\", t.files, t.opener, t.codePage, t.dialog, "Orvane");
  EXPECT_TRUE(flags.ShowFileNotFound);
  EXPECT_TRUE(t.dialog.shown.empty());
}

}  // namespace
}  // namespace orvane
