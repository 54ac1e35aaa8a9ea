// Where a missing target is looked for, and in which order.
#include <gtest/gtest.h>

#include "action_fakes.h"
#include "actions/missing_target.h"

namespace orvane {
namespace {

using action_testing::CountingPump;
using action_testing::FakeFileSystem;
using action_testing::FakeProgress;
using action_testing::RecordingShell;

struct Locate {
  FakeFileSystem files;
  RecordingShell shell;
  CountingPump pump;
  FakeProgress progress;
  TreeSearch search{files, pump, progress};
  LookupContext context{shell, files, "E:\\player\\"};
  std::string Run(const std::string& path) { return LocateMissingTarget(path, context, pump, search); }
};

// The candidate folders in their order: the application folder; the target's folders on the
// application drive, from the longest tail to the root; then the target's own folders, deepest
// first, down to a separator at the path's first, second or third character. None of them takes a
// tree search, and the window is kept alive once before the look-up starts.
TEST(LocateMissingTarget, CandidateFoldersInTheirOrder) {
  const struct {
    std::string path;
    std::vector<std::string> files;
    std::string found;
  } rows[] = {{"C:\\Docs\\X.PDF", {"E:\\player\\x.pdf", "E:\\docs\\x.pdf"}, "E:\\player\\x.pdf"},
              {"C:\\data\\docs\\x.pdf", {"E:\\docs\\x.pdf", "E:\\x.pdf", "C:\\data\\x.pdf"}, "E:\\docs\\x.pdf"},
              {"C:\\x.pdf", {"E:\\x.pdf", "E:\\x\\x.pdf"}, "E:\\x.pdf"},         // not a folder named after the file
              {"\\\\?\\C:\\x.pdf", {"E:\\c\\x.pdf", "E:\\x.pdf"}, "E:\\x.pdf"},  // nor after the drive
              {"C:\\data\\docs\\x.pdf", {"C:\\data\\x.pdf", "C:\\x.pdf"}, "C:\\data\\x.pdf"},
              {"C:\\data\\docs\\x.pdf", {"C:\\x.pdf"}, "C:\\x.pdf"},
              {"\\d\\x.pdf", {"\\x.pdf"}, "\\x.pdf"},
              {"d\\x.pdf", {"d\\x.pdf"}, "d\\x.pdf"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.path);
    Locate t;
    for (const std::string& file : row.files) t.files.AddFile(file);
    EXPECT_EQ(t.Run(row.path), row.found);
    EXPECT_TRUE(t.files.listed.empty());
    EXPECT_EQ(t.pump.pumps, 1);
  }
}

TEST(LocateMissingTarget, ThenTheApplicationTreeThenTheDrive) {
  Locate t;
  t.files.AddFile("E:\\player\\sub\\deeper\\x.pdf");
  t.files.AddFile("E:\\other\\x.pdf");
  for (int i = 0; i < 25; ++i) t.files.AddFolder("E:\\player\\f" + std::to_string(i));
  EXPECT_EQ(t.Run("C:\\x.pdf"), "E:\\player\\sub\\deeper\\x.pdf");
  EXPECT_EQ(t.progress.opened, 0) << "the application tree is searched without a window";

  Locate drive;
  drive.files.AddFolder("E:\\player");
  drive.files.AddFile("E:\\other\\x.pdf");
  EXPECT_EQ(drive.Run("C:\\x.pdf"), "E:\\other\\x.pdf");
  EXPECT_EQ(drive.files.listed, (std::vector<std::string>{"E:\\player\\", "E:\\", "E:\\player\\", "E:\\other\\"}));
}

TEST(LocateMissingTarget, HiddenFileIsNotAcceptedAnywhere) {
  Locate t;
  t.files.AddFile("E:\\player\\x.pdf", {false, true});
  t.files.AddFile("E:\\docs\\x.pdf", {false, false, true});
  t.files.AddFile("E:\\player\\sub\\x.pdf", {false, true});
  EXPECT_EQ(t.Run("C:\\docs\\x.pdf"), "C:\\docs\\x.pdf");
}

TEST(LocateMissingTarget, CancelledDriveSearchGivesTheBareName) {
  Locate t;
  for (int i = 0; i < 30; ++i) t.files.AddFolder("E:\\f" + std::to_string(i));
  t.progress.cancelAfterFolders = 1;
  EXPECT_EQ(t.Run("C:\\Docs\\Manual.PDF"), "manual.pdf");
  EXPECT_EQ(t.progress.closed, 1);
}

TEST(LocateMissingTarget, PathWithoutFileNameIsReturnedAsItIs) {
  Locate t;
  EXPECT_EQ(t.Run("C:"), "C:");
  EXPECT_TRUE(t.files.listed.empty());
}

}  // namespace
}  // namespace orvane
