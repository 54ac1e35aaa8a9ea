// The breadth-first tree search over the fake file system: order, skip rules, progress, cancel.
#include <gtest/gtest.h>

#include "action_fakes.h"
#include "actions/tree_search.h"

namespace orvane {
namespace {

using action_testing::CountingPump;
using action_testing::FakeFileSystem;
using action_testing::FakeProgress;

struct Search {
  FakeFileSystem files;
  CountingPump pump;
  FakeProgress progress;
  TreeSearch search{files, pump, progress};
};

TEST(TreeSearch, BreadthFirstInListingOrderAndFoldersMatchToo) {
  Search t;
  t.files.AddFile("E:\\a\\deep\\target.pdf");
  t.files.AddFolder("E:\\b\\Target.PDF");  // a folder of that name, met first
  t.files.AddFile("E:\\c\\target.pdf");
  EXPECT_EQ(t.search.SearchFolderTree("target.pdf", false, "E:\\"), "E:\\b\\Target.PDF");
  EXPECT_EQ(t.files.listed, (std::vector<std::string>{"E:\\", "E:\\a\\", "E:\\b\\"}));
  EXPECT_EQ(t.pump.pumps, 3);  // once per folder taken
}

TEST(TreeSearch, HiddenAndSystemEntriesAreNeitherMatchedNorEntered) {
  Search t;
  t.files.AddFile("E:\\target.pdf", {false, true});
  t.files.AddFolder("E:\\sys", {true, false, true});
  t.files.AddFile("E:\\sys\\target.pdf");
  EXPECT_EQ(t.search.SearchFolderTree("target.pdf", false, "E:\\"), kNotFound);
  EXPECT_EQ(t.files.listed, std::vector<std::string>{"E:\\"});
}

TEST(TreeSearch, FolderLinksAreNeverEntered) {
  Search t;
  FileAttributes link;
  link.Link = true;
  t.files.AddFolder("E:\\loop", link);
  t.files.AddFile("E:\\loop\\target.pdf");
  EXPECT_EQ(t.search.SearchFolderTree("target.pdf", false, "E:\\"), kNotFound);
  EXPECT_EQ(t.files.listed.size(), 1u);
}

TEST(TreeSearch, DotNamesAreSkippedExceptAsTheFirstEntryOfAListing) {
  Search t;
  t.files.AddFolder("E:\\.first");
  t.files.AddFolder("E:\\.second");
  t.files.AddFile("E:\\.first\\x.txt");
  t.files.AddFile("E:\\.second\\x.txt");
  EXPECT_EQ(t.search.SearchFolderTree("x.txt", false, "E:\\"), "E:\\.first\\x.txt");
  EXPECT_EQ(t.files.listed, (std::vector<std::string>{"E:\\", "E:\\.first\\"}));
  t.files.AddFile("E:\\.second\\y.txt");
  EXPECT_EQ(t.search.SearchFolderTree("y.txt", false, "E:\\"), kNotFound);
  EXPECT_EQ(t.files.listed.size(), 4u) << "the second dot folder is never entered";
}

TEST(TreeSearch, StartFolderWithDoubledSeparatorOnlyKeepsFirstEntriesAndEnds) {
  Search t;
  t.files.AddFolder("E:\\net\\one");
  t.files.AddFolder("E:\\net\\two");
  t.files.AddFile("E:\\net\\one\\a.txt");
  t.files.AddFile("E:\\net\\one\\b.txt");
  EXPECT_EQ(t.search.SearchFolderTree("b.txt", false, "E:\\net\\\\"), kNotFound);
}

TEST(TreeSearch, ProgressWindowFromTheTwentyFirstFolderOnly) {
  Search small;
  for (int i = 0; i < 19; ++i) small.files.AddFolder("E:\\f" + std::to_string(i));
  EXPECT_EQ(small.search.SearchFolderTree("x", true, "E:\\"), kNotFound);  // 20 folders
  EXPECT_EQ(small.progress.opened, 0);

  Search big;
  for (int i = 0; i < 22; ++i) big.files.AddFolder("E:\\f" + std::to_string(i));
  EXPECT_EQ(big.search.SearchFolderTree("x", true, "E:\\"), kNotFound);  // 23 folders
  EXPECT_EQ(big.progress.opened, 1);
  EXPECT_EQ(big.progress.closed, 1);
  EXPECT_EQ(big.progress.folders,
            (std::vector<std::string>{"E:\\f19\\", "E:\\f20\\", "E:\\f21\\"}));

  Search quiet;
  for (int i = 0; i < 22; ++i) quiet.files.AddFolder("E:\\f" + std::to_string(i));
  quiet.search.SearchFolderTree("x", false, "E:\\");
  EXPECT_EQ(quiet.progress.opened, 0);
}

TEST(TreeSearch, CancelFinishesTheCurrentListingThenReturnsTheName) {
  Search t;
  for (int i = 0; i < 30; ++i) t.files.AddFolder("E:\\f" + std::to_string(i));
  t.files.AddFile("E:\\f25\\x.pdf");
  t.progress.cancelAfterFolders = 2;
  t.search.SearchCancelled = true;  // a stale flag from an earlier search is cleared
  EXPECT_EQ(t.search.SearchFolderTree("x.pdf", true, "E:\\"), "x.pdf");
  EXPECT_EQ(t.files.listed.back(), "E:\\f20\\");  // listed although Cancel came first
  EXPECT_EQ(t.progress.closed, 1);
  EXPECT_TRUE(t.search.SearchCancelled);
}

TEST(TreeSearch, MissingStartFolderIsNotFound) {
  Search t;
  EXPECT_EQ(t.search.SearchFolderTree("x", true, "Q:\\"), kNotFound);
}

}  // namespace
}  // namespace orvane
