#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "writer/menu_writer.h"

namespace orvane::pack {
namespace {

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
