// The command line's own rules, and what list, extract and check make of damaged input.
#include <gtest/gtest.h>

#include <filesystem>

#include "pack_tool/tool_fixtures.h"
#include "tool/disc/disc_check.h"
#include "tool/menu_read.h"
#include "writer/container_find.h"
#include "writer/menu_writer.h"

namespace orvane::pack {
namespace {

using testing::PatternPicture;
using testing::ReadBytes;
using testing::RunTool;
using testing::TempFolder;
using testing::WriteText;

Bytes SmallMenu(int buttons) {
  MenuFile menu;
  menu.Buttons.resize(buttons);
  PictureValue background;
  background.Image = PatternPicture(4, 3, 1);
  menu.Pictures.push_back(background);
  UpdateCounts(menu);
  return WriteMenuFile(menu);
}

TEST(ToolCommandLine, RefusesWhatItCannotDoWithUsageAndStatusTwo) {
  EXPECT_EQ(RunTool({}).Status, 2);
  EXPECT_EQ(RunTool({"--help"}).Status, 0);
  const auto noOutput = RunTool({"build", "a.json"});
  EXPECT_EQ(noOutput.Status, 2);
  EXPECT_NE(noOutput.Err.find("usage:"), std::string::npos);
  EXPECT_EQ(RunTool({"build", "a.json", "-o", "x", "--version", "5"}).Status, 2);
  EXPECT_EQ(RunTool({"list", "a", "--version", "7"}).Err,
            "orvane-pack list: --version takes 6 or 7, and only for build\n");
  EXPECT_EQ(RunTool({"list", "a", "b"}).Status, 2);
  EXPECT_EQ(RunTool({"list", "a", "-o", "x"}).Status, 2);
  EXPECT_EQ(RunTool({"pack", "player.exe", "-o", "x"}).Status, 2);  // no menu
  EXPECT_EQ(RunTool({"dump", "a", "-o"}).Status, 2);
  EXPECT_NE(RunTool({"html", "-o", "x"}).Err.find("html: wrong arguments"), std::string::npos);
  const auto missing = RunTool({"list", "/no/such/file.mnu"});
  EXPECT_EQ(missing.Status, 2);
  EXPECT_NE(missing.Err.find("/no/such/file.mnu: cannot be opened"), std::string::npos);
}

TEST(ToolCommandLine, ListAndExtractReadAMenuFile) {
  TempFolder folder;
  MenuFile menu;
  menu.Settings.MenuTitle = "T\xE9st";
  menu.Buttons.resize(1);
  menu.Buttons[0].Caption = "&Go";
  menu.Buttons[0].ButtonKind = 1;
  menu.Buttons[0].Target = "x.exe";
  PictureValue p;
  p.Slot = {1, 2, 4};
  p.Image = PatternPicture(2, 2, 3);
  menu.Pictures.push_back(p);
  UpdateCounts(menu);
  const Bytes file = WriteMenuFile(menu);
  WriteText(folder, "m.mnu", std::string(file.begin(), file.end()));

  const auto list = RunTool({"list", folder.PathOf("m.mnu")});
  ASSERT_EQ(list.Status, 0) << list.Err;
  EXPECT_NE(list.Out.find("version 7, 1 buttons, 1 pictures, \"T\xC3\xA9st\""), std::string::npos) << list.Out;
  EXPECT_NE(list.Out.find("button 1: push at 0,0 \"&Go\" -> x.exe"), std::string::npos) << list.Out;

  const auto extract = RunTool({"extract", folder.PathOf("m.mnu"), "-o", folder.PathOf("pics")});
  ASSERT_EQ(extract.Status, 0) << extract.Err;
  EXPECT_TRUE(std::filesystem::exists(folder.PathOf("pics/button001_state2_frame004.png")));

  WriteText(folder, "text.txt", "just text");
  const auto neither = RunTool({"dump", folder.PathOf("text.txt"), "-o", folder.PathOf("d")});
  EXPECT_EQ(neither.Status, 2);
  EXPECT_NE(neither.Err.find("is neither a packed player"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.PathOf("d")));
}

TEST(ContainerStart, OnlyATrailerThatPointsAtTheMagicCounts) {
  Bytes exe = {'M', 'Z', 1, 2, 3, 4, 5, 6};
  const Bytes packed = AppendContainer(exe, {{"a.mnu", SmallMenu(0)}});
  EXPECT_EQ(FindContainerStart(packed), std::optional<size_t>(exe.size()));
  Bytes pointsAtZero = packed;
  pointsAtZero[pointsAtZero.size() - 4] = 1;  // stored 1: position 0
  pointsAtZero[pointsAtZero.size() - 3] = 0;
  EXPECT_FALSE(FindContainerStart(pointsAtZero).has_value());
  Bytes pastTheEnd = packed;
  pastTheEnd[pastTheEnd.size() - 1] = 0x7F;
  EXPECT_FALSE(FindContainerStart(pastTheEnd).has_value());
  Bytes noMagic = packed;
  noMagic[exe.size()] = 'X';
  EXPECT_FALSE(FindContainerStart(noMagic).has_value());
  EXPECT_FALSE(FindContainerStart(Bytes{1, 2, 3}).has_value());
  EXPECT_FALSE(FindContainerStart(AppendContainer(Bytes{}, {{"a.mnu", SmallMenu(0)}})).has_value());
}

TEST(DiscCheck, DamagedMenusAndContainerFaultsAreFindingsToo) {
  TempFolder folder;
  Bytes damaged = SmallMenu(2);
  damaged.resize(damaged.size() - 10);  // cut inside the picture
  MenuFile odd;
  odd.Buttons.resize(1);
  odd.Buttons[0].ButtonKind = 4;
  odd.Buttons[0].AnimMode = 6;
  odd.Settings.InitialButton = 3;
  odd.Settings.Placement = 11;
  // The last frame a state can have, and a button that the menu does not have.
  odd.Pictures = {{0, {1, 1, kMaxFrame}, PatternPicture(2, 2, 1)}, {0, {2, 0, 0}, PatternPicture(2, 2, 2)}};
  UpdateCounts(odd);
  const Bytes player = AppendContainer(Bytes{'M', 'Z'}, {{"Main.mnu", damaged},
                                                          {"main.MNU", SmallMenu(1)},
                                                          {"odd.mnu", WriteMenuFile(odd)},
                                                          {"index.mnu", SmallMenu(0)}});
  WriteText(folder, "disc/setup.EXE", std::string(player.begin(), player.end()));
  WriteText(folder, "disc/other.exe", "MZ without menus");
  Bytes broken = AppendContainer(Bytes{'M', 'Z'}, {});
  broken[2 + 18] = 255;  // its entry count: more entries than the file holds
  WriteText(folder, "disc/broken.exe", std::string(broken.begin(), broken.end()));

  const DiscReport report = CheckDisc(folder.PathOf("disc"));
  std::vector<std::string> lines;
  for (const Finding& f : report.Problems) lines.push_back(FormatFinding(f));
  auto has = [&](const std::string& text) {
    for (const std::string& l : lines)
      if (l.find(text) != std::string::npos) return true;
    return false;
  };
  EXPECT_TRUE(has("setup.EXE: main.mnu: the player reports \"Error loading binary menu data.\""));
  EXPECT_TRUE(has("setup.EXE: container: two packed files are named main.mnu"));
  EXPECT_TRUE(has("odd.mnu: placement: 11 is no placement code"));
  EXPECT_TRUE(has("odd.mnu: initial_button: button 3 does not exist"));
  EXPECT_TRUE(has("odd.mnu: pictures.normal: the menu has no background picture"));
  EXPECT_TRUE(has("odd.mnu: button 1: kind: 4 is no button kind"));
  EXPECT_TRUE(has("odd.mnu: button 1: animation: 6 is no animation mode"));
  EXPECT_TRUE(has("main.mnu: button 2: pictures.normal: an image button without its normal picture"));
  EXPECT_TRUE(has("odd.mnu: button 1: pictures.highlighted.frames: frame 100 follows"));
  EXPECT_TRUE(has("broken.exe: container: the player cannot read its menus: the list of packed "
                  "files is damaged or cut short"));
  EXPECT_EQ(lines.size(), 13u) << ::testing::PrintToString(lines);
  EXPECT_EQ(FormatFinding(report.Notes.at(0)),
            "setup.EXE: odd.mnu: pictures: picture (button 2, state 0, frame 0) lies outside the "
            "menu's buttons, states or frames 0 to 100; the player never shows it");
  EXPECT_NE(RunTool({"list", folder.PathOf("disc/setup.EXE")})
                .Out.find("\"\" (DAMAGED: the player reports a read error)\n"), std::string::npos);
  EXPECT_EQ(RunTool({"list", folder.PathOf("disc/broken.exe")}).Out,
            folder.PathOf("disc/broken.exe") + ": packed player, container at byte 2, 0 packed files "
                                               "(DAMAGED: the player cannot read the list of packed files)\n");
  // One page for the two menus of one name, as the player reaches only the first.
  EXPECT_EQ(RunTool({"html", folder.PathOf("disc/setup.EXE"), "-o", folder.PathOf("web")}).Out,
            "  warning: setup.EXE: main.mnu: the player cannot read it; no page: Error loading "
            "binary menu data.\n  warning: setup.EXE: odd.mnu: the player cannot read it; no page\n"
            "wrote " + (std::filesystem::path(folder.PathOf("web")) / "menu3index.html").string() +
                "\n");  // index.html is the first's
}

}  // namespace
}  // namespace orvane::pack
