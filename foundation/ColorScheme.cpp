#include "foundation/ColorScheme.h"

namespace vorn {

namespace {

// Weights of entries 2..8 (blends of base with the second colour); entry 8 darkens the second
// colour unless the builder blends it with the base. Entries 9..11 blend base with the third.
struct Weights {
  uint32_t w2, w3, w4, w5, w6, w7, w8;  // 0..255
  bool entry8FromBase;
};

ColorScheme Build(Color base, Color second, Color third, const Weights& w) noexcept {
  // BlendColor of each entry, with the three colours translated once: every repaint builds one.
  const Color b = TranslateColor(base);
  const Color s2 = TranslateColor(second);
  const Color t = TranslateColor(third);
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

}  // namespace

ColorScheme PaletteNormal(Color base, Color second, Color third) noexcept {
  return Build(base, second, third, {230, 190, 170, 220, 200, 120, 140, false});
}

ColorScheme PaletteDisabled(Color base, Color second, Color third) noexcept {
  return Build(base, second, third, {200, 190, 180, 220, 200, 120, 140, true});
}

ColorScheme PaletteHot(Color base, Color second, Color third) noexcept {
  return Build(base, second, third, {245, 205, 185, 220, 200, 120, 140, false});
}

ColorScheme PalettePressed(Color base, Color second, Color third) noexcept {
  return Build(base, second, third, {170, 190, 230, 120, 120, 220, 140, false});
}

ColorScheme PaletteFocus(Color base, Color accent, Color third) noexcept {
  const Color m = BlendColor(accent, third, 128);
  return Build(base, m, third, {230, 190, 170, 220, 200, 120, 140, false});
}

}  // namespace vorn
