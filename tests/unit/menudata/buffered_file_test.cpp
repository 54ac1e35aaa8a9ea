#include <gtest/gtest.h>

#include <numeric>

#include "menudata/buffered_file.h"
#include "support/memory_file.h"

namespace orvane::testing {
namespace {

// A 16-byte buffer over 100 bytes 0..99 puts every boundary case within reach.
struct SmallBuffer : ::testing::Test {
  MemoryFileOpener files;
  std::unique_ptr<BufferedFile> file;
  void SetUp() override {
    std::vector<uint8_t> bytes(100);
    std::iota(bytes.begin(), bytes.end(), 0);
    files.AddFile("f", bytes);
    file = std::make_unique<BufferedFile>(files.OpenRead("f"), 16);
  }
};

TEST_F(SmallBuffer, ReadsAcrossBufferBoundariesAndBypassesItForLargeReads) {
  uint8_t small[10];
  for (int round = 0; round < 3; ++round) {
    ASSERT_TRUE(file->Read(small, 10));
    EXPECT_EQ(small[0], round * 10);
    EXPECT_EQ(small[9], round * 10 + 9);
  }
  uint8_t large[40];
  ASSERT_TRUE(file->Read(large, 40));
  EXPECT_EQ(large[0], 30);
  EXPECT_EQ(large[39], 69);
  EXPECT_EQ(file->Position(), 70);
  EXPECT_EQ(file->Remaining(), 30);
  int32_t value = 0;
  ASSERT_TRUE(file->ReadI32(value));
  EXPECT_EQ(value, 70 | 71 << 8 | 72 << 16 | 73 << 24);
}

TEST_F(SmallBuffer, SeeksInsideAndOutsideTheBuffer) {
  uint8_t b = 0;
  ASSERT_TRUE(file->Seek(50));
  ASSERT_TRUE(file->ReadU8(b));
  EXPECT_EQ(b, 50);
  ASSERT_TRUE(file->Seek(48));  // behind, outside what is buffered
  ASSERT_TRUE(file->ReadU8(b));
  EXPECT_EQ(b, 48);
  ASSERT_TRUE(file->Seek(55));  // inside the buffer
  ASSERT_TRUE(file->ReadU8(b));
  EXPECT_EQ(b, 55);
  EXPECT_FALSE(file->Seek(101));
  EXPECT_FALSE(file->Seek(-1));
  EXPECT_EQ(file->Position(), 56);
  EXPECT_TRUE(file->Skip(44));
  EXPECT_FALSE(file->ReadU8(b));
  EXPECT_TRUE(file->Seek(0));
  EXPECT_FALSE(file->Skip(101));
  EXPECT_FALSE(file->Skip(-1));
  EXPECT_TRUE(file->Skip(0));
  EXPECT_EQ(file->Position(), 0);
  // After a read at 50 the buffer holds 50..65 and the platform file stands at 66: a seek from its
  // first byte to one past its last costs no platform seek, one before or beyond it does; a byte
  // in the buffer is read without the platform.
  const struct {
    int64_t to;
    int seeks, reads;
  } edges[] = {{50, 0, 0}, {65, 0, 0}, {66, 0, 1}, {49, 1, 1}, {67, 1, 1}};
  for (const auto& edge : edges) {
    file = std::make_unique<BufferedFile>(files.OpenRead("f"), 16);
    ASSERT_TRUE(file->Seek(50) && file->ReadU8(b));
    files.ResetCounts();
    ASSERT_TRUE(file->Seek(edge.to));
    EXPECT_EQ(files.Counts().Seeks, edge.seeks) << edge.to;
    ASSERT_TRUE(file->ReadU8(b));
    EXPECT_EQ(b, edge.to);
    EXPECT_EQ(files.Counts().Reads, edge.reads) << edge.to;
  }
}

TEST_F(SmallBuffer, AShortReadFailsAndStopsAtTheEnd) {
  uint8_t buffer[8];
  ASSERT_TRUE(file->Seek(99));  // one byte left to fill the buffer with
  EXPECT_TRUE(file->ReadU8(buffer[0]));
  EXPECT_EQ(buffer[0], 99);
  ASSERT_TRUE(file->Seek(95));
  EXPECT_FALSE(file->Read(buffer, 8));
  EXPECT_EQ(buffer[4], 99);
  EXPECT_EQ(file->Remaining(), 0);
  ASSERT_TRUE(file->Seek(90));
  uint8_t large[20];
  EXPECT_FALSE(file->Read(large, 20));
  EXPECT_EQ(file->Position(), 100);
  EXPECT_FALSE(file->Read(large, 20)) << "nothing left at all";
  EXPECT_EQ(file->Position(), 100);
}

TEST_F(SmallBuffer, ALimitHoldsReadsAndFillsBeforeItAndCanMove) {
  uint8_t b = 0;
  ASSERT_TRUE(file->ReadU8(b));  // buffers 0..15
  file->LimitTo(10);             // inside what is buffered
  EXPECT_EQ(file->Remaining(), 9);
  uint8_t rest[9];
  ASSERT_TRUE(file->Read(rest, 9));
  EXPECT_EQ(rest[8], 9);
  EXPECT_FALSE(file->ReadU8(b));
  EXPECT_FALSE(file->Seek(11));
  file->LimitTo(40);
  ASSERT_TRUE(file->ReadU8(b));
  EXPECT_EQ(b, 10) << "reading goes on where the old limit stood";
  ASSERT_TRUE(file->Seek(30));
  uint8_t large[20];
  EXPECT_FALSE(file->Read(large, 20)) << "a read straight into memory stops at the limit too";
  EXPECT_EQ(large[9], 39);
  EXPECT_EQ(file->Position(), 40);
  EXPECT_EQ(file->Size(), 100);
  file->LimitTo(100);
  ASSERT_TRUE(file->Seek(50));
  ASSERT_TRUE(file->ReadU8(b));  // buffers 50..65
  file->LimitTo(60);             // inside a buffer that does not start at 0
  ASSERT_TRUE(file->ReadU8(b));
  EXPECT_EQ(b, 51);
  EXPECT_EQ(file->Remaining(), 8);
  // The platform refuses to go back to the new limit: reading stops there.
  file->LimitTo(100);
  ASSERT_TRUE(file->Seek(70) && file->ReadU8(b));  // buffers 70..85
  files.RefuseSeeks(true);
  file->LimitTo(75);
  EXPECT_EQ(file->Position(), 75);
  EXPECT_EQ(file->Remaining(), 0);
  EXPECT_FALSE(file->ReadU8(b));
  EXPECT_FALSE(file->Seek(20)) << "a seek outside the buffer that the platform refuses fails";
  EXPECT_EQ((file->LimitTo(-5), file->End()), 0) << "limits stay inside the file at both ends";
  EXPECT_EQ((file->LimitTo(500), file->End()), 100);
}

}  // namespace
}  // namespace orvane::testing
