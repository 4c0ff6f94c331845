#include "host/text/FontFace.h"

#include <algorithm>

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
  int32_t widest = 0;
  int32_t w = 0;
  for (size_t i = 0; i < s.size();) {
    const char32_t cp = NextCodePoint(s, i);
    if (cp == '\n') {
      widest = std::max(widest, w);
      w = 0;
    } else if (cp != '\r') {
      w += GetGlyph(cp).advance;
    }
  }
  return std::max(widest, w);
}

void FontFace::Draw(PixelBuffer& target, int32_t x, int32_t y, std::string_view s, Color c) {
  int32_t pen = x;
  for (size_t i = 0; i < s.size();) {
    const char32_t cp = NextCodePoint(s, i);
    if (cp == '\n') {
      pen = x;
      y += LineHeight();
      continue;
    }
    if (cp == '\r') continue;
    const Glyph& g = GetGlyph(cp);
    if (g.width > 0) {
      target.BlendMask(pen + g.left, y + g.top, arena_.data() + g.offset, g.width, g.height, g.width, c);
    }
    pen += g.advance;
  }
}

}  // namespace vorn
