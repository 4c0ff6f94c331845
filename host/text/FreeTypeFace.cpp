#include "host/text/FreeTypeFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <cmath>
#include <stdexcept>

namespace vorn {

FreeTypeFace::FreeTypeFace(FT_Library library, const std::string& file, int index, float points, bool embolden)
    : embolden_(embolden) {
  if (FT_New_Face(library, file.c_str(), index, &face_) != 0) {
    face_ = nullptr;
    throw std::runtime_error(file + ": cannot open font");
  }
  if (FT_Set_Char_Size(face_, 0, static_cast<FT_F26Dot6>(std::lround(points * 64.0f)), 96, 96) != 0) {
    FT_Done_Face(face_);
    face_ = nullptr;
    throw std::runtime_error(file + ": cannot set the font size");
  }
  // FreeType rounds these to whole pixels for scalable faces (ascender up, descender down).
  ascent_ = static_cast<int32_t>((face_->size->metrics.ascender + 63) >> 6);
  descent_ = static_cast<int32_t>((-face_->size->metrics.descender + 63) >> 6);
}

FreeTypeFace::~FreeTypeFace() {
  if (face_) FT_Done_Face(face_);
}

void FreeTypeFace::Render(char32_t cp, Glyph& g, std::vector<uint8_t>& arena) {
  g = Glyph{};
  if (FT_Load_Char(face_, cp, FT_LOAD_DEFAULT) != 0) return;
  FT_GlyphSlot slot = face_->glyph;
  if (embolden_) FT_GlyphSlot_Embolden(slot);
  g.advance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
  const FT_Bitmap& bm = slot->bitmap;
  g.left = slot->bitmap_left;
  g.top = ascent_ - slot->bitmap_top;
  g.width = static_cast<int32_t>(bm.width);
  g.height = static_cast<int32_t>(bm.rows);
  g.offset = static_cast<uint32_t>(arena.size());
  for (unsigned row = 0; row < bm.rows; ++row) {
    const unsigned char* src = bm.buffer + static_cast<ptrdiff_t>(row) * bm.pitch;
    arena.insert(arena.end(), src, src + bm.width);
  }
}

}  // namespace vorn
