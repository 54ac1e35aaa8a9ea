#pragma once
// The player's own modal message dialog: a window built from code (not the system message box)
// with the system's icons, the message word-wrapped beside the icon and the buttons below it.
// While it is up the thread's other windows are disabled and a nested message loop keeps their
// timers and painting going.
#include <functional>
#include <string>

#include "common/message_dialog.h"

struct HWND__;

namespace orvane {

class Win32MessageDialog : public MessageDialog {
 public:
  // owner: the window that owns the dialog (may be null). applicationTitle: read at each call
  // for the caption of the Custom kind.
  explicit Win32MessageDialog(HWND__* owner = nullptr,
                              std::function<std::string()> applicationTitle = {});

  void SetOwner(HWND__* owner) { owner_ = owner; }
  void SetApplicationTitle(std::function<std::string()> source) {
    applicationTitle_ = std::move(source);
  }

  TModalResult Show(const std::string& text, MessageKind kind, MessageButtons buttons,
                    int32_t helpContext, int32_t defaultIndex, const std::string& caption) override;

 private:
  HWND__* owner_;
  std::function<std::string()> applicationTitle_;
};

}  // namespace orvane
