// dump then build: byte for byte for files the tool wrote, the same menu and pixels for others.
#include <gtest/gtest.h>

#include <map>

#include "pack_tool/tool_fixtures.h"
#include "tool/menu_read.h"
#include "tool/source/menu_source.h"
#include "writer/menu_writer.h"

namespace orvane::pack {
namespace {

using testing::PatternPicture;
using testing::ReadBytes;
using testing::RunTool;
using testing::TempFolder;
using testing::WritePng;
using testing::WriteText;

// Uses every field the source can set, with values off the beaten track.
// clang-format off
const char kFullSource[] = R"({
  "version": VERSION,
  "file": "Full Menu.MNU",
  "header": {"magic": "MeNu", "byte6": 3, "byte7": 250},
  "title": "Caf\u00e9 \u20ac", "placement": 42, "scroll_title": 5, "anim_interval": 33,
  "initial_button": 7,
  "description": {"text": "line\u00b6two", "font": {"name": "Arial", "size": 14, "bold": true,
                  "italic": 1, "underline": false}, "colour": {"red": 300, "green": -1, "blue": 2},
                  "left": -4, "top": 3, "width": 100, "height": 20, "alignment": 9,
                  "shadow": {"offset": 2, "colour": "#000B0C"}},
  "clock": {"colour": 14, "time": {"shown": false, "left": 1, "top": 2},
            "date": {"left": 3, "top": 4, "font": {"size": 7}}},
  "accessory": {"left": 11, "top": 12},
  SHAPE,
  UNUSED
  "pictures": {"normal": "bg.png", "pressed": {"file": "a.png", "unused_byte": 9}},
  "buttons": [
    {"kind": "image", "target": "%CD%:\\setup.exe", "parameters": "-q", "description": "Install",
     "left": 5, "top": 6, "shortcut": "I", "minimize_after": true, "animation": "loop",
     "window": 77, "wait_for_exit": 1,
     "pictures": {"normal": {"file": "a.png", "fourth_byte": 255},
                  "highlighted": {"file": "b.png", "frames": ["f1.png", null, "f3.png"]},
                  "accessory": {"frames": [{"file": "alpha.png", "fourth_byte": "alpha"}]}}},
    {"kind": "push", "target": "$Hi", "caption": "&Hi", "width": 80, "height": 22, "close_after": -7
     LATER_BUTTON},
    {"kind": 9, "target": "sub.mnu", "caption": "&Sub", "animation": 17}
  ]
})";
// clang-format on

const char kLaterButton[] = R"(, "font": {"name": "Verdana", "size": 11, "colour": {"value": -5},
     "bold": -2, "italic": true, "underline": true}, "alignment": "centre",
     "viewer": {"check": -1, "name": "Viewer", "version": "2", "compare": 4})";

std::string FullSource(int version) {
  std::string text = kFullSource;
  auto put = [&](const std::string& key, const std::string& value) { text.replace(text.find(key), key.size(), value); };
  put("VERSION", std::to_string(version));
  // An outline of the background's size comes back as a mask picture; any other as its text.
  put("SHAPE", version == 6 ? R"("shape": {"transparent_colour": -3, "text": "whatever"})"
                            : R"("shape": {"runs": [[0, 0, 3], [19, 28, 30]], "transparent_colour": 12})");
  put("UNUSED", version == 6 ? "" : R"("unused_texts": ["a", "", "c", "\u00e9"],)");
  put("LATER_BUTTON", version == 6 ? "" : kLaterButton);
  return text;
}

class RoundTripTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    WritePng(folder_, "src/bg.png", PatternPicture(30, 20, 1));
    WritePng(folder_, "src/a.png", PatternPicture(6, 5, 2));
    WritePng(folder_, "src/b.png", PatternPicture(6, 5, 3));
    WritePng(folder_, "src/f1.png", PatternPicture(6, 5, 4));
    WritePng(folder_, "src/f3.png", PatternPicture(6, 5, 5));
    Picture alpha = PatternPicture(4, 4, 6);
    for (size_t i = 0; i < alpha.Pixels.size(); ++i) alpha.Pixels[i] |= uint32_t(i * 16) << 24;
    WritePng(folder_, "src/alpha.png", alpha, true);
  }
  TempFolder folder_;
};

