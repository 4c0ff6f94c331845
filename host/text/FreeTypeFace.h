#pragma once
#include <string>

#include "host/text/FontFace.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace vorn {

/// A font file rendered with FreeType: hinted, anti-aliased glyphs, whole-pixel advances.
class FreeTypeFace final : public FontFace {
 public:
  /// Opens face index of file at size points (96 dots per inch); embolden draws a bold look for a
  /// family without a bold face. Throws std::runtime_error when the file cannot be used.
  FreeTypeFace(FT_LibraryRec_* library, const std::string& file, int index, float points, bool embolden);
  ~FreeTypeFace() override;
  FreeTypeFace(const FreeTypeFace&) = delete;
  FreeTypeFace& operator=(const FreeTypeFace&) = delete;

 private:
  void Render(char32_t cp, Glyph& g, std::vector<uint8_t>& arena) override;
  FT_FaceRec_* face_ = nullptr;
  bool embolden_;
};

}  // namespace vorn
