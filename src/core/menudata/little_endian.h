#pragma once
// Integers as the menu and executable files store them: least significant byte first.
#include <cstdint>

namespace orvane {

uint16_t LittleEndian16(const uint8_t* bytes);
uint32_t LittleEndian32(const uint8_t* bytes);

}  // namespace orvane
