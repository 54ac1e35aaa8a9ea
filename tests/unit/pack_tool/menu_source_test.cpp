// Reading menu sources: names to stored values, defaults, and errors that name file and field.
#include <gtest/gtest.h>

#include "menudata/text_encoding.h"
#include "pack_tool/tool_fixtures.h"
#include "tool/source/menu_source.h"
#include "tool/source/menu_texts.h"
#include "tool/tool_error.h"

namespace orvane::pack {
namespace {

using testing::PatternPicture;
using testing::TempFolder;
using testing::WritePng;
using testing::WriteText;

class MenuSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePng(folder_, "bg.png", PatternPicture(20, 10, 1));
    WritePng(folder_, "art/b.png", PatternPicture(6, 4, 2));
    WritePng(folder_, "art/spin_01.png", PatternPicture(6, 4, 3));
    WritePng(folder_, "art/spin_02.png", PatternPicture(6, 4, 4));
    WritePng(folder_, "art/spin_03.png", PatternPicture(6, 4, 5));
  }
  MenuSource Parse(const std::string& text) {
    WriteText(folder_, "menu.json", text);
    return LoadMenuSource(folder_.PathOf("menu.json"));
  }
  // The message of the ToolError that parsing throws, or "" when it parses.
  std::string ErrorOf(const std::string& text) {
    try {
      Parse(text);
    } catch (const ToolError& e) {
      return e.what();
    }
    return "";
  }
  TempFolder folder_;
};

TEST_F(MenuSourceTest, ReadableNamesBecomeTheStoredValues) {
  // clang-format off
  const MenuSource s = Parse(R"({
    "title": "Demo", "placement": "upper-right", "scroll_title": true, "anim_interval": 80,
    "description": {"text": "a\u00b6b", "colour": "#09afAF", "alignment": "centre",
                    "shadow": {"offset": 2, "colour": 12}},
    "clock": {"time": {"left": 5, "top": 6}, "colour": {"green": 7}}, "header": {"byte6": 3},
    "pictures": {"normal": "bg.png"},
    "buttons": [
      {"name": "go", "target": "x.exe", "pictures": {"normal": "art/b.png"}, "animation": "bounce",
       "window": "maximized", "wait_for_exit": true, "close_after": true,
       "font": {"colour": "#FF0000", "italic": true}, "alignment": "right",
       "viewer": {"name": "Reader", "version": "5", "compare": "at-least"}},
      {"kind": "label", "caption": "&Help", "font": {"colour": {}}}
    ],
    "initial_button": "go"})");
  // clang-format on
  const MenuSettings& m = s.Menu.Settings;
  EXPECT_EQ(s.OutputName, "menu.mnu");
  EXPECT_EQ(m.Placement, 10);
  EXPECT_EQ(m.ScrollTitle, -1);
  EXPECT_EQ(m.AnimInterval, 80);
  EXPECT_EQ(m.DefaultDescription,
            "a\xB6"
            "b");                            // the line mark is byte 0xB6 in the menu
  EXPECT_EQ(m.DescriptionColour.Red, 0x09);  // every edge of the hex digits
  EXPECT_EQ(m.DescriptionColour.Green, 0xAF);
  EXPECT_EQ(m.DescriptionColour.Blue, 0xAF);
  EXPECT_EQ(m.DescriptionAlignment, 2);
  EXPECT_EQ(m.ShadowOffset, 2);
  EXPECT_EQ(m.ShadowColour.Red, 0xFF);  // 16-colour index 12 is bright red
  EXPECT_EQ(m.ShadowColour.Blue, 0);
  EXPECT_EQ(m.ClockColour.Red, 0);  // the parts left out of a colour are 0
  EXPECT_EQ(m.ClockColour.Green, 7);
  EXPECT_EQ(m.ClockColour.Blue, 0);
  EXPECT_EQ(m.TimeShown, -1);  // naming the label shows it
  EXPECT_EQ(m.DateShown, 0);
  EXPECT_EQ(m.DateFont.Name, "Tahoma");
  EXPECT_EQ(m.InitialButton, 1);
  EXPECT_EQ(m.ShapeText, "NULL");

  ASSERT_EQ(s.Menu.Buttons.size(), 2u);
  const ButtonRecord& go = s.Menu.Buttons[0];
  EXPECT_EQ(go.ButtonKind, 0);  // pictures make an image button
  EXPECT_EQ(go.Width, 6);       // and its size is the picture's
  EXPECT_EQ(go.AnimMode, 5);
  EXPECT_EQ(go.RunMaximized, 1);
  EXPECT_EQ(go.WaitForExit, -1);
  EXPECT_EQ(go.CloseAfter, -1);
  EXPECT_EQ(go.FontColour, 0x0000FF);  // red in the lowest byte
  EXPECT_EQ(go.Italic, -1);
  EXPECT_EQ(go.Alignment, 1);
  EXPECT_EQ(go.ViewerCheck, 1);  // the check runs only at exactly 1
  EXPECT_EQ(go.ViewerCompare, 1);
  const ButtonRecord& help = s.Menu.Buttons[1];
  EXPECT_EQ(help.ButtonKind, 2);
  EXPECT_EQ(help.Width, 97);
  EXPECT_EQ(help.FontName, "Tahoma");
  EXPECT_EQ(help.FontColour, 0);  // a colour's value left out is 0
  EXPECT_EQ(s.Menu.Header.ButtonCount, 2);
  EXPECT_EQ(s.Menu.Header.PictureCount, 2);
  EXPECT_EQ(s.Menu.Header.Unused7, 0);  // left out of the header

  // The player's codes follow the order of the names.
  int code = 0;
  for (const char* name :
       {"centre", "top-left", "top-right", "bottom-left", "bottom-right", "top-left-quarter", "top-right-quarter",
        "bottom-left-quarter", "bottom-right-quarter", "upper-third", "upper-right"})
    EXPECT_EQ(Parse(R"({"placement": ")" + std::string(name) + "\"}").Menu.Settings.Placement, code++);
  code = 0;
  for (const char* name : {"still", "random", "once", "loop", "there-and-back", "bounce"})
    EXPECT_EQ(Parse(R"({"buttons": [{"animation": ")" + std::string(name) + "\"}]}").Menu.Buttons[0].AnimMode, code++);
}

