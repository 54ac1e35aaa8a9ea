// Texts and pictures of the largest sizes a menu file can carry, which the fuzzers' short inputs
// never reach: each must be handled in about the time and memory its own size takes.
#include <gtest/gtest.h>

#include <string>

#include "actions/target_text.h"
#include "app/player_rig.h"
#include "menudata/read_limits.h"

namespace orvane {
namespace {

TEST(HostileSizes, DriveMacroFillingAWholeMenuTextExpandsInOnePass) {
  // The longest text a menu may hold, made only of macros: replacing one and scanning again from
  // the start would take minutes here.
  std::string text;
  for (int i = 0; i < (1 << 20) / 4; ++i) text += "%CD%";
  const std::string expanded = ExpandDriveMacro(text, "D:\\");
  EXPECT_EQ(expanded, std::string((1 << 20) / 4, 'D'));
  // A macro completed by the drive letter and the text before it is still replaced, also at the
  // end of a long text.
  EXPECT_EQ(ExpandDriveMacro(std::string(1000, 'x') + "%%CD%D%", "C:\\"), std::string(1000, 'x') + "C");
}

// A compressed picture value for the slot, around a block made once.
pack::Bytes PackedPictureValue(uint8_t button, uint8_t state, int32_t frame, int32_t width, int32_t height,
                               const pack::Bytes& block) {
  pack::ValueWriter w;
  w.RawByte(5);
  w.RawByte(0);
  w.RawByte(button);
  w.RawByte(state);
  w.RawInt32(frame);
  w.RawInt32(width);
  w.RawInt32(height);
  w.RawInt32(static_cast<int32_t>(block.size()));
  w.RawBytes(block.data(), block.size());
  return w.Take();
}

TEST(HostileSizes, PicturesOfOneMenuDecodeToAtMostTheMenuBudget) {
  // A small picture, then four of the largest size, each a zlib block of some 64 KiB: a file of a
  // few hundred KiB that would decode to 256 MiB and 16 bytes. The fourth large one no longer
  // fits and is read past; a small picture after it still fits and arrives.
  constexpr int32_t kSide = 4096;
  static_assert(int64_t{kSide} * kSide == kMaxPicturePixels, "the largest picture");
  static_assert(4 * kMaxPicturePixels * 4 == kMaxMenuPixelBytes, "four of them fill the budget");
  const pack::Bytes block = pack::CompressPixels(SolidPicture(kSide, kSide, 0));
  const Picture small = SolidPicture(2, 2, 0x00ABCDEF);
  const pack::Bytes smallBlock = pack::CompressPixels(small);

  MenuFile menu = testing::BasicMenu("Budget");
  menu.Pictures.clear();
  pack::UpdateCounts(menu);
  menu.Header.PictureCount = 6;
  pack::Bytes file = pack::WriteMenuFile(menu);
  const auto append = [&file](const pack::Bytes& value) { file.insert(file.end(), value.begin(), value.end()); };
  append(PackedPictureValue(0, 1, 0, 2, 2, smallBlock));
  for (int32_t frame = 0; frame < 4; ++frame) append(PackedPictureValue(0, 0, frame, kSide, kSide, block));
  append(PackedPictureValue(0, 2, 0, 2, 2, smallBlock));

  testing::PlayerRig rig;
  rig.InstallRaw({{"budget.mnu", file}});
  rig.Start();

  ASSERT_FALSE(rig.Window.ApplicationEnding);
  EXPECT_EQ(rig.MessageTexts(), std::vector<std::string>{"Error loading binary menu data."});
  const ImageTable& images = rig.Window.Menu.Images;
  EXPECT_TRUE(images.HasImage(0, 1, 0));
  for (int32_t frame = 0; frame < 3; ++frame) EXPECT_TRUE(images.HasImage(0, 0, frame)) << frame;
  EXPECT_FALSE(images.HasImage(0, 0, 3));
  ASSERT_TRUE(images.HasImage(0, 2, 0));
  EXPECT_EQ(images.Get(0, 2, 0)->Pixels, small.Pixels);
}

// A slot one past a table edge would land on a neighbouring slot (the table is one flat array),
// so every edge is tried against the slot it would overwrite.
TEST(HostileSizes, SlotsOutsideTheImageTableStoreNothing) {
  ImageTable images;
  const Picture dot{1, 1, {0x00FF0000}};
  struct Edge {
    int32_t Button, State, Frame, AliasButton, AliasState, AliasFrame;
  };
  const int32_t lastFrame = ImageTable::kFrames - 1;
  for (const Edge& e : {Edge{1, 0, ImageTable::kFrames, 1, 1, 0}, Edge{1, ImageTable::kStates, 0, 2, 0, 0},
                        Edge{1, -1, 0, 0, 3, 0}, Edge{1, 0, -1, 0, 3, lastFrame}}) {
    images.StoreImage(e.Button, e.State, dot, e.Frame);
    EXPECT_FALSE(images.HasImage(e.Button, e.State, e.Frame));
    EXPECT_FALSE(images.HasImage(e.AliasButton, e.AliasState, e.AliasFrame))
        << e.Button << "," << e.State << "," << e.Frame;
  }
  images.StoreImage(ImageTable::kButtons - 1, 3, dot, lastFrame);
  EXPECT_TRUE(images.HasImage(ImageTable::kButtons - 1, 3, lastFrame));
}

}  // namespace
}  // namespace orvane
