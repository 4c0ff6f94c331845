#pragma once
#include <cstdint>

namespace vorn {

/// Mouse buttons as the Button argument of the mouse events counts them.
constexpr int16_t kLeftButton = 1;
constexpr int16_t kRightButton = 2;
constexpr int16_t kMiddleButton = 4;

/// Key codes of KeyDown and KeyUp.
constexpr int16_t kKeyEnter = 13;
constexpr int16_t kKeySpace = 32;
constexpr int16_t kKeyLeft = 37;
constexpr int16_t kKeyUp = 38;
constexpr int16_t kKeyRight = 39;
constexpr int16_t kKeyDown = 40;

/// Character codes of KeyPress that edit rather than type.
constexpr int16_t kAsciiBackspace = 8;
constexpr int16_t kAsciiDelete = 127;

}  // namespace vorn
