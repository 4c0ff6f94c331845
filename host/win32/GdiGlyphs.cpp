#include "host/win32/GdiGlyphs.h"

#include <windows.h>

#include <string>

namespace vorn::win32 {

namespace {

// One memory device context for measuring and rendering glyphs: they are rendered once each.
HDC GlyphDc() {
  static HDC dc = CreateCompatibleDC(nullptr);
  return dc;
}

std::wstring Wide(std::string_view utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

}  // namespace

uintptr_t OpenGdiFont(std::string_view name, float points, bool bold, bool italic, GdiFontInfo& info) {
  HDC dc = GlyphDc();
  const std::wstring face = Wide(name);
  const int height = -MulDiv(static_cast<int>(points * 100 + 0.5f), GetDeviceCaps(dc, LOGPIXELSY), 7200);
  HFONT font = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, face.c_str());
  if (!font) return 0;
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  wchar_t got[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, got);
  SelectObject(dc, old);
  info.ascent = tm.tmAscent;
  info.descent = tm.tmDescent;
  info.faceFound = lstrcmpiW(got, face.c_str()) == 0;
  return reinterpret_cast<uintptr_t>(font);
}

void CloseGdiFont(uintptr_t font) {
  if (font) DeleteObject(reinterpret_cast<HFONT>(font));
}

GlyphImage RenderGlyph(uintptr_t font, char32_t cp, int32_t ascent, std::vector<uint8_t>& arena) {
  GlyphImage g;
  if (!font) return g;
  HDC dc = GlyphDc();
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(font));
  const UINT unit = cp > 0xFFFF ? L'?' : static_cast<UINT>(cp);
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  GLYPHMETRICS gm{};
  const DWORD size = GetGlyphOutlineW(dc, unit, GGO_GRAY8_BITMAP, &gm, 0, nullptr, &identity);
  if (size != GDI_ERROR) {
    g.advance = gm.gmCellIncX;
    if (size > 0) {
      std::vector<uint8_t> rows(size);
      GetGlyphOutlineW(dc, unit, GGO_GRAY8_BITMAP, &gm, size, rows.data(), &identity);
      g.left = gm.gmptGlyphOrigin.x;
      g.top = ascent - gm.gmptGlyphOrigin.y;
      g.width = static_cast<int32_t>(gm.gmBlackBoxX);
      g.height = static_cast<int32_t>(gm.gmBlackBoxY);
      const size_t pitch = (static_cast<size_t>(g.width) + 3) & ~size_t{3};  // rows are DWORD-aligned
      for (int32_t y = 0; y < g.height; ++y) {
        for (int32_t x = 0; x < g.width; ++x) {
          const uint32_t level = rows[static_cast<size_t>(y) * pitch + static_cast<size_t>(x)];  // 0..64
          arena.push_back(static_cast<uint8_t>((level * 255 + 32) / 64));
        }
      }
    }
  }
  SelectObject(dc, old);
  return g;
}

}  // namespace vorn::win32
