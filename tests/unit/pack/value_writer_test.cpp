#include <gtest/gtest.h>
#include <zlib.h>

#include <stdexcept>
#include <vector>

#include "writer/menu_writer.h"

namespace orvane::pack {
namespace {

using ::std::vector;

TEST(ValueWriter, GoldenVectors) {
  ValueWriter hundred;
  hundred.WriteShortValue(100);
  EXPECT_EQ(hundred.bytes(), (Bytes{0x02, 0x02, 0x00, 0x00, 0x00, 0x64, 0x00, 0x00, 0x00}));

  ValueWriter minusOne;
  minusOne.WriteShortValue(-1);
  EXPECT_EQ(minusOne.bytes(), (Bytes{0x02, 0x02, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}));

  ValueWriter arial;
  arial.WriteTextValue("Arial");
  EXPECT_EQ(arial.bytes(), (Bytes{0x04, 0x05, 0x00, 0x00, 0x00, 0x41, 0x72, 0x69, 0x61, 0x6C}));

  MenuFile menu;
  menu.Header.Version = 7;
  menu.Header.ButtonCount = 4;
  menu.Header.PictureCount = 13;
  const Bytes file = WriteMenuFile(menu);
  ASSERT_GE(file.size(), 11u);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 11),
            (Bytes{0x4D, 0x45, 0x4E, 0x55, 0x01, 0x07, 0x00, 0x00, 0x04, 0x0D, 0x00}));
}

TEST(ValueWriter, ByteLongAndEmptyTextLayouts) {
  ValueWriter out;
  out.WriteByteValue(0xAB);
  out.WriteLongValue(-2);
  out.WriteTextValue("");
  out.RawInt16(-3);
  EXPECT_EQ(out.bytes(), (Bytes{0x01, 0x01, 0, 0, 0, 0xAB,                    //
                                0x03, 0x04, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF,  //
                                0x04, 0,    0, 0, 0,                          //
                                0xFD, 0xFF}));
}

PictureValue TwoByOne() {
  PictureValue value;
  value.Unused = 9;
  value.Slot = {3, 2, 17};
  value.Image.Width = 2;
  value.Image.Height = 1;
  value.Image.Pixels = {0x00332211u, 0xFFCCBBAAu};
  return value;
}

TEST(ValueWriter, RawPictureCarriesExactlyTheEightPixelBytes) {
  ValueWriter out;
  out.WritePictureValue(TwoByOne(), 6);
  EXPECT_EQ(out.bytes(), (Bytes{0x05, 9,    3,    2,    17,   0,    0,    0,  // tag, unused, slot, frame
                                2,    0,    0,    0,    1,    0,    0,    0,  // width, height
                                0x11, 0x22, 0x33, 0x00, 0xAA, 0xBB, 0xCC, 0xFF}));
}

TEST(ValueWriter, PackedPictureHoldsTheInflatedLengthAndAZlibStream) {
  ValueWriter out;
  out.WritePictureValue(TwoByOne(), 7);
  const Bytes& b = out.bytes();
  ASSERT_GT(b.size(), 24u);
  EXPECT_EQ(Bytes(b.begin(), b.begin() + 16), (Bytes{0x05, 9, 3, 2, 17, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0}));
  const uint32_t blockLength = b[16] | b[17] << 8 | b[18] << 16 | static_cast<uint32_t>(b[19]) << 24;
  ASSERT_EQ(blockLength, b.size() - 20);
  EXPECT_EQ(Bytes(b.begin() + 20, b.begin() + 24), (Bytes{8, 0, 0, 0}));
  EXPECT_EQ(b[24], 0x78);  // zlib header, not raw deflate

  Bytes inflated(8);
  uLongf size = inflated.size();
  ASSERT_EQ(uncompress(inflated.data(), &size, b.data() + 24, static_cast<uLong>(b.size() - 24)), Z_OK);
  EXPECT_EQ(inflated, (Bytes{0x11, 0x22, 0x33, 0x00, 0xAA, 0xBB, 0xCC, 0xFF}));

  ValueWriter again;
  again.WritePictureValue(TwoByOne(), 7);
  EXPECT_EQ(again.bytes(), b) << "compression must be deterministic";
  EXPECT_EQ(CompressPixels(TwoByOne().Image), Bytes(b.begin() + 20, b.end()));
}

TEST(ValueWriter, RefusesPicturesWhoseSizeDoesNotMatchTheirPixels) {
  PictureValue wrongCount = TwoByOne();
  wrongCount.Image.Pixels.pop_back();
  PictureValue empty;
  PictureValue negative = TwoByOne();
  negative.Image.Width = -2;
  negative.Image.Height = -1;
  PictureValue noWidth, noHeight;  // no pixels, as their size says
  noWidth.Image.Height = noHeight.Image.Width = 1;
  for (uint8_t version : {6, 7}) {
    ValueWriter out;
    for (const PictureValue* refused : {&wrongCount, &empty, &negative, &noWidth, &noHeight})
      EXPECT_THROW(out.WritePictureValue(*refused, version), std::invalid_argument) << refused->Image.Width;
    EXPECT_TRUE(out.bytes().empty()) << "nothing is written for a refused picture";
  }
}

}  // namespace
}  // namespace orvane::pack
