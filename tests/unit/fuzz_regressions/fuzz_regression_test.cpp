// Inputs that the fuzz targets found faults with, run again through the same checks the fuzzers
// use, and the faults themselves pinned down with inputs made by the menu writer. The files under
// inputs/ are fuzzer output; scripts/fuzz-smoke.sh also feeds them to the sanitizer builds.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../../../fuzz/entries/container_entry.h"
#include "../../../fuzz/entries/error_flags_entry.h"
#include "../../../fuzz/entries/menu_load_entry.h"
#include "../../../fuzz/entries/shape_text_entry.h"
#include "../../../fuzz/entries/targets_entry.h"

namespace orvane {
namespace {

using Check = std::string (*)(const uint8_t*, size_t);

std::vector<uint8_t> ReadInput(const std::string& target, const std::string& name) {
  // From the build's own record of the source folder: __FILE__ is relative when the compiler
  // launcher (ccache with a base folder) rewrites the paths.
  std::ifstream in(std::string(ORVANE_UNIT_TEST_DIR) + "fuzz_regressions/inputs/" + target + "/" + name,
                   std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct KeptInput {
  const char* target;
  const char* name;
  Check check;
};

// One line per fault found; the name says what it was.
const KeptInput kKeptInputs[] = {
    // A version-6 picture whose width x height x 4 overflowed 64 bits while being skipped.
    {"menu_load", "picture_sides_overflow", &fuzzing::CheckMenuLoad},
    // A description label and a shadow offset whose sum overflowed 32 bits.
    {"menu_load", "shadow_offset_overflow", &fuzzing::CheckMenuLoad},
};

TEST(FuzzRegressions, KeptInputsPassTheirChecks) {
  for (const KeptInput& input : kKeptInputs) {
    const std::vector<uint8_t> bytes = ReadInput(input.target, input.name);
    ASSERT_FALSE(bytes.empty()) << "missing input " << input.target << "/" << input.name;
    EXPECT_EQ("", input.check(bytes.data(), bytes.size())) << input.target << "/" << input.name;
  }
}

// A version-6 menu without settings faults whose pictures are the given raw picture values.
pack::Bytes Version6MenuWithPictures(const pack::Bytes& pictures, int16_t count) {
  MenuFile menu = testing::BasicMenu("Sides");
  menu.Header.Version = 6;
  menu.Pictures.clear();
  pack::UpdateCounts(menu);
  menu.Header.PictureCount = count;
  pack::Bytes bytes = pack::WriteMenuFile(menu);
  bytes.insert(bytes.end(), pictures.begin(), pictures.end());
  return bytes;
}

pack::Bytes RawPictureHead(uint8_t button, int32_t width, int32_t height) {
  pack::ValueWriter w;
  w.RawByte(5);
  w.RawByte(0);
  w.RawByte(button);
  w.RawByte(0);
  w.RawInt32(0);
  w.RawInt32(width);
  w.RawInt32(height);
  return w.Take();
}

TEST(FuzzRegressions, PictureSidesTooLargeToCountInBytesAreRefused) {
  // A stored slot (decoded) and a slot beyond the table (skipped): both read sides whose byte
  // count does not fit in 64 bits, and a small good picture follows the second.
  pack::Bytes pictures = RawPictureHead(1, INT32_MAX, INT32_MAX);
  const pack::Bytes skipped = RawPictureHead(200, INT32_MAX, INT32_MAX - 1);
  pictures.insert(pictures.end(), skipped.begin(), skipped.end());
  pack::ValueWriter good;
  good.WritePictureValue(PictureAt(0, 0, 0, SolidPicture(3, 2, 0x00112233)), 6);
  pictures.insert(pictures.end(), good.bytes().begin(), good.bytes().end());

  testing::PlayerRig rig;
  rig.InstallRaw({{"sides.mnu", Version6MenuWithPictures(pictures, 3)}});
  rig.Start();

  ASSERT_FALSE(rig.Window.ApplicationEnding);
  EXPECT_EQ(rig.MessageTexts(), std::vector<std::string>{"Error loading binary menu data."});
  // Neither size was taken for a payload: the reader stayed in step and the good picture arrived.
  EXPECT_FALSE(rig.Window.Menu.Images.HasImage(1, 0, 0));
  ASSERT_TRUE(rig.Window.Menu.Images.HasImage(0, 0, 0));
  EXPECT_EQ(rig.Window.Menu.Images.Get(0, 0, 0)->Width, 3);
}

TEST(FuzzRegressions, ShadowMovedPastTheCoordinateRangeStopsAtItsEdge) {
  MenuFile menu = testing::BasicMenu("Shadow");
  menu.Settings.DescriptionLeft = 2000000000;
  menu.Settings.DescriptionTop = -2000000000;
  menu.Settings.ShadowOffset = 2000000000;
  testing::PlayerRig rig;
  rig.Install({{"shadow.mnu", menu}});
  rig.Start();

  const ControlState* shadow = rig.View.Find(BaseControl(ControlKind::lblAccShadow));
  ASSERT_NE(shadow, nullptr);
  EXPECT_EQ(shadow->Bounds.Left, INT32_MAX);
  EXPECT_EQ(shadow->Bounds.Top, 0);
  EXPECT_EQ(shadow->Bounds.Width, 200);
  EXPECT_TRUE(shadow->Visible);
}

}  // namespace
}  // namespace orvane
