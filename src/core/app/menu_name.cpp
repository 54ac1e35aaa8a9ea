#include "app/menu_name.h"

namespace orvane {

std::string MenuNameFromArgument(std::string argument) {
  for (;;) {
    bool changed = false;
    size_t slash;
    while ((slash = argument.find('\\')) != std::string::npos) {
      argument.erase(0, slash + 1);
      changed = true;
    }
    const size_t colon = argument.find(':');
    if (colon != std::string::npos) {
      argument.erase(0, colon + 1);
      changed = true;
    }
    if (!changed) return argument;
  }
}

}  // namespace orvane
