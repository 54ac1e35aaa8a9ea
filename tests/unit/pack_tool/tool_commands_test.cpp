// The command line's own rules, and what list, extract and check make of damaged input.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "pack_tool/tool_fixtures.h"
#include "tool/disc/disc_check.h"
#include "tool/disc/text_fit.h"
#include "tool/menu_read.h"
#include "tool/output_names.h"
#include "tool/terminal_text.h"
#include "writer/container_find.h"
#include "writer/menu_writer.h"

namespace orvane::pack {
namespace {

using testing::PatternPicture;
using testing::ReadBytes;
using testing::RunTool;
using testing::TempFolder;
using testing::WriteText;

Bytes SmallMenu(int buttons, const std::string& title = "", const std::string& target = "") {
  MenuFile menu;
  menu.Settings.MenuTitle = title;
  menu.Buttons.resize(buttons);
  if (!target.empty())
    for (ButtonRecord& b : menu.Buttons) {
      b.ButtonKind = 1;
      b.Target = target;
    }
  PictureValue background;
  background.Image = PatternPicture(4, 3, 1);
  menu.Pictures.push_back(background);
  UpdateCounts(menu);
  return WriteMenuFile(menu);
}

std::set<std::string> NamesIn(const std::string& folder) {
  std::set<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), last; !ec && it != last; it.increment(ec))
    names.insert(it->path().filename().u8string());
  return names;
}