TEST_P(RoundTripTest, FilesTheToolWroteComeBackByteForByte) {
  const int version = GetParam();
  WriteText(folder_, "src/full.json", FullSource(version));
  const auto built = RunTool({"build", folder_.PathOf("src/full.json"), "-o", folder_.PathOf("one")});
  ASSERT_EQ(built.Status, 0) << built.Err;
  const auto first = ReadBytes(folder_.PathOf("one/Full Menu.MNU"));
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first[5], version);

  const auto dumped = RunTool({"dump", folder_.PathOf("one/Full Menu.MNU"), "-o", folder_.PathOf("dump")});
  ASSERT_EQ(dumped.Status, 0) << dumped.Err;
  EXPECT_EQ(dumped.Out.find("warning"), std::string::npos) << dumped.Out;
  const auto rebuilt = RunTool({"build", folder_.PathOf("dump/Full Menu.json"), "-o", folder_.PathOf("two")});
  ASSERT_EQ(rebuilt.Status, 0) << rebuilt.Err;
  EXPECT_EQ(ReadBytes(folder_.PathOf("two/Full Menu.MNU")), first);
  // The dump reads as the source was written: a constant fourth byte, a flag as true.
  Json dump = Json::parse(ReadBytes(folder_.PathOf("dump/Full Menu.json")));
  EXPECT_EQ(dump["buttons"][0]["pictures"]["normal"]["fourth_byte"], 255);
  EXPECT_EQ(dump["buttons"][0]["minimize_after"], true);
  EXPECT_FALSE(dump["buttons"][0].contains("width"));  // it is the normal picture's
  EXPECT_EQ(dump["pictures"].size(), 2u);              // only the states that have pictures
  EXPECT_EQ(dump["shape"].contains("text"), version == 6) << dump["shape"];
  EXPECT_EQ(dump["shape"].value("mask", ""), version == 7 ? "Full Menu/outline.png" : "");

  // The fourth bytes made it through the PNG files, alpha channel and constants alike.
  const ReadMenu read = ReadMenuBytes(first);
  ASSERT_FALSE(read.ReadError);
  EXPECT_EQ(read.Menu.Settings.LaterLayoutTexts[0], version == 6 ? "" : "a");
  bool sawAlpha = false, sawConstant = false;
  for (const PictureValue& p : read.Menu.Pictures) {
    sawAlpha = sawAlpha || (p.Slot.State == 3 && (p.Image.Pixels[5] >> 24) == 80);
    sawConstant = sawConstant || (p.Slot.Button == 1 && p.Slot.State == 0 && (p.Image.Pixels[0] >> 24) == 255);
  }
  EXPECT_TRUE(sawAlpha);
  EXPECT_TRUE(sawConstant);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, RoundTripTest, ::testing::Values(6, 7));

