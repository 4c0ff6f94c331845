#pragma once
#include <memory>

#include "host/headless/HeadlessHost.h"

namespace vorn::test {

/// A bare surface of the headless host for drawing tests, cleared to white.
struct TestSurface {
  TestSurface(int32_t w, int32_t h)
      : surface(std::make_unique<HeadlessSurface>(host, WindowKind::Form, "Surface", nullptr, RectL{0, 0, w, h},
                                                  MakeRef<Font>("DejaVu Sans", 8.0f), 0xFFFFFF)) {}
  HeadlessHost host;
  std::unique_ptr<HeadlessSurface> surface;
  HeadlessSurface& operator*() { return *surface; }
  HeadlessSurface* operator->() { return surface.get(); }
  Color At(int32_t x, int32_t y) const { return surface->Point(x, y); }
  /// Leftmost, topmost, rightmost and bottommost pixel not of the colour bg (right/bottom inclusive).
  RectL InkBounds(Color bg) const;
};

inline RectL TestSurface::InkBounds(Color bg) const {
  RectL r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  const PixelBuffer& p = surface->Pixels();
  for (int32_t y = 0; y < p.Height(); ++y) {
    for (int32_t x = 0; x < p.Width(); ++x) {
      if (p.Get(x, y) == bg) continue;
      r.left = std::min(r.left, x);
      r.top = std::min(r.top, y);
      r.right = std::max(r.right, x);
      r.bottom = std::max(r.bottom, y);
    }
  }
  return r;
}

/// Whether two pictures have the same size and every pixel alike.
inline bool SamePicture(const PixelBuffer& a, const PixelBuffer& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int32_t y = 0; y < a.Height(); ++y)
    for (int32_t x = 0; x < a.Width(); ++x)
      if (a.Get(x, y) != b.Get(x, y)) return false;
  return true;
}

}  // namespace vorn::test