TEST(ToolCommandLine, RefusesWhatItCannotDoWithUsageAndStatusTwo) {
  EXPECT_EQ(RunTool({}).Status, 2);
  EXPECT_EQ(RunTool({"--help"}).Status, 0);
  EXPECT_EQ(RunTool({"help"}).Status, 0);
  // Two sources' problems in one run, up to a screenful.
  TempFolder folder;
  WriteText(folder, "b.json", "{\"title\": 1}");
  for (const auto& [count, more] : {std::pair{29, ""}, {30, "and 1 more"}, {40, "and 11 more"}}) {
    std::string fields;  // with b.json's, count + 1 problems
    for (int i = 0; i < count; ++i) fields += (i ? ", \"x" : "{\"x") + std::to_string(i) + "\": 0";
    WriteText(folder, "a.json", fields + "}");
    const auto many = RunTool({"build", folder.PathOf("b.json"), folder.PathOf("a.json"), "-o", "x"});
    EXPECT_EQ(many.Status, 2);
    EXPECT_EQ(many.Err.rfind("orvane-pack: " + folder.PathOf("b.json") + ": title: expected a text", 0), 0u);
    EXPECT_NE(many.Err.find("a.json: x28: unknown field"), std::string::npos) << many.Err;
    const std::string last = many.Err.substr(many.Err.rfind("orvane-pack: ") + 13);
    EXPECT_EQ(last == more + std::string("\n"), *more != 0) << many.Err;
    EXPECT_EQ(std::count(many.Err.begin(), many.Err.end(), '\n'), 30 + (*more ? 1 : 0)) << many.Err;
  }
  // A message of several lines goes on indented, each line escaped on its own.
  WriteText(folder, "a.json", "{\"a\\nb\\u001b\\nc\": 0}");
  EXPECT_EQ(RunTool({"build", folder.PathOf("a.json"), "-o", "x"}).Err,
            "orvane-pack: " + folder.PathOf("a.json") + ": a\n  b\\x1b\n  c: unknown field (misspelt?)\n");
  EXPECT_FALSE(std::filesystem::exists("x"));
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
  EXPECT_EQ(RunTool({"dump", "a", "-o", "x", "--code-page", "65001"}).Err,
            "orvane-pack dump: --code-page takes 874, 932, 936, 949, 950 and 1250 to 1258\n");
  EXPECT_EQ(RunTool({"build", "a", "-o", "x", "--code-page", "1251"}).Err,
            "orvane-pack build: unknown option --code-page\n");
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
  EXPECT_NE(list.Out.find("version 7, 1 button, 1 picture, \"T\xC3\xA9st\""), std::string::npos) << list.Out;
  EXPECT_NE(list.Out.find("button 1: push at 0,0 \"&Go\" -> x.exe"), std::string::npos) << list.Out;

  WriteText(folder, "kept.txt", "kept");
#ifndef _WIN32  // a link where a picture goes is replaced, never written through
  std::filesystem::create_directories(folder.PathOf("pics"));
  std::filesystem::create_symlink("../kept.txt", folder.PathOf("pics/button01_pressed_004.png"));
#endif
  const auto extract = RunTool({"extract", folder.PathOf("m.mnu"), "-o", folder.PathOf("pics")});
  ASSERT_EQ(extract.Status, 0) << extract.Err;
  EXPECT_TRUE(std::filesystem::is_regular_file(
      std::filesystem::symlink_status(folder.PathOf("pics/button01_pressed_004.png"))));
  EXPECT_EQ(ReadBytes(folder.PathOf("kept.txt")), (Bytes{'k', 'e', 'p', 't'}));

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
  // The magic may end right at the trailer, not one byte into it.
  EXPECT_EQ(FindContainerStart(Bytes{'M', 'Z', 'F', 'P', 'A', 'K', 3, 0, 0, 0}), std::optional<size_t>(2));
  EXPECT_FALSE(FindContainerStart(Bytes{'M', 'Z', 'F', 'P', 'A', 'K', 4, 0, 0, 0}).has_value());
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
  const auto outlined = [](const char* shape) {  // over a background of 4 x 3
    MenuFile menu;
    menu.Settings.TransparentColour = 13;
    menu.Settings.ShapeText = shape;
    menu.Pictures = {PictureAt(0, 0, 0, PatternPicture(4, 3, 1))};
    UpdateCounts(menu);
    return WriteMenuFile(menu);
  };
  const Bytes shapes = AppendContainer(
      Bytes{'M', 'Z'},
      {{"wide.mnu", outlined("00050003")}, {"tall.mnu", outlined("00040004")}, {"fits.mnu", outlined("00040003")}});
  WriteText(folder, "disc/shapes.exe", std::string(shapes.begin(), shapes.end()));
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
  EXPECT_TRUE(has("setup.EXE: container: packed file main.mnu: an earlier packed file has the same name"));
  EXPECT_TRUE(has("odd.mnu: placement: 11 is no placement code"));
  EXPECT_TRUE(has("odd.mnu: initial_button: button 3 does not exist"));
  EXPECT_TRUE(has("odd.mnu: pictures.normal: the menu has no background picture"));
  EXPECT_TRUE(has("odd.mnu: button 1: kind: 4 is no button kind"));
  EXPECT_TRUE(has("odd.mnu: button 1: animation: 6 is no animation mode"));
  EXPECT_TRUE(has("main.mnu: button 2: pictures.normal: an image button without its normal picture"));
  EXPECT_TRUE(has("odd.mnu: button 1: pictures.highlighted.frames: frame 100 follows"));
  EXPECT_TRUE(
      has("broken.exe: container: the player cannot read its menus: the list of packed "
          "files is damaged or cut short"));
  EXPECT_TRUE(has("wide.mnu: shape: outline is 5x3 but the background is 4x3"));
  EXPECT_TRUE(has("tall.mnu: shape: outline is 4x4 but"));
  EXPECT_EQ(lines.size(), 15u) << ::testing::PrintToString(lines);  // none for fits.mnu
  EXPECT_EQ(FormatFinding(report.Notes.at(0)),
            "setup.EXE: odd.mnu: pictures: picture (button 2, state 0, frame 0) lies outside the "
            "menu's buttons, states or frames 0 to 100; the player never shows it");
  EXPECT_NE(
      RunTool({"list", folder.PathOf("disc/setup.EXE")}).Out.find("\"\" (DAMAGED: the player reports a read error)\n"),
      std::string::npos);
  EXPECT_EQ(RunTool({"list", folder.PathOf("disc/broken.exe")}).Out,
            folder.PathOf("disc/broken.exe") +
                ": packed player, container at byte 2, 0 packed files "
                "(DAMAGED: the player cannot read the list of packed files)\n");
  // One page for the two menus of one name, as the player reaches only the first.
  EXPECT_EQ(RunTool({"html", folder.PathOf("disc/setup.EXE"), "-o", folder.PathOf("web")}).Out,
            "  warning: main.mnu: the player never opens it, so it gets no page: an earlier packed "
            "file has the same name; the player only ever reaches the first\n  warning: setup.EXE: main.mnu: the "
            "player cannot read it; no page: Error loading "
            "binary menu data.\n  warning: setup.EXE: odd.mnu: the player cannot read it; no page\n"
            "wrote " +
                (std::filesystem::path(folder.PathOf("web")) / "index~2.html").string() +
                "\n");  // index.html is the first's
}

