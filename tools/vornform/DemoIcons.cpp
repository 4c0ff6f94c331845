#include "DemoIcons.h"

#include <cmath>
#include <functional>
#include <vector>

namespace vorn {

namespace {

constexpr uint32_t Opaque(uint32_t bgr) { return 0xFF000000u | bgr; }

// Samples a shape 4 x 4 times per pixel for smooth edges; shade gives the colour at (u, v) in 0..1.
Ref<Picture> Paint(int32_t size, const std::function<bool(double, double)>& inside,
                   const std::function<uint32_t(double, double)>& shade) {
  std::vector<uint32_t> px(static_cast<size_t>(size) * size, 0);
  for (int32_t y = 0; y < size; ++y) {
    for (int32_t x = 0; x < size; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
          if (inside((x + (sx + 0.5) / 4) / size, (y + (sy + 0.5) / 4) / size)) ++hits;
        }
      }
      if (!hits) continue;
      const uint32_t c = shade((x + 0.5) / size, (y + 0.5) / size) & 0xFFFFFF;
      px[static_cast<size_t>(y) * size + x] = c | (static_cast<uint32_t>(hits * 255 / 16) << 24);
    }
  }
  return MakeRef<Picture>(size, size, std::move(px));
}

uint32_t Lerp(uint32_t a, uint32_t b, double t) {
  uint32_t out = 0;
  for (int s = 0; s <= 16; s += 8) {
    const double ca = (a >> s) & 0xFF, cb = (b >> s) & 0xFF;
    out |= static_cast<uint32_t>(std::lround(ca + (cb - ca) * t)) << s;
  }
  return out;
}

}  // namespace

Ref<Picture> FolderIcon(int32_t size) {
  return Paint(
      size,
      [](double u, double v) {
        const bool tab = u > 0.08 && u < 0.45 && v > 0.18 && v < 0.32;
        const bool body = u > 0.08 && u < 0.92 && v > 0.28 && v < 0.85;
        return tab || body;
      },
      [](double, double v) { return Opaque(Lerp(0x4FD8FF, 0x1A8FD9, (v - 0.18) / 0.7)); });
}

Ref<Picture> DiskIcon(int32_t size) {
  return Paint(
      size, [](double u, double v) { return u > 0.12 && u < 0.88 && v > 0.12 && v < 0.88 && !(u > 0.78 && v < 0.22); },
      [](double u, double v) {
        if (u > 0.28 && u < 0.72 && v > 0.14 && v < 0.42) return Opaque(0xF0F0F0);  // label
        if (u > 0.32 && u < 0.68 && v > 0.6 && v < 0.86) return Opaque(0x505050);   // shutter
        return Opaque(Lerp(0xC07830, 0x804010, v));
      });
}

Ref<Picture> StarIcon(int32_t size) {
  return Paint(
      size,
      [](double u, double v) {
        // Inside the five-pointed star: radius limit by angle.
        const double x = u - 0.5, y = v - 0.53;
        const double r = std::hypot(x, y);
        double a = std::atan2(y, x) + M_PI / 2;
        const double sector = 2 * M_PI / 5;
        a = std::fmod(std::fmod(a, sector) + sector, sector) - sector / 2;
        const double outer = 0.48, inner = 0.2;
        const double t = std::fabs(a) / (sector / 2);
        return r < outer * inner / (inner + (outer - inner) * t);
      },
      [](double, double v) { return Opaque(Lerp(0x40E8FF, 0x0090E0, v)); });
}

Ref<Picture> GearIcon(int32_t size) {
  return Paint(
      size,
      [](double u, double v) {
        const double x = u - 0.5, y = v - 0.5;
        const double r = std::hypot(x, y);
        const double a = std::atan2(y, x);
        const double tooth = std::cos(a * 8) > 0.3 ? 0.46 : 0.36;
        return r < tooth && r > 0.13;
      },
      [](double u, double v) { return Opaque(Lerp(0xB0A090, 0x605040, (u + v) / 2)); });
}

}  // namespace vorn
