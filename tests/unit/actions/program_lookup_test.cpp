// Which program opens a web address or a ".pdx" file.
#include <gtest/gtest.h>

#include "action_fakes.h"
#include "actions/program_lookup.h"

namespace orvane {
namespace {

using action_testing::FakeFileSystem;
using action_testing::RecordingShell;

struct Lookup {
  FakeFileSystem files;
  RecordingShell shell;
  LookupContext context{shell, files, "E:\\"};
};

TEST(FindWebBrowser, AsksAboutTheFirstPageOfTheFirstFolderThatHasOne) {
  Lookup t;
  t.files.AddFile("C:\\WINDOWS\\system\\b.htm");
  t.files.AddFile("C:\\WINDOWS\\help\\a.htm", {false, true});  // hidden pages count too
  t.files.AddFile("E:\\index.htm");
  t.files.AddFile("E:\\start.htm");
  t.shell.associations["e:\\index.htm"] = "C:\\browser\\web.exe";

  EXPECT_EQ(FindWebBrowser("http://orvane.example", t.context), "C:\\browser\\web.exe");
  ASSERT_EQ(t.shell.queries.size(), 1u);
  EXPECT_EQ(t.shell.queries[0].file + "|" + t.shell.queries[0].folder, "E:\\index.htm|");
  EXPECT_TRUE(t.files.written.empty() && t.files.deleted.empty()) << "a user's own backup page stays";
  EXPECT_EQ(t.files.listed.front(), "C:\\WINDOWS\\");
}

TEST(FindWebBrowser, ExistingPathIsAskedAboutItself) {
  Lookup t;
  t.files.AddFile("E:\\www.guide.htm");
  t.shell.associations["e:\\www.guide.htm"] = "C:\\web.exe";
  EXPECT_EQ(FindWebBrowser("E:\\www.guide.htm", t.context), "C:\\web.exe");
  EXPECT_TRUE(t.files.listed.empty());
  // The platform reports success only above 32.
  for (int32_t code : {32, 33}) {
    t.shell.foundCode = code;
    EXPECT_EQ(FindWebBrowser("E:\\www.guide.htm", t.context), code > 32 ? "C:\\web.exe" : "") << code;
  }
}

TEST(FindWebBrowser, BackupPageIsWrittenUsedAndDeleted) {
  Lookup t;
  t.shell.windowsDirectory = "";  // falls back to C:\Windows
  t.shell.associations["c:\\orvanebk.htm"] = "C:\\web.exe";

  EXPECT_EQ(FindWebBrowser("www.orvane.example", t.context), "C:\\web.exe");
  // clang-format off
  const std::vector<std::string> probed = {
      "C:\\Windows\\",
      "E:\\",
      "C:\\Program Files\\Common Files\\Microsoft Shared\\Stationery\\",
      "C:\\Windows\\system\\",
      "C:\\Windows\\help\\",
      "C:\\Windows\\web\\",
      "C:\\"};
  // clang-format on
  EXPECT_EQ(t.files.listed, probed);
  EXPECT_EQ(t.files.written, std::vector<std::string>{"C:\\orvanebk.htm"});
  EXPECT_EQ(t.files.contents["c:\\orvanebk.htm"], " \r\n");
  EXPECT_EQ(t.files.deleted, std::vector<std::string>{"C:\\orvanebk.htm"});
  EXPECT_FALSE(t.files.Has("C:\\orvanebk.htm"));
}

TEST(FindWebBrowser, EmptyPathOrUnwritableRootTriesEveryFolderItCanAndFindsNothing) {
  Lookup t;
  t.files.AddFile("C:\\WINDOWS\\a.htm");
  t.shell.associations["c:\\windows\\a.htm"] = "C:\\web.exe";
  t.shell.associations["c:\\orvanebk.htm"] = "C:\\web.exe";  // nor the page written in C:
  EXPECT_EQ(FindWebBrowser("", t.context), "");
  EXPECT_EQ(t.files.listed.size(), 7u);
  EXPECT_EQ(t.files.deleted.size(), 1u);

  Lookup unwritable;  // an unwritable root skips the last folder cleanly
  unwritable.files.writable = false;
  EXPECT_EQ(FindWebBrowser("http://x", unwritable.context), "");
  EXPECT_EQ(unwritable.files.listed.size(), 6u);
  EXPECT_TRUE(unwritable.files.deleted.empty());  // nothing of ours to delete
  ASSERT_EQ(unwritable.shell.queries.size(), 1u);
  EXPECT_EQ(unwritable.shell.queries[0].file, "http://x") << "asked about the address as it stands";
}

TEST(FindAssociatedProgram, SucceedsAboveThirtyTwoOnly) {
  Lookup t;
  t.shell.associations["e:\\a.pdx"] = "C:\\Viewer\\pdx.exe";
  EXPECT_EQ(FindAssociatedProgram("E:\\a.pdx", t.context), "C:\\Viewer\\pdx.exe");
  EXPECT_EQ(FindAssociatedProgram("E:\\b.pdx", t.context), "");
}

}  // namespace
}  // namespace orvane