// A description's lines: each line end starts one ("\r\n" as one), a last one too; a word is moved
// whole to the next line, one wider than the box is broken and the rest goes on after it. At a
// font 100 pixels high "a" is 52 pixels wide and a space 30.
TEST(DiscCheck, DescriptionsWrapAtEveryLineEndAndWidth) {
  const struct {
    std::string text;
    int32_t width, lines;  // 0 lines: no note, as a box without width shows nothing
    // clang-format off
  } rows[] = {
      {"ab", 1000, 1},     {"ab\r\ncd", 1000, 2}, {"ab\rcd", 1000, 2},     {"ab\ncd", 1000, 2},
      {"ab\xB6" "cd", 1000, 2}, {"\r\n", 1000, 2}, {"ab\r\n", 1000, 2},     {"ab\r", 1000, 2},
      {"ab\n", 1000, 2},  {"ab\n\r", 1000, 3},   {"ab\n\ncd", 1000, 3},  {"ab\r\n\r\n", 1000, 3},
      {"ab\r\r\n", 1000, 3}, {"aaaa", 208, 1},  {"aaaa", 207, 2},        {"aaaa aaaa", 208, 2},
      {"aaaaa b", 208, 2}, {"aaaaa bbb", 208, 3},   {"a", 1, 52},             {"a", 0, 0},
      // the rest of a character takes no room; from U+3000 a character is 100 wide, below 60
      {"\xC3\xA9\xC3\xA9\xC3\xA9", 180, 1}, {"\xE6\x97\xA5\xE6\x97\xA5", 200, 1},
      {"\xE3\x80\x80\xE2\x82\xAC", 160, 1},  {"\xE3\x80\x80\xE2\x82\xAC", 159, 2},
  };
  // clang-format on
  for (const auto& row : rows) {
    ShownMenu shown;
    shown.Loaded = true;
    shown.Menu.lblAccText.Bounds = {0, 0, row.width, 1};  // too low for any line: noted
    shown.Menu.lblAccText.Font.Size = -100;
    shown.Menu.DefaultDescription = row.text;
    DiscReport report;
    NoteTextsThatDoNotFit("m.mnu", shown, report);
    ASSERT_EQ(report.Notes.size(), row.lines ? 1u : 0u) << TerminalText(row.text);
    if (row.lines)
      EXPECT_NE(report.Notes[0].Message.find("wraps to about " + std::to_string(row.lines) + " lines"),
                std::string::npos)
          << TerminalText(row.text) << " at " << row.width << ": " << report.Notes[0].Message;
  }
  // Font sizes in points (96 dots per inch), in pixels when negative, 0 the default's 11 pixels.
  for (const auto& [size, pixels] :
       {std::pair{-12, 12}, {0, 11}, {1, 1}, {8, 11}, {9, 12}, {1000, 1333}, {1001, 1333}, {-1001, 1000}}) {
    ControlFont font;
    font.Size = size;
    EXPECT_EQ(FontPixelHeight(font), pixels) << size;
  }
}

