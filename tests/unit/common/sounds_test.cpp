#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/sounds.h"
#include "support/recording_dialog.h"

namespace orvane {
namespace {

class FakeFileSystem : public FileSystem {
 public:
  void Add(const std::string& path, FileAttributes attributes = {}) { files[path] = attributes; }
  std::optional<FileAttributes> GetAttributes(const std::string& path) override {
    lookups.push_back(path);
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::vector<FolderEntry> ListFolder(const std::string&) override { return {}; }
  bool WriteTextFile(const std::string&, const std::string&) override { return false; }
  bool DeleteFile(const std::string&) override { return false; }

  std::map<std::string, FileAttributes> files;
  std::vector<std::string> lookups;
};

// Records every call as one line: "file <path> wait|nowait", "builtin <slot> wait|nowait",
// "pump".
class RecordingOutput : public SoundOutput {
 public:
  bool LoadBuiltIn(std::string& error) override {
    error = loadError;
    return loadError.empty();
  }
  void PlayFile(const std::string& path, bool wait) override {
    calls.push_back("file " + path + (wait ? " wait" : " nowait"));
  }
  void PlayBuiltIn(int32_t slot, bool wait) override {
    calls.push_back("builtin " + std::to_string(slot) + (wait ? " wait" : " nowait"));
  }
  void PumpMessages() override { ++pumps; }

  std::string loadError;
  std::vector<std::string> calls;
  int pumps = 0;
};

constexpr char kFolder[] = "D:\\";

FileAttributes Attributes(bool folder, bool hidden, bool system) {
  FileAttributes a;
  a.Directory = folder, a.Hidden = hidden, a.System = system;
  return a;
}
const FileAttributes kHidden = Attributes(false, true, false), kSystem = Attributes(false, false, true),
                     kFolderEntry = Attributes(true, false, false);

class SoundsTest : public ::testing::Test {
 protected:
  SoundsTest() : sounds(out, fs) { sounds.ApplicationFolder = kFolder; }
  void Add(const std::string& name, FileAttributes a = {}) { fs.Add(kFolder + name, a); }
  std::string Last() const { return out.calls.empty() ? "" : out.calls.back(); }

