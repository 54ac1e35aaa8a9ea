#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "writer/menu_writer.h"

namespace orvane::pack {
namespace {

int32_t Int32At(const Bytes& b, size_t at) {
  return static_cast<int32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24);
}

TEST(ContainerWriter, PadsBetweenTheDirectoryAndTheFilesToTheFileAlignment) {
  ContainerOptions options;
  options.FileAlignment = 8;
  for (size_t exeSize = 5; exeSize < 13; ++exeSize) {
    const Bytes out = AppendContainer(Bytes(exeSize, 'M'), {{"a", {0xA1, 0xA2, 0xA3}}}, options);
    const size_t directory = exeSize + 4 + 3 + 5 + 6 + 1;
    const size_t first = static_cast<size_t>(Int32At(out, directory + 256) - 1);
    EXPECT_EQ(out.size() % 8, 0u) << exeSize;
    EXPECT_LT(first - (directory + 260), 8u) << exeSize;
    EXPECT_EQ(out[first], 0xA1);
    EXPECT_EQ(first + 3 + 4, out.size()) << "the last file ends at the trailer";
    EXPECT_EQ(Int32At(out, out.size() - 4), static_cast<int32_t>(exeSize + 1));
  }
}

TEST(ContainerWriter, RefusesWhatTheContainerCannotHold) {
  const Bytes exe = {'M', 'Z'};
  std::vector<PackedFile> many(101, PackedFile{"m", {}});
  for (size_t i = 0; i < many.size(); ++i) many[i].Name = "m" + std::to_string(i);
  EXPECT_THROW(AppendContainer(exe, many), std::invalid_argument);
  many.pop_back();
  EXPECT_NO_THROW(AppendContainer(exe, many));

  EXPECT_THROW(AppendContainer(exe, {{"", {}}}), std::invalid_argument);
  EXPECT_THROW(AppendContainer(exe, {{" \t ", {}}}), std::invalid_argument);
  EXPECT_THROW(AppendContainer(exe, {{std::string(257, 'n'), {}}}), std::invalid_argument);
  const Bytes longest = AppendContainer(exe, {{std::string(256, 'n'), {}}});
  EXPECT_EQ(longest[2 + 4 + 3 + 5 + 6 + 1 + 255], 'n');

  try {
    AppendContainer(exe, {{std::string(300, 'x'), {}}});
    FAIL() << "a 300-character name was accepted";
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("longer than 256"), std::string::npos) << e.what();
  }
}

TEST(ContainerWriter, AnEmptyContainerStillHasItsHeaderAndTrailer) {
  const Bytes out = AppendContainer({}, {});
  ASSERT_EQ(out.size(), 4u + 3 + 5 + 6 + 1 + 4);
  EXPECT_EQ(out[18], 0);  // entry count
  EXPECT_EQ(Bytes(out.end() - 4, out.end()), (Bytes{1, 0, 0, 0}));
}

}  // namespace
}  // namespace orvane::pack
