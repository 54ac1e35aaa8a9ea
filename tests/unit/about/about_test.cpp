// The About window's background gradient and its link to the maker's page.
#include <gtest/gtest.h>

#include "about/about_gradient.h"
#include "about/maker_link.h"
#include "support/recording_dialog.h"

namespace orvane::testing {
namespace {

uint32_t PixelOf(int32_t y) {
  const GradientColour c = AboutGradientLineColour(y, kAboutGradientHeight);
  return PixelOfRgb(c.Red, c.Green, c.Blue);
}

TEST(AboutGradientTest, LineColoursRunFromBluishWhiteToWarmGrey) {
  const int32_t h = kAboutGradientHeight;
  const int32_t lines[][4] = {{0, 252, 252, 254}, {h, 244, 243, 238}, {h / 2, 248, 247, 246}};  // y, red, green, blue
  for (const auto& [y, red, green, blue] : lines) EXPECT_EQ(PixelOf(y), PixelOfRgb(red, green, blue)) << y;
  // The pen colour, red in the low byte; a one-line gradient ends at the bottom colour, a flat one at the top.
  const std::tuple<int32_t, int32_t, uint32_t> pens[] = {
      {0, h, 0x00FEFCFCu}, {h, h, 0x00EEF3F4u}, {1, 1, 0x00EEF3F4u}, {0, 0, 0x00FEFCFCu}};
  for (const auto& [y, height, pen] : pens) EXPECT_EQ(AboutGradientPenColour(y, height), pen) << y << " of " << height;
}

TEST(AboutGradientTest, WholeValuesSurviveTheSinglePrecisionStore) {
  // Green falls by exactly one every 26 lines; a blend kept in single precision throughout
  // lands a hair below some of these whole numbers and truncates one too low.
  for (int32_t y = 0; y <= kAboutGradientHeight; y += 26)
    EXPECT_EQ(AboutGradientLineColour(y, kAboutGradientHeight).Green, 252 - y / 26) << "y " << y;
}

TEST(AboutGradientTest, RedRoundsHalvesToTheEvenNeighbour) {
  // With 16 lines red falls by a half per line: 251.5, 250.5 and 249.5 all go to even values.
  for (const auto& [y, red] : std::vector<std::pair<int32_t, int32_t>>{{1, 252}, {3, 250}, {5, 250}, {7, 248}})
    EXPECT_EQ(AboutGradientLineColour(y, 16).Red, red) << y;
  // Green and blue are cut: 247.5 gives 247.
  EXPECT_EQ(AboutGradientLineColour(8, 16).Green, 247);
}

TEST(AboutGradientTest, EachLineCoversTheLeftHalfOfItsRowAndTheRightHalfOfTheNext) {
  const Picture p = DrawAboutGradient();
  ASSERT_EQ(p.Width, 422);
  ASSERT_EQ(p.Height, 234);
  ASSERT_EQ(p.Pixels.size(), 422u * 234u);
  // The line from (0, y) to (423, y + 1) steps down between x = 211 and x = 212.
  EXPECT_EQ(p.At(0, 0), PixelOf(0));
  EXPECT_EQ(p.At(211, 0), PixelOf(0));
  EXPECT_EQ(p.At(212, 0), 0x00FFFFFFu);
  EXPECT_EQ(p.At(421, 0), 0x00FFFFFFu);
  for (int32_t y : {1, 100, 233}) {
    EXPECT_EQ(p.At(0, y), PixelOf(y)) << y;
    EXPECT_EQ(p.At(211, y), PixelOf(y)) << y;
    EXPECT_EQ(p.At(212, y), PixelOf(y - 1)) << y;
    EXPECT_EQ(p.At(421, y), PixelOf(y - 1)) << y;
  }
  // Only the right half of the top row stays white.
  size_t white = 0;
  for (uint32_t pixel : p.Pixels) white += pixel == 0x00FFFFFFu;
  EXPECT_EQ(white, 422u - 212u);
}

TEST(AboutGradientTest, SizesOutsideTheLimitsGiveNoPicture) {
  const int32_t max = kAboutGradientMaxSide;
  const struct {
    int32_t width, height;
    bool drawn;
  } sizes[] = {{0, 10, false},       {10, 0, false}, {10, -1, false}, {max + 1, 10, false},
               {10, max + 1, false}, {max, 1, true}, {1, max, true}};
  for (const auto& size : sizes)
    EXPECT_EQ(DrawAboutGradient(size.width, size.height).Empty(), !size.drawn) << size.width << " x " << size.height;
  const Picture one = DrawAboutGradient(1, 1);
  ASSERT_EQ(one.Pixels.size(), 1u);
  EXPECT_EQ(one.Pixels[0], 0x00FCFCFEu);
}

class FakePageOpener : public PageOpener {
 public:
  explicit FakePageOpener(int32_t answer) : answer_(answer) {}
  int32_t OpenPage(const std::string& address) override {
    Opened.push_back(address);
    return answer_;
  }
  std::vector<std::string> Opened;

 private:
  int32_t answer_;
};

TEST(MakerLinkTest, NoBrowserTellsWhereToPointOne) {
  for (int32_t answer : {kPageFileNotFound, kPageNoAssociation}) {
    FakePageOpener shell(answer);
    RecordingMessageDialog dialog;
    OpenMakerPage(shell, dialog, "Orvane");
    EXPECT_EQ(shell.Opened, (std::vector<std::string>{kMakerPageAddress}));
    ASSERT_EQ(dialog.Messages.size(), 1u) << answer;
    const ShownMessage& m = dialog.Messages[0];
    EXPECT_EQ(m.Text, std::string("Could not launch Web Browser. Please start you web browser "
                                  "and point it to:\r\rhttps://www.orvane.example/"));
    EXPECT_EQ(m.Kind, MessageKind::Information);
    EXPECT_EQ(m.Buttons, mb::OK);
    EXPECT_EQ(m.HelpContext, 0);
    EXPECT_EQ(m.DefaultIndex, -1);
    EXPECT_EQ(m.Caption, "Orvane");
  }
}

TEST(MakerLinkTest, AnyOtherAnswerShowsNothing) {
  // Success, and failures other than a missing browser (out of memory, access denied, ...).
  for (int32_t answer : {42, 33, 0, 5, 8, 32}) {
    FakePageOpener shell(answer);
    RecordingMessageDialog dialog;
    OpenMakerPage(shell, dialog, "Orvane");
    EXPECT_EQ(shell.Opened.size(), 1u);
    EXPECT_TRUE(dialog.Messages.empty()) << answer;
  }
}

}  // namespace
}  // namespace orvane::testing
