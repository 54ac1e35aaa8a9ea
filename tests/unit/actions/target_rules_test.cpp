// The text rules of a button's target: forms, macro, separators, address classes, quoting.
#include <gtest/gtest.h>

#include <initializer_list>

#include "actions/target_form.h"
#include "actions/target_text.h"

namespace orvane {
namespace {

TEST(TargetForm, FormsAreTestedInOrder) {
  EXPECT_EQ(ClassifyTarget("%NOPROC%cmd /c x"), ActionKind::RawLaunch);
  EXPECT_EQ(ClassifyTarget("%noproc%cmd"), ActionKind::Launch);  // exact case only
  EXPECT_EQ(ClassifyTarget("%NOPROC%menu.mnu"), ActionKind::RawLaunch);
  EXPECT_EQ(ClassifyTarget("*"), ActionKind::NoAction);
  EXPECT_EQ(ClassifyTarget("**"), ActionKind::Launch);
  EXPECT_EQ(ClassifyTarget("$Hello"), ActionKind::Message);
  EXPECT_EQ(ClassifyTarget("$x.mnu"), ActionKind::Message);
  EXPECT_EQ(ClassifyTarget("PRODUCTS.MNU"), ActionKind::MenuSwitch);
  EXPECT_EQ(ClassifyTarget("%products.mnu"), ActionKind::MenuSwitch);  // "%" kept, lookup fails
  EXPECT_EQ(ClassifyTarget("menus\\products.mnu"), ActionKind::Launch);
  EXPECT_EQ(ClassifyTarget("menus/products.mnu"), ActionKind::Launch);
  EXPECT_EQ(ClassifyTarget(".mnu"), ActionKind::MenuSwitch);
  EXPECT_EQ(ClassifyTarget("mnu"), ActionKind::Launch);
  EXPECT_EQ(ClassifyTarget(""), ActionKind::NoTarget);
  EXPECT_EQ(ClassifyTarget("setup.exe"), ActionKind::Launch);
}

TEST(TargetText, DriveMacroIsExpandedEverywhereUntilNoneIsLeft) {
  // A replacement that forms a new macro with its neighbours is expanded again from the start: a
  // single left-to-right pass would leave "%CD%" in the last two.
  const char* const rows[][3] = {{"%CD%", "D:\\", "D"}, {"-f %CD%", "D:\\", "-f D"}, {"%cd%", "D:\\", "%cd%"},
                                 {"%CD%:\\docs %CD%:\\x", "E:\\disc\\", "E:\\docs E:\\x"},
                                 {"%%CD%D%", "C:\\", "C"}, {"%CD%CD%CD%", "%:\\", "%"}};
  for (const auto& row : rows) EXPECT_EQ(ExpandDriveMacro(row[0], row[1]), row[2]) << row[0];
}

TEST(TargetText, LineMarksSlashesAndParts) {
  EXPECT_EQ(ConvertLineMarks("$one\xB6two\xB6"), "$one\rtwo\r");
  // In UTF-8 the mark is C2 B6, and the B6 inside another character ("ж", D0 B6) is none.
  EXPECT_EQ(ConvertLineMarks("$\xD0\xB6\xC2\xB6\xE6\x97\xA5"), "$\xD0\xB6\r\xE6\x97\xA5");
  EXPECT_EQ(ConvertLineMarks("caf\xE9\xB6x"), "caf\xE9\rx");  // 8-bit "café¶x"
  EXPECT_EQ(NormalizeSlashes("docs/sub/a.pdf"), "docs\\sub\\a.pdf");
  EXPECT_EQ(FolderPart("d:\\docs\\Manual.PDF"), "d:\\docs\\");
  EXPECT_EQ(FolderPart("d:Manual.PDF"), "d:");
  EXPECT_EQ(FolderPart("Manual.PDF"), "");
  EXPECT_EQ(FileNamePart("d:\\docs\\Manual.PDF"), "Manual.PDF");
  EXPECT_EQ(FileNamePart("d:\\docs\\"), "");
  EXPECT_EQ(FileNamePart("http://x.org/a"), "//x.org/a");
}

// Each prefix in any case, alone, and one letter short.
TEST(TargetForm, AddressesAreKnownByTheirFirstLetters) {
  const struct {
    const char* target;
    bool web, address;
  } rows[] = {{"HTTP://x.org", true, true}, {"http", true, true},       {"htt", false, false},
              {"www.x.org", true, true},    {"www", true, true},        {"ww", false, false},
              {"FTP.x.org", true, true},    {"ftp", true, true},        {"ft", false, false},
              {"MailTo:a@b", false, true},  {"mailto", false, true},    {"mailt", false, false},
              {"wwwguide.pdf", true, true},  // a local file named like an address
              {"docs\\http.pdf", false, false}};
  for (const auto& row : rows) {
    EXPECT_EQ(IsWebAddress(row.target), row.web) << row.target;
    EXPECT_EQ(IsAddress(row.target), row.address) << row.target;
  }
}

TEST(TargetForm, LaunchTargetsTakePrefixesButNeverTheDriveMacro) {
  struct Row {
    const char* target;
    const char* folder;
    const char* path;
    bool local;
  };
  for (const Row& row : std::initializer_list<Row>{
           {"%docs/a.pdf", "D:\\", "D:\\docs\\a.pdf", true},
           {"\\setup\\run.exe", "E:\\disc\\", "E:\\setup\\run.exe", true},
           {"%CD%:\\docs\\a.pdf", "D:\\", "D:\\CD%:\\docs\\a.pdf", true},  // "%" is a prefix
           {"x\\%CD%\\a.pdf", "D:\\", "x\\%CD%\\a.pdf", true},
           {"http://x.org/a/b", "D:\\", "http://x.org/a/b", false},
           {"%www.x.org", "D:\\", "D:\\www.x.org", true}}) {
    const LaunchTarget t = RewriteLaunchTarget(row.target, row.folder);
    EXPECT_EQ(t.Path, row.path) << row.target;
    EXPECT_EQ(t.Local, row.local) << row.target;
  }
  EXPECT_EQ(RawLaunchFile("%NOPROC%%CD%:\\run.exe /s", "E:\\x\\"), "E:\\run.exe /s");
}

TEST(TargetForm, ParametersAreQuotedUnlessTheyLookLikeSwitchesOrTheTargetIsQuoted) {
  const char* const rows[][3] = {{"a.exe", "read.me", "\"read.me\""}, {"a.exe", "-x", "-x"}, {"a.exe", "/x", "/x"},
                                 {"a.exe", "\\\\srv\\x", "\\\\srv\\x"}, {"a.exe", " x", " x"}, {"a.exe", "", ""},
                                 {"\"a b.exe\"", "x", "x"}};
  for (const auto& row : rows) EXPECT_EQ(QuoteParameters(row[0], row[1]), row[2]) << row[0] << " " << row[1];
}

TEST(TargetForm, VerbAndShowMode) {
  EXPECT_EQ(VerbFor("E:\\docs\\"), "explore");
  EXPECT_EQ(VerbFor("E:\\docs"), "open");
  const std::pair<int32_t, int32_t> modes[] = {{0, 1}, {1, 3}, {-1, 3}, {2, 0}, {-2, 0}};
  for (const auto& [runMaximized, mode] : modes) EXPECT_EQ(ShowModeFor(runMaximized), mode) << runMaximized;
}

}  // namespace
}  // namespace orvane