TEST_F(MenuSourceTest, FramesComeFromNumberedFilesInSlotOrder) {
  const MenuSource s = Parse(R"({"buttons": [{"pictures": {
      "highlighted": {"frames": "art/spin_##.png"},
      "normal": {"file": "art/b.png", "fourth_byte": 255, "frames": ["art/spin_03.png", null,
                 {"file": "art/spin_01.png", "unused_byte": 0}]}}}]})");
  std::vector<std::tuple<int, int, int>> slots;
  for (const PictureValue& p : s.Menu.Pictures) slots.emplace_back(p.Slot.Button, p.Slot.State, p.Slot.Frame);
  // Normal still, normal frames 1 and 3 (2 is a gap), then highlighted frames 1 to 3.
  const std::vector<std::tuple<int, int, int>> expected = {{1, 0, 0}, {1, 0, 1}, {1, 0, 3},
                                                           {1, 1, 1}, {1, 1, 2}, {1, 1, 3}};
  EXPECT_EQ(slots, expected);
  EXPECT_EQ(s.Menu.Pictures[1].Image.Pixels[0] >> 24, 255u);  // fourth byte of the state's frames
  EXPECT_EQ(s.Menu.Pictures[1].Image.Pixels, PatternPicture(6, 4, 5, 255).Pixels);
  EXPECT_EQ(s.Menu.Pictures[3].Image.Pixels[0] >> 24, 0u);
}

