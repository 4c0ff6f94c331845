#pragma once
#include <cstdint>

#include "foundation/Variant.h"

namespace vorn {

constexpr Color kSystemColorBit = 0x80000000u;

/// Three 16-bit channels (component x 256), in the order Red, Green, Blue.
struct VertexColor {
  uint16_t Red = 0;
  uint16_t Green = 0;
  uint16_t Blue = 0;
  friend bool operator==(const VertexColor&, const VertexColor&) = default;
};

/// The default colour of a system colour index (the usual desktop defaults); 0 for unknown ones.
Color SystemColor(uint32_t index) noexcept;

/// A system colour reference (bit 31 set) becomes its RGB value; an RGB value stays as it is.
inline Color TranslateColor(Color c) noexcept { return c & kSystemColorBit ? SystemColor(c & ~kSystemColorBit) : c; }

/// Mixes two colours per channel; weight (0..255) is the first colour's share.
Color BlendColor(Color first, Color second, int32_t weight) noexcept;

/// BlendColor of two RGB values (system colour references already translated) with a weight in
/// 0..255, inline for the palette builders. Per channel round((cb * (255 - weight) + ca * weight)
/// / 255), red and blue in one word and green in another: each 16-bit field holds at most
/// 255 * 255 + 127, and floor(t / 255) = (t + floor(t / 256) + 1) / 256 there. The sum is never
/// an exact half, as 255 is odd, so this is the rounding that the sum of the two quotients in
/// double precision always gave.
inline Color BlendRgb(Color a, Color b, uint32_t w) noexcept {
  const uint32_t rb = (b & 0xFF00FF) * (255 - w) + (a & 0xFF00FF) * w + 0x7F007F;
  const uint32_t g = ((b >> 8) & 0xFF) * (255 - w) + ((a >> 8) & 0xFF) * w + 0x7F;
  return (((rb + ((rb >> 8) & 0xFF00FF) + 0x010001) >> 8) & 0xFF00FF) | ((g + (g >> 8) + 1) >> 8) << 8;
}

namespace detail {
[[noreturn]] void RaiseInvalidVertexColor();
}  // namespace detail

/// A colour's channels as gradient-vertex values; colours outside 0..&HFFFFFF (system colour
/// references included) raise "Invalid procedure call or argument" (5). Inline: the drawing
/// code converts two colours for every gradient.
inline VertexColor ColorToVertex(Color c) {
  // Six hexadecimal digits at most; a longer text would ask for a negative count of padding zeros.
  if (c > 0xFFFFFF) detail::RaiseInvalidVertexColor();
  return VertexColor{static_cast<uint16_t>((c & 0xFF) << 8), static_cast<uint16_t>(c & 0xFF00),
                     static_cast<uint16_t>((c >> 8) & 0xFF00)};
}

constexpr uint8_t RedOf(Color c) { return c & 0xFF; }
constexpr uint8_t GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(Color c) { return (c >> 16) & 0xFF; }
constexpr Color RGB(uint8_t r, uint8_t g, uint8_t b) { return Color{r} | (Color{g} << 8) | (Color{b} << 16); }

}  // namespace vorn
