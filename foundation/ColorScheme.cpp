#include "foundation/ColorScheme.h"

#include <array>

namespace vorn {

namespace {

// Weights of entries 2..8 (blends of base with the second colour); entry 8 darkens the second
// colour unless the builder blends it with the base. Entries 9..11 blend base with the third.
struct Weights {
  uint32_t w2, w3, w4, w5, w6, w7, w8;  // 0..255
  bool entry8FromBase;
};

ColorScheme Work(Color base, Color b, Color s2, Color t, const Weights& w) noexcept {
  ColorScheme s;
  s.entry[1] = base;
  s.entry[2] = BlendRgb(b, s2, w.w2);
  s.entry[3] = BlendRgb(b, s2, w.w3);
  s.entry[4] = BlendRgb(b, s2, w.w4);
  s.entry[5] = BlendRgb(b, s2, w.w5);
  s.entry[6] = BlendRgb(b, s2, w.w6);
  s.entry[7] = BlendRgb(b, s2, w.w7);
  s.entry[8] = BlendRgb(w.entry8FromBase ? b : 0, s2, w.w8);
  s.entry[9] = BlendRgb(b, t, 230);
  s.entry[10] = BlendRgb(b, t, 180);
  s.entry[11] = BlendRgb(b, t, 130);
  return s;
}

ColorScheme Build(Color base, Color second, Color third, const Weights& w) noexcept {
  // BlendColor of each entry, with the three colours translated once. Every repaint builds one,
  // from the same few colours: the last few schemes are kept (per thread, as controls are).
  const Color b = TranslateColor(base);
  const Color s2 = TranslateColor(second);
  const Color t = TranslateColor(third);
  struct Kept {
    const Weights* w = nullptr;
    Color base, b, s2, t;
    ColorScheme scheme;
  };
  thread_local std::array<Kept, 8> kept;
  thread_local size_t next = 0;
  for (const Kept& k : kept) {
    if (k.w == &w && k.base == base && k.b == b && k.s2 == s2 && k.t == t) return k.scheme;
  }
  Kept& k = kept[next];
  next = (next + 1) % kept.size();
  k = Kept{&w, base, b, s2, t, Work(base, b, s2, t, w)};
  return k.scheme;
}

constexpr Weights kNormal{230, 190, 170, 220, 200, 120, 140, false};
constexpr Weights kDisabled{200, 190, 180, 220, 200, 120, 140, true};
constexpr Weights kHot{245, 205, 185, 220, 200, 120, 140, false};
constexpr Weights kPressed{170, 190, 230, 120, 120, 220, 140, false};

}  // namespace

ColorScheme PaletteNormal(Color base, Color second, Color third) noexcept {
  return Build(base, second, third, kNormal);
}

ColorScheme PaletteDisabled(Color base, Color second, Color third) noexcept {
  return Build(base, second, third, kDisabled);
}

ColorScheme PaletteHot(Color base, Color second, Color third) noexcept {
  return Build(base, second, third, kHot);
}

ColorScheme PalettePressed(Color base, Color second, Color third) noexcept {
  return Build(base, second, third, kPressed);
}

ColorScheme PaletteFocus(Color base, Color accent, Color third) noexcept {
  const Color m = BlendColor(accent, third, 128);
  return Build(base, m, third, kNormal);
}

}  // namespace vorn
