#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "foundation/Color.h"
#include "foundation/Geometry.h"
#include "host/pixels/PixelBuffer.h"

namespace vorn {

/// A rendered glyph: coverage bitmap placed relative to the pen at the top of the text cell.
struct Glyph {
  int32_t left = 0;     // bitmap x relative to the pen
  int32_t top = 0;      // bitmap y relative to the top of the text cell
  int32_t width = 0;
  int32_t height = 0;
  int32_t advance = 0;  // whole pixels
  uint32_t offset = 0;  // into the face's bitmap arena
};

/// One face at one size: metrics and a cache of glyphs, each rendered once. Lookups of the first
/// 256 code points are an array index; the rest go through a hash map.
class FontFace {
 public:
  virtual ~FontFace() = default;
  int32_t Ascent() const noexcept { return ascent_; }
  int32_t Descent() const noexcept { return descent_; }
  /// Ascent plus descent: the height of one line of text.
  int32_t LineHeight() const noexcept { return ascent_ + descent_; }

  const Glyph& GetGlyph(char32_t cp);
  /// Width of the widest line, the sum of its advances.
  int32_t MeasureWidth(std::string_view utf8);
  /// Number of lines ("\n" or "\r\n" separated; at least 1).
  static int32_t LineCount(std::string_view utf8) noexcept;
  /// Draws text with the top-left corner of its first cell at (x, y), blending over the pixels.
  void Draw(PixelBuffer& target, int32_t x, int32_t y, std::string_view utf8, Color c);
  /// Draws text at (x, y) moved by each of the offsets in turn in colour c, then once at (x, y) in
  /// colour last: the pixels of as many Draw calls, with the text laid out once (up to
  /// kRepeatedGlyphs glyphs; a longer text is drawn a time per offset).
  void DrawRepeated(PixelBuffer& target, int32_t x, int32_t y, std::string_view utf8,
                    std::span<const PointL> offsets, Color c, Color last);
  static constexpr size_t kRepeatedGlyphs = 64;
  /// A glyph with pixels of a laid-out text, and its bitmap corner for the text drawn at (0, 0).
  struct PlacedGlyph {
    const Glyph* glyph;
    int64_t x, y;
  };
  using PlacedText = std::array<PlacedGlyph, kRepeatedGlyphs>;
  /// Lays the text out into out, in Layout's order: the count of glyphs, or nullopt when the text
  /// has more than out holds (the caller then draws it the plain way).
  std::optional<size_t> Place(std::string_view utf8, PlacedText& out);
  /// The smallest box holding every glyph's pixels of text drawn at (0, 0) (empty when none).
  RectL InkBox(std::string_view utf8);
  /// Calls each(glyph, x, y) for every glyph with pixels of the text drawn at (0, 0), in the order
  /// Draw blends them, (x, y) being the glyph's bitmap corner, in 64 bits.
  template <class Each>
  void Layout(std::string_view utf8, Each&& each);
  /// The coverage bitmap of a glyph of this face (width x height bytes, rows one after another).
  const uint8_t* Coverage(const Glyph& g) const noexcept { return arena_.data() + g.offset; }

 protected:
  /// Renders one glyph into g (metrics) and appends its coverage bitmap to arena.
  virtual void Render(char32_t cp, Glyph& g, std::vector<uint8_t>& arena) = 0;
  int32_t ascent_ = 0;
  int32_t descent_ = 0;

 private:
  std::array<Glyph, 256> low_{};
  std::array<bool, 256> lowLoaded_{};
  std::unordered_map<char32_t, Glyph> high_;
  std::vector<uint8_t> arena_;
};

/// Next code point of UTF-8 text at i (advancing i); a byte that is not valid UTF-8 stands for
/// itself as a Latin-1 character.
char32_t NextCodePoint(std::string_view s, size_t& i) noexcept;

template <class Each>
void FontFace::Layout(std::string_view s, Each&& each) {
  int64_t pen = 0;
  int64_t top = 0;
  for (size_t i = 0; i < s.size();) {
    const char32_t cp = NextCodePoint(s, i);
    if (cp == '\n') {
      pen = 0;
      top += LineHeight();
      continue;
    }
    if (cp == '\r') continue;
    const Glyph& g = GetGlyph(cp);
    if (g.width > 0 && g.height > 0) each(g, pen + g.left, top + g.top);
    pen += g.advance;
  }
}

}  // namespace vorn
