// pack, list and extract on a player, and check on a good and a bad disc.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "menudata/menu_fixtures.h"
#include "pack_tool/tool_fixtures.h"
#include "tool/disc/disc_image.h"
#include "tool/disc/disc_check.h"
#include "tool/disc/run_program.h"
#include "tool/shipped_player.h"
#include "tool/tool_error.h"
#include "writer/container_find.h"
#include "writer/menu_writer.h"

namespace orvane::pack {
namespace {

using testing::PatternPicture;
using testing::ReadBytes;
using testing::RunTool;
using testing::TempFolder;
using testing::WritePng;
using testing::WriteText;

#ifdef _WIN32
constexpr bool kNamesKeptWhole = false;  // under Wine without a UTF-8 locale
#else
constexpr bool kNamesKeptWhole = true;
#endif

// A stand-in player: the tool only needs the "MZ" of a Windows executable in front.
const std::string kPlayer = "MZ this stands in for orvane.exe";

class DiscTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePng(folder_, "src/bg.png", PatternPicture(40, 30, 1));
    WritePng(folder_, "src/b.png", PatternPicture(8, 8, 2));
    WritePng(folder_, "src/f1.png", PatternPicture(8, 8, 3));
    WriteText(folder_, "player.exe", kPlayer);
    WriteText(folder_, "src/sub.json", R"({"title": "Sub", "pictures": {"normal": "bg.png"},
        "buttons": [{"kind": "push", "caption": "&Back", "target": "main.mnu"}]})");
  }
  // Builds main.json and sub.json (build's output kept in built_) and packs them into
  // disc/orvane.exe.
  void MakeDisc(const std::string& mainSource) {
    WriteText(folder_, "src/main.json", mainSource);
    auto r = RunTool({"build", folder_.PathOf("src/main.json"), folder_.PathOf("src/sub.json"), "-o",
                      folder_.PathOf("menus"), "--version", "7"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    built_ = r.Out;
    r = RunTool({"pack", folder_.PathOf("player.exe"), folder_.PathOf("menus/main.mnu"),
                 folder_.PathOf("menus/sub.mnu"), "-o", folder_.PathOf("disc/orvane.exe")});
    ASSERT_EQ(r.Status, 0) << r.Err;
  }
  testing::ToolRun Check() { return RunTool({"check", folder_.PathOf("disc")}); }
  // A file whose UTF-8 name reaches the file system whole on Windows too.
  void WriteNamed(const std::string& name) {
    const std::filesystem::path path = std::filesystem::u8path(folder_.PathOf(name));
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "x";
  }
  TempFolder folder_;
  std::string built_;
};

const char kGoodMain[] = R"({"title": "Main", "pictures": {"normal": {"file": "bg.png", "fourth_byte": 255}},
  "shape": {"runs": [[0, 0, 3], [29, 37, 40]], "transparent_colour": "#FF00FF"},
  "buttons": [
    {"target": "\\Docs\\Manual.PDF", "parameters": "%CD%:\\", "shortcut": "m", "animation": "bounce",
     "pictures": {"normal": "b.png", "highlighted": {"file": "b.png", "frames": ["f1.png"]}}},
    {"kind": "push", "caption": "&Readme", "target": "%readme.txt", "wait_for_exit": true,
     "font": {"name": "Arial Black", "size": -5000}},
    {"kind": "label", "caption": "&Tools", "target": "\\tools\\",
     "font": {"name": "Arial Black\u20AC", "size": 5000, "colour": "#123456"}},
    {"kind": "push", "caption": "&Web", "target": "http://example.com"},
    {"kind": "push", "caption": "Setu&p", "target": "%NOPROC%%CD%:\\setup.exe"},
    {"kind": "push", "caption": "&Command", "target": "%NOPROC%cmd.exe"},
    {"kind": "push", "caption": "&Sub", "target": "SUB.MNU"},
    {"kind": "push", "caption": "&Note", "target": "$Hello"},
    {"kind": "push", "caption": "E&xit", "target": "", "close_after": 1}]})";

TEST_F(DiscTest, AGoodDiscPassesWithTargetsFoundAsThePlayerFindsThem) {
  MakeDisc(kGoodMain);
  EXPECT_EQ(built_.find("warning"), std::string::npos) << built_;  // 1 is on for close_after
  // Names differ in case from the targets: the player's file system does not care. cmd.exe is
  // started by a raw launch that Windows finds on its own path.
  WriteText(folder_, "disc/docs/manual.pdf", "%PDF");
  WriteText(folder_, "disc/README.TXT", "hi");
  WriteText(folder_, "disc/Setup.exe", "MZ");
  std::filesystem::create_directories(folder_.PathOf("disc/Tools"));
  const auto r = Check();
  EXPECT_EQ(r.Status, 0) << r.Out << r.Err;
  // The euro sign of a font name is a text of an unmarked menu outside 7-bit ASCII; the player's
  // limits on font sizes, and captions estimated too wide for their buttons.
  const std::string note = "note: orvane.exe: main.mnu: button ";
  EXPECT_EQ(r.Out,
            "note: orvane.exe: main.mnu: buttons[2].font.name: texts outside 7-bit ASCII in "
            "a menu without the UTF-8 mark: shows as written only on computers set to code "
            "page 1252 (build it with \"text_encoding\": \"utf-8\" to show it alike "
            "everywhere)\n" +
                note +
                "2: caption: \"Readme\" needs about 3538 px x 1200 px at its font, but "
                "its box is 97 px x 25 px; Windows cuts the caption; make the button "
                "wider or the font smaller\n" +
                note +
                "3: caption: \"Tools\" needs about 3280 px x 1599 px at its font, "
                "but its box is 97 px x 25 px; the player cuts the caption; make "
                "the button wider or the font smaller\n" +
                folder_.PathOf("disc") + ": no problems found, 3 notes\n");
}

