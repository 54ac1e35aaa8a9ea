#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "menudata/menu_fixtures.h"
#include "menudata/text_encoding.h"
#include "support/latin1_decoder.h"

namespace orvane::testing {
namespace {

std::vector<PictureValue> SomePictures() {
  // The background is larger than the stream buffer, so it is read past it.
  return {PictureFor(0, 0, 0, GradientPicture(200, 100, 1)), PictureFor(2, 1, 0, GradientPicture(8, 6, 2)),
          PictureFor(1, 3, 7, GradientPicture(5, 9, 3)), PictureFor(100, 2, 100, GradientPicture(1, 1, 4))};
}

// A rig whose executable packs the one menu file "m", loaded into `read` by the loader's sequence.
struct LoadedRig : ReaderRig {
  MenuFile read;
  bool loaded;
  explicit LoadedRig(const Bytes& file) {
    Start(PackedExecutable({{"m", file}}));
    loaded = LoadMenu("m", read);
  }
};

void ExpectRoundTrip(const MenuFile& written, const MenuFile& read) {
  EXPECT_EQ(read.Header.Version, written.Header.Version);
  ExpectSameFields(read, written);
  // Fields the version-6 layout does not carry stay at their defaults.
  if (!IsLaterLayout(written.Header.Version)) {
    for (const std::string& text : read.Settings.LaterLayoutTexts) EXPECT_EQ(text, "");
    for (const ButtonRecord& b : read.Buttons) {
      EXPECT_EQ(b.FontName, "");
      EXPECT_EQ(b.ViewerCompare, 0);
    }
  }
  ASSERT_EQ(read.Pictures.size(), written.Pictures.size());
  for (size_t i = 0; i < read.Pictures.size(); ++i) {
    SCOPED_TRACE("picture " + std::to_string(i));
    ExpectSamePicture(read.Pictures[i], written.Pictures[i]);
  }
}

TEST(MenuBody, ChosenValuesRoundTripInEveryLayout) {
  for (uint8_t version : {6, 7, 8}) {
    SCOPED_TRACE("version " + std::to_string(version));
    const MenuFile written = MenuOf(version, {ChosenButton(1), ChosenButton(2), ChosenButton(3)}, SomePictures());
    const Bytes main = pack::WriteMenuFile(written);
    const MenuFile smallMenu = MenuOf(6, {ChosenButton(4)}, {});  // no later-layout fields
    const Bytes small = pack::WriteMenuFile(smallMenu);
    ReaderRig rig;
    rig.Start(PackedExecutable({{"Main.mnu", main}, {"next", small}, {"last", small}}));
    // What a start from a slow disc costs: the trailer, the container header (empty text) and
    // three entries, after the 64-byte header that tells whether a certificate table follows;
    // then each menu's own bytes: no buffer fill runs on into the next packed file or past the
    // last one, and switching menus does not read the directory again.
    EXPECT_EQ(rig.Files.Counts().BytesRead, 64 + 4 + 4 + 3 + 5 + 6 + 1 + 3 * 260);
    rig.Files.ResetCounts();
    MenuFile read;
    ASSERT_TRUE(rig.LoadMenu("MAIN.MNU", read));
    EXPECT_FALSE(rig.Unit.ReadErrorFlag);
    EXPECT_TRUE(rig.Dialog.Messages.empty());
    ExpectRoundTrip(written, read);
    EXPECT_EQ(rig.Files.Counts().BytesRead, static_cast<int64_t>(main.size()));
    // Into the same file, as a menu switch does: nothing of the menu before stays.
    for (const char* other : {"next", "last"}) {
      rig.Files.ResetCounts();
      ASSERT_TRUE(rig.LoadMenu(other, read));
      EXPECT_EQ(rig.Files.Counts().BytesRead, static_cast<int64_t>(small.size())) << other;
      ExpectRoundTrip(smallMenu, read);
    }
  }
}

TEST(MenuBody, SeededRandomMenusRoundTrip) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 12; ++round) {
    const uint8_t version = round % 3 == 0 ? 6 : static_cast<uint8_t>(7 + round % 5);
    std::vector<ButtonRecord> buttons;
    const int count = static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) buttons.push_back(RandomButton(random));
    std::vector<PictureValue> pictures;
    const int pictureCount = static_cast<int>(random() % 5);
    for (int i = 0; i < pictureCount; ++i)
      pictures.push_back(PictureFor(static_cast<uint8_t>(random() % 101), static_cast<uint8_t>(random() % 4),
                                    static_cast<int32_t>(random() % 101),
                                    GradientPicture(1 + random() % 20, 1 + random() % 20, random())));
    const MenuFile written = MenuOf(version, buttons, pictures, RandomSettings(random));
    SCOPED_TRACE("round " + std::to_string(round));
    ReaderRig rig;
    // Several menus in one container, read from the middle one.
    rig.Start(PackedExecutable({{"a", {1, 2, 3}}, {"r", pack::WriteMenuFile(written)}, {"z", {9}}}));
    MenuFile read;
    ASSERT_TRUE(rig.LoadMenu("r", read));
    EXPECT_FALSE(rig.Unit.ReadErrorFlag);
    ExpectRoundTrip(written, read);
  }
}

