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

/// A colour's channels as gradient-vertex values; colours outside 0..&HFFFFFF (system colour
/// references included) raise "Invalid procedure call or argument" (5).
VertexColor ColorToVertex(Color c);

constexpr uint8_t RedOf(Color c) { return c & 0xFF; }
constexpr uint8_t GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr uint8_t BlueOf(Color c) { return (c >> 16) & 0xFF; }
constexpr Color RGB(uint8_t r, uint8_t g, uint8_t b) { return Color{r} | (Color{g} << 8) | (Color{b} << 16); }

}  // namespace vorn