TEST_F(DiscTest, TextsAreCheckedInTheEncodingTheyWereStoredIn) {
  // UTF-8 targets find documents of any name; Alt+ж and Alt+Ж are one key.
  MakeDisc(R"({"title": "\u042f", "pictures": {"normal": "bg.png"}, "buttons": [
      {"kind": "push", "caption": "&\u0436", "target": "%docs\\\u0420\u0443\u043a.txt"},
      {"kind": "push", "caption": "&\u0416", "target": "\\\u65e5\u672c\\"}]})");
  EXPECT_NE(built_.find("note: " + folder_.PathOf("src/main.json") + ": texts stored as UTF-8"), std::string::npos)
      << built_;
  WriteNamed("disc/docs/\xD0\xA0\xD1\x83\xD0\xBA.txt");
  std::filesystem::create_directories(std::filesystem::u8path(folder_.PathOf("disc/\xE6\x97\xA5\xE6\x9C\xAC")));
  auto r = Check();
  EXPECT_EQ(r.Status, 1);
  const std::string clash =
      "orvane.exe: main.mnu: button 2: caption (\"\xD0\x96\"): shortcut key "
      "\xD0\x96 is also button 1's; only one of them answers it\n";
  // Wine without a UTF-8 locale cannot keep such names whole, so the Windows build of the tests
  // looks only at the clash.
  EXPECT_EQ(kNamesKeptWhole ? r.Out : r.Out.substr(r.Out.find(clash), clash.size()) + "1 problem found\n",
            clash + "1 problem found\n");

  // A menu made for Russian computers reads right when check is told their code page; a marked
  // menu whose bytes are not UTF-8 is a problem, since the player shows U+FFFD there.
  MenuFile made;
  made.Settings.MenuTitle = "\xDF";  // Я in 1251
  made.Buttons.resize(1);
  made.Buttons[0].ButtonKind = 1;
  made.Buttons[0].Width = 90;
  made.Buttons[0].Height = 25;
  made.Buttons[0].Target = "%\xF0\xF3\xEA.txt";  // рук.txt in 1251
  PictureValue background;
  background.Image = PatternPicture(4, 3, 1);
  made.Pictures.push_back(background);
  MenuFile broken = made;
  broken.Settings.LaterLayoutTexts[0] = "utf-8";
  for (MenuFile* m : {&made, &broken}) UpdateCounts(*m);
  const Bytes one = WriteMenuFile(made), two = WriteMenuFile(broken);
  WriteText(folder_, "menus/made.mnu", std::string(one.begin(), one.end()));
  WriteText(folder_, "menus/broken.mnu", std::string(two.begin(), two.end()));
  WriteNamed("disc/\xD1\x80\xD1\x83\xD0\xBA.txt");
  ASSERT_EQ(RunTool({"pack", folder_.PathOf("player.exe"), folder_.PathOf("menus/made.mnu"),
                     folder_.PathOf("menus/broken.mnu"), "-o", folder_.PathOf("disc/orvane.exe")})
                .Status,
            0);
  r = RunTool({"check", folder_.PathOf("disc"), "--code-page", "1251"});
  EXPECT_EQ(r.Status, 1);
  const std::string menu = "orvane.exe: made.mnu: ";
  // clang-format off
  const std::string lines[] = {
      std::string("orvane.exe: broken.mnu: text_encoding: 2 texts are not valid UTF-8 although the menu is "
                  "marked UTF-8; the player shows U+FFFD in place of the broken bytes"),
      "orvane.exe: broken.mnu: button 1: target: \"%\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD.txt\": no such file",
      "note: " + menu +
          "title: texts outside 7-bit ASCII in a menu without the UTF-8 mark: "
          "shows as written only on computers set to code page 1251",
      std::string(kNamesKeptWhole ? "2 problems found, 1 note\n" : "")};
  // clang-format on
  for (const std::string& line : lines) EXPECT_NE(r.Out.find(line), std::string::npos) << line << "\n" << r.Out;
  EXPECT_EQ(r.Out.find(menu + "button 1: target") == std::string::npos, kNamesKeptWhole) << "рук.txt";
  EXPECT_EQ(RunTool({"check", folder_.PathOf("disc"), "--code-page", "437"}).Status, 2);
}

