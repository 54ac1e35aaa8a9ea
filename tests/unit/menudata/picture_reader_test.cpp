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

TEST(PictureReader, RefusesImpossibleSizesAndStaysInStepWhenTheBlockLengthIsKnown) {
  const Bytes goodBlock = pack::CompressPixels(GradientPicture(4, 3, 1));
  struct Case {
    const char* what;
    Bytes file;
  } cases[] = {
      {"width 0", PackedValue(0, 3, goodBlock)},
      {"height 0", PackedValue(4, 0, goodBlock)},
      {"negative width and height", PackedValue(-4, -3, goodBlock)},
      {"side over the limit", PackedValue(16385, 1, goodBlock)},
      {"pixels over the limit", PackedValue(4097, 4096, goodBlock)},
      {"inflated length not width x height x 4", PackedValue(4, 3, BlockWithLength(47, goodBlock))},
      {"inflated length negative", PackedValue(4, 3, BlockWithLength(-48, goodBlock))},
      {"zlib stream inflates to less", PackedValue(4, 4, BlockWithLength(64, goodBlock))},
  };
  for (const Case& c : cases) {
    const Outcome out = ReadOne(c.file, 7);
    EXPECT_FALSE(out.decoded) << c.what;
    EXPECT_TRUE(out.flag) << c.what;
    EXPECT_TRUE(out.inStep) << c.what;
  }
}

TEST(PictureReader, RefusesDamagedZlibBlocks) {
  const Picture image = GradientPicture(16, 8, 3);
  const Bytes block = pack::CompressPixels(image);
  Bytes flipped = block;
  for (size_t i = 8; i < flipped.size() - 4; i += 3) flipped[i] ^= 0x5A;
  Bytes badChecksum(block.begin(), block.end() - 1);
  badChecksum.push_back(static_cast<uint8_t>(block.back() ^ 1));
  Bytes badHeader = block;
  badHeader[4] = 0x00;
  Bytes cut(block.begin(), block.end() - 6);
  struct Case {
    const char* what;
    Bytes block;
  } cases[] = {{"flipped bits", flipped},   {"bad Adler-32", badChecksum},
               {"bad zlib header", badHeader}, {"stream cut short", cut}};
  for (const Case& c : cases) {
    const Outcome out = ReadOne(PackedValue(16, 8, c.block), 7);
    EXPECT_FALSE(out.decoded) << c.what;
    EXPECT_TRUE(out.flag) << c.what;
    EXPECT_TRUE(out.inStep) << c.what;
  }
  const Outcome good = ReadOne(PackedValue(16, 8, block), 7);
  EXPECT_TRUE(good.decoded && !good.flag && good.inStep);
}

// Only the first width x height x 4 inflated bytes belong to the picture; whatever the block holds
// after them is ignored.
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
    EXPECT_EQ(read.Image.Pixels,
              std::vector<uint32_t>(image.Pixels.begin(), image.Pixels.begin() + 4 * c.height))
        << c.what;
    EXPECT_EQ(rig.Unit.ReadShortValue(), kMarker) << c.what;
  }
}

TEST(PictureReader, BlockLengthsThatCannotBeTrusted) {
  const Bytes block = pack::CompressPixels(GradientPicture(4, 3, 1));
  for (int32_t length : {0, -1, INT32_MIN, INT32_MAX, static_cast<int32_t>(block.size()) + 10}) {
    const Outcome out = ReadOne(PackedValue(4, 3, block, length), 7);
    EXPECT_FALSE(out.decoded) << length;
    EXPECT_TRUE(out.flag) << length;
  }
  // Too short to hold a length and a stream, but read past like any block.
  for (int32_t length = 1; length <= 4; ++length) {
    const Outcome out = ReadOne(PackedValue(4, 3, Bytes(length, 0x30), length), 7);
    EXPECT_FALSE(out.decoded) << length;
    EXPECT_TRUE(out.flag) << length;
    EXPECT_TRUE(out.inStep) << length;
  }
}

// A small file claiming a huge picture must not make the reader reserve memory for it.
TEST(PictureReader, RefusesDecompressionBombsBeforeAllocating) {
  // 4096 x 4096 x 4 = 64 MiB claimed by a block of a few hundred bytes.
  const int32_t side = 4096;
  Bytes block = BlockWithLength(side * side * 4, pack::CompressPixels(GradientPicture(4, 3, 1)));
  block.resize(200, 0);
  const Outcome out = ReadOne(PackedValue(side, side, block), 7);
  EXPECT_FALSE(out.decoded);
  EXPECT_TRUE(out.flag);
  EXPECT_TRUE(out.inStep);
  EXPECT_EQ(out.capacity, 0u);

  // The highest ratio zlib really reaches (all-zero pixels) is still accepted.
  Picture zeros;
  zeros.Width = 1024;
  zeros.Height = 1024;
  zeros.Pixels.assign(1024 * 1024, 0);
  pack::ValueWriter w;
  w.WritePictureValue(PictureFor(0, 0, 0, zeros), 7);
  w.WriteShortValue(kMarker);
  const Outcome flat = ReadOne(w.Take(), 7);
  EXPECT_TRUE(flat.decoded && !flat.flag && flat.inStep);
}

