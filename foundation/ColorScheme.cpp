#include "foundation/ColorScheme.h"

namespace vorn {

namespace {

// Weights of entries 2..8 (blends of base with the second colour); entry 8 darkens the second
// colour unless the builder blends it with the base. Entries 9..11 blend base with the third.
struct Weights {
  int32_t w2, w3, w4, w5, w6, w7, w8;
  bool entry8FromBase;
};

ColorScheme Build(Color base, Color second, Color third, const Weights& w) noexcept {
  ColorScheme s;
  s.entry[1] = base;
  s.entry[2] = BlendColor(base, second, w.w2);
  s.entry[3] = BlendColor(base, second, w.w3);
  s.entry[4] = BlendColor(base, second, w.w4);
  s.entry[5] = BlendColor(base, second, w.w5);
  s.entry[6] = BlendColor(base, second, w.w6);
  s.entry[7] = BlendColor(base, second, w.w7);
  s.entry[8] = BlendColor(w.entry8FromBase ? base : 0, second, w.w8);
  s.entry[9] = BlendColor(base, third, 230);
  s.entry[10] = BlendColor(base, third, 180);
  s.entry[11] = BlendColor(base, third, 130);
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