TEST_F(DiscTest, ABadDiscListsEachFaultWithMenuButtonAndField) {
  MakeDisc(R"({"title": "Main", "pictures": {"normal": "bg.png"}, "anim_interval": 0,
    "shape": {"text": "00400030Y0001000000"}, "description": {"font": {"bold": 1}, "width": 60, "height": 14},
    "clock": {"time": {"left": 1, "top": 1}},
    "buttons": [
      {"kind": "image", "target": "%docs\\missing.pdf", "shortcut": "x"},
      {"kind": "push", "caption": "E&xit\nthe menu and go back to Windows", "target": "\\docs\\"},
      {"kind": "push", "caption": "&Other", "target": "other.mnu"},
      {"target": "docs", "animation": "once", "shortcut": "o", "pictures": {"normal": "b.png", "pressed": {"frames": ["f1.png", null, "f1.png"]}}},
      {"kind": "push", "caption": "&Flags", "target": "%CD%:\\docs\\a.pdf", "wait_for_exit": 1,
       "description": "Read the whole manual before you start",
       "viewer": {"name": "Reader", "version": "5", "check": -1}},
      {"target": "*", "shortcut": "2", "pictures": {"normal": "b.png"}}]})");
  std::filesystem::create_directories(folder_.PathOf("disc/docs"));
  WriteText(folder_, "disc/plain.exe", "MZ");
  WriteText(folder_, "disc/AUTORUN.INF",
            "; by hand\r\n \t[AutoRun] \r\nopen=\"orvane.exe\" E:\\Tool.mnu\r\n"
            "shellexecute=plain.exe Main.mnu\r\nicon=orvane.ico,0\r\nopen=gone.exe sub.mnu\r\n");
  WriteText(folder_, "disc/docs/a.pdf", "%PDF");  // found only by the player's search
  // Numbers that the player reads as off, where true was surely meant: build warns, check fails.
  const std::string source = "warning: " + folder_.PathOf("src/main.json") + ": ";
  for (const std::string& warning :
       {source + "description.font.bold: 1 is off for the player, which counts this flag as on "
                 "only at exactly -1; write true (stored as -1)",
        source + "buttons[4].wait_for_exit: 1 is off for the player",
        source + "buttons[4].viewer.check: -1 is off for the player, which counts this flag as on "
                 "only at exactly 1; write true (stored as 1)"})
    EXPECT_NE(built_.find(warning), std::string::npos) << warning << "\n" << built_;
  // pack says a source's warnings as build does
  const auto packed = RunTool(
      {"pack", folder_.PathOf("player.exe"), folder_.PathOf("src/main.json"), "-o", folder_.PathOf("out/orvane.exe")});
  EXPECT_NE(packed.Out.find(source + "buttons[4].wait_for_exit: 1 is off"), std::string::npos) << packed.Out;
  const auto r = Check();
  EXPECT_EQ(r.Status, 1) << r.Out << r.Err;
  const std::string& out = r.Out;
  const std::string menu = "orvane.exe: main.mnu: ";
  for (const std::string& problem :
       {menu + "shape: shape text run at character 14 is not eight digits",
        menu + "anim_interval: 0: the animation frames never play",
        menu + "description.font.bold: 1 is off for the player, which counts this flag as on only at exactly -1",
        menu + "button 1: pictures.normal: an image button without its normal picture",
        menu + "button 1: target: \"%docs\\missing.pdf\": no such file on the disc",
        menu + "button 2: caption (\"Exit the menu and go back t...\"): shortcut key x is also button 1's",
        menu + "button 3: target (\"Other\"): \"other.mnu\": the player holds no packed menu named other.mnu",
        menu + "button 4: pictures.pressed.frames: frame 3 follows a frame number that no state has (2)",
        menu + "button 4: shortcut: shortcut key o is also button 3's",
        menu + "button 4: target: \"docs\": is a folder; end the target with \\ to open it",
        menu + "button 5: wait_for_exit (\"Flags\"): 1 is off for the player",
        menu + "button 5: viewer.check (\"Flags\"): -1 is off for the player",
        menu + "button 5: target (\"Flags\"): \"%CD%:\\docs\\a.pdf\": the player expands %CD% only "
               "in parameters and in %NOPROC% targets, so it looks for this name as it stands and "
               "then searches the whole disc; write \"\\docs\\a.pdf\" (from the root of the "
               "disc's drive) or \"%docs\\a.pdf\" (from the player's folder)\n",
        menu + "button 6: shortcut: shortcut key 2 takes digit key 2 from button 2, which that key "
               "chooses otherwise",
        std::string("autorun.inf: line 3: open=\"orvane.exe\" E:\\Tool.mnu: the player carries no "
                    "menu named tool.mnu (it carries main.mnu, sub.mnu), so it quits at start"),
        std::string("autorun.inf: line 4: shellexecute=plain.exe Main.mnu: plain.exe is no packed player"),
        std::string("autorun.inf: line 5: icon=orvane.ico,0: the folder holds no orvane.ico"),
        std::string("autorun.inf: line 6: open=gone.exe sub.mnu: the folder holds no gone.exe\n"),
        "note: " + menu +
            "clock.time: \"12:59:59 PM\" needs about 66 px x 13 px at its font, but "
            "its box is 60 px x 17 px; the player cuts",
        "note: " + menu +
            "button 5: description: wraps to about 5 lines (66 px) in the "
            "description's box of 60 px x 14 px; the player cuts the rest",
        std::string("18 problems found")})
    EXPECT_NE(out.find(problem), std::string::npos) << problem << "\n" << out;
  EXPECT_EQ(out.find(menu + "button 2: target"), std::string::npos) << out;  // the folder exists
}

