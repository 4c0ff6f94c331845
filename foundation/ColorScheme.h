#pragma once
#include <array>

#include "foundation/Color.h"

namespace vorn {

/// Twelve colours a control paints one look with. The builders write entries 1 to 11; entry 0
/// stays 0. Entry 1 is the base colour unchanged; entries 2 to 11 are always RGB values.
struct ColorScheme {
  static constexpr size_t kEntries = 12;
  std::array<Color, kEntries> entry{};
  Color operator[](int i) const noexcept { return entry[static_cast<size_t>(i)]; }
  friend bool operator==(const ColorScheme&, const ColorScheme&) = default;
};

ColorScheme PaletteNormal(Color base, Color second, Color third) noexcept;
ColorScheme PaletteDisabled(Color base, Color second, Color third) noexcept;
ColorScheme PaletteHot(Color base, Color second, Color third) noexcept;
ColorScheme PalettePressed(Color base, Color second, Color third) noexcept;
/// The focused look: the accent mixed half and half with the third colour stands for the second.
ColorScheme PaletteFocus(Color base, Color accent, Color third) noexcept;

/// The look a control keeps as its surface's Enabled changes: the disabled one while disabled, the
/// plain one (normal, never focused) once enabled again, and any other as it is.
template <class Look>
constexpr Look FollowEnabled(Look look, bool enabled, Look disabled, Look plain) noexcept {
  if (!enabled) return disabled;
  return look == disabled ? plain : look;
}

}  // namespace vorn
