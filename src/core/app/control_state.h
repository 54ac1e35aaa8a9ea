#pragma once
// What the core knows about each control of the menu window. The core keeps this mirror so that
// rules like "the shadow takes the description's font" or "an alignment outside 0..2 keeps the
// previous one" are decided here and tested without a window system; the view only draws it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/qbcolor.h"
#include "menudata/picture.h"

namespace orvane {

struct Bounds {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;

  bool operator==(const Bounds& o) const {
    return Left == o.Left && Top == o.Top && Width == o.Width && Height == o.Height;
  }
  bool operator!=(const Bounds& o) const { return !(*this == o); }
};

enum FontStyleBits : uint8_t {
  kFontBold = 1u << 0,
  kFontItalic = 1u << 1,
  kFontUnderline = 1u << 2,
};

// The window's font is the default of every run-time control: Tahoma, 8 points, window-text
// colour (no colour value: the system's colour is used).
struct ControlFont {
  std::string Name = "Tahoma";
  int32_t Size = 8;  // points
  uint8_t Style = 0;
  std::optional<ColourValue> Colour;

  bool operator==(const ControlFont& o) const {
    return Name == o.Name && Size == o.Size && Style == o.Style && Colour == o.Colour;
  }
  bool operator!=(const ControlFont& o) const { return !(*this == o); }
};

enum class TextAlignment : uint8_t { Left = 0, Right = 1, Centre = 2 };

// A picture shared between the image table and the controls that show it; pictures are never
// changed once stored, so sharing them is the same as copying them.
using PictureRef = std::shared_ptr<const Picture>;

struct ControlState {
  orvane::Bounds Bounds;
  bool Visible = false;
  std::string Text;  // caption of labels and push buttons; "&" marks the access key
  ControlFont Font;
  TextAlignment Alignment = TextAlignment::Left;
  bool Transparent = false;  // labels: the controls below show through
  bool WordWrap = false;     // labels
  bool AutoSize = false;     // pictures: the bounds follow the picture
  bool TabStop = false;      // push buttons
  PictureRef Picture;        // pictures: nullptr shows nothing
};

}  // namespace orvane