TEST(PictureReader, RawPicturesLargerThanTheRestOfTheFileAreNotAllocated) {
  pack::ValueWriter w;
  SlotFields(w);
  w.RawInt32(10000);
  w.RawInt32(10000);
  w.RawBytes("pixels", 6);
  const Outcome out = ReadOne(w.Take(), 6);
  EXPECT_FALSE(out.decoded);
  EXPECT_TRUE(out.flag);
  EXPECT_EQ(out.capacity, 0u);

  for (int32_t side : {0, -2}) {
    pack::ValueWriter bad;
    SlotFields(bad);
    bad.RawInt32(side);
    bad.RawInt32(-2);
    bad.WriteShortValue(kMarker);
    const Outcome o = ReadOne(bad.Take(), 6);
    EXPECT_FALSE(o.decoded) << side;
    EXPECT_TRUE(o.flag) << side;
  }

  // Present but over the side limit: read past.
  pack::ValueWriter wide;
  SlotFields(wide);
  wide.RawInt32(16385);
  wide.RawInt32(1);
  const Bytes pixels(16385 * 4, 0x7F);
  wide.RawBytes(pixels.data(), pixels.size());
  wide.WriteShortValue(kMarker);
  const Outcome o = ReadOne(wide.Take(), 6);
  EXPECT_FALSE(o.decoded);
  EXPECT_TRUE(o.flag);
  EXPECT_TRUE(o.inStep);
}

struct Decoded {
  bool ok;
  bool allocated;
  int64_t endsAt;
};

Decoded Decode(const Bytes& payload, bool packed, int64_t maxBytes) {
  MemoryFileOpener files;
  files.AddFile("payload", payload);
  BufferedFile in(files.OpenRead("payload"), 64);
  BmpArray decoder;
  Picture picture;
  const bool ok = packed ? decoder.ReadPackedPixels(in, picture, maxBytes)
                         : decoder.ReadRawPixels(in, picture, maxBytes);
  return {ok, picture.Pixels.capacity() > 0, in.Position()};
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
  } sides[] = {{1, 1, true},        {0, 1, false},        {1, 0, false},        {-1, -1, false},
               {16384, 1, true},    {16385, 1, false},    {1, 16384, true},     {1, 16385, false},
               {4096, 4096, true},  {4097, 4096, false},  {4096, 4097, false},  {16384, 1025, false}};
  for (const Sides& s : sides)
    EXPECT_EQ(PictureSizeAccepted(s.width, s.height), s.accepted) << s.width << " x " << s.height;

  const Picture image = GradientPicture(3, 2, 4);  // 24 bytes of pixels
  const Bytes pixels(reinterpret_cast<const uint8_t*>(image.Pixels.data()),
                     reinterpret_cast<const uint8_t*>(image.Pixels.data()) + 24);
  const Bytes block = pack::CompressPixels(image);
  // A block of 4 packed bytes may claim 4 x 1032 inflated bytes, and no more.
  const auto claim = [](int32_t inflated) { return BlockWithLength(inflated, Bytes(8, 0x55)); };
  struct Case {
    const char* what;
    Bytes payload;
    bool packed;
    int64_t maxBytes;
    Decoded want;
  } cases[] = {
      {"raw, the bytes left exactly", Payload(3, 2, pixels, false), false, 24, {true, true, 32}},
      {"raw, one byte over the bytes left", Payload(3, 2, pixels, false), false, 23, {false, false, 32}},
      {"raw, one byte short in the file", Payload(3, 2, Bytes(23, 1), false), false, 99, {false, false, 8}},
      {"packed, the bytes left exactly", Payload(3, 2, block, true), true, 24, {true, true, 12 + static_cast<int64_t>(block.size())}},
      {"packed, one byte over the bytes left", Payload(3, 2, block, true), true, 23, {false, false, 12 + static_cast<int64_t>(block.size())}},
      {"packed at the inflate ratio: decoded (and found damaged)", Payload(1032, 1, claim(4128), true), true, 1 << 20, {false, true, 20}},
      {"packed one pixel past the inflate ratio", Payload(1033, 1, claim(4132), true), true, 1 << 20, {false, false, 20}},
  };
  // A payload read past without decoding: exactly the rest of the file, or one byte more.
  for (bool packed : {false, true}) {
    for (size_t missing : {0, 1}) {
      const Bytes payload = packed ? Payload(3, 2, block, true) : Payload(3, 2, pixels, false);
      MemoryFileOpener files;
      files.AddFile("p", Bytes(payload.begin(), payload.end() - static_cast<std::ptrdiff_t>(missing)));
      BufferedFile in(files.OpenRead("p"), 64);
      BmpArray().SkipPixels(in, packed);
      EXPECT_EQ(in.Position(), missing ? (packed ? 12 : 8) : static_cast<int64_t>(payload.size()))
          << (packed ? "packed" : "raw") << ", " << missing << " byte missing";
    }
  }
  for (const Case& c : cases) {
    const Decoded got = Decode(c.payload, c.packed, c.maxBytes);
    EXPECT_EQ(got.ok, c.want.ok) << c.what;
    EXPECT_EQ(got.allocated, c.want.allocated) << c.what;
    EXPECT_EQ(got.endsAt, c.want.endsAt) << c.what;
  }
}

// Slots that do not exist: the payload is read past, nothing is stored, the author is told.
TEST(PictureReader, PicturesForSlotsThatDoNotExistAreReadPast) {
  const Picture image = GradientPicture(3, 2, 9);
  struct Case {
    uint8_t button, state;
    int32_t frame;
    bool accepted;
  } cases[] = {{100, 3, 100, true}, {0, 0, 0, true},     {101, 0, 0, false}, {255, 0, 0, false},
               {1, 4, 0, false},    {1, 255, 0, false},  {1, 0, 101, false}, {1, 0, -2, false},
               {1, 0, INT32_MIN, false}};
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
