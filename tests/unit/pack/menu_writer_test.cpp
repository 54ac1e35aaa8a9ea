#include <gtest/gtest.h>

#include <stdexcept>

#include "writer/menu_writer.h"

namespace orvane::pack {
namespace {

// With every text empty a text value takes 5 bytes and a short or long value 9, so the sizes
// count the values of each layout: settings 6 texts + 40 numbers (+4 texts later), records
// 5 texts + 10 numbers (+3 texts and 8 numbers later).
TEST(MenuWriter, WritesTheValuesOfEachLayout) {
  MenuFile menu;
  menu.Buttons.resize(2);
  UpdateCounts(menu);

  menu.Header.Version = 6;
  EXPECT_EQ(WriteMenuFile(menu).size(), 11u + 390u + 2 * 115u);
  menu.Header.Version = 7;
  EXPECT_EQ(WriteMenuFile(menu).size(), 11u + 410u + 2 * 202u);
  menu.Header.Version = 8;
  EXPECT_EQ(WriteMenuFile(menu).size(), 11u + 410u + 2 * 202u);
}

TEST(MenuWriter, CountsAreWrittenAsTheyStand) {
  MenuFile menu;
  menu.Buttons.resize(3);
  menu.Header.ButtonCount = 7;
  menu.Header.PictureCount = -2;
  Bytes file = WriteMenuFile(menu);
  EXPECT_EQ(file[8], 7);
  EXPECT_EQ(file[9], 0xFE);
  EXPECT_EQ(file[10], 0xFF);

  UpdateCounts(menu);
  menu.Pictures.resize(1);
  menu.Pictures[0].Image = {1, 1, {0}};
  UpdateCounts(menu);
  file = WriteMenuFile(menu);
  EXPECT_EQ(file[8], 3);
  EXPECT_EQ(file[9], 1);
  EXPECT_EQ(file[10], 0);
}

TEST(MenuWriter, UpdateCountsRefusesWhatTheHeaderCannotHold) {
  MenuFile menu;
  menu.Buttons.resize(101);
  EXPECT_THROW(UpdateCounts(menu), std::invalid_argument);
  menu.Buttons.resize(100);
  menu.Pictures.resize(32768);
  EXPECT_THROW(UpdateCounts(menu), std::invalid_argument);
  menu.Pictures.resize(32767);
  UpdateCounts(menu);
  EXPECT_EQ(menu.Header.ButtonCount, 100);
  EXPECT_EQ(menu.Header.PictureCount, 32767);
}

}  // namespace
}  // namespace orvane::pack
