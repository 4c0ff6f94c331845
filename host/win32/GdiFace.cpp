#include "host/win32/GdiFace.h"

#include "host/win32/GdiGlyphs.h"

namespace vorn {

GdiFace::GdiFace(std::string_view name, float points, bool bold, bool italic, bool& found) {
  win32::GdiFontInfo info;
  font_ = win32::OpenGdiFont(name, points, bold, italic, info);
  ascent_ = info.ascent;
  descent_ = info.descent;
  found = font_ && info.faceFound;
}

GdiFace::~GdiFace() { win32::CloseGdiFont(font_); }

void GdiFace::Render(char32_t cp, Glyph& g, std::vector<uint8_t>& arena) {
  g = Glyph{};
  g.offset = static_cast<uint32_t>(arena.size());
  const win32::GlyphImage image = win32::RenderGlyph(font_, cp, ascent_, arena);
  g.left = image.left;
  g.top = image.top;
  g.width = image.width;
  g.height = image.height;
  g.advance = image.advance;
}

}  // namespace vorn
