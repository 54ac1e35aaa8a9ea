#include <gtest/gtest.h>

#include <string>

#include "menudata/menu_fixtures.h"

namespace orvane::testing {
namespace {

const char kVersionNotice[] =
    "This is not an Orvane Version 6 or above file. If you have created the menu in a previous "
    "version of Orvane, you can use the Menu Conversion Wizard available from Tarvek Software's "
    "site to convert the file to Version 6 format.";

// A reader unit over bare bytes, positioned at their first byte.
struct BareRig : ReaderRig {
  explicit BareRig(Bytes bytes, int64_t unreadableFrom = INT64_MAX) { OpenBare(std::move(bytes), unreadableFrom); }
};

TEST(ValueReader, GoldenVectors) {
  BareRig rig({0x4D, 0x45, 0x4E, 0x55, 0x01, 0x07, 0x00, 0x00, 0x04, 0x0D, 0x00,  //
               0x02, 0x02, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00,              //
               0x04, 0x05, 0x00, 0x00, 0x00, 0x41, 0x72, 0x69, 0x61, 0x6C,        //
               0x02, 0x02, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF});
  MenuHeader header;
  header.Version = 0;
  ASSERT_TRUE(rig.Unit.CheckMenuHeader(header));
  EXPECT_EQ(rig.Unit.MenuVersion, 7);
  EXPECT_EQ(header.Version, 7);
  EXPECT_EQ(header.ButtonCount, 4);
  EXPECT_EQ(header.PictureCount, 13);
  EXPECT_EQ(rig.Unit.ReadShortValue(), 100);
  EXPECT_EQ(rig.Unit.ReadTextValue(), "Arial");
  EXPECT_EQ(rig.Unit.ReadShortValue(), -1);
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  EXPECT_TRUE(rig.Dialog.Messages.empty());
}

TEST(ValueReader, ReadsWhatTheWriterWritesAndIgnoresLengthFields) {
  pack::ValueWriter w;
  w.WriteByteValue(0xFE);
  w.WriteShortValue(INT32_MIN);
  w.WriteLongValue(INT32_MAX);
  w.WriteLongValue(-70000);
  w.WriteTextValue(std::string("a\0b\xFF", 4));
  // Length fields of tags 1 to 3 are not checked.
  w.RawByte(2);
  w.RawInt32(99);
  w.RawInt32(42);
  w.RawByte(1);
  w.RawInt32(-1);
  w.RawByte(7);
  BareRig rig(w.Take());
  EXPECT_EQ(rig.Unit.ReadByteValue(), 0xFE);
  EXPECT_EQ(rig.Unit.ReadShortValue(), INT32_MIN);
  EXPECT_EQ(rig.Unit.ReadLongValue(), INT32_MAX);
  EXPECT_EQ(rig.Unit.ReadLongValue(), -70000);
  EXPECT_EQ(rig.Unit.ReadTextValue(), std::string("a\0b\xFF", 4));
  EXPECT_EQ(rig.Unit.ReadShortValue(), 42);
  EXPECT_EQ(rig.Unit.ReadByteValue(), 7);
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
}

// A wrong tag consumes only the tag byte; the values after it come out of step.
TEST(ValueReader, AWrongTagYieldsANeutralResultAndConsumesOnlyTheTag) {
  pack::ValueWriter w;
  w.WriteTextValue("xy");
  w.WriteByteValue(3);
  w.WriteShortValue(4);
  w.WriteLongValue(5);
  BareRig rig(w.Take());
  EXPECT_EQ(rig.Unit.ReadShortValue(), 0);  // meets tag 4
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  rig.Unit.ReadErrorFlag = false;
  EXPECT_EQ(rig.Unit.ReadByteValue(), 0);  // meets the length's first byte, 2
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);

