#include "library/win32/WindowsMetrics.h"

#include <string>

#include "library/com/ComTypes.h"
#include "library/win32/Utf16.h"

namespace vorn {

TextExtent MeasureText(std::string_view fontName, float points, bool bold, bool italic, std::string_view text) {
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return {0, 0};
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  const std::wstring face = Utf16(fontName);
  HFONT font = CreateFontW(-MulDiv(static_cast<int>(points * 100 + 0.5f), dpi, 7200), 0, 0, 0,
                           bold ? FW_BOLD : FW_NORMAL, italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  const std::wstring line = Utf16(text);
  SIZE size{};
  GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
  if (old) SelectObject(dc, old);
  if (font) DeleteObject(font);
  DeleteDC(dc);
  return {static_cast<float>(size.cx), static_cast<float>(tm.tmHeight)};
}

void ScreenPixels(int32_t& width, int32_t& height) {
  width = GetSystemMetrics(SM_CXSCREEN);
  height = GetSystemMetrics(SM_CYSCREEN);
  if (width <= 0 || height <= 0) width = 1024, height = 768;
}

}  // namespace vorn