TEST_F(DiscTest, PicturesThePlayerNeverShowsAreNotesThatLeaveTheStatusAlone) {
  MakeDisc(R"({"title": "Main",
    "pictures": {"normal": "bg.png", "highlighted": {"file": "bg.png", "frames": ["bg.png"]}},
    "buttons": [
      {"kind": "push", "caption": "&Go", "target": "*",
       "pictures": {"normal": "b.png", "accessory": {"file": "b.png", "frames": ["f1.png"]}}},
      {"target": "*", "pictures": {"normal": "b.png", "pressed": {"frames": ["f1.png"]}}}]})");
  const auto r = Check();
  EXPECT_EQ(r.Status, 0) << r.Out << r.Err;
  const std::string note = "note: orvane.exe: main.mnu: ";
  EXPECT_EQ(r.Out, note +
                       "pictures.highlighted: picture that the player never shows: the background "
                       "shows only its normal picture\n" +
                       note +
                       "pictures.highlighted.frames: 1 frame that the player never shows: the "
                       "background shows only its normal picture\n" +
                       note +
                       "button 1: pictures.normal (\"Go\"): picture that the player never shows: a "
                       "push or label button shows only its accessory picture\n" +
                       note +
                       "button 2: pictures.pressed.frames: 1 frame that the player never shows: the "
                       "button's animation is \"still\"\n" +
                       folder_.PathOf("disc") + ": no problems found, 4 notes\n");
}

TEST_F(DiscTest, TargetsResolveLikeTheDispatcherResolvesThem) {
  // clang-format off
  const std::pair<std::string, TargetKind> kinds[] = {
      // A launch leaves "%CD%" as text; a raw launch expands it, and a bare program name is
      // Windows's to find.
      {"%CD%:\\a\\b.txt", TargetKind::MacroAsText},
      {"%NOPROC%notepad.exe", TargetKind::SearchPath},
      {"%NOPROC%tools\\x.exe", TargetKind::DiscFile},
      {"\\a\\", TargetKind::DiscFolder},
      {"C:\\Windows\\notepad.exe", TargetKind::OffDisc},
      {"WWW.example.com", TargetKind::Address},
      {"mailto:me@example.com", TargetKind::Address},
      // The "%" comes first: the address test then sees a path on the disc.
      {"%www.example.com", TargetKind::DiscFile},
      // A folder before the menu name makes it a launch; a "%" keeps it a menu switch.
      {"menus\\a.mnu", TargetKind::DiscFile},
      {"%a.mnu", TargetKind::MenuSwitch},
      {"*", TargetKind::Nothing},
      {"$msg", TargetKind::Message},
      {"%..\\..\\x", TargetKind::DiscFile}};
  // clang-format on
  for (const auto& [target, kind] : kinds) EXPECT_EQ(ResolveTarget(target).Kind, kind) << target;
  const std::pair<std::string, std::string> paths[] = {
      {"%a/b.txt", "a\\b.txt"}, {"Menu.MNU", "menu.mnu"}, {"%NOPROC%%CD%:\\run.bat", "run.bat"}};
  for (const auto& [target, path] : paths) EXPECT_EQ(ResolveTarget(target).Path, path) << target;
  EXPECT_EQ(FindOnDisc(folder_.Folder(), "..\\x", false), "");  // never above the disc's root
  EXPECT_EQ(FindOnDisc(folder_.Folder(), ".\\..\\player.exe", false), "");
}

TEST_F(DiscTest, RepackingReplacesTheContainerAndExtractGivesTheFilesBack) {
  MakeDisc(kGoodMain);
  const auto once = ReadBytes(folder_.PathOf("disc/orvane.exe"));
  auto r = RunTool({"pack", folder_.PathOf("disc/orvane.exe"), folder_.PathOf("menus/main.mnu"),
                    folder_.PathOf("menus/sub.mnu"), "-o", folder_.PathOf("disc/orvane.exe")});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(ReadBytes(folder_.PathOf("disc/orvane.exe")), once);
  EXPECT_EQ(*FindContainerStart(once), kPlayer.size());
  EXPECT_FALSE(FindContainerStart(Bytes(kPlayer.begin(), kPlayer.end())).has_value());

  r = RunTool({"list", folder_.PathOf("disc/orvane.exe")});
  EXPECT_NE(r.Out.find("main.mnu (default)"), std::string::npos) << r.Out;
  r = RunTool({"extract", folder_.PathOf("disc/orvane.exe"), "-o", folder_.PathOf("x")});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(ReadBytes(folder_.PathOf("x/main.mnu")), ReadBytes(folder_.PathOf("menus/main.mnu")));
  EXPECT_EQ(ReadBytes(folder_.PathOf("x/sub.mnu")), ReadBytes(folder_.PathOf("menus/sub.mnu")));
  const auto bare = ReadBytes(folder_.PathOf("x/unpacked-orvane.exe"));
  EXPECT_EQ(std::string(bare.begin(), bare.end()), kPlayer);
}