// Names and texts from a file at the edges of a UTF-8 C1 control (U+0080 to U+009F): controls
// are escaped for the terminal and become "_" in file names; U+00A0 and a character cut short at
// the end stay. A long name is cut at a character's start, its short extension kept.
TEST(HostilePlayers, ControlCharactersAndLongNamesAtEveryEdge) {
  std::string accented = "a";
  for (int i = 0; i < 150; ++i) accented += "\xC3\xA9";
  std::string accentedCut = "a";
  for (int i = 0; i < 97; ++i) accentedCut += "\xC3\xA9";
  const std::string a196(196, 'a');
  const struct {
    std::string text, shown, name;
    // clang-format off
  } rows[] = {
      {"a\xC2\x80", "a\\u0080", "a_"},
      {"\xC2\x9F" "b", "\\u009fb", "_b"},
      {"a\xC2\xA0" "b", "a\xC2\xA0" "b", "a\xC2\xA0" "b"},
      {"a\xC2", "a\xC2", "a\xC2"},
      {"\xC2\xC2\x80" "b", "\xC2\\u0080b", "\xC2_b"},
      {"\x1F\x7F\r\n\t" "b", "\\x1f\\x7f\\r\\n\\tb", "_____b"},
      {a196 + ".mnu", a196 + ".mnu", a196 + ".mnu"},  // 200 bytes: kept
      {a196 + "a.mnu", a196 + "a.mnu", a196 + ".mnu"},
      {accented + ".mnu", accented + ".mnu", accentedCut + ".mnu"},
      {a196 + "." + std::string(20, 'b'), a196 + "." + std::string(20, 'b'), a196 + ".bbb"},
  };
  // clang-format on
  for (const auto& row : rows) {
    EXPECT_EQ(TerminalText(row.text), row.shown);
    EXPECT_EQ(OutputNames().Take(row.text), row.name);
  }
}

