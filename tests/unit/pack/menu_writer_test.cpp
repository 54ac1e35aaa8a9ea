#include <gtest/gtest.h>

#include <stdexcept>

#include "writer/menu_writer.h"

namespace orvane::pack {
namespace {

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
