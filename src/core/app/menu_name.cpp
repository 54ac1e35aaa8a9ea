#include "app/menu_name.h"

namespace orvane {

std::string MenuNameFromArgument(const std::string& argument) {
  // Dropping up to each "\" and then each ":" leaves what follows the last of either; npos + 1 is 0.
  return argument.substr(argument.find_last_of("\\:") + 1);
}

}  // namespace orvane
