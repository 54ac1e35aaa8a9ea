// Menu files and a container written out byte by byte from the layout tables, not by the writer:
// the reader must read them to the expected model and the writer must give back the same bytes.
// Every field holds a value of its own, so a swapped, dropped or retyped field shows.
#include <gtest/gtest.h>

#include "menudata/menu_fixtures.h"

namespace orvane::testing {
namespace {

struct Golden {
  Bytes bytes;
  Golden& raw(std::initializer_list<uint8_t> b) { return bytes.insert(bytes.end(), b), *this; }
  Golden& i32(int32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
    return *this;
  }
  Golden& str(const std::string& t) { return bytes.insert(bytes.end(), t.begin(), t.end()), *this; }
  Golden& txt(const std::string& t) { return raw({4}).i32(static_cast<int32_t>(t.size())).str(t); }
  Golden& shrt(int32_t v) { return raw({2, 2, 0, 0, 0}).i32(v); }
  Golden& lng(int32_t v) { return raw({3, 4, 0, 0, 0}).i32(v); }
};

const char kShape[] = "01000050Y00010000000400960100";

// clang-format off
void SettingsBytes(Golden& g, bool later) {
  g.txt("Golden Disc").shrt(4).txt("").txt("Arial").lng(13).shrt(-1).shrt(0).shrt(1)  // 1-8
      .shrt(0x1A1).shrt(0x2B).shrt(0x3C).shrt(-12).shrt(14).shrt(300).shrt(41)       // 9-15
      .shrt(2).shrt(-3).shrt(5).shrt(21).shrt(22).shrt(23)                            // 16-21
      .shrt(24).shrt(25).shrt(-26).shrt(27).shrt(3).shrt(-13).shrt(28).shrt(29)       // 22-29
      .shrt(150).shrt(-4).txt(kShape)                                                 // 30-32
      .txt("Courier New").lng(70000).shrt(30).shrt(-5).shrt(31)                       // 33-37
      .txt("Times").lng(-9).shrt(-6).shrt(32).shrt(33)                                // 38-42
      .shrt(-7).shrt(-8).shrt(0x10).shrt(255);                                        // 43-46
  if (later) g.txt("forty-seven").txt("").txt("x").txt("fifty");                      // 47-50
}
// clang-format on

// clang-format off
MenuSettings GoldenSettings() {
  return {"Golden Disc", 4, "", {"Arial", 13, -1, 0, 1}, {0x1A1, 0x2B, 0x3C}, -12, 14, 300, 41, 2, -3, 5,
          {21, 22, 23}, 24, 25, -26, 27, 3, -13, 28, 29, 150, -4, kShape, {"Courier New", 70000, 30, -5, 31},
          {"Times", -9, -6, 32, 33}, -7, {-8, 0x10, 255}, {{"forty-seven", "", "x", "fifty"}}};
}
// clang-format on

// clang-format off
void ButtonBytes(Golden& g, bool later) {
  g.txt("docs\\manual.pdf").txt("").txt("Read it").shrt(-40).shrt(41).shrt(-14).shrt(42)  // 1-7
      .shrt(5).txt("M").shrt(-2).shrt(43).shrt(2).txt("&Manual").shrt(90).shrt(-44);     // 8-15
  if (later)
    g.txt("Tahoma").shrt(11).shrt(0x123456).shrt(7).shrt(-15).shrt(45).shrt(-16)  // 16-22
        .shrt(1).txt("AcroRd32.exe").txt("5.1").shrt(46);                       // 23-26
}
// clang-format on

// The later fields are only written and read in the later layout.
// clang-format off
ButtonRecord GoldenButton() {
  return {"docs\\manual.pdf", "", "Read it", -40, 41, -14, 42, 5, "M", -2, 43, 2, "&Manual", 90, -44,
          "Tahoma", 11, 0x123456, 7, -15, 45, -16, 1, "AcroRd32.exe", "5.1", 46};
}
// clang-format on

TEST(GoldenFiles, MenusOfBothLayoutsReadToTheirModelAndWriteBackAlike) {
  for (uint8_t version : {6, 7, 8}) {  // 8 and every other version after 6 share the later layout
    SCOPED_TRACE("version " + std::to_string(version));
    const bool later = version != 6;
    Golden g;
    g.str("MENU").raw({1, version, 0x11, 0x22, 1, 1, 0});
    SettingsBytes(g, later);
    ButtonBytes(g, later);
    // Picture: tag, unused byte, button 1, state 2, frame 3, 2 x 1 pixels.
    g.raw({5, 0x5A, 1, 2}).i32(3).i32(2).i32(1);
    if (later)  // block length, inflated length 8, then the zlib stream (level 9)
      g.i32(20).i32(8).raw(
          {0x78, 0xDA, 0x13, 0x54, 0x32, 0x6E, 0x70, 0x09, 0x4D, 0x63, 0x00, 0x00, 0x08, 0x0B, 0x01, 0xE6});
    else
      g.raw({0x11, 0x22, 0x33, 0x80, 0x44, 0x55, 0x66, 0x00});

    MenuFile expected;
    expected.Header = {{{'M', 'E', 'N', 'U'}}, 1, version, 0x11, 0x22, 1, 1};
    expected.Settings = GoldenSettings();
    expected.Buttons = {GoldenButton()};
    expected.Pictures = {{0x5A, {1, 2, 3}, {2, 1, {0x80332211u, 0x00665544u}}}};
    EXPECT_EQ(pack::WriteMenuFile(expected), g.bytes);

    ReaderRig rig;
    rig.OpenBare(g.bytes);
    MenuHeader header;
    ASSERT_TRUE(rig.Unit.CheckMenuHeader(header));
    MenuFile read;
    ReadMenuBody(rig.Unit, header, read);
    EXPECT_FALSE(rig.Unit.ReadErrorFlag);
    ExpectSameFields(read, expected);  // pictures too, through the writer checked above
  }
}

Golden& Entry(Golden& g, const std::string& name, int32_t offset) {
  return g.str(name).str(std::string(256 - name.size(), ' ')).i32(offset + 1);
}

TEST(GoldenFiles, AContainerReadsToItsDirectoryAndWritesBackAlike) {
  Golden g;
  g.raw({'M', 'Z', 0x90, 0});                                                // executable
  g.str("FPAK").raw({2, 5, 9}).txt("Disc 1").raw({1, 1, 0, 0, 0, 0x42, 2});  // header at 4
  Entry(g, "Main.MNU", 549);
  Entry(g, "help.mnu", 552);
  g.raw({0xA1, 0xA2, 0xA3, 0xB1}).i32(5);  // the two files, the trailer

  pack::ContainerOptions options;
  options.Version = {{2, 5, 9}};
  options.Text = "Disc 1";
  options.Byte = 0x42;
  EXPECT_EQ(
      pack::AppendContainer({'M', 'Z', 0x90, 0}, {{"Main.MNU", {0xA1, 0xA2, 0xA3}}, {"help.mnu", {0xB1}}}, options),
      g.bytes);

  ReaderRig rig;
  rig.Start(g.bytes);
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  EXPECT_EQ(rig.Unit.ContainerText, "Disc 1");
  EXPECT_EQ(rig.Unit.ContainerByte, 0x42);
  const PackageDirectory& d = rig.Unit.PackageDirectory;
  EXPECT_EQ(d.Names[0], "main.mnu");
  EXPECT_EQ(d.Offsets[0], 549);
  EXPECT_EQ(d.Names[1], "help.mnu");
  EXPECT_EQ(d.Offsets[1], 552);
  EXPECT_EQ(d.Names[2], "");
}

}  // namespace
}  // namespace orvane::testing
