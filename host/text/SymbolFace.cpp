#include "host/text/SymbolFace.h"

#include <algorithm>
#include <cmath>

namespace vorn {

SymbolFace::SymbolFace(float points) {
  const float px = points * 96.0f / 72.0f;
  ascent_ = static_cast<int32_t>(std::ceil(px * 0.9f));
  descent_ = static_cast<int32_t>(std::ceil(px * 0.25f));
  base_ = 2 * std::max(1, static_cast<int32_t>(px / 3.0f)) + 1;
  advance_ = base_ + 2;
}

void SymbolFace::Render(char32_t cp, Glyph& g, std::vector<uint8_t>& arena) {
  g = Glyph{};
  g.advance = advance_;
  const int32_t depth = (base_ + 1) / 2;
  const bool across = cp == U'3' || cp == U'4';  // left/right: the base stands upright
  if (!across && cp != U'5' && cp != U'6') return;
  g.width = across ? depth : base_;
  g.height = across ? base_ : depth;
  g.left = (advance_ - g.width) / 2;
  // Centre one pixel below the cell's middle.
  g.top = (LineHeight() + 2 - g.height) / 2;
  g.offset = static_cast<uint32_t>(arena.size());
  for (int32_t y = 0; y < g.height; ++y) {
    for (int32_t x = 0; x < g.width; ++x) {
      // Distance from the tip along the pointing axis decides the half-width of the filled span.
      int32_t along = 0, off = 0;
      switch (cp) {
        case U'3': along = x; off = std::abs(y - depth + 1); break;              // tip at the left
        case U'4': along = depth - 1 - x; off = std::abs(y - depth + 1); break;  // tip at the right
        case U'5': along = y; off = std::abs(x - depth + 1); break;              // tip at the top
        default: along = depth - 1 - y; off = std::abs(x - depth + 1); break;    // tip at the bottom
      }
      arena.push_back(off <= along ? 255 : 0);
    }
  }
}

}  // namespace vorn
