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

/// Rectangle helpers (right and bottom exclusive; an empty rectangle is the identity of Union).
constexpr bool IsEmpty(const RectL& r) noexcept { return r.right <= r.left || r.bottom <= r.top; }

constexpr RectL Union(const RectL& a, const RectL& b) noexcept {
  if (IsEmpty(a)) return b;
  if (IsEmpty(b)) return a;
  return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top, a.right > b.right ? a.right : b.right,
          a.bottom > b.bottom ? a.bottom : b.bottom};
}

constexpr RectL Intersect(const RectL& a, const RectL& b) noexcept {
  const RectL r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
  return IsEmpty(r) ? RectL{} : r;
}

}  // namespace vorn
