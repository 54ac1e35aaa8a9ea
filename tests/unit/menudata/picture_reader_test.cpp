#include <gtest/gtest.h>

#include <string>

#include "menudata/bmp_array.h"
#include "menudata/menu_fixtures.h"

namespace orvane::testing {
namespace {

constexpr int32_t kMarker = 4242;

// Tag, unused byte and slot of a picture value.
void SlotFields(pack::ValueWriter& w, uint8_t button = 1, uint8_t state = 0, int32_t frame = 0) {
  w.RawByte(5);
  w.RawByte(0);
  w.RawByte(button);
  w.RawByte(state);
  w.RawInt32(frame);
}

// A later-layout picture value with sizes and block given as they are, good or not.
Bytes PackedValue(int32_t width, int32_t height, const Bytes& block, int32_t blockLength) {
  pack::ValueWriter w;
  SlotFields(w);
  w.RawInt32(width);
  w.RawInt32(height);
  w.RawInt32(blockLength);
  w.RawBytes(block.data(), block.size());
  w.WriteShortValue(kMarker);
  return w.Take();
}
Bytes PackedValue(int32_t width, int32_t height, const Bytes& block) {
  return PackedValue(width, height, block, static_cast<int32_t>(block.size()));
}

Bytes BlockWithLength(int32_t inflated, Bytes block) {
  pack::ValueWriter w;
  w.RawInt32(inflated);
  block.erase(block.begin(), block.begin() + 4);
  w.RawBytes(block.data(), block.size());
  return w.Take();
}

struct Outcome {
  bool decoded;
  bool flag;
  bool inStep;  // the value after the picture reads correctly
  size_t capacity;
};

Outcome ReadOne(const Bytes& file, uint8_t version) {
  ReaderRig rig;
  rig.OpenBare(file);
  rig.Unit.MenuVersion = version;
  PictureValue picture;
  Outcome out{};
  out.decoded = rig.Unit.ReadImageValue(picture);
  out.capacity = picture.Image.Pixels.capacity();
  if (!out.decoded) {
    EXPECT_TRUE(picture.Image.Empty());
  }
  out.flag = rig.Unit.ReadErrorFlag;
  rig.Unit.ReadErrorFlag = false;
  out.inStep = rig.Unit.ReadShortValue() == kMarker && !rig.Unit.ReadErrorFlag;
  return out;
}

TEST(PictureReader, PixelBytesAreBlueGreenRedAndAFourthByteTopRowFirst) {
  Picture image;
  image.Width = 2;
  image.Height = 2;
  image.Pixels = {0x00332211u, 0xAB000000u, 0x000000FFu, 0x00FF0000u};
  for (uint8_t version : {6, 7}) {
    pack::ValueWriter w;
    w.WritePictureValue(PictureFor(0, 0, 0, image), version);
    ReaderRig rig;
    rig.OpenBare(w.Take());
    rig.Unit.MenuVersion = version;
    PictureValue read;
    ASSERT_TRUE(rig.Unit.ReadImageValue(read)) << int{version};
    ASSERT_EQ(read.Image.Width, 2);
    ASSERT_EQ(read.Image.Height, 2);
    const uint32_t first = read.Image.At(0, 0);
    EXPECT_EQ(first & 0xFF, 0x11u) << "blue";
    EXPECT_EQ((first >> 8) & 0xFF, 0x22u) << "green";
    EXPECT_EQ((first >> 16) & 0xFF, 0x33u) << "red";
    EXPECT_EQ(read.Image.At(1, 0), 0xAB000000u) << "the fourth byte is kept";
    EXPECT_EQ(read.Image.At(0, 1), 0x000000FFu) << "the first stored row is the top row";
    EXPECT_EQ(read.Image.At(1, 1), 0x00FF0000u);
  }
}

TEST(PictureReader, PayloadSizesOfATwoByOnePicture) {
  Picture image;
  image.Width = 2;
  image.Height = 1;
  image.Pixels = {1, 2};
  pack::ValueWriter raw, packed;
  raw.WritePictureValue(PictureFor(0, 0, 0, image), 6);
  packed.WritePictureValue(PictureFor(0, 0, 0, image), 7);
  EXPECT_EQ(raw.bytes().size(), 8u + 8u + 8u);
  const Bytes& p = packed.bytes();
  EXPECT_EQ(Bytes(p.begin() + 20, p.begin() + 24), (Bytes{8, 0, 0, 0}));
  for (const auto& [file, version] : {std::pair{raw.bytes(), 6}, std::pair{packed.bytes(), 8}}) {
    ReaderRig rig;
    rig.OpenBare(file);
    rig.Unit.MenuVersion = static_cast<uint8_t>(version);
    PictureValue read;
    EXPECT_TRUE(rig.Unit.ReadImageValue(read));
    EXPECT_EQ(read.Image.Pixels, image.Pixels);
  }
}

// Payloads refused, and the largest ones still taken. A refused one leaves no picture and sets the
// flag; where its block length can be trusted the next value reads in step ("in step"), and
// nothing is reserved for a size the file cannot back ("no memory").
TEST(PictureReader, RefusesImpossiblePayloadsInStepAndWithoutMemoryWhereItCan) {
  const Bytes goodBlock = pack::CompressPixels(GradientPicture(4, 3, 1));
  const Bytes block = pack::CompressPixels(GradientPicture(16, 8, 3));
  Bytes flipped = block;
  for (size_t i = 8; i < flipped.size() - 4; i += 3) flipped[i] ^= 0x5A;
  Bytes badChecksum(block.begin(), block.end() - 1);
  badChecksum.push_back(static_cast<uint8_t>(block.back() ^ 1));
  Bytes badHeader = block;
  badHeader[4] = 0x00;
  // 4096 x 4096 x 4 = 64 MiB claimed by a block of a few hundred bytes.
  Bytes bomb = BlockWithLength(4096 * 4096 * 4, goodBlock);
  bomb.resize(200, 0);
  Picture zeros = GradientPicture(1024, 1024, 0);  // the highest ratio zlib really reaches
  std::fill(zeros.Pixels.begin(), zeros.Pixels.end(), 0u);
  pack::ValueWriter flat;
  flat.WritePictureValue(PictureFor(0, 0, 0, zeros), 7);
  flat.WriteShortValue(kMarker);
  const auto raw = [](int32_t width, int32_t height, const Bytes& pixels, bool marker) {
    pack::ValueWriter w;
    SlotFields(w);
    w.RawInt32(width);
    w.RawInt32(height);
    w.RawBytes(pixels.data(), pixels.size());
    if (marker) w.WriteShortValue(kMarker);
    return w.Take();
  };
  struct Case {
    std::string what;
    Bytes file;
    uint8_t version;
    bool decoded, inStep, noMemory;
  };
  // clang-format off
  std::vector<Case> cases = {
      {"width 0", PackedValue(0, 3, goodBlock), 7, false, true, false},
      {"height 0", PackedValue(4, 0, goodBlock), 7, false, true, false},
      {"negative width and height", PackedValue(-4, -3, goodBlock), 7, false, true, false},
      {"side over the limit", PackedValue(16385, 1, goodBlock), 7, false, true, false},
      {"pixels over the limit", PackedValue(4097, 4096, goodBlock), 7, false, true, false},
      {"inflated length not width x height x 4", PackedValue(4, 3, BlockWithLength(47, goodBlock)), 7, false, true, false},
      {"inflated length negative", PackedValue(4, 3, BlockWithLength(-48, goodBlock)), 7, false, true, false},
      {"zlib stream inflates to less", PackedValue(4, 4, BlockWithLength(64, goodBlock)), 7, false, true, false},
      {"flipped bits", PackedValue(16, 8, flipped), 7, false, true, false},
      {"bad Adler-32", PackedValue(16, 8, badChecksum), 7, false, true, false},
      {"bad zlib header", PackedValue(16, 8, badHeader), 7, false, true, false},
      {"stream cut short", PackedValue(16, 8, Bytes(block.begin(), block.end() - 6)), 7, false, true, false},
      {"a sound block", PackedValue(16, 8, block), 7, true, true, false},
      {"a decompression bomb", PackedValue(4096, 4096, bomb), 7, false, true, true},
      {"all-zero pixels at zlib's highest ratio", flat.Take(), 7, true, true, false},
      {"raw, larger than the rest of the file", raw(10000, 10000, Bytes{'p', 'i', 'x'}, false), 6, false, false, true},
      {"raw, width 0", raw(0, -2, {}, true), 6, false, false, false},
      {"raw, negative sides", raw(-2, -2, {}, true), 6, false, false, false},
      {"raw, present but over the side limit", raw(16385, 1, Bytes(16385 * 4, 0x7F), true), 6, false, true, false},
  };
  // clang-format on
  for (int32_t length : {0, -1, INT32_MIN, INT32_MAX, static_cast<int32_t>(goodBlock.size()) + 10})
    cases.push_back(
        {"block length " + std::to_string(length), PackedValue(4, 3, goodBlock, length), 7, false, false, false});
  // Too short to hold a length and a stream, but read past like any block.
  for (int32_t length = 1; length <= 4; ++length)
    cases.push_back({"block length " + std::to_string(length), PackedValue(4, 3, Bytes(length, 0x30), length), 7, false,
                     true, false});
  for (const Case& c : cases) {
    const Outcome out = ReadOne(c.file, c.version);
    EXPECT_EQ(out.decoded, c.decoded) << c.what;
    EXPECT_EQ(out.flag, !c.decoded) << c.what;
    EXPECT_TRUE(out.inStep || !c.inStep) << c.what;
    EXPECT_TRUE(out.capacity == 0 || !c.noMemory) << c.what;
  }
}

TEST(PictureReader, TakesTheFirstInflatedBytesAndIgnoresTheRestOfTheBlock) {
  const Picture image = GradientPicture(4, 3, 1);
  const Bytes block = pack::CompressPixels(image);
  Bytes trailing = block;
  trailing.insert(trailing.end(), {0x78, 0x9C, 0xFF, 0, 0, 0});
  struct Case {
    const char* what;
    int32_t height;
    Bytes block;
  } cases[] = {{"bytes after the zlib stream", 3, trailing},
               {"stream inflates to more", 2, BlockWithLength(32, block)},
               {"longer stream with bytes after it", 1, BlockWithLength(16, trailing)}};
  for (const Case& c : cases) {
    ReaderRig rig;
    rig.OpenBare(PackedValue(4, c.height, c.block));
    rig.Unit.MenuVersion = 7;
    PictureValue read;
    EXPECT_TRUE(rig.Unit.ReadImageValue(read)) << c.what;
    EXPECT_FALSE(rig.Unit.ReadErrorFlag) << c.what;
    EXPECT_EQ(read.Image.Pixels, std::vector<uint32_t>(image.Pixels.begin(), image.Pixels.begin() + 4 * c.height))
        << c.what;
    EXPECT_EQ(rig.Unit.ReadShortValue(), kMarker) << c.what;
  }
}

struct Decoded {
  bool ok;
  bool allocated;
  int64_t endsAt;
  bool empty = false;
};

Decoded Decode(const Bytes& payload, bool packed, int64_t maxBytes, Picture picture = {}) {
  MemoryFileOpener files;
  files.AddFile("payload", payload);
  BufferedFile in(files.OpenRead("payload"), 64);
  BmpArray decoder;
  const bool ok =
      packed ? decoder.ReadPackedPixels(in, picture, maxBytes) : decoder.ReadRawPixels(in, picture, maxBytes);
  return {ok, picture.Pixels.capacity() > 0, in.Position(), picture.Empty()};
}

Bytes Payload(int32_t width, int32_t height, const Bytes& data, bool packed) {
  pack::ValueWriter w;
  w.RawInt32(width);
  w.RawInt32(height);
  if (packed) w.RawInt32(static_cast<int32_t>(data.size()));
  w.RawBytes(data.data(), data.size());
  return w.Take();
}

// Every size limit of the decoder at the limit and one past it: the sides, the pixels in all, the
// bytes the menu may still take, the rest of the file and the inflate ratio.
TEST(PictureReader, EachSizeLimitHoldsAtTheLimitAndRefusesOnePast) {
  struct Sides {
    int32_t width, height;
    bool accepted;
  } sides[] = {{1, 1, true},       {0, 1, false},       {1, 0, false},       {-1, -1, false},
               {16384, 1, true},   {16385, 1, false},   {1, 16384, true},    {1, 16385, false},
               {4096, 4096, true}, {4097, 4096, false}, {4096, 4097, false}, {16384, 1025, false}};
  for (const Sides& s : sides)
    EXPECT_EQ(PictureSizeAccepted(s.width, s.height), s.accepted) << s.width << " x " << s.height;

  const Picture image = GradientPicture(3, 2, 4);  // 24 bytes of pixels
  const Bytes pixels(reinterpret_cast<const uint8_t*>(image.Pixels.data()),
                     reinterpret_cast<const uint8_t*>(image.Pixels.data()) + 24);
  const Bytes block = pack::CompressPixels(image);
  // A block of 4 packed bytes may claim 4 x 1032 inflated bytes, and no more.
  const auto claim = [](int32_t inflated) { return BlockWithLength(inflated, Bytes(8, 0x55)); };
  Bytes overlong = Payload(3, 2, block, true), cut = overlong;
  overlong[8] += 1;  // the block's length
  cut.pop_back();
  struct Case {
    const char* what;
    Bytes payload;
    bool packed;
    int64_t maxBytes;
    Decoded want;
    // clang-format off
  } cases[] = {
      {"raw, the bytes left exactly", Payload(3, 2, pixels, false), false, 24, {true, true, 32}},
      {"raw, one byte over the bytes left", Payload(3, 2, pixels, false), false, 23, {false, false, 32}},
      {"raw, one byte short in the file", Payload(3, 2, Bytes(23, 1), false), false, 99, {false, false, 8}},
      {"packed, the bytes left exactly", Payload(3, 2, block, true), true, 24, {true, true, 12 + static_cast<int64_t>(block.size())}},
      {"packed, one byte over the bytes left", Payload(3, 2, block, true), true, 23, {false, false, 12 + static_cast<int64_t>(block.size())}},
      {"packed at the inflate ratio: decoded (and found damaged)", Payload(1032, 1, claim(4128), true), true, 1 << 20, {false, true, 20}},
      {"packed one pixel past the inflate ratio", Payload(1033, 1, claim(4132), true), true, 1 << 20, {false, false, 20}},
      {"packed, a block one byte longer than the file", overlong, true, 99, {false, false, 12}},
      {"raw, 1 x 1", Payload(1, 1, Bytes(4, 1), false), false, 4, {true, true, 12}},
      {"raw, width 0", Payload(0, 1, Bytes(4, 1), false), false, 99, {false, false, 8}},
      {"raw, height 0", Payload(1, 0, Bytes(4, 1), false), false, 99, {false, false, 8}},
      {"raw, 3 x 1", Payload(3, 1, Bytes(12, 1), false), false, 99, {true, true, 20}},
      {"raw, 1 x 3", Payload(1, 3, Bytes(12, 1), false), false, 99, {true, true, 20}},
      {"packed, one byte missing", cut, true, 99, {false, false, 12}},
  };
  // clang-format on
  for (const Case& c : cases) {
    const Decoded got = Decode(c.payload, c.packed, c.maxBytes);
    EXPECT_EQ(got.ok, c.want.ok) << c.what;
    EXPECT_EQ(got.allocated, c.want.allocated) << c.what;
    EXPECT_EQ(got.endsAt, c.want.endsAt) << c.what;
    EXPECT_EQ(Decode(c.payload, c.packed, c.maxBytes, GradientPicture(2, 2, 9)).empty, !c.want.ok) << c.what << ", old";
    // Read past without decoding, the payload ends at the same place.
    MemoryFileOpener files;
    files.AddFile("p", c.payload);
    BufferedFile in(files.OpenRead("p"), 64);
    BmpArray().SkipPixels(in, c.packed);
    EXPECT_EQ(in.Position(), c.want.endsAt) << c.what << ", read past";
  }
}

// Slots that do not exist: the payload is read past, nothing is stored, the author is told.
TEST(PictureReader, PicturesForSlotsThatDoNotExistAreReadPast) {
  const Picture image = GradientPicture(3, 2, 9);
  struct Case {
    uint8_t button, state;
    int32_t frame;
    bool accepted;
  } cases[] = {{100, 3, 100, true}, {0, 0, 0, true},    {101, 0, 0, false}, {255, 0, 0, false},      {1, 4, 0, false},
               {1, 255, 0, false},  {1, 0, 101, false}, {1, 0, -2, false},  {1, 0, INT32_MIN, false}};
  for (uint8_t version : {6, 7}) {
    for (const Case& c : cases) {
      SCOPED_TRACE("version " + std::to_string(version) + " slot " + std::to_string(c.button) + "/" +
                   std::to_string(c.state) + "/" + std::to_string(c.frame));
      pack::ValueWriter w;
      w.WritePictureValue(PictureFor(c.button, c.state, c.frame, image), version);
      w.WriteShortValue(kMarker);
      const Outcome out = ReadOne(w.Take(), version);
      EXPECT_EQ(out.decoded, c.accepted);
      EXPECT_EQ(out.flag, !c.accepted);
      EXPECT_TRUE(out.inStep);
    }
  }
}

// A plausible name (up to a Windows path, 260) is stepped over; any other length is not followed:
// the bytes after the length fields are read as the next value.
TEST(PictureReader, TheSeparateFileVariantIsReadPastAndFlagged) {
  struct Case {
    int32_t nameLength;
    bool inStep;
  } cases[] = {{9, true}, {0, true}, {260, true}, {261, false}, {INT32_MAX, true}, {-1, true}};
  for (uint8_t version : {6, 7}) {
    for (const Case& c : cases) {
      pack::ValueWriter w;
      SlotFields(w, 2, 1, -1);
      w.RawInt32(0);
      w.RawInt32(c.nameLength);
      w.RawInt32(0);
      const std::string name(c.nameLength > 0 && c.nameLength < 1000 ? c.nameLength : 0, 'n');
      w.RawText(name);
      w.WriteShortValue(kMarker);
      const Outcome out = ReadOne(w.Take(), version);
      EXPECT_FALSE(out.decoded) << c.nameLength;
      EXPECT_TRUE(out.flag) << c.nameLength;
      EXPECT_EQ(out.inStep, c.inStep) << c.nameLength;
    }
  }
}

// Cut short, or unreadable from there on while the size stays whole (a scratched disc).
TEST(PictureReader, AStreamEndingAnywhereInsideAPictureFlagsWithoutAPicture) {
  for (uint8_t version : {6, 7}) {
    pack::ValueWriter w;
    w.WritePictureValue(PictureFor(1, 2, 3, GradientPicture(5, 4, 2)), version);
    const Bytes whole = w.Take();
    for (size_t run = 0; run < 2 * whole.size(); ++run) {
      const size_t cut = run % whole.size();
      ReaderRig rig;
      if (run < whole.size())
        rig.OpenBare(Bytes(whole.begin(), whole.begin() + cut));
      else
        rig.OpenBare(whole, static_cast<int64_t>(cut));
      rig.Unit.MenuVersion = version;
      PictureValue picture;
      EXPECT_FALSE(rig.Unit.ReadImageValue(picture)) << cut;
      EXPECT_TRUE(rig.Unit.ReadErrorFlag) << cut;
      EXPECT_TRUE(picture.Image.Empty()) << cut;
    }
  }
}

}  // namespace
}  // namespace orvane::testing
