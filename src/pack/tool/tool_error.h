#pragma once
// The one error type of the authoring tool: every message names the file and, where there is one,
// the field of the source or of the menu that is at fault.
#include <stdexcept>
#include <string>

namespace orvane::pack {

class ToolError : public std::runtime_error {
 public:
  ToolError(const std::string& file, const std::string& field, const std::string& message)
      : std::runtime_error(Compose(file, field, message)) {}

 private:
  static std::string Compose(const std::string& file, const std::string& field,
                             const std::string& message) {
    std::string text = file;
    if (!field.empty()) text += (text.empty() ? "" : ": ") + field;
    return text + (text.empty() ? "" : ": ") + message;
  }
};

}  // namespace orvane::pack