// Players someone else made, each run through every command that reads one: nothing lands outside
// the output folder or on a device, no two packed files share an output file, every menu the
// player can open is seen, nothing from the file reaches the terminal raw, and damage is said and
// ends the command with status 1.
TEST(HostilePlayers, EveryCommandStaysInItsFolderAndSeesWhatThePlayerReaches) {
  const std::string esc = "\\x1b]0;owned\\x07";
  const auto In = [](const char* folder, const std::string& name) {  // as the commands say it
    return std::string(folder) + static_cast<char>(std::filesystem::path::preferred_separator) + name;
  };
  Bytes cut = SmallMenu(1);
  cut.resize(cut.size() - 9);  // inside the picture
  struct Row {
    std::vector<PackedFile> files;
    std::string blanked;  // a name overwritten with spaces in the directory
    int claimed;          // entry count patched in, when not 0
    std::set<std::string> extracted;
    std::vector<std::string> said, unsaid;
    int status, htmlStatus;  // of dump and extract; of html
    // clang-format off
  } rows[] = {
      // clang-format off
      {{{"...mnu", SmallMenu(0)}, {"..", SmallMenu(0)}, {"../up.mnu", SmallMenu(0)},
        {"..\\up.mnu", SmallMenu(0)}, {"C:drive.mnu", SmallMenu(0)}, {"CON", SmallMenu(0)},
        {"nul.Mnu", SmallMenu(0)}, {"Com1.txt", SmallMenu(0)}, {"lpt9 ", SmallMenu(0)}, {"a.mnu.", SmallMenu(0)}},
       "", 0,
       {"...mnu", "__", ".._up.mnu", ".._up~2.mnu", "c_drive.mnu", "_con", "_nul.mnu", "_com1.txt",
        "_lpt9", "a.mnu_"},
       {"note: packed file \"c:drive.mnu\" is written as c_drive.mnu", In("dump", "__.json"), In("dump", "_con.json"),
        In("dump", "c_drive.json"), In("dump", ".._up~2.json"), "note: source of \"...mnu\" is written as __.json", In("html", "_con.html")},
       {"warning"}, 0, 0},
      {{{"main.mnu", SmallMenu(1, "first")}, {"MAIN.MNU", SmallMenu(1, "second")},
#ifndef _WIN32  // the tool's narrow paths are UTF-8, which Windows reads in its own code page
        {"\xC9t\xE9.mnu", SmallMenu(0)}, {"\xE9t\xE9.mnu", SmallMenu(0)},
#endif
       },
       "", 0, {"main.mnu", "main~2.mnu",
#ifndef _WIN32
        "\xC3\x89t\xC3\xA9.mnu", "\xC3\xA9t\xC3\xA9~2.mnu",
#endif
       },
       {"main.mnu: the player never opens it: an earlier packed file has the same name",
        "container: packed file main.mnu: an earlier packed file", In("dump", "main~2.json"),
        In("extract", "main.mnu (") + std::to_string(SmallMenu(1, "first").size()) + " bytes)"},
       {In("html", "main.html")}, 0, 0},
      {{{"first.mnu", SmallMenu(1, "", "zlast.mnu")}, {"blank", SmallMenu(0)}, {"zlast.mnu", SmallMenu(0)}},
       "blank", 0, {"first.mnu", "entry2", "zlast.mnu"},
       {"3 packed files", "entry 2 (blank name): byte", "container: entry 2: its name is blank",
        In("dump", "zlast.json"), In("html", "zlast.html")},
       {"no packed menu named"}, 0, 0},
      {{{"evil\x1b]0;owned\x07.mnu", SmallMenu(1, "\x1b[2J", "%NOPROC%cmd /c evil\rreadme.txt")}},
       "", 0, {"evil_]0;owned_.mnu"},
       {"evil" + esc + ".mnu (default)", "-> %NOPROC%cmd /c evil\\rreadme.txt", "\"title\": \"\\u001b[2J\"", "\"\\x1b[2J\"", "evil_]0;owned_.mnu", In("dump", "evil_]0;owned_.json")},
       {"\x1b", "\r"}, 0, 0},
      {{{"only.mnu", SmallMenu(0)}}, "", 255, {},
       {"the list of packed files is damaged or cut short", "the player cannot read its menus"}, {}, 1, 2},
      {{{"bad.mnu", Bytes{'h', 'i'}}}, "", 0, {"bad.mnu"},
       {"bad.mnu: not a menu file of version 6 or later", "no page written"}, {}, 1, 1},
      {{{"cut.mnu", cut}}, "", 0, {"cut.mnu"}, {"cut.mnu: damaged", "no page written"}, {}, 1, 1},
      {{}, "", 0, {}, {"holds no packed file", "the player cannot read its menus"}, {}, 1, 2},
      // clang-format on
  };
  // clang-format on
  for (const Row& row : rows) {
    TempFolder folder;
    Bytes player = AppendContainer(Bytes{'M', 'Z'}, row.files);
    if (!row.blanked.empty()) {
      const auto at = std::search(player.begin(), player.end(), row.blanked.begin(), row.blanked.end());
      std::fill_n(at, row.blanked.size(), ' ');
    }
    if (row.claimed) player[2 + 18] = static_cast<uint8_t>(row.claimed);
    WriteText(folder, "disc/player.exe", std::string(player.begin(), player.end()));
    const std::string exe = folder.PathOf("disc/player.exe");
    std::string all;
    const auto run = [&](std::vector<std::string> args) {
      const auto r = RunTool(args);
      all += r.Out + r.Err;
      return r.Status;
    };
    run({"list", exe});
    run({"check", folder.PathOf("disc")});
    EXPECT_EQ(run({"extract", exe, "-o", folder.PathOf("out/extract")}), row.status) << all;
    EXPECT_EQ(run({"dump", exe, "-o", folder.PathOf("out/dump")}), row.status) << all;
    EXPECT_EQ(run({"html", exe, "-o", folder.PathOf("out/html")}), row.htmlStatus) << all;
    for (const std::string& name : row.extracted)
      run({"list", (std::filesystem::path(folder.PathOf("out/extract")) / std::filesystem::u8path(name)).string()});
    for (const std::string& name : NamesIn(folder.PathOf("out/dump"))) {
      if (name.find(".json") == std::string::npos) continue;
      const Bytes json = ReadBytes(folder.PathOf("out/dump/" + name));  // the exact texts, as JSON
      all.append(json.begin(), json.end());
    }
    std::set<std::string> extracted = row.extracted;
    extracted.insert("unpacked-player.exe");
    EXPECT_EQ(NamesIn(folder.PathOf("out/extract")), extracted) << all;
    EXPECT_EQ(NamesIn(folder.Folder()), (std::set<std::string>{"disc", "out"})) << all;
    EXPECT_EQ(NamesIn(folder.PathOf("disc")), std::set<std::string>{"player.exe"}) << all;
    for (const std::string& text : row.said) EXPECT_NE(all.find(text), std::string::npos) << text << "\n" << all;
    for (const std::string& text : row.unsaid) EXPECT_EQ(all.find(text), std::string::npos) << text << "\n" << all;
  }
}

}  // namespace
}  // namespace orvane::pack
