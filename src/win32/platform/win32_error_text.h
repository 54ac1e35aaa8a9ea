#pragma once
// The system's own message for an error code, as the player shows it to the user.
#include <cstdint>
#include <string>

namespace orvane {

// Without trailing line breaks; "Error <code>" when the system has no text for it.
std::string SystemErrorText(uint32_t code);

}  // namespace orvane
