// The tree search and the missing-target lookup over real temporary trees, through the POSIX file
// system with the application drive mapped onto a folder.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "action_fakes.h"
#include "actions/missing_target.h"
#include "actions/tree_search.h"
#include "posix_file_system.h"
#include "support/temp_folder.h"

namespace orvane {
namespace {

using action_testing::CountingPump;
using action_testing::FakeProgress;
using action_testing::RecordingShell;

// A temporary tree with the application drive mapped onto it.
struct PosixSearch {
  testing::TempFolder temp;
  std::string root = temp.Folder();  // without its closing separator, from the constructor on
  PosixFileSystem files;
  CountingPump pump;
  FakeProgress progress;
  TreeSearch search{files, pump, progress};
  PosixSearch() {
    root.pop_back();
    files.MapDrive('E', root);
  }
  void Folder(const std::string& relative) { ::mkdir((root + "/" + relative).c_str(), 0755); }
  void File(const std::string& relative) { std::ofstream(root + "/" + relative) << "x"; }
  void Link(const std::string& target, const std::string& relative) {
    ASSERT_EQ(::symlink(target.c_str(), (root + "/" + relative).c_str()), 0);
  }
};

TEST(PosixTreeSearch, FindsFilesAndSkipsHiddenOnes) {
  PosixSearch t;
  t.Folder("docs");
  t.Folder("docs/.hidden");
  t.File("docs/.hidden/guide.pdf");
  t.File("docs/.guide.pdf");
  EXPECT_EQ(t.search.SearchFolderTree("guide.pdf", false, "E:\\"), kNotFound);
  t.Folder("docs/manuals");
  t.File("docs/manuals/Guide.PDF");
  EXPECT_EQ(t.search.SearchFolderTree("guide.pdf", false, "E:\\"), "E:\\docs\\manuals\\Guide.PDF");
}

TEST(PosixTreeSearch, FolderNamedLikeTheTargetMetFirstIsReturned) {
  PosixSearch t;
  t.Folder("setup.exe");
  t.Folder("bin");
  t.File("bin/setup.exe");
  EXPECT_EQ(t.search.SearchFolderTree("setup.exe", false, "E:\\"), "E:\\setup.exe");
}

TEST(PosixTreeSearch, LinkCycleEnds) {
  PosixSearch t;
  t.Folder("a");
  t.Link(t.root, "a/loop");        // back to the root
  t.Link(t.root + "/a", "again");  // and into a folder searched anyway
  EXPECT_EQ(t.search.SearchFolderTree("nothing.pdf", true, "E:\\"), kNotFound);
  EXPECT_EQ(t.pump.pumps, 2);  // the root and a, nothing through the links
}

TEST(PosixTreeSearch, ProgressThresholdAndCancelOverARealTree) {
  PosixSearch t;
  for (int i = 0; i < 19; ++i) t.Folder("f" + std::to_string(i));
  EXPECT_EQ(t.search.SearchFolderTree("x.pdf", true, "E:\\"), kNotFound);
  EXPECT_EQ(t.progress.opened, 0);

  for (int i = 19; i < 40; ++i) t.Folder("f" + std::to_string(i));
  t.File("f39/x.pdf");
  t.progress.cancelAfterFolders = 3;
  EXPECT_EQ(t.search.SearchFolderTree("x.pdf", true, "E:\\"), "x.pdf");
  EXPECT_EQ(t.progress.opened, 1);
  EXPECT_EQ(t.progress.closed, 1);
  EXPECT_EQ(t.progress.folders.size(), 3u);
}

TEST(PosixFileSystem, DrivePathsAttributesAndCaseBlindLookup) {
  PosixSearch t;
  t.Folder("Docs");
  t.File("Docs/Read.Me");
  t.File(".secret");
  EXPECT_EQ(t.files.NativePath("E:\\Docs\\Read.Me"), t.root + "/Docs/Read.Me");
  EXPECT_EQ(t.files.NativePath("e:"), t.root + "/");
  EXPECT_EQ(t.files.NativePath("F:\\x"), "");
  EXPECT_EQ(t.files.NativePath("docs\\x"), "");

  auto file = t.files.GetAttributes("e:\\docs\\read.me");
  ASSERT_TRUE(file);
  EXPECT_FALSE(file->Directory);
  EXPECT_TRUE(file->Ordinary());
  auto folder = t.files.GetAttributes("E:\\DOCS\\");
  ASSERT_TRUE(folder);
  EXPECT_TRUE(folder->Directory);
  auto hidden = t.files.GetAttributes("E:\\.secret");
  ASSERT_TRUE(hidden);
  EXPECT_TRUE(hidden->Hidden);
  EXPECT_FALSE(t.files.GetAttributes("E:\\docs\\none"));
  EXPECT_EQ(t.files.ListFolder("E:\\docs\\").size(), 1u);

  EXPECT_TRUE(t.files.WriteTextFile("E:\\page.htm", " \r\n"));
  EXPECT_TRUE(t.files.GetAttributes("E:\\PAGE.HTM"));
  EXPECT_TRUE(t.files.DeleteFile("E:\\Page.htm"));
  EXPECT_FALSE(t.files.GetAttributes("E:\\page.htm"));
  EXPECT_FALSE(t.files.WriteTextFile("F:\\page.htm", "x"));
}

TEST(PosixLocateMissingTarget, LikelyFoldersThenTreeThenDrive) {
  PosixSearch t;
  RecordingShell shell;
  t.Folder("disc");
  t.Folder("disc/player");
  t.Folder("docs");
  t.File("docs/x.pdf");
  LookupContext context{shell, t.files, "E:\\disc\\player\\"};
  // c:\data\docs\x.pdf is looked for as E:\data\docs\x.pdf, then E:\docs\x.pdf.
  EXPECT_EQ(LocateMissingTarget("C:\\data\\docs\\x.pdf", context, t.pump, t.search), "E:\\docs\\x.pdf");
  EXPECT_EQ(t.progress.opened, 0);

  t.Folder("disc/player/sub");
  t.File("disc/player/sub/y.pdf");
  EXPECT_EQ(LocateMissingTarget("C:\\y.pdf", context, t.pump, t.search), "E:\\disc\\player\\sub\\y.pdf");

  t.Folder("other");
  t.File("other/z.pdf");
  EXPECT_EQ(LocateMissingTarget("C:\\z.pdf", context, t.pump, t.search), "E:\\other\\z.pdf");

  t.File("other/.w.pdf");
  EXPECT_EQ(LocateMissingTarget("C:\\other\\.w.pdf", context, t.pump, t.search), "C:\\other\\.w.pdf");
}

}  // namespace
}  // namespace orvane
#endif  // _WIN32
