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

// What is passed over: hidden and system entries, folder links, and after the first entry of a
// listing every name that makes a doubled separator or "\\." with the folder.
TEST(TreeSearch, EntriesThatArePassedOver) {
  const FileAttributes file, folder{true}, hidden{false, true}, systemFolder{true, false, true},
      link{true, false, false, false, true};
  const std::vector<std::pair<std::string, FileAttributes>> dotFolders = {
      {"E:\\.first", folder}, {"E:\\.second", folder}, {"E:\\.first\\x.txt", file}, {"E:\\.second\\x.txt", file},
      {"E:\\.second\\y.txt", file}};
  const struct {
    const char* what;
    std::vector<std::pair<std::string, FileAttributes>> entries;
    std::string name, start, found;
    std::vector<std::string> listed;
  } rows[] = {
      {"hidden and system",
       {{"E:\\target.pdf", hidden}, {"E:\\sys", systemFolder}, {"E:\\sys\\target.pdf", file}},
       "target.pdf", "E:\\", kNotFound, {"E:\\"}},
      {"a folder link", {{"E:\\loop", link}, {"E:\\loop\\x.pdf", file}}, "x.pdf", "E:\\", kNotFound, {"E:\\"}},
      {"a dot name first in its listing", dotFolders, "x.txt", "E:\\", "E:\\.first\\x.txt", {"E:\\", "E:\\.first\\"}},
      {"a dot name second in its listing", dotFolders, "y.txt", "E:\\", kNotFound, {"E:\\", "E:\\.first\\"}},
      {"a doubled separator in the start folder",
       {{"E:\\net\\one", folder}, {"E:\\net\\two", folder}, {"E:\\net\\one\\a", file}, {"E:\\net\\one\\b", file}},
       "b", "E:\\net\\\\", kNotFound, {"E:\\net\\\\", "E:\\net\\\\one\\"}},
      {"a missing start folder", {}, "x", "Q:\\", kNotFound, {"Q:\\"}},
  };
  for (const auto& row : rows) {
    Search t;
    for (const auto& [path, attributes] : row.entries) t.files.AddFile(path, attributes);
    EXPECT_EQ(t.search.SearchFolderTree(row.name, true, row.start), row.found) << row.what;
    EXPECT_EQ(t.files.listed, row.listed) << row.what;
  }
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

}  // namespace
}  // namespace orvane
