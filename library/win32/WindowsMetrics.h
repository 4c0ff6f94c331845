#pragma once
// What a control without a window still asks of Windows: text extents in a font, and the screen's
// size. Plain types, so that the callers need not include windows.h.
#include <cstdint>
#include <string_view>

namespace vorn {

struct TextExtent {
  float width;
  float height;
};

/// The extent of one line of UTF-8 text in a font (points at the screen's resolution).
TextExtent MeasureText(std::string_view fontName, float points, bool bold, bool italic, std::string_view text);
/// The primary screen's size in pixels.
void ScreenPixels(int32_t& width, int32_t& height);

}  // namespace vorn