TEST_F(DiscTest, ASignedPlayerIsReadAndRepackingItRemovesTheSignature) {
  // Signed before packing, with a checksum that the signature made: neither can survive.
  Bytes player = testing::PeHeaders(false);
  testing::PutU32(player, testing::kOptionalHeader + 64, 0x12345);
  testing::AppendCertificateTable(player, false);
  folder_.WriteFile("player.exe", player);
  MakeDisc(kGoodMain);
  const std::string disc = folder_.PathOf("disc/orvane.exe");
  const Bytes packed = ReadBytes(disc);
  EXPECT_EQ(packed.size() % 8, 0u) << "a signing tool adds no padding after the trailer";
  EXPECT_EQ(FindContainerEnd(packed).CertificateTable, -1);
  EXPECT_EQ(
      Bytes(packed.begin() + testing::SecurityEntryOf(false), packed.begin() + testing::SecurityEntryOf(false) + 8),
      Bytes(8, 0));
  EXPECT_EQ(packed[testing::kOptionalHeader + 64] | packed[testing::kOptionalHeader + 65], 0);
  EXPECT_EQ(*FindContainerStart(packed), testing::PeHeaders(false).size());

  // Signed after packing: every reading command finds the menus in front of the signature.
  Bytes signedPlayer = packed;
  testing::AppendCertificateTable(signedPlayer, false);
  folder_.WriteFile("disc/orvane.exe", signedPlayer);
  auto r = RunTool({"list", disc});
  EXPECT_NE(r.Out.find("signed (certificate table at byte " + std::to_string(packed.size()) + ")"), std::string::npos)
      << r.Out;
  EXPECT_NE(r.Out.find("sub.mnu: byte"), std::string::npos) << r.Out;
  r = RunTool({"extract", disc, "-o", folder_.PathOf("x")});
  EXPECT_EQ(ReadBytes(folder_.PathOf("x/sub.mnu")), ReadBytes(folder_.PathOf("menus/sub.mnu")));
  r = Check();
  EXPECT_EQ(r.Out.find("container"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("main.mnu: button 2: target"), std::string::npos) << r.Out;  // no readme

  r = RunTool({"pack", disc, folder_.PathOf("menus/main.mnu"), folder_.PathOf("menus/sub.mnu"), "-o", disc});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_NE(r.Out.find("removing its signature"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("is not signed: sign it again"), std::string::npos) << r.Out;
  EXPECT_EQ(ReadBytes(disc), packed);
}

TEST_F(DiscTest, AnImageIsRefusedOnAProblemAndNeedsXorriso) {
  MakeDisc(kGoodMain);  // its targets are missing from the disc folder
  auto r = RunTool({"image", folder_.PathOf("disc"), "-o", folder_.PathOf("disc.iso"), "--label", "x"});
  EXPECT_EQ(r.Status, 1) << r.Err;
  EXPECT_NE(r.Out.find("\"%readme.txt\": no such file on the disc"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find("no image written"), std::string::npos) << r.Out;
  EXPECT_FALSE(std::filesystem::exists(folder_.PathOf("disc.iso")));
  EXPECT_EQ(RunTool({"check", folder_.PathOf("disc"), "--force"}).Status, 2) << "image's options only";
  r = RunTool({"image", folder_.PathOf("disc"), "-o", folder_.PathOf("disc/in.iso"), "--force"});
  EXPECT_EQ(r.Err, "orvane-pack: " + folder_.PathOf("disc/in.iso") +
                       ": lies inside the disc folder, so the image would hold itself; write it elsewhere\n");

  std::ostringstream out;
  ImageRequest request{folder_.PathOf("disc"), folder_.PathOf("disc.iso"), "", "orvane-no-such-xorriso"};
  WriteText(folder_, "disc/docs/" + std::string(104, 'n'), "x");  // Joliet holds 103 characters
  try {
    WriteDiscImage(request, out);
    ADD_FAILURE() << "a name too long for Joliet";
  } catch (const ToolError& e) {
    EXPECT_NE(std::string(e.what()).find("has a name longer than 103 characters"), std::string::npos) << e.what();
  }
  std::filesystem::rename(folder_.PathOf("disc/docs/" + std::string(104, 'n')),
                          folder_.PathOf("disc/docs/" + std::string(103, 'n')));
  try {
    WriteDiscImage(request, out);
    ADD_FAILURE() << "no image can be written without xorriso";
  } catch (const ToolError& e) {
    EXPECT_NE(std::string(e.what()).find("apt-get install xorriso"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(std::filesystem::exists(folder_.PathOf("disc.iso")));
  EXPECT_NE(out.str().find("autorun.inf: open=orvane.exe, icon=orvane.exe, label=disc"), std::string::npos);
  request.Output = folder_.PathOf("disc/inside.iso");
  EXPECT_THROW(WriteDiscImage(request, out), ToolError) << "an image that would hold itself";
  // The arguments reach the program whole, and its exit is awaited.
#ifdef _WIN32
  EXPECT_EQ(RunProgram("cmd", {"/c", "exit 3"}), 3);
#else
  EXPECT_EQ(RunProgram("sh", {"-c", "exit 3"}), 3);
  // A writer that fails halfway leaves neither an image nor its half behind.
  WriteText(folder_, "xorriso",
            "#!/bin/sh\nwhile [ \"$1\" != -outdev ]; do shift; done\n"
            "echo half >\"${2#stdio:}\"\necho 'FAILURE : disc full' >&2\nexit 1\n");
  std::filesystem::permissions(folder_.PathOf("xorriso"), std::filesystem::perms::owner_all);
  request = {folder_.PathOf("disc"), folder_.PathOf("disc.iso"), "", folder_.PathOf("xorriso")};
  try {  // its own words reach the author only then, and its log is gone
    WriteDiscImage(request, out);
    ADD_FAILURE() << "a failed writer writes no image";
  } catch (const ToolError& e) {
    EXPECT_NE(std::string(e.what()).find("no image written:\nFAILURE : disc full"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(std::filesystem::exists(folder_.PathOf("disc.iso.xorriso-log")));
  EXPECT_FALSE(std::filesystem::exists(folder_.PathOf("disc.iso.orvane-pack-tmp")));

  // Links out of the folder (or to nothing) are problems; a forced image holds them as links and
  // never what they point at. A link inside the folder is fine.
  WriteText(folder_, "secret/key.txt", "TOPSECRET");
  namespace fs = std::filesystem;
  fs::create_symlink("../secret/key.txt", folder_.PathOf("disc/leak.txt"));
  fs::create_directories(folder_.PathOf("disc/sub"));
  fs::create_directory_symlink("../../secret", folder_.PathOf("disc/sub/all"));
  fs::create_symlink("gone.txt", folder_.PathOf("disc/sub/gone"));
  fs::create_symlink("../orvane.exe", folder_.PathOf("disc/sub/copy.bin"));
  r = Check();
  for (const char* problem : {"leak.txt: is a symbolic link to \"../secret/key.txt\", outside the disc folder",
                              "sub/all: is a symbolic link to \"../../secret\", outside",
                              "sub/gone: is a symbolic link to \"gone.txt\", which leads nowhere"})
    EXPECT_NE(r.Out.find(problem), std::string::npos) << problem << "\n" << r.Out;
  EXPECT_EQ(r.Out.find("copy.bin"), std::string::npos) << r.Out;
  r = RunTool({"image", folder_.PathOf("disc"), "-o", folder_.PathOf("disc.iso")});
  EXPECT_NE(r.Out.find("no image written"), std::string::npos) << r.Out;
  WriteNamed("disc/docs/\xD0\xA0\xD1\x83\xD0\xBA.txt");
  r = RunTool({"image", folder_.PathOf("disc"), "-o", folder_.PathOf("disc.iso"), "--force", "--label",
               "\xD0\x94\xD0\xB8\xD1\x81\xD0\xBA 1"});
  ASSERT_EQ(r.Status, 0) << r.Out << r.Err;
  EXPECT_NE(r.Out.find("sub/all: stored as a link to ../../secret, not what it points at"), std::string::npos) << r.Out;
  const Bytes iso = ReadBytes(folder_.PathOf("disc.iso"));
  const std::string secret = "TOPSECRET", player = kPlayer;
  EXPECT_EQ(std::search(iso.begin(), iso.end(), secret.begin(), secret.end()), iso.end());
  EXPECT_NE(std::search(iso.begin(), iso.end(), player.begin(), player.end()), iso.end());
  // Non-ASCII names stay whole in the Joliet tree, the label too, and the plain ISO 9660 label
  // is said as it became.
  EXPECT_NE(r.Out.find("volume label \"\xD0\x94\xD0\xB8\xD1\x81\xD0\xBA 1\" made to fit ISO 9660 as "
                       "\"_____1\""),
            std::string::npos)
      << r.Out;
  EXPECT_NE(r.Out.find("volume _____1, Joliet volume \xD0\x94\xD0\xB8\xD1\x81\xD0\xBA 1,"), std::string::npos) << r.Out;
  ASSERT_GT(iso.size(), 18u * 2048);
  EXPECT_EQ(std::string(iso.begin() + 16 * 2048 + 40, iso.begin() + 16 * 2048 + 46), "_____1");
  std::string padded;  // the 16 units of the Joliet label, filled with spaces
  for (int i = 0; i < 10; ++i) padded += std::string("\0 ", 2);
  const std::string joliet(iso.begin() + 17 * 2048 + 40, iso.begin() + 17 * 2048 + 72);
  EXPECT_EQ(joliet, std::string("\x04\x14\x04\x38\x04\x41\x04\x3A\x00\x20\x00\x31", 12) + padded);
  const std::string autorun = "[autorun]\r\nopen=orvane.exe\r\n";  // written in, not left outside
  EXPECT_NE(std::search(iso.begin(), iso.end(), autorun.begin(), autorun.end()), iso.end());
  std::string ucs2;
  for (char16_t c : std::u16string(u"\u0420\u0443\u043a.txt"))
    ucs2 += {static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
  EXPECT_NE(std::search(iso.begin(), iso.end(), ucs2.begin(), ucs2.end()), iso.end()) << "Joliet name";
#endif
  EXPECT_EQ(QuotedForWindows("C:\\my disc\\ \\\"x\\"), "\"C:\\my disc\\ \\\\\\\"x\\\\\"");
}

TEST_F(DiscTest, WebPagesShowEachMenuAsThePlayerLaysItOut) {
  MakeDisc(kGoodMain);
  auto r = RunTool({"html", folder_.PathOf("disc/orvane.exe"), "-o", folder_.PathOf("web")});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const auto page = ReadBytes(folder_.PathOf("web/index.html"));
  const std::string html(page.begin(), page.end());
  for (const char* part : {"<title>Main</title>", ";M&quot;:1,", "<div id=\"menu\" style=\"width:40px;height:30px;\"",
                           "<div id=\"shadow\" class=\"t w\"", "<div id=\"desc\" class=\"t w\"",
                           "<div id=\"time\" class=\"t\"", "<div id=\"date\" class=\"t\"",  // only descriptions wrap
                           "font-family:'Arial Black',sans-serif;font-size:1000px;",
                           "font-family:'Arial Black\xE2\x82\xAC',sans-serif;font-size:1333px;color:#123456;",
                           "<a id=\"b7\" class=\"b push\" href=\"./sub.html\"",
                           "data-run=\"close\" data-desc=\"\" data-close=\"1\" data-p",
                           "data-p=\"[[&quot;orvane-web/index/1-0-0.png&quot;],[&quot;orvane-web/index/1-1-0.png&quot;,"
                           "&quot;orvane-web/index/1-1-1.png&quot;],[null],[null]]\"",
                           "data-mode=\"&quot;bounce&quot;\""})  // modes by name
    EXPECT_NE(html.find(part), std::string::npos) << part << "\n" << html;
  // Straight from the sources (or menu files), the same pages; links lead into the disc folder
  // given, by default the first source's.
  r = RunTool({"html", folder_.PathOf("src/main.json"), folder_.PathOf("menus/sub.mnu"), "-o", folder_.PathOf("web2"),
               "--disc", folder_.PathOf("web2")});
  ASSERT_EQ(r.Status, 0) << r.Err;
  for (const char* name : {"index.html", "sub.html", "orvane-web/index/1-1-1.png"}) {
    const auto a = ReadBytes(folder_.PathOf("web2/") + name);
    const auto b = ReadBytes(folder_.PathOf("web/") + name);
    EXPECT_EQ(std::string(a.begin(), a.end()), std::string(b.begin(), b.end())) << name;
  }
  r = RunTool({"html", folder_.PathOf("src/main.json"), "-o", folder_.PathOf("web3")});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const auto alone = ReadBytes(folder_.PathOf("web3/index.html"));
  EXPECT_NE(std::string(alone.begin(), alone.end()).find("href=\"./../src/Docs/Manual.PDF\""), std::string::npos);
  // Outside the outline the background is transparent, whatever its stored fourth byte.
  const Picture bg = LoadPicturePng(folder_.PathOf("web/orvane-web/index/background.png"), {true, 0});
  EXPECT_EQ(bg.Pixels[29 * 40 + 36] >> 24, 0xFFu);  // the last row is cut out from x = 37
  EXPECT_EQ(bg.Pixels[29 * 40 + 37] >> 24, 0u);
}

TEST(DiscImage, LabelsAreMadeToFitAndAutorunStartsThePlayer) {
  struct Case {
    std::string wanted, fitted;
    bool noted;
    std::u16string joliet;  // what Windows shows
    bool jolietNoted;
    // clang-format off
  } cases[] = {
      {"MY_DISC_2", "MY_DISC_2", false, u"MY_DISC_2", false},
      {"My Disc", "MY_DISC", true, u"My Disc", false},
      // one "_" for the two bytes of one character
      {"\xC3\x9C"
       "ber-Disc",
       "_BER_DISC", true, u"\u00DCber-Disc", false},
      {std::string(40, 'A'), std::string(32, 'A'), true, std::u16string(16, u'A'), true},
      {"", "DISC", true, u"DISC", false},
      {"Gr\xC3\xB6\xC3\x9F"
       "e \xD0\xA3\xD1\x81\xD1\x82",
       "GR__E____", true, u"Gr\u00F6\u00DFe \u0423\u0441\u0442", false},
      {"a:b?\xF0\x9F\x98\x80", "A_B__", true, u"a_b__", true},  // characters Joliet refuses
      {"a\x1F b", "A__B", true, u"a_ b", true},
      {"ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP", false, u"ABCDEFGHIJKLMNOP", false},  // 16 units whole
      {"ABCDEFGHIJKLMNOPQ", "ABCDEFGHIJKLMNOPQ", false, u"ABCDEFGHIJKLMNOP", true},
      // U+D7FF, U+E000 and U+FFFF fit; a surrogate's bytes and U+10000 do not
      {"\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF", "___", true, u"\uD7FF\uE000\uFFFF", false},
      {"\xED\xA0\x80\xED\xBF\xBF\xF0\x90\x80\x80", "___", true, u"_______", true},
  };
  // clang-format on
  for (const Case& c : cases) {
    const VolumeLabel label = FitVolumeLabel(c.wanted);
    EXPECT_EQ(label.Text, c.fitted) << c.wanted;
    EXPECT_EQ(!label.Note.empty(), c.noted) << c.wanted;
    const JolietLabel joliet = FitJolietLabel(c.wanted);
    EXPECT_TRUE(joliet.Text == c.joliet) << c.wanted;
    EXPECT_EQ(!joliet.Note.empty(), c.jolietNoted) << c.wanted << joliet.Note;
  }
  EXPECT_NE(FitVolumeLabel("My Disc").Note.find("upper case"), std::string::npos);
  EXPECT_EQ(AutorunText("orvane.exe", "orvane.ico", "My Disc"),
            "[autorun]\r\nopen=orvane.exe\r\nicon=orvane.ico\r\nlabel=My Disc\r\n");
  EXPECT_EQ(AutorunText("my player.exe", "my player.exe", "x"),
            "[autorun]\r\nopen=\"my player.exe\"\r\nicon=my player.exe\r\nlabel=x\r\n");
}

TEST_F(DiscTest, PackRefusesWhatThePlayerCouldNotUseAndWritesNothing) {
  MakeDisc(kGoodMain);
  WriteText(folder_, "notamenu.mnu", "hello");
  auto r = RunTool(
      {"pack", folder_.PathOf("player.exe"), folder_.PathOf("notamenu.mnu"), "-o", folder_.PathOf("out/orvane.exe")});
  EXPECT_EQ(r.Status, 2);
  EXPECT_NE(r.Err.find("notamenu.mnu: is not a readable menu file"), std::string::npos) << r.Err;
  EXPECT_FALSE(std::filesystem::exists(folder_.PathOf("out/orvane.exe")));

  std::filesystem::create_directories(folder_.PathOf("copy"));
  std::filesystem::copy_file(folder_.PathOf("menus/main.mnu"), folder_.PathOf("copy/MAIN.mnu"));
  r = RunTool({"pack", folder_.PathOf("player.exe"), folder_.PathOf("menus/main.mnu"), folder_.PathOf("copy/MAIN.mnu"),
               "-o", folder_.PathOf("out/orvane.exe")});
  EXPECT_EQ(r.Status, 2);
  EXPECT_NE(r.Err.find("already packed"), std::string::npos) << r.Err;

  // A damaged source leaves the earlier output untouched.
  const auto before = ReadBytes(folder_.PathOf("menus/main.mnu"));
  WriteText(folder_, "src/main.json", R"({"title": 5})");
  r = RunTool(
      {"build", folder_.PathOf("src/sub.json"), folder_.PathOf("src/main.json"), "-o", folder_.PathOf("menus")});
  EXPECT_EQ(r.Status, 2);
  EXPECT_NE(r.Err.find("main.json: title: expected a text"), std::string::npos) << r.Err;
  EXPECT_EQ(ReadBytes(folder_.PathOf("menus/main.mnu")), before);
  EXPECT_EQ(RunTool({"frobnicate"}).Status, 2);
  WriteText(folder_, "mz.exe", "MZ");  // the two letters are all that pack asks of a player
  r = RunTool(
      {"pack", folder_.PathOf("mz.exe"), folder_.PathOf("menus/sub.mnu"), "-o", folder_.PathOf("out/orvane.exe")});
  EXPECT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out.find("warning: " + folder_.PathOf("mz.exe") + ": not a Windows program"), 0u) << r.Out;
  // Only a 32-bit x86 program is packed without a word about what it runs on.
  for (const auto& [machine, warning] :
       std::vector<std::pair<uint16_t, std::string>>{{0x014C, ""},
                                                     {0x8664, "x86_64: runs only on 64-bit Windows"},
                                                     {0xAA64, "ARM64: runs only on ARM Windows"},
                                                     {0x0200, "not a 32-bit x86 program"}}) {
    Bytes pe;
    for (const uint8_t at : {0x30, 0x40}) {  // the smallest files: 64 bytes, or its machine field the last
      pe.assign(std::max(at + 6, 0x40), 0);
      pe[0] = 'M', pe[1] = 'Z', pe[0x3C] = at, pe[at] = 'P', pe[at + 1] = 'E';
      pe[at + 4] = machine & 0xFF, pe[at + 5] = machine >> 8;
      EXPECT_EQ(PlayerMachineWarning(pe).value_or("").find(warning), 0u) << machine;
      pe.pop_back();
      EXPECT_EQ(PlayerMachineWarning(pe).value_or("").find("not a Windows program"), 0u) << machine;
      pe.push_back(machine >> 8);
    }
    // check says it too, as a note: such a player still runs where its Windows does.
    WriteText(folder_, "pe.exe", std::string(pe.begin(), pe.end()));
    RunTool({"pack", folder_.PathOf("pe.exe"), folder_.PathOf("menus/sub.mnu"), "-o", folder_.PathOf("pe/orvane.exe")});
    const std::string checked = RunTool({"check", folder_.PathOf("pe")}).Out;
    EXPECT_EQ(checked.find("note: orvane.exe: player: " + warning) != std::string::npos, !warning.empty()) << checked;
  }
  EXPECT_EQ(RunTool({"check", folder_.PathOf("src")}).Status, 2);  // no packed player there
}

}  // namespace
}  // namespace orvane::pack