TEST(MenuBody, AHundredButtonsAndThreeStatesEachRoundTrip) {
  std::vector<ButtonRecord> buttons;
  std::vector<PictureValue> pictures{PictureFor(0, 0, 0, GradientPicture(64, 48, 0))};
  for (int n = 1; n <= 100; ++n) {
    buttons.push_back(ChosenButton(n));
    for (uint8_t state = 0; state < 3; ++state)
      pictures.push_back(PictureFor(static_cast<uint8_t>(n), state, 0, GradientPicture(6, 4, n * 3 + state)));
  }
  const MenuFile written = MenuOf(7, buttons, pictures);
  LoadedRig rig(pack::WriteMenuFile(written));
  ASSERT_TRUE(rig.loaded);
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  ExpectRoundTrip(written, rig.read);
}

TEST(MenuBody, APictureCountOfZeroOrLessMeansNoPictures) {
  for (int16_t count : {0, -1, INT16_MIN}) {
    MenuFile written = MenuOf(7, {ChosenButton(1)}, {});
    written.Header.PictureCount = count;
    LoadedRig rig(pack::WriteMenuFile(written));
    ASSERT_TRUE(rig.loaded);
    EXPECT_FALSE(rig.Unit.ReadErrorFlag) << count;
    EXPECT_TRUE(rig.read.Pictures.empty()) << count;
    ASSERT_EQ(rig.read.Buttons.size(), 1u);
    ExpectSameButton(rig.read.Buttons[0], written.Buttons[0], 7);
  }
}

TEST(MenuBody, AFailedPictureStoresNothingAndTheRestStillLoads) {
  MenuFile written = MenuOf(7, {ChosenButton(1)}, SomePictures());
  written.Pictures[1].Slot.State = 9;  // no such state
  LoadedRig rig(pack::WriteMenuFile(written));
  ASSERT_TRUE(rig.loaded);
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  ASSERT_EQ(rig.read.Pictures.size(), 3u);
  ExpectSamePicture(rig.read.Pictures[0], written.Pictures[0]);
  ExpectSamePicture(rig.read.Pictures[1], written.Pictures[2]);
  ExpectSamePicture(rig.read.Pictures[2], written.Pictures[3]);
}

// More pictures announced than present: the missing ones fail, the present ones are kept.
TEST(MenuBody, AFileEndingEarlyKeepsWhatWasReadAndFlags) {
  MenuFile written = MenuOf(7, {ChosenButton(1), ChosenButton(2)}, SomePictures());
  written.Header.PictureCount = 9;
  LoadedRig rig(pack::WriteMenuFile(written));
  ASSERT_TRUE(rig.loaded);
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  EXPECT_EQ(rig.read.Pictures.size(), 4u);
  EXPECT_TRUE(rig.Dialog.Messages.empty());

  // Cut inside the settings: everything after is neutral, nothing crashes.
  const Bytes whole = pack::WriteMenuFile(written);
  for (size_t cut : {size_t{11}, size_t{50}, size_t{200}, whole.size() / 2, whole.size() - 1}) {
    ReaderRig part;
    part.OpenBare(Bytes(whole.begin(), whole.begin() + cut));
    MenuHeader header;
    ASSERT_TRUE(part.Unit.CheckMenuHeader(header));
    MenuFile partial;
    ReadMenuBody(part.Unit, header, partial);
    EXPECT_TRUE(part.Unit.ReadErrorFlag) << cut;
    EXPECT_EQ(partial.Buttons.size(), 2u) << cut;
    EXPECT_LE(partial.Pictures.size(), 4u) << cut;
  }
}

TEST(MenuBody, AWrongTagInTheSettingsFlagsAndTheLoadFinishes) {
  MenuFile written = MenuOf(7, {ChosenButton(1)}, SomePictures());
  Bytes file = pack::WriteMenuFile(written);
  // Setting 2 (Placement) starts after the header and the title's text value.
  const size_t placement = 11 + 5 + written.Settings.MenuTitle.size();
  ASSERT_EQ(file[placement], 2);
  file[placement] = 3;
  LoadedRig rig(file);
  ASSERT_TRUE(rig.loaded);
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  EXPECT_EQ(rig.read.Settings.MenuTitle, written.Settings.MenuTitle);
  EXPECT_EQ(rig.read.Settings.Placement, 0);
  EXPECT_EQ(rig.read.Buttons.size(), 1u);
  EXPECT_TRUE(rig.Dialog.Messages.empty());
}

