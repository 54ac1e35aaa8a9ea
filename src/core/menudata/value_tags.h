#pragma once
// The byte that starts each typed value of a menu file and of the container header: the reader
// checks it, the writer puts it.
#include <cstdint>

namespace orvane {

constexpr uint8_t kByteTag = 1;
constexpr uint8_t kShortTag = 2;
constexpr uint8_t kLongTag = 3;
constexpr uint8_t kTextTag = 4;
constexpr uint8_t kPictureTag = 5;

}  // namespace orvane
