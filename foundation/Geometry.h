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

}  // namespace vorn
