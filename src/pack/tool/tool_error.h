#pragma once
// The one error type of the authoring tool: every message names the file and, where there is one,
// the field of the source or of the menu that is at fault. A source with several mistakes gives
// one error that carries all of them, so that one run shows everything to fix.
#include <stdexcept>
#include <string>
#include <vector>

namespace orvane::pack {

class ToolError : public std::runtime_error {
 public:
  ToolError(const std::string& file, const std::string& field, const std::string& message)
      : std::runtime_error(Compose(file, field, message)), messages_{what()} {}
  // Several problems, each already "file: field: message"; what() gives them one per line.
  explicit ToolError(std::vector<std::string> messages)
      : std::runtime_error(Join(messages)), messages_(std::move(messages)) {}

  const std::vector<std::string>& Messages() const { return messages_; }

 private:
  static std::string Compose(const std::string& file, const std::string& field,
                             const std::string& message) {
    std::string text = file;
    if (!field.empty()) text += (text.empty() ? "" : ": ") + field;
    return text + (text.empty() ? "" : ": ") + message;
  }
  static std::string Join(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& m : messages) text += (text.empty() ? "" : "\n") + m;
    return text;
  }

  std::vector<std::string> messages_;
};

}  // namespace orvane::pack