// A menu's texts come back in the encoding they were stored in; an unmarked menu made for
// another code page dumps readably with --code-page and still builds to its own bytes.
TEST(RoundTripTexts, EachEncodingComesBackByteForByte) {
  struct Case {
    std::string source;
    std::vector<std::string> dumpOptions;
    std::string encoding, title;
    // clang-format off
  } cases[] = {
      {R"({"title": "\u041c\u0435\u043d\u044e", "buttons": [{"caption": "&\u0416"}]})",
       {},
       "utf-8",
       "\xD0\x9C\xD0\xB5\xD0\xBD\xD1\x8E"},
      {R"({"text_encoding": "windows-1251", "title": "\u041c\u0435\u043d\u044e"})",
       {"--code-page", "1251"},
       "windows-1251",
       "\xD0\x9C\xD0\xB5\xD0\xBD\xD1\x8E"},
      // Read as a computer set to 1252 would show it: other letters, the same bytes.
      {R"({"text_encoding": "windows-1251", "title": "\u041c\u0435\u043d\u044e"})",
       {},
       "windows-1252",
       "\xC3\x8C\xC3\xA5\xC3\xAD\xC3\xBE"},
      {R"({"text_encoding": "windows-932", "title": "\u65e5\u672c"})",
       {"--code-page", "932"},
       "windows-932",
       "\xE6\x97\xA5\xE6\x9C\xAC"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    TempFolder folder;
    WriteText(folder, "m.json", c.source);
    ASSERT_EQ(RunTool({"build", folder.PathOf("m.json"), "-o", folder.PathOf("one")}).Status, 0);
    std::vector<std::string> dump = {"dump", folder.PathOf("one/m.mnu"), "-o", folder.PathOf("d")};
    dump.insert(dump.end(), c.dumpOptions.begin(), c.dumpOptions.end());
    const auto dumped = RunTool(dump);
    ASSERT_EQ(dumped.Status, 0) << dumped.Err;
    EXPECT_NE(dumped.Out.find("(texts " + c.encoding + ")"), std::string::npos) << dumped.Out;
    const Json source = Json::parse(ReadBytes(folder.PathOf("d/m.json")));
    EXPECT_EQ(source["text_encoding"], c.encoding);
    EXPECT_EQ(source["title"], c.title);
    EXPECT_FALSE(source.contains("unused_texts")) << "the mark is written from text_encoding";
    if (c.dumpOptions.empty()) {  // list reads as dump does without --code-page
      EXPECT_NE(RunTool({"list", folder.PathOf("one/m.mnu")}).Out.find(", \"" + c.title + "\"\n"), std::string::npos);
    }
    ASSERT_EQ(RunTool({"build", folder.PathOf("d/m.json"), "-o", folder.PathOf("two")}).Status, 0);
    EXPECT_EQ(ReadBytes(folder.PathOf("two/m.mnu")), ReadBytes(folder.PathOf("one/m.mnu")));
  }
  // A marked menu whose texts are not UTF-8 dumps what the player shows, and says so.
  MenuFile broken;
  broken.Settings.LaterLayoutTexts[0] = "UTF-8";
  broken.Settings.MenuTitle = "a\xFF";
  UpdateCounts(broken);
  TempFolder folder;
  const Bytes bytes = WriteMenuFile(broken);
  WriteText(folder, "b.mnu", std::string(bytes.begin(), bytes.end()));
  const auto dumped = RunTool({"dump", folder.PathOf("b.mnu"), "-o", folder.PathOf("d")});
  EXPECT_NE(dumped.Out.find("1 text is not valid UTF-8"), std::string::npos) << dumped.Out;
  const Json source = Json::parse(ReadBytes(folder.PathOf("d/b.json")));
  EXPECT_EQ(source["title"], "a\xEF\xBF\xBD");
  EXPECT_EQ(source["unused_texts"][0], "UTF-8");  // kept as it was written
}

// Pictures by slot, the later of two values for one slot winning as in the player; slots that
// no button or state shows are left out.
std::map<std::tuple<int, int, int>, std::vector<uint32_t>> ShownPictures(const MenuFile& menu) {
  std::map<std::tuple<int, int, int>, std::vector<uint32_t>> slots;
  for (const PictureValue& p : menu.Pictures)
    if (p.Slot.Button <= menu.Buttons.size() && p.Slot.State <= 3 && p.Slot.Frame >= 0 && p.Slot.Frame <= 100)
      slots[{p.Slot.Button, p.Slot.State, p.Slot.Frame}] = p.Image.Pixels;
  return slots;
}

// Everything but the pictures, written out in one layout: equal bytes mean an equal menu.
Bytes MenuWithoutPictures(MenuFile menu) {
  menu.Pictures.clear();
  UpdateCounts(menu);
  return WriteMenuFile(menu);
}

TEST(RoundTripForeign, AnyReadableMenuComesBackAsTheSameMenuAndPixels) {
  for (uint8_t version : {uint8_t(6), uint8_t(8)}) {
    SCOPED_TRACE(version);
    MenuFile menu;
    menu.Header.Version = version;
    menu.Settings.MenuTitle = "Foreign";
    menu.Settings.ShapeText = "";
    menu.Buttons.resize(2);
    menu.Buttons[0].Target = "a.exe";
    menu.Buttons[1].ButtonKind = 2;
    menu.Buttons[0].ViewerCheck = 1;    // on, with no viewer named
    menu.Buttons[1].ViewerCompare = 2;  // the only viewer field set
    menu.Header.Unused6 = 1;
    menu.Settings.ScrollTitle = -1;
    menu.Settings.ShadowColour = {1, -1, 2};          // not a "#RRGGBB"
    menu.Settings.DescriptionColour = {255, 0, 256};  // one part past a byte
    menu.Settings.TimeFont = menu.Settings.DateFont = DefaultSettings().TimeFont;
    // Out of order, one slot twice (the later wins), one slot no button has.
    auto add = [&](int button, int state, int frame, uint32_t seed) {
      PictureValue p;
      p.Slot = {uint8_t(button), uint8_t(state), frame};
      p.Image = PatternPicture(3 + button, 2 + state, seed, uint8_t(seed));
      menu.Pictures.push_back(p);
    };
    add(2, 1, 2, 1);
    add(0, 0, 0, 2);
    add(1, 0, 0, 3);
    add(1, 0, 0, 4);
    add(9, 0, 0, 5);
    add(2, 1, 1, 6);
    menu.Pictures.push_back(PictureAt(1, 2, 0, PatternPicture(1, 1, 7, 7)));  // one pixel: its fourth byte 7
    UpdateCounts(menu);
    Bytes file = WriteMenuFile(menu);
    // Values no writer of ours makes: a text of negative length and an odd length field.
    ASSERT_EQ(file[11], 4);
    file[12] = file[13] = file[14] = file[15] = 0xFF;
    file.erase(file.begin() + 16, file.begin() + 16 + 7);  // "Foreign" now read as empty
    ASSERT_EQ(file[16], 2);
    file[17] = 0x77;

    TempFolder folder;
    testing::WriteText(folder, "foreign.mnu", std::string(file.begin(), file.end()));
    const ReadMenu original = ReadMenuBytes(file);
    ASSERT_TRUE(original.HeaderAccepted);
    ASSERT_FALSE(original.ReadError);

    const auto dumped = RunTool({"dump", folder.PathOf("foreign.mnu"), "-o", folder.PathOf("d")});
    ASSERT_EQ(dumped.Status, 0) << dumped.Err;
    EXPECT_NE(dumped.Out.find("appears twice"), std::string::npos);
    EXPECT_NE(dumped.Out.find("button 9"), std::string::npos);
    // Only the five shown pictures are written out, not the one of button 9.
    const std::filesystem::directory_iterator files(folder.PathOf("d/foreign"));
    EXPECT_EQ(std::distance(begin(files), end(files)), 5);
    const auto built = RunTool({"build", folder.PathOf("d/foreign.json"), "-o", folder.PathOf("b")});
    ASSERT_EQ(built.Status, 0) << built.Err;
    // A dump names only what differs from a source that leaves it out.
    const Bytes dumpText = ReadBytes(folder.PathOf("d/foreign.json"));
    EXPECT_EQ(std::string(dumpText.begin(), dumpText.begin() + 5), "{\n  \"");  // indented by two
    const Json dump = Json::parse(dumpText);
    EXPECT_EQ(dump["scroll_title"], true);
    EXPECT_FALSE(dump.contains("clock") || dump.contains("unused_texts")) << dump.dump();
    const ReadMenu again = ReadMenuBytes(ReadBytes(folder.PathOf("b/foreign.mnu")));
    ASSERT_FALSE(again.ReadError);

    EXPECT_EQ(MenuWithoutPictures(again.Menu), MenuWithoutPictures(original.Menu));
    EXPECT_EQ(ShownPictures(again.Menu), ShownPictures(original.Menu));
    EXPECT_EQ(ShownPictures(again.Menu).at({1, 0, 0}), PatternPicture(4, 2, 4, 4).Pixels);
  }
}

}  // namespace
}  // namespace orvane::pack
