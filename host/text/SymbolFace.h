#pragma once
#include "host/text/FontFace.h"

namespace vorn {

/// The built-in stand-in for the "Webdings" symbol font, for systems without it: "3", "4", "5"
/// and "6" are filled triangles pointing left, right, up and down; other characters are blank.
/// The triangles sit one pixel below the middle of the cell, as the real glyphs sit low.
class SymbolFace final : public FontFace {
 public:
  explicit SymbolFace(float points);

 private:
  void Render(char32_t cp, Glyph& g, std::vector<uint8_t>& arena) override;
  int32_t base_;     // triangle base in pixels (odd)
  int32_t advance_;
};

}  // namespace vorn