  // Every reader meeting a foreign tag: neutral result, one byte consumed.
  Bytes foreign = {9, 0x02, 0x02, 0, 0, 0, 0x2A, 0, 0, 0};
  struct Reader {
    const char* name;
    bool (*readNeutral)(MenuDataReader&);
    // clang-format off
  } readers[] = {
      {"byte", [](MenuDataReader& u) { return u.ReadByteValue() == 0; }},
      {"short", [](MenuDataReader& u) { return u.ReadShortValue() == 0; }},
      {"long", [](MenuDataReader& u) { return u.ReadLongValue() == 0; }},
      {"text", [](MenuDataReader& u) { return u.ReadTextValue().empty(); }},
  };
  // clang-format on
  for (const Reader& r : readers) {
    BareRig one(foreign);
    EXPECT_TRUE(r.readNeutral(one.Unit)) << r.name;
    EXPECT_TRUE(one.Unit.ReadErrorFlag) << r.name;
    one.Unit.ReadErrorFlag = false;
    EXPECT_EQ(one.Unit.ReadShortValue(), 42) << r.name << ": more than the tag was consumed";
    EXPECT_FALSE(one.Unit.ReadErrorFlag);
  }
  {
    BareRig one({9, 7, 0x02, 0x02, 0, 0, 0, 0x2A, 0, 0, 0});
    PictureValue picture;
    EXPECT_FALSE(one.Unit.ReadImageValue(picture));
    EXPECT_TRUE(one.Unit.ReadErrorFlag);
    EXPECT_TRUE(picture.Image.Empty());
    EXPECT_EQ(one.Unit.ReadShortValue(), 42) << "the picture reader consumes the tag and one byte";
  }
}

// The stream may end anywhere inside a value, or the file fail to read from there on although
// its size is whole (a scratched disc): flag set, neutral result, never a crash.
TEST(ValueReader, AStreamEndingInsideAValueFlagsAndYieldsNeutral) {
  pack::ValueWriter w;
  w.WriteByteValue(5);
  w.WriteShortValue(-77);
  w.WriteLongValue(88);
  w.WriteTextValue("truncated text");
  const Bytes whole = w.Take();
  for (size_t run = 0; run < 2 * whole.size(); ++run) {
    const bool unreadable = run >= whole.size();
    const size_t cut = run % whole.size();
    SCOPED_TRACE((unreadable ? "unreadable from " : "cut at ") + std::to_string(cut));
    BareRig rig =
        unreadable ? BareRig(whole, static_cast<int64_t>(cut)) : BareRig(Bytes(whole.begin(), whole.begin() + cut));
    // Each reader sets the flag itself when the end falls inside its value.
    const uint8_t b = rig.Unit.ReadByteValue();
    EXPECT_EQ(rig.Unit.ReadErrorFlag, cut < 6);
    const int32_t s = rig.Unit.ReadShortValue();
    EXPECT_EQ(rig.Unit.ReadErrorFlag, cut < 15);
    const int32_t l = rig.Unit.ReadLongValue();
    EXPECT_EQ(rig.Unit.ReadErrorFlag, cut < 24);
    const std::string t = rig.Unit.ReadTextValue();
    EXPECT_TRUE(rig.Unit.ReadErrorFlag);
    EXPECT_EQ(b, cut >= 6 ? 5 : 0);
    EXPECT_EQ(s, cut >= 15 ? -77 : 0);
    EXPECT_EQ(l, cut >= 24 ? 88 : 0);
    EXPECT_EQ(t, "");
  }
}

// Lengths of zero or less consume only five bytes; a text over the 1 MiB limit is skipped so
// the reader stays in step; a text longer than the rest of the file is refused without
// allocating.
TEST(ValueReader, TextLengthsZeroOrLessOverTheLimitOrPastTheEnd) {
  pack::ValueWriter w;
  for (int32_t length : {0, -1, INT32_MIN}) {
    w.RawByte(4);
    w.RawInt32(length);
  }
  w.WriteShortValue(9);
  w.WriteTextValue(std::string((1 << 20) + 1, 'x'));
  w.WriteTextValue(std::string(1 << 20, 'y'));
  w.WriteShortValue(12);
  BareRig rig(w.Take());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rig.Unit.ReadTextValue(), "");
  EXPECT_EQ(rig.Unit.ReadShortValue(), 9);
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  EXPECT_EQ(rig.Unit.ReadTextValue(), "") << "over the limit";
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  EXPECT_EQ(rig.Unit.ReadTextValue().size(), size_t{1} << 20) << "1 MiB itself is accepted";
  EXPECT_EQ(rig.Unit.ReadShortValue(), 12);
  // The rest of the file exactly, one byte more, far more.
  for (int32_t length : {5, 6, INT32_MAX}) {
    pack::ValueWriter last;
    last.RawByte(4);
    last.RawInt32(length);
    last.RawText("short");
    BareRig one(last.Take());
    EXPECT_EQ(one.Unit.ReadTextValue(), length == 5 ? "short" : "") << length;
    EXPECT_EQ(one.Unit.ReadErrorFlag, length != 5) << length;
  }
}

