#pragma once
// A MessageDialog that shows nothing: it records every call with all six arguments and answers
// with a result chosen by the test (OK = 1 unless told otherwise).
#include <string>
#include <vector>

#include "common/message_dialog.h"

namespace orvane::testing {

struct ShownMessage {
  std::string Text;
  MessageKind Kind = MessageKind::Warning;
  MessageButtons Buttons = 0;
  int32_t HelpContext = 0;
  int32_t DefaultIndex = 0;
  std::string Caption;
};

class RecordingMessageDialog : public MessageDialog {
 public:
  TModalResult Show(const std::string& text, MessageKind kind, MessageButtons buttons, int32_t helpContext,
                    int32_t defaultIndex, const std::string& caption) override {
    Messages.push_back({text, kind, buttons, helpContext, defaultIndex, caption});
    return Result;
  }

  std::vector<ShownMessage> Messages;
  TModalResult Result = 1;
};

}  // namespace orvane::testing
