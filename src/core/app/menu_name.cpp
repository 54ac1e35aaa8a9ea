#include "app/menu_name.h"

namespace orvane {

std::string MenuNameFromArgument(const std::string& argument) {
  // What follows the last "\" or ":"; all of it when there is neither (npos + 1 is 0).
  return argument.substr(argument.find_last_of("\\:") + 1);
}

}  // namespace orvane
