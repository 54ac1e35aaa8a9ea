#pragma once
// The run-time records of the menu shown: TOVMenu with its window-wide settings and controls, and
// one TOVButton per button with its action, font, controls and animation state. Filled only by
// menu loading; read by the button states, the input handlers and the action dispatcher.
#include <array>
#include <cstdint>
#include <string>

#include "app/control_state.h"
#include "app/image_table.h"

namespace orvane {

enum ButtonKind : int32_t {
  kImageButton = 0,
  kPushButton = 1,
  kLabelButton = 2,
};

// Image states of a button.
enum ImageState : int32_t {
  kNormalState = 0,
  kHighlightedState = 1,
  kPressedState = 2,
  kAccessoryState = 3,
};
// No still picture is known to be shown: the next state change draws its picture.
constexpr int32_t kNoShownState = -1;

struct TOVButton {
  // The four controls; they exist only for buttons 1..ButtonCount.
  bool ControlsExist = false;
  ControlState ImgBtn;
  ControlState WinBtn;
  ControlState KeyBtn;
  ControlState LblBtn;
  // The image state whose still picture ImgBtn shows, or kNoShownState: must refresh. Spares
  // repainting.
  int32_t ImgBtnShownState = 0;

  int32_t AnimMode = 0;
  std::string DefaultCaption;
  std::string Parameters;
  std::string Target;
  std::string ShortcutKey = "0";
  int32_t MinimizeAfter = 0;
  int32_t WaitForExit = 0;
  std::string Description;
  int32_t ButtonKind = kImageButton;
  int32_t RunMaximized = 0;
  int32_t CloseAfter = 0;
  std::string FontName;
  int32_t FontSize = 0;
  uint8_t FontStyle = 0;  // FontStyleBits
  int32_t FontColour = 0;
  uint8_t Alignment = 0;  // 0 left, 1 right, 2 centre
  int32_t ViewerCheck = 0;
  std::string ViewerName;
  std::string ViewerVersion;
  int32_t ViewerCompare = 0;

  // Picture state and animation (button states and animation).
  int32_t ButtonState = kNormalState;
  int32_t CurrentFrame = 0;
  int32_t AnimDirection = 0;           // 0 forward, 1 backward
  std::array<int32_t, 4> LastFrame{};  // per image state; 0 = the state does not animate
};

constexpr int32_t kNoTransparentColour = -1;

struct TOVMenu {
  // Window-wide controls.
  ControlState MenBck;
  ControlState imgAccPicture;
  ControlState lblAccText;
  ControlState lblAccShadow;
  ControlState lblTime;
  ControlState lblDate;
  // Which button's accessory picture imgAccPicture shows (0 = none yet). Spares repainting.
  int32_t AccPictureButton = 0;

  // 0 holds only the menu's own pictures, 1..ButtonCount the buttons; 101 is never filled.
  std::array<TOVButton, kMaxButtons + 2> Buttons;
  int32_t ButtonCount = 0;
  int32_t AnimInterval = 100;
  bool ScrollTitle = false;
  int32_t InitialButton = 0;
  std::string DefaultDescription;
  int32_t Placement = 0;
  std::string MenuTitle;
  int32_t TransparentColour = kNoTransparentColour;
  int32_t ShadowOffset = 0;

  // Every picture of the menu, owned here; controls share them.
  ImageTable Images;
};

}  // namespace orvane