  FakeFileSystem fs;
  RecordingOutput out;
  Sounds sounds;
};

TEST_F(SoundsTest, WithoutSideFilesEverySoundIsBuiltInAndNoActionIsSilent) {
  sounds.PlayStartSound();
  sounds.PlaySelectSound("main.mnu", 1);
  sounds.PlayClickSound("main.mnu", 1, true);
  sounds.PlayChangeSound("other.mnu");
  sounds.PlayExitSound();
  sounds.PlayNoActionSound();
  EXPECT_EQ(out.calls, (std::vector<std::string>{"builtin 1 nowait", "builtin 2 nowait", "builtin 3 wait",
                                                 "builtin 4 wait", "builtin 5 wait"}));
}

TEST_F(SoundsTest, BuiltInKindsOutsideTheTableMeanSelect) {
  sounds.PlayBuiltInSound(5, true);
  sounds.PlayBuiltInSound(0, false);
  sounds.PlayBuiltInSound(-3, false);
  sounds.PlayBuiltInSound(6, true);
  EXPECT_EQ(out.calls,
            (std::vector<std::string>{"builtin 5 wait", "builtin 2 nowait", "builtin 2 nowait", "builtin 2 wait"}));
}

TEST_F(SoundsTest, SelectRowTriesMenuThenNumberedThenPlainName) {
  sounds.PlaySelectSound("mainmenu.mnu", 3);
  EXPECT_EQ(fs.lookups, (std::vector<std::string>{"D:\\mainmenus3.wav", "D:\\select3.wav", "D:\\select.wav"}));
  Add("select.wav", kHidden);  // any attributes count for select
  sounds.PlaySelectSound("mainmenu.mnu", 3);
  EXPECT_EQ(Last(), "file D:\\select.wav nowait");
  Add("select3.wav");
  sounds.PlaySelectSound("mainmenu.mnu", 3);
  EXPECT_EQ(Last(), "file D:\\select3.wav nowait");
  Add("mainmenus3.wav", kSystem);
  sounds.PlaySelectSound("mainmenu.mnu", 3);
  EXPECT_EQ(Last(), "file D:\\mainmenus3.wav nowait");
  sounds.PlaySelectSound("mainmenu.mnu", 4);
  EXPECT_EQ(Last(), "file D:\\select.wav nowait");
}

TEST_F(SoundsTest, BaseIsTheNameBeforeTheFirstDotAndEmptyWithoutDot) {
  sounds.PlaySelectSound("MainMenu", 2);
  EXPECT_EQ(fs.lookups.front(), "D:\\s2.wav");
  fs.lookups.clear();
  sounds.PlayClickSound("MainMenu", 2, false);
  EXPECT_EQ(fs.lookups.front(), "D:\\c2.wav");
  fs.lookups.clear();
  sounds.PlayChangeSound("a.b.mnu");
  EXPECT_EQ(fs.lookups.front(), "D:\\a.wav");
  EXPECT_EQ(MenuBaseName(".mnu"), "");
  EXPECT_EQ(MenuBaseName("x.y.z"), "x");
}

TEST_F(SoundsTest, ClickRowIgnoresHiddenAndSystemFilesAndNumbersHaveNoLeadingZeros) {
  Add("click.wav", kHidden);
  Add("click12.wav", kSystem);
  sounds.PlayClickSound("mainmenu.mnu", 12, true);
  EXPECT_EQ(fs.lookups, (std::vector<std::string>{"D:\\mainmenuc12.wav", "D:\\click12.wav", "D:\\click.wav"}));
  EXPECT_EQ(out.calls, std::vector<std::string>{"builtin 3 wait"});

  Add("click12.wav");
  sounds.ClickPlayed = false;
  sounds.PlayClickSound("mainmenu.mnu", 12, false);
  EXPECT_EQ(Last(), "file D:\\click12.wav nowait");

  Add("mainmenuc12.wav", FileAttributes{});
  fs.files[std::string(kFolder) + "mainmenuc12.wav"].ReadOnly = true;  // read-only is ordinary
  sounds.ClickPlayed = false;
  sounds.PlayClickSound("mainmenu.mnu", 12, true);
  EXPECT_EQ(Last(), "file D:\\mainmenuc12.wav wait");
}

TEST_F(SoundsTest, ClickPlaysOncePerActionAndPumpsAHundredTimes) {
  sounds.PlayClickSound("m.mnu", 1, true);
  EXPECT_TRUE(sounds.ClickPlayed);
  EXPECT_EQ(out.pumps, 100);
  sounds.PlayClickSound("m.mnu", 1, true);  // same action: silent, no pumping
  EXPECT_EQ(out.calls.size(), 1u);
  EXPECT_EQ(out.pumps, 100);
  sounds.ClickPlayed = false;  // the next action
  sounds.PlayClickSound("m.mnu", 1, false);
  EXPECT_EQ(out.calls, (std::vector<std::string>{"builtin 3 wait", "builtin 3 nowait"}));
  EXPECT_EQ(out.pumps, 200);
}

TEST_F(SoundsTest, StartAndExitTakeAnyAttributesStartDoesNotWaitExitDoes) {
  Add("start.wav", kHidden);
  Add("exit.wav", kSystem);
  sounds.PlayStartSound();
  sounds.PlayExitSound();
  EXPECT_EQ(out.calls, (std::vector<std::string>{"file D:\\start.wav nowait", "file D:\\exit.wav wait"}));
}

TEST_F(SoundsTest, ChangeSoundByNewMenuNameThenChangeWavOrdinaryOnly) {
  Add("change.wav");
  Add("products.wav");
  sounds.PlayChangeSound("products.mnu");
  EXPECT_EQ(Last(), "file D:\\products.wav wait");
  sounds.PlayChangeSound("other.mnu");
  EXPECT_EQ(Last(), "file D:\\change.wav wait");
  fs.files[std::string(kFolder) + "change.wav"].Hidden = true;
  sounds.PlayChangeSound("other.mnu");
  EXPECT_EQ(Last(), "builtin 4 wait");
}

TEST_F(SoundsTest, NoActionPlaysOnlyAnOrdinaryFileAndWaits) {
  Add("noaction.wav", kHidden);
  sounds.PlayNoActionSound();
  EXPECT_TRUE(out.calls.empty());
  fs.files[std::string(kFolder) + "noaction.wav"] = FileAttributes{};
  sounds.PlayNoActionSound();
  EXPECT_EQ(out.calls, std::vector<std::string>{"file D:\\noaction.wav wait"});
}

TEST_F(SoundsTest, AFolderNamedLikeASoundIsSkipped) {
  Add("start.wav", kFolderEntry);
  Add("mainmenuc1.wav", kFolderEntry);
  Add("click1.wav");
  sounds.PlayStartSound();
  sounds.PlayClickSound("mainmenu.mnu", 1, true);
  EXPECT_EQ(out.calls, (std::vector<std::string>{"builtin 1 nowait", "file D:\\click1.wav wait"}));
}

TEST_F(SoundsTest, LoadFailureIsShownAsAnErrorWithThePlatformText) {
  testing::RecordingMessageDialog dialog;
  EXPECT_TRUE(sounds.LoadBuiltInSounds(dialog, "Orvane"));
  EXPECT_TRUE(dialog.Messages.empty());
  out.loadError = "The specified resource name cannot be found in the image file.";
  EXPECT_FALSE(sounds.LoadBuiltInSounds(dialog, "Orvane"));
  ASSERT_EQ(dialog.Messages.size(), 1u);
  const testing::ShownMessage& m = dialog.Messages[0];
  EXPECT_EQ(m.Text + "|" + m.Caption, "The specified resource name cannot be found in the image file.|Orvane");
  EXPECT_EQ(std::make_tuple(m.Kind, m.Buttons, m.HelpContext, m.DefaultIndex),
            std::make_tuple(MessageKind::Error, mb::OK, 0, -1));
}

}  // namespace
}  // namespace orvane
