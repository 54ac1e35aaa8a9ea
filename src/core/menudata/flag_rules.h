#pragma once
// How the player reads each yes/no value of a menu file. Not every flag is on when non-zero: some
// are on only at exactly -1, one only at exactly 1. The player's effects and the authoring tool's
// warnings both go by this one table.
#include <cstdint>

namespace orvane {

enum class FlagTest { NonZero, MinusOne, One };

constexpr bool FlagIsOn(int32_t value, FlagTest test) {
  switch (test) {
    case FlagTest::NonZero: return value != 0;
    case FlagTest::MinusOne: return value == -1;
    case FlagTest::One: return value == 1;
  }
  return false;
}

// The value that the authoring tool stores for "true".
constexpr int32_t FlagOnValue(FlagTest test) { return test == FlagTest::One ? 1 : -1; }

// A number other than 0 that the player still reads as off: most likely meant as on.
constexpr bool FlagMeantOnReadOff(int32_t value, FlagTest test) {
  return value != 0 && !FlagIsOn(value, test);
}

// Time and date labels shown, title scrolling, minimise and close after the action.
constexpr FlagTest kShownFlag = FlagTest::NonZero;
constexpr FlagTest kScrollTitleFlag = FlagTest::NonZero;
constexpr FlagTest kMinimizeAfterFlag = FlagTest::NonZero;
constexpr FlagTest kCloseAfterFlag = FlagTest::NonZero;
// Bold, italic and underline of every font, window-wide and per button.
constexpr FlagTest kFontStyleFlag = FlagTest::MinusOne;
// Watch the started program and bring the player back when it ends.
constexpr FlagTest kWaitForExitFlag = FlagTest::MinusOne;
// Check the installed viewer before opening the target.
constexpr FlagTest kViewerCheckFlag = FlagTest::One;

}  // namespace orvane