TEST_F(MenuSourceTest, ErrorsNameTheFileAndTheField) {
  const std::string file = folder_.PathOf("menu.json");
  // Every mistake in one run, in reading order, an unknown field with the name it most likely is.
  EXPECT_EQ(ErrorOf(R"({"transparent_colour": 5, "tilte": "a", "buttons": [{"desciption": "a",
      "left": "x"}, {"animaton": "loop", "font": {"szie": 3}, "frames": []}], "zzz": 1})"),
            file + ": buttons[0].left: expected a whole number, found \"x\"\n" + file +
                ": buttons[0].desciption: unknown field; did you mean \"description\"?\n" + file +
                ": buttons[1].font.szie: unknown field; did you mean \"size\"?\n" + file +
                ": buttons[1].animaton: unknown field; did you mean \"animation\"?\n" + file +
                ": buttons[1].frames: unknown field in \"buttons[1]\"; it belongs in a picture "
                "given as an object\n" +
                file + ": transparent_colour: unknown field at the top level; it belongs in \"shape\"\n" + file +
                ": tilte: unknown field; did you mean \"title\"?\n" + file + ": zzz: unknown field (misspelt?)");
  WritePng(folder_, "short.png", PatternPicture(20, 5, 7));
  // Pictures of the sizes at the player's limits (16384 a side, 16 Mi pixels) and one past, as
  // headers without their pixels: one within the limits is read on and found cut short.
  const std::vector<uint8_t> png = testing::ReadBytes(folder_.PathOf("bg.png"));
  for (const auto& [width, height, within] : {std::tuple{16384, 1024, true},
                                              {16385, 1, false},
                                              {1, 16384, true},
                                              {1, 16385, false},
                                              {4096, 4096, true},
                                              {4097, 4096, false},
                                              {16384, 1025, false}}) {
    std::vector<uint8_t> sized = png;
    for (int i = 0; i < 4; ++i) {
      sized[16 + i] = static_cast<uint8_t>(width >> (24 - 8 * i));
      sized[20 + i] = static_cast<uint8_t>(height >> (24 - 8 * i));
    }
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    WriteText(folder_, size + ".png", std::string(sized.begin(), sized.end()));
    const std::string error = ErrorOf(R"({"pictures": {"normal": ")" + size + ".png\"}}");
    EXPECT_NE(error.find(within ? size + ".png: cannot be decoded"
                                : "picture size " + size + " is beyond what the player reads"),
              std::string::npos)
        << error;
  }
  const std::string longKey(64, 'q');  // no field name is as long
  // clang-format off
  const std::pair<std::string, std::string> rows[] = {
      // source, part of the error
      {R"({"description": {"colour": "#12345"}})", file + ": description.colour: expected a colour"},
      {R"({"description": {"txt": "a"}})", "description.txt: unknown field"},
      {"", file + ": is not valid JSON"},  // an empty file is read, then found empty
      {R"({"header": {"byte7": 256}})", "header.byte7: 256 is outside 0 to 255"},
      {R"({"unused_texts": ["a", "b", "c", "d", "e"]})", "unused_texts: expected a list of four texts"},
      {R"({"buttons": [{"name": "a"}, {"name": "a"}]})", "buttons[1].name: another button is already named \"a\""},
      {R"({"buttons": [{"pictures": {"pressed": "art/none.png"}}]})", file + ": buttons[0].pictures.pressed: "},
      {R"({"version": 6, "title": "\u2192"})",
       "title: holds the character U+2192 (\xE2\x86\x92), which windows-1252 lacks; a menu of "
       "version 6 holds only 8-bit texts; build it as version 7"},
      {R"({"text_encoding": "windows-1252", "buttons": [{"caption": "&\u0416"}]})",
       "buttons[0].caption: holds the character U+0416 (\xD0\x96), which windows-1252 lacks; "
       "write \"text_encoding\": \"utf-8\""},
      {R"({"text_encoding": "windows-1251", "title": "\u03b1"})", "which windows-1251 lacks"},
      {R"({"text_encoding": "latin-1"})", "text_encoding: expected \"utf-8\" or \"windows-1252\""},
      {R"({"version": 6, "text_encoding": "utf-8"})", "text_encoding: \"utf-8\": a menu of version 6"},
      // The mark is the tool's: an unused text neither sets nor clears it.
      {R"({"unused_texts": ["UTF-8", "", "", ""]})",
       "unused_texts[0]: \"UTF-8\" would mark the texts as UTF-8, but the texts are stored as "
       "windows-1252 (every text fits and text_encoding is not given)"},
      {R"({"text_encoding": "utf-8", "unused_texts": ["x", "", "", ""]})",
       "unused_texts[0]: \"x\" takes the place of the UTF-8 mark, but \"text_encoding\" is \"utf-8\""},
      {R"({"placement": "middle"})", "placement: expected one of centre"},
      {R"({"initial_button": "nobody"})", "initial_button: no button"},
      {R"({"version": 6, "buttons": [{"font": {"size": 9}}]})", "buttons[0].font: exists only in menus of version 7"},
      {R"({"buttons": [{"pictures": {"normal": {"frames": "art/x_#.png"}}}]})", "no frame found"},
      {R"({"file": "sub/menu.mnu"})", "file: "},
      // A wrong type for each kind of field, down to the parts of a colour.
      {R"({"buttons": [{"wait_for_exit": "yes"}]})",
       "buttons[0].wait_for_exit: expected true, false or a number, found \"yes\""},
      {R"({"scroll_title": 1.5})", "scroll_title: expected true, false or a number, found 1.5"},
      {R"({"anim_interval": true})", "anim_interval: expected a whole number, found true"},
      {R"({"buttons": [{"shortcut": 5}]})", "buttons[0].shortcut: expected a text, found 5"},
      {R"({"buttons": [{"window": true}]})", "buttons[0].window: expected one of "},
      {R"({"clock": {"colour": {"red": "x"}}})", "clock.colour.red: expected a whole number"},
      {R"({"clock": {"colour": [1]}})", "clock.colour: expected a colour"},
      {R"({"buttons": [{"font": {"colour": {"value": "x"}}}]})", "buttons[0].font.colour.value: expected a whole"},
      {R"({"description": {"shadow": 1}})", "description.shadow: expected an object"},
      // An unknown key is shown whole up to the longest compared, cut one past.
      {"{\"" + longKey + "\": 1}", file + ": " + longKey + ": unknown field"},
      {"{\"" + longKey + "q\": 1}", file + ": " + longKey.substr(0, 40) + "...: unknown field"},
      {R"({"clock": {"time": {"tzz": 1}}})", "clock.time.tzz: unknown field (misspelt?)"},  // not "top"
      {R"({"shape": {"runs": [[0, 5, 30]]}, "pictures": {"normal": "bg.png"}})", "outside the width 20"},
      {R"({"shape": {"mask": "short.png"}, "pictures": {"normal": "bg.png"}})",
       "shape.mask: mask is 20x5 but the background is 20x10"},
      {R"({"shape": {"text": "NULL", "colur": 1}})", "shape.colur: unknown field"},
      // A transparent colour is one of the 16-colour table's, and black leaves no outline.
      {R"({"shape": {"runs": [], "transparent_colour": "#FF00FE"}})",
       "shape.transparent_colour: #FF00FE is none of the 16 colours"},
      {R"({"shape": {"runs": [], "transparent_colour": "#000000"}})",
       "#000000 is colour 0, which leaves the window rectangular"},
  };
  // clang-format on
  for (const auto& [source, part] : rows)
    EXPECT_NE(ErrorOf(source).find(part), std::string::npos) << source << " gave: " << ErrorOf(source);
  for (const char past : std::string("/:@G`g"))  // one past each range of hex digits
    EXPECT_NE(ErrorOf(R"({"clock": {"colour": "#12345)" + std::string(1, past) + "\"}}")
                  .find("clock.colour: expected a colour"),
              std::string::npos)
        << past;
}

TEST_F(MenuSourceTest, TextsAreStoredInTheEncodingAskedForOrTheOneTheyFit) {
  struct Case {
    std::string source, title, mark, note;
    // clang-format off
  } cases[] = {
      // Today's sources give today's bytes.
      {R"({"title": "Caf\u00e9", "unused_texts": ["a", "", "", ""]})", "Caf\xE9", "a", ""},
      {R"({"title": "\u042f", "buttons": [{"caption": "&\u0416"}]})", "\xD0\xAF", "utf-8",
       "texts stored as UTF-8, since title holds the character U+042F (\xD0\xAF), which "
       "windows-1252 lacks"},
      {R"({"text_encoding": "UTF-8", "title": "Caf\u00e9"})", "Caf\xC3\xA9", "utf-8", ""},
      {R"({"text_encoding": "utf-8", "unused_texts": ["Utf-8", "b", "", ""], "title": "x"})", "x", "Utf-8", ""},
      {R"({"text_encoding": "windows-1251", "title": "\u042f"})", "\xDF", "", ""},
      {R"({"version": 6, "title": "Caf\u00e9"})", "Caf\xE9", "", ""},
  };
  // clang-format on
  for (const Case& c : cases) {
    const MenuSource s = Parse(c.source);
    EXPECT_EQ(s.Menu.Settings.MenuTitle, c.title) << c.source;
    EXPECT_EQ(s.Menu.Settings.LaterLayoutTexts[0], c.mark) << c.source;
    EXPECT_EQ(s.Notes.empty(), c.note.empty()) << c.source;
    for (const std::string& note : s.Notes) EXPECT_NE(note.find(c.note), std::string::npos) << note;
  }
}

TEST_F(MenuSourceTest, TransparentPixelsAreComposedOverTheBackgroundWhereTheButtonStands) {
  Picture art = PatternPicture(6, 4, 8, 255);
  art.Pixels[0] &= 0x00FFFFFF;          // transparent corner
  art.Pixels[1] = 0x80FF0000;           // half-transparent red
  art.Pixels[6 * 4 - 1] &= 0x00FFFFFF;  // the last pixel: beyond the background
  WritePng(folder_, "art/round.png", art, true);
  const MenuSource s = Parse(R"({"pictures": {"normal": "bg.png"}, "accessory": {"left": 2, "top": 3},
      "buttons": [{"left": 16, "top": 7, "pictures": {"normal": "art/round.png",
                   "accessory": "art/round.png", "pressed": {"file": "art/round.png", "fourth_byte": "alpha"}}}]})");
  const Picture bg = PatternPicture(20, 10, 1);
  const std::vector<uint32_t>& button = s.Menu.Pictures[1].Image.Pixels;
  EXPECT_EQ(button[0], bg.Pixels[7 * 20 + 16]);  // the background under it, as the player shows it
  const uint32_t under = bg.Pixels[7 * 20 + 17];
  EXPECT_EQ(button[1], ((0xFF * 128 + ((under >> 16) & 0xFF) * 127 + 127) / 255) << 16 |
                           (((under >> 8) & 0xFF) * 127 + 127) / 255 << 8 | ((under & 0xFF) * 127 + 127) / 255);
  EXPECT_EQ(button[2], art.Pixels[2] & 0x00FFFFFF);                      // opaque pixels keep their colour
  EXPECT_EQ(button[23], 0u);                                             // nothing under it: black
  EXPECT_EQ(s.Menu.Pictures[2].Image.Pixels, art.Pixels);                // "alpha" keeps the fourth bytes
  EXPECT_EQ(s.Menu.Pictures[3].Image.Pixels[0], bg.Pixels[3 * 20 + 2]);  // the accessory's place
  const std::string note = folder_.PathOf("menu.json") + ": buttons[0].pictures.";
  EXPECT_EQ(s.Notes,
            (std::vector<std::string>{note + "normal: 3 transparent or partly transparent pixels composed over "
                                             "the background at (16, 7); 1 of them lies outside the background "
                                             "and shows black",
                                      note + "accessory: 3 transparent or partly transparent pixels composed "
                                             "over the background at (2, 3)"}));
}

TEST_F(MenuSourceTest, AHundredButtonsFitAndOneMoreDoesNot) {
  std::string buttons;
  for (int i = 0; i < 101; ++i) buttons += std::string(i ? "," : "") + "{}";
  EXPECT_NE(ErrorOf(R"({"buttons": [)" + buttons + "]}").find("at most 100"), std::string::npos);
  buttons = buttons.substr(3);
  EXPECT_EQ(Parse(R"({"buttons": [)" + buttons + "]}").Menu.Header.ButtonCount, 100);
  std::string frames;  // and a hundred frames, the last one set
  for (int i = 0; i < 99; ++i) frames += "null, ";
  EXPECT_EQ(Parse(R"({"buttons": [{"pictures": {"normal": {"frames": [)" + frames + R"("art/b.png"]}}}]})")
                .Menu.Pictures.at(0)
                .Slot.Frame,
            100);
}

TEST_F(MenuSourceTest, OutlineComesFromAMaskPicture) {
  // Magenta (16-colour index 13) and transparent pixels are cut out of the window.
  Picture mask = PatternPicture(20, 10, 9, 255);
  mask.Pixels[0] = 0xFFFF00FF;            // magenta, row 0 column 0
  mask.Pixels[1] = 0xFFFF00FF;            // and column 1
  mask.Pixels[20 * 9 + 19] = 0x00123456;  // transparent, last pixel
  WritePng(folder_, "mask.png", mask, true);
  for (const char* colour : {"13", "\"#ff00ff\""}) {
    const MenuSource s = Parse(R"({"pictures": {"normal": "bg.png"},
        "shape": {"mask": "mask.png", "transparent_colour": )" +
                               std::string(colour) + "}}");
    EXPECT_EQ(s.Menu.Settings.TransparentColour, 13) << colour;
    EXPECT_EQ(s.Menu.Settings.ShapeText, "00200010Y000100000002Y001000190020") << colour;
  }
  // Without a background the mask gives the size; white is the last of the 16 colours.
  EXPECT_EQ(Parse(R"({"shape": {"mask": "mask.png", "transparent_colour": 13}})").Menu.Settings.ShapeText,
            "00200010Y000100000002Y001000190020");
  EXPECT_EQ(Parse(R"({"shape": {"runs": [], "transparent_colour": "#FFFFFF"}})").Menu.Settings.TransparentColour, 15);
  EXPECT_EQ(Parse(R"({"shape": {"runs": [], "transparent_colour": 1}})").Menu.Settings.TransparentColour, 1);
}

}  // namespace
}  // namespace orvane::pack
