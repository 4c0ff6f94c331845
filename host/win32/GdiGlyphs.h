#pragma once
// GDI fonts and glyphs behind plain types, for the text face of the Windows host (GdiFace).
#include <cstdint>
#include <string_view>
#include <vector>

namespace vorn::win32 {

struct GdiFontInfo {
  int32_t ascent = 0;
  int32_t descent = 0;
  /// The system has the face asked for (GDI otherwise stands in another one).
  bool faceFound = false;
};

/// A GDI font of a face at a size in points at the screen's resolution; 0 when none could be made.
uintptr_t OpenGdiFont(std::string_view name, float points, bool bold, bool italic, GdiFontInfo& info);
void CloseGdiFont(uintptr_t font);

struct GlyphImage {
  int32_t left = 0;     // ink x relative to the pen
  int32_t top = 0;      // ink y relative to the top of the text cell
  int32_t width = 0;
  int32_t height = 0;
  int32_t advance = 0;  // whole pixels
};

/// Renders one character anti-aliased: appends its coverage (0..255, width x height bytes) to arena.
GlyphImage RenderGlyph(uintptr_t font, char32_t cp, int32_t ascent, std::vector<uint8_t>& arena);

}  // namespace vorn::win32
