// "err.txt": three boolean lines, the first two silencing two messages.
#include <gtest/gtest.h>

#include "action_fakes.h"
#include "actions/error_flags.h"

#include <optional>
#include <tuple>

namespace orvane {
namespace {

using action_testing::FakeFileSystem;
using action_testing::FakeOpener;
using action_testing::RecordingDialog;

TEST(ErrorFlags, BooleanTexts) {
  const std::pair<const char*, std::optional<bool>> rows[] = {
      {"True", true},      {"fALSE", false}, {" true ", true}, {"0", false},   {"-0.000", false},     {"-1", true},
      {"2.5", true},       {"0.01", true},   {"0e5", false},   {"1e+5", true}, {"0.0E-3", false}, {"", std::nullopt},
      {"yes", std::nullopt}, {"1x", std::nullopt}, {"0.x", std::nullopt}, {".", std::nullopt}, {"1e", std::nullopt},
      {"Truely", std::nullopt},
      {"1e999999", true},  // no overflow: only the digits count
  };
  for (const auto& [text, value] : rows) EXPECT_EQ(ParseBooleanText(text), value) << text;
}

struct ErrTxt {
  FakeFileSystem files;
  FakeOpener opener;
  RecordingDialog dialog;
  Latin1Decoder codePage;

  // A folder of that name is no file, even where the opener would read something from it.
  ErrorFlags Load(const std::string& content, bool folder = false) {
    files.AddFile("E:\\err.txt", {folder, true, true});  // hidden and system: still read
    opener.files["E:\\err.txt"] = content;
    return LoadErrorFlags("E:\\", files, opener, codePage, dialog, "Orvane");
  }
};

// The flags each file gives, and the message that a bad or missing line shows: the reading stops there.
TEST(ErrorFlags, LinesSetTheFlagsInOrderUntilABadOne) {
  const struct {
    const char* what;
    const char* content;  // nullptr: no file
    bool folder;          // a folder named err.txt, with content
    bool showFileNotFound, showNoViewer;
    const char* message;  // nullptr: none
  } rows[] = {
      {"no file", nullptr, false, true, true, nullptr},
      {"a folder named err.txt", "maybe", true, true, true, nullptr},
      {"Windows lines", "False\r\nFalse\r\nTrue\r\n", false, false, false, nullptr},
      {"Unix lines", "1\n0\n0", false, true, false, nullptr},
      {"a bad second line", "False\r\nmaybe\r\nFalse\r\n", false, false, true, "'maybe' is not a valid boolean value"},
      {"no third line: an empty text", "False\r\nFalse\r\n", false, false, false, "'' is not a valid boolean value"},
      // The file is in the computer's code page; the message shows its line in the player's UTF-8.
      {"code page", "0\r\nd\xE9sactiv\xE9\r\n", false, false, true,
       "'d\xC3\xA9sactiv\xC3\xA9' is not a valid boolean value"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    ErrTxt t;
    const ErrorFlags flags =
        row.content ? t.Load(row.content, row.folder) : LoadErrorFlags("E:\\", t.files, t.opener, t.codePage, t.dialog, "Orvane");
    EXPECT_EQ(flags.ShowFileNotFound, row.showFileNotFound);
    EXPECT_EQ(flags.ShowNoViewer, row.showNoViewer);
    ASSERT_EQ(t.dialog.shown.size(), row.message ? 1u : 0u);
    if (!row.message) continue;
    const auto& shown = t.dialog.shown[0];
    EXPECT_EQ(shown.text, row.message);
    EXPECT_EQ(std::make_tuple(shown.kind, shown.buttons, shown.caption, shown.helpContext, shown.defaultIndex),
              std::make_tuple(MessageKind::Error, mb::OK, std::string("Orvane"), 0, -1));
  }
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
    EXPECT_LT(row.messages ? t.dialog.shown[0].text.size() : 0, 5000u) << "the message shows no more than was read";
  }
}

}  // namespace
}  // namespace orvane
