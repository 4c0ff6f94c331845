#pragma once
#include <cstdint>

namespace vorn {

struct PointL {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const PointL&, const PointL&) = default;
};

struct RectL {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  friend bool operator==(const RectL&, const RectL&) = default;
};

/// Coordinates added in 64 bits and brought back into 32, saturating: arithmetic on screen
/// rectangles must not wrap (a window at -2147483648 plus an offset stays far off the screen).
constexpr int32_t AddCoord(int64_t a, int64_t b) noexcept {
  const int64_t v = a + b;
  return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<int32_t>(v);
}

}  // namespace vorn
