#pragma once
// A menu file as it is stored: the header, the menu settings, the button records and the picture
// values, each field holding the raw value of the file so that a writer can reproduce it exactly.
// Meanings (flags that are on at -1, colours from three values, ...) are applied by the loader.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "menudata/picture.h"

namespace orvane {

// Window-wide fonts: bold, italic and underline are on at exactly -1.
struct FontSetting {
  std::string Name;
  int32_t Size = 0;
  int32_t Bold = 0;
  int32_t Italic = 0;
  int32_t Underline = 0;
};

struct RgbSetting {
  int32_t Red = 0;
  int32_t Green = 0;
  int32_t Blue = 0;
};

struct MenuSettings {
  std::string MenuTitle;           // 1
  int32_t Placement = 0;           // 2
  std::string DefaultDescription;  // 3
  FontSetting DescriptionFont;     // 4-8
  RgbSetting DescriptionColour;    // 9-11
  int32_t DescriptionLeft = 0;     // 12-15
  int32_t DescriptionTop = 0;
  int32_t DescriptionWidth = 0;
  int32_t DescriptionHeight = 0;
  int32_t DescriptionAlignment = 0;  // 16
  int32_t TimeShown = 0;             // 17
  int32_t DateShown = 0;             // 18
  RgbSetting ClockColour;            // 19-21
  int32_t TimeLeft = 0;              // 22-25
  int32_t TimeTop = 0;
  int32_t DateLeft = 0;
  int32_t DateTop = 0;
  int32_t InitialButton = 0;      // 26
  int32_t TransparentColour = 0;  // 27
  int32_t AccessoryLeft = 0;      // 28-29
  int32_t AccessoryTop = 0;
  int32_t AnimInterval = 0;                     // 30
  int32_t ScrollTitle = 0;                      // 31
  std::string ShapeText;                        // 32
  FontSetting TimeFont;                         // 33-37
  FontSetting DateFont;                         // 38-42
  int32_t ShadowOffset = 0;                     // 43
  RgbSetting ShadowColour;                      // 44-46
  std::array<std::string, 4> LaterLayoutTexts;  // 47-50, later layout only, unused by the player
};

struct ButtonRecord {
  std::string Target;         // 1
  std::string Parameters;     // 2
  std::string Description;    // 3
  int32_t Left = 0;           // 4
  int32_t Top = 0;            // 5
  int32_t MinimizeAfter = 0;  // 6
  int32_t CloseAfter = 0;     // 7
  int32_t AnimMode = 0;       // 8
  std::string ShortcutKey;    // 9
  int32_t RunMaximized = 0;   // 10
  int32_t WaitForExit = 0;    // 11
  int32_t ButtonKind = 0;     // 12
  std::string Caption;        // 13
  int32_t Width = 0;          // 14
  int32_t Height = 0;         // 15
  // Later layout only (16-26).
  std::string FontName;
  int32_t FontSize = 0;
  int32_t FontColour = 0;
  int32_t Alignment = 0;
  int32_t Bold = 0;
  int32_t Italic = 0;
  int32_t Underline = 0;
  int32_t ViewerCheck = 0;
  std::string ViewerName;
  std::string ViewerVersion;
  int32_t ViewerCompare = 0;
};

// Which picture a picture value fills: button 0 is the menu itself; states 0 normal,
// 1 highlighted, 2 pressed, 3 accessory; frame 0 the still picture, 1-100 animation frames.
struct PictureSlot {
  uint8_t Button = 0;
  uint8_t State = 0;
  int32_t Frame = 0;
};

struct PictureValue {
  uint8_t Unused = 0;
  PictureSlot Slot;
  Picture Image;
};

inline PictureValue PictureAt(uint8_t button, uint8_t state, int32_t frame, Picture image) {
  return {0, {button, state, frame}, std::move(image)};
}

constexpr int kMaxButtons = 100;
constexpr int kMaxImageState = 3;
constexpr int kMaxFrame = 100;

// Whether a picture stored for slot lands where the player can show it: button 0 (the background)
// to lastButton, states 0 to kMaxImageState, frames 0 to kMaxFrame. The reader asks with
// kMaxButtons, the size of the image table; the authoring tool with the menu's own button count.
inline bool SlotInRange(const PictureSlot& slot, int lastButton) {
  return slot.Button <= lastButton && slot.State <= kMaxImageState && slot.Frame >= 0 &&
         slot.Frame <= kMaxFrame;
}

struct MenuHeader {
  std::array<uint8_t, 4> Magic{{'M', 'E', 'N', 'U'}};
  uint8_t Kind = 1;
  uint8_t Version = 7;
  uint8_t Unused6 = 0;
  uint8_t Unused7 = 0;
  uint8_t ButtonCount = 0;
  int16_t PictureCount = 0;
};

inline bool IsLaterLayout(uint8_t version) { return version != 6; }

struct MenuFile {
  MenuHeader Header;
  MenuSettings Settings;
  std::vector<ButtonRecord> Buttons;   // Header.ButtonCount records
  std::vector<PictureValue> Pictures;  // in file order
};

}  // namespace orvane