// Records past the hundredth are read to stay in step, so the pictures after them still load.
TEST(MenuBody, AButtonCountAboveAHundredKeepsTheFirstHundredInStep) {
  for (uint8_t version : {6, 7}) {
    std::vector<ButtonRecord> buttons;
    for (int n = 1; n <= 120; ++n) buttons.push_back(ChosenButton(n));
    const MenuFile written{
        {{{'M', 'E', 'N', 'U'}}, 1, version, 0, 0, 120, 4}, ChosenSettings(), buttons, SomePictures()};
    LoadedRig rig(pack::WriteMenuFile(written));
    ASSERT_TRUE(rig.loaded);
    EXPECT_TRUE(rig.Unit.ReadErrorFlag);
    EXPECT_EQ(rig.read.Header.ButtonCount, 100);
    ASSERT_EQ(rig.read.Buttons.size(), 100u);
    ExpectSameButton(rig.read.Buttons[99], buttons[99], version);
    ASSERT_EQ(rig.read.Pictures.size(), 4u);
    ExpectSamePicture(rig.read.Pictures[3], written.Pictures[3]);
  }
}

TEST(MenuBody, ALoaderSequenceThatFailsBeforeTheBodyLeavesNoStreamOpen) {
  LoadedRig rig(pack::WriteMenuFile(MenuOf(5, {}, {})));
  EXPECT_FALSE(rig.loaded);
  EXPECT_EQ(rig.Files.Counts().OpenNow, 0);
  ASSERT_EQ(rig.Dialog.Messages.size(), 1u);
  EXPECT_EQ(rig.Dialog.Messages[0].Kind, MessageKind::Information);
}

TEST(MenuTexts, TheUtf8MarkIsReadFromTheLaterLayoutOnly) {
  struct Row {
    uint8_t version;
    const char* firstText;
    bool marked;
  } rows[] = {{7, "utf-8", true}, {8, "UTF-8", true},   {7, "Utf-8", true}, {6, "utf-8", false},
              {7, "utf8", false}, {7, " utf-8", false}, {7, "", false},     {7, "utf-16", false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.version) + " '" + row.firstText + "'");
    MenuSettings settings = ChosenSettings();
    settings.LaterLayoutTexts[0] = row.firstText;
    LoadedRig rig(pack::WriteMenuFile(MenuOf(row.version, {ChosenButton(1)}, {}, settings)));
    ASSERT_TRUE(rig.loaded);
    EXPECT_EQ(DeclaresUtf8(rig.read), row.marked);
  }
}

TEST(MenuTexts, MarkedTextsAreKeptWithIllFormedPiecesReplacedAndCounted) {
  MenuSettings settings = ChosenSettings();
  settings.LaterLayoutTexts[0] = kUtf8Mark;
  settings.MenuTitle = "\xD0\xA3\xD1\x81\xD1\x82 \xCE\xB1 \xE6\x97\xA5\xEF\xBF\xBD";  // kept as it is
  MenuFile menu = MenuOf(7, {ChosenButton(1), ChosenButton(2)}, {});
  menu.Settings = settings;
  menu.Buttons[0].Caption = "&\xC3(";             // a lead byte without its continuation
  menu.Buttons[1].Target = "a\xFF\xED\xA0\x80z";  // a byte never used, a surrogate
  const Latin1Decoder unused;
  EXPECT_EQ(DecodeMenuTexts(menu, unused).InvalidUtf8Texts, 2);
  EXPECT_TRUE(unused.Seen.empty());
  EXPECT_EQ(menu.Settings.MenuTitle, settings.MenuTitle);
  EXPECT_EQ(menu.Buttons[0].Caption, "&\xEF\xBF\xBD(");
  EXPECT_EQ(menu.Buttons[1].Target, "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDz");
  EXPECT_EQ(menu.Buttons[1].Caption, "&Item 2");
}

TEST(MenuTexts, EveryTextOfAnUnmarkedMenuIsConvertedOnce) {
  for (uint8_t version : {6, 7}) {
    SCOPED_TRACE(version);
    MenuFile menu = MenuOf(version, {ChosenButton(1), ChosenButton(2)}, {});
    menu.Settings.MenuTitle = "Caf\xE9";
    menu.Buttons[1].ShortcutKey = "\xC4";
    menu.Buttons[1].FontName = "Verdana";  // the chosen buttons share these three
    menu.Buttons[1].ViewerName = "viewer.exe";
    menu.Buttons[1].ViewerVersion = "6";
    const Latin1Decoder decoder;
    EXPECT_EQ(DecodeMenuTexts(menu, decoder).InvalidUtf8Texts, 0);
    // The non-empty texts: nine of the settings (one trailing text is empty) and eight of each
    // button; the chosen values all differ, so a text visited twice or left out shows here.
    std::vector<std::string> seen = decoder.Seen;
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
    EXPECT_EQ(seen.size(), 9u + 2 * 8);
    EXPECT_EQ(menu.Settings.MenuTitle, "Caf\xC3\xA9");
    EXPECT_EQ(menu.Buttons[1].ShortcutKey, "\xC3\x84");
    EXPECT_EQ(menu.Buttons[0].ViewerName, "AcroRd32.exe");
  }
}

}  // namespace
}  // namespace orvane::testing
