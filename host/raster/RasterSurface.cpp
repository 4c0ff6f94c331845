#include "host/raster/RasterSurface.h"

#include <cmath>

#include "host/text/TextEngine.h"

namespace vorn {

Color PaintColor(Color c) noexcept { return TranslateColor(c) & 0xFFFFFF; }

RasterSurface::RasterSurface(int32_t widthPx, int32_t heightPx, Ref<Font> font)
    : pixels_(widthPx, heightPx, 0xFFFFFF), font_(font ? std::move(font) : MakeRef<Font>()) {}

void RasterSurface::ResizePixels(int32_t widthPx, int32_t heightPx) {
  if (widthPx == pixels_.Width() && heightPx == pixels_.Height()) return;
  pixels_.Resize(widthPx, heightPx, PaintColor(backColor_));
  uniform_ = true;
  uniformColor_ = PaintColor(backColor_);
  Touched();
}

int32_t RasterSurface::Pixel(float v) noexcept {
  const float r = std::floor(v + 0.5f);
  if (!(r > -1e9f && r < 1e9f)) return r < 0 ? -1000000000 : 1000000000;
  return static_cast<int32_t>(r);
}

void RasterSurface::Cls() {
  const Color fill = PaintColor(backColor_);
  // Clearing a surface that is already one colour (a Cls, then setting the same back colour, as
  // every repaint does) changes no pixel.
  if (!uniform_ || uniformColor_ != fill) {
    pixels_.Fill(fill);
    uniform_ = true;
    uniformColor_ = fill;
    Touched();
  }
  currentX_ = 0;
  currentY_ = 0;
}

void RasterSurface::Drawn() {
  uniform_ = false;
  Touched();
}

void RasterSurface::SetBackColor(Color c) {
  backColor_ = c;
  Cls();
}

void RasterSurface::Line(float x1, float y1, float x2, float y2, Color c) {
  pixels_.Line(Pixel(x1), Pixel(y1), Pixel(x2), Pixel(y2), PaintColor(c));
  Drawn();
}

void RasterSurface::PSet(float x, float y, Color c) {
  pixels_.SetPixel(Pixel(x), Pixel(y), PaintColor(c));
  Drawn();
}

FontFace& RasterSurface::Face() {
  if (faceFont_ != font_.get() || faceRevision_ != font_->Revision() || !face_) {
    face_ = &TextEngine::Instance().Resolve(*font_);
    faceFont_ = font_.get();
    faceRevision_ = font_->Revision();
  }
  return *face_;
}

void RasterSurface::Print(std::string_view text) {
  FontFace& face = Face();
  face.Draw(pixels_, Pixel(currentX_), Pixel(currentY_), text, PaintColor(foreColor_));
  currentX_ = 0;
  currentY_ += static_cast<float>(face.LineHeight() * FontFace::LineCount(text));
  Drawn();
}

float RasterSurface::TextWidth(std::string_view text) { return static_cast<float>(Face().MeasureWidth(text)); }

float RasterSurface::TextHeight(std::string_view text) {
  return static_cast<float>(Face().LineHeight() * FontFace::LineCount(text));
}

void RasterSurface::SetFont(Ref<Font> font) {
  if (!font) return;
  font_ = std::move(font);
  face_ = nullptr;
}

bool RasterSurface::GradientFill(const TriVertex* v, uint32_t vertexCount, const GradientRectIndex* rects,
                                 uint32_t rectCount, uint32_t mode) {
  if (!v || !rects || mode > GRADIENT_FILL_RECT_V) return false;
  for (uint32_t r = 0; r < rectCount; ++r) {
    if (rects[r].UpperLeft >= vertexCount || rects[r].LowerRight >= vertexCount) return false;
    const TriVertex* a = &v[rects[r].UpperLeft];
    const TriVertex* b = &v[rects[r].LowerRight];
    // Order the two vertices by position along the gradient; each keeps its colour.
    const bool vertical = mode == GRADIENT_FILL_RECT_V;
    if (vertical ? a->y > b->y : a->x > b->x) std::swap(a, b);
    const uint16_t c0[3] = {a->Red, a->Green, a->Blue};
    const uint16_t c1[3] = {b->Red, b->Green, b->Blue};
    pixels_.GradientRect(std::min(a->x, b->x), std::min(a->y, b->y), std::max(a->x, b->x), std::max(a->y, b->y), c0,
                         c1, vertical);
  }
  Drawn();
  return true;
}

bool RasterSurface::DrawState(const Picture* icon, int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags) {
  if (!icon || (flags & 0xF) != DST_ICON) return false;
  pixels_.DrawPicture(*icon, x, y, cx, cy, (flags & DSS_MONO) != 0, kMonoIconColor);
  Drawn();
  return true;
}

}  // namespace vorn
