#pragma once
#include <string_view>

#include "host/text/FontFace.h"

namespace vorn {

/// A font as GDI renders it: the Windows host's text face. Glyphs are GDI's anti-aliased glyph
/// bitmaps, rendered once each and blended like every face's (background untouched).
class GdiFace final : public FontFace {
 public:
  /// found tells whether the system has the face asked for (GDI stands in another one otherwise).
  GdiFace(std::string_view name, float points, bool bold, bool italic, bool& found);
  ~GdiFace() override;
  GdiFace(const GdiFace&) = delete;
  GdiFace& operator=(const GdiFace&) = delete;

 private:
  void Render(char32_t cp, Glyph& g, std::vector<uint8_t>& arena) override;
  uintptr_t font_ = 0;
};

}  // namespace vorn