TEST(MenuHeaderCheck, AcceptsKindOneAndVersionsFromSixWhateverTheMagic) {
  for (uint8_t version : {6, 7, 8, 255}) {
    MenuFile menu;
    menu.Header.Magic = {{'X', 'Y', 0, 1}};
    menu.Header.Version = version;
    menu.Header.Unused6 = 0xAB;
    menu.Header.Unused7 = 0xCD;
    menu.Header.ButtonCount = 200;
    menu.Header.PictureCount = -3;
    BareRig rig(pack::WriteMenuFile(menu));
    MenuHeader header;
    ASSERT_TRUE(rig.Unit.CheckMenuHeader(header)) << int{version};
    EXPECT_EQ(rig.Unit.MenuVersion, version);
    EXPECT_EQ(header.Magic, menu.Header.Magic);
    EXPECT_EQ(header.Unused6, 0xAB);
    EXPECT_EQ(header.Unused7, 0xCD);
    EXPECT_EQ(header.ButtonCount, 200);
    EXPECT_EQ(header.PictureCount, -3);
    EXPECT_FALSE(rig.Unit.ReadErrorFlag);
    EXPECT_TRUE(rig.Dialog.Messages.empty());
  }
}

TEST(MenuHeaderCheck, OtherKindsAndOldVersionsGetTheVersionNotice) {
  struct Case {
    uint8_t kind, version;
  } cases[] = {{1, 5}, {1, 0}, {0, 7}, {2, 7}, {0xFF, 6}};
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " version " + std::to_string(c.version));
    MenuFile menu;
    menu.Header.Kind = c.kind;
    menu.Header.Version = c.version;
    BareRig rig(pack::WriteMenuFile(menu));
    MenuHeader header;
    EXPECT_FALSE(rig.Unit.CheckMenuHeader(header));
    EXPECT_TRUE(rig.Unit.ReadErrorFlag);
    ExpectOneMessage(rig.Dialog, kVersionNotice, MessageKind::Information);
  }
}

TEST(MenuHeaderCheck, AHeaderCutShortFailsWithoutTheNotice) {
  MenuFile menu;
  const Bytes whole = pack::WriteMenuFile(menu);
  for (size_t cut = 0; cut < 11; ++cut) {
    BareRig rig(Bytes(whole.begin(), whole.begin() + cut));
    MenuHeader header;
    EXPECT_FALSE(rig.Unit.CheckMenuHeader(header)) << cut;
    EXPECT_TRUE(rig.Unit.ReadErrorFlag) << cut;
    EXPECT_TRUE(rig.Dialog.Messages.empty()) << cut;
  }
}

TEST(ValueReader, ReadsThroughABufferNotOnePlatformReadPerValue) {
  pack::ValueWriter w;
  for (int i = 0; i < 2000; ++i) w.WriteShortValue(i);
  BareRig rig(w.Take());
  rig.Files.ResetCounts();
  for (int i = 0; i < 2000; ++i) ASSERT_EQ(rig.Unit.ReadShortValue(), i);
  EXPECT_LE(rig.Files.Counts().Reads, 2) << "18000 bytes of values";
}

}  // namespace
}  // namespace orvane::testing
