#include "host/text/FontFace.h"

#include <algorithm>
#include <array>

namespace vorn {

char32_t NextCodePoint(std::string_view s, size_t& i) noexcept {
  const auto b0 = static_cast<unsigned char>(s[i]);
  auto cont = [&](size_t k) { return k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80; };
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  if ((b0 & 0xE0) == 0xC0 && cont(i + 1)) {
    const char32_t cp = ((b0 & 0x1F) << 6) | (s[i + 1] & 0x3F);
    if (cp >= 0x80) {
      i += 2;
      return cp;
    }
  } else if ((b0 & 0xF0) == 0xE0 && cont(i + 1) && cont(i + 2)) {
    const char32_t cp = ((b0 & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
    if (cp >= 0x800) {
      i += 3;
      return cp;
    }
  } else if ((b0 & 0xF8) == 0xF0 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
    const char32_t cp =
        ((b0 & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) | (s[i + 3] & 0x3F);
    if (cp >= 0x10000 && cp <= 0x10FFFF) {
      i += 4;
      return cp;
    }
  }
  ++i;
  return b0;
}

const Glyph& FontFace::GetGlyph(char32_t cp) {
  if (cp < 256) {
    if (!lowLoaded_[cp]) {
      Render(cp, low_[cp], arena_);
      lowLoaded_[cp] = true;
    }
    return low_[cp];
  }
  auto it = high_.find(cp);
  if (it != high_.end()) return it->second;
  Glyph g;
  Render(cp, g, arena_);
  return high_.emplace(cp, g).first->second;
}

int32_t FontFace::LineCount(std::string_view s) noexcept {
  return 1 + static_cast<int32_t>(std::count(s.begin(), s.end(), '\n'));
}

int32_t FontFace::MeasureWidth(std::string_view s) {
  // In 64 bits: a long text in a large font is wider than 32 bits hold.
  int64_t widest = 0;
  int64_t w = 0;
  for (size_t i = 0; i < s.size();) {
    const char32_t cp = NextCodePoint(s, i);
    if (cp == '\n') {
      widest = std::max(widest, w);
      w = 0;
    } else if (cp != '\r') {
      w += GetGlyph(cp).advance;
    }
  }
  return static_cast<int32_t>(std::min<int64_t>(std::max(widest, w), INT32_MAX));
}

void FontFace::Draw(PixelBuffer& target, int32_t x, int32_t y, std::string_view s, Color c) {
  // Only what can reach the target's clip rectangle is looked at: a line is left once its pen has
  // passed the right edge by more than a glyph reaches back (advances never go back), and the text
  // once a line starts that far below the bottom. Printing a long text costs what shows of it (a
  // text box repaints everything typed into it on every key). In 64 bits: a long line in a large font
  // overflows 32.
  const int64_t reach = 2 * int64_t{LineHeight()};
  const RectL& clip = target.Clip();
  const int64_t width = clip.right;
  const int64_t height = clip.bottom;
  int64_t pen = x;
  int64_t top = y;
  for (size_t i = 0; i < s.size();) {
    if (top >= height + reach) return;
    if (pen >= width + reach) {
      const size_t nl = s.find('\n', i);
      if (nl == std::string_view::npos) return;
      i = nl;
    }
    const char32_t cp = NextCodePoint(s, i);
    if (cp == '\n') {
      pen = x;
      top += LineHeight();
      continue;
    }
    if (cp == '\r') continue;
    const Glyph& g = GetGlyph(cp);
    const int64_t gx = pen + g.left;
    const int64_t gy = top + g.top;
    if (g.width > 0 && gx < width && gx + g.width > clip.left && gy < height && gy + g.height > clip.top) {
      target.BlendMask(static_cast<int32_t>(gx), static_cast<int32_t>(gy), arena_.data() + g.offset, g.width,
                       g.height, g.width, c);
    }
    pen += g.advance;
  }
}

RectL FontFace::InkBox(std::string_view s) {
  int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
  Layout(s, [&](const Glyph& g, int64_t gx, int64_t gy) {
    left = std::min(left, gx);
    top = std::min(top, gy);
    right = std::max(right, gx + g.width);
    bottom = std::max(bottom, gy + g.height);
  });
  if (left > right) return RectL{};
  return RectL{AddCoord(left, 0), AddCoord(top, 0), AddCoord(right, 0), AddCoord(bottom, 0)};
}

std::optional<size_t> FontFace::Place(std::string_view s, PlacedText& out) {
  size_t n = 0;
  bool fits = true;
  Layout(s, [&](const Glyph& g, int64_t gx, int64_t gy) {
    if (n < out.size()) {
      out[n++] = PlacedGlyph{&g, gx, gy};
    } else {
      fits = false;
    }
  });
  if (!fits) return std::nullopt;
  return n;
}

void FontFace::DrawRepeated(PixelBuffer& target, int32_t x, int32_t y, std::string_view s,
                            std::span<const PointL> offsets, Color c, Color last) {
  // Laid out once into a list on the stack; a longer text is drawn a time per offset.
  PlacedText placed;
  const std::optional<size_t> count = Place(s, placed);
  if (!count) {
    for (const PointL& d : offsets) Draw(target, AddCoord(x, d.x), AddCoord(y, d.y), s, c);
    Draw(target, x, y, s, last);
    return;
  }
  const RectL& clip = target.Clip();
  const size_t n = *count;
  auto blendAll = [&](int64_t ox, int64_t oy, Color colour) {
    for (size_t k = 0; k < n; ++k) {
      const Glyph& g = *placed[k].glyph;
      const int64_t gx = ox + placed[k].x;
      const int64_t gy = oy + placed[k].y;
      if (gx < clip.right && gx + g.width > clip.left && gy < clip.bottom && gy + g.height > clip.top) {
        target.BlendMask(static_cast<int32_t>(gx), static_cast<int32_t>(gy), arena_.data() + g.offset, g.width,
                         g.height, g.width, colour);
      }
    }
  };
  for (const PointL& d : offsets) blendAll(int64_t{x} + d.x, int64_t{y} + d.y, c);
  blendAll(x, y, last);
}

}  // namespace vorn
