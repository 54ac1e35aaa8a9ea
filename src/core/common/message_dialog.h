#pragma once
// The one modal message box through which every user-facing message passes. Core code asks for
// it through this interface; the Windows front-end draws it, tests record it.
#include <cstdint>
#include <string>

namespace orvane {

enum class MessageKind : uint8_t {
  Warning = 0,
  Error = 1,
  Information = 2,
  Confirmation = 3,
  Custom = 4,
};

// Bit n stands for the n-th button of the fixed left-to-right order.
using MessageButtons = uint16_t;
namespace mb {
constexpr MessageButtons Yes = 1u << 0;
constexpr MessageButtons No = 1u << 1;
constexpr MessageButtons OK = 1u << 2;
constexpr MessageButtons Cancel = 1u << 3;
constexpr MessageButtons Abort = 1u << 4;
constexpr MessageButtons Retry = 1u << 5;
constexpr MessageButtons Ignore = 1u << 6;
constexpr MessageButtons All = 1u << 7;
constexpr MessageButtons NoToAll = 1u << 8;
constexpr MessageButtons YesToAll = 1u << 9;
constexpr MessageButtons Help = 1u << 10;
}  // namespace mb

// Result of the button that closed the dialog.
using TModalResult = int32_t;

class MessageDialog {
 public:
  virtual ~MessageDialog() = default;
  // defaultIndex -1 keeps the dialog's own default button; an empty caption keeps the standard
  // caption of the kind.
  virtual TModalResult Show(const std::string& text, MessageKind kind, MessageButtons buttons,
                            int32_t helpContext, int32_t defaultIndex,
                            const std::string& caption) = 0;
};

}  // namespace orvane
