#include "host/raster/RasterSurface.h"

#include <algorithm>

#include "foundation/Limits.h"
#include "foundation/RuntimeError.h"
#include "host/text/TextEngine.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vorn {

RasterSurface::RasterSurface(int32_t widthPx, int32_t heightPx, Ref<Font> font)
    : pixels_(widthPx, heightPx, 0xFFFFFF), font_(font ? std::move(font) : MakeRef<Font>()) {}

void RasterSurface::CheckWindowSize(int32_t widthPx, int32_t heightPx) {
  if (widthPx > limits::kWindowSide || heightPx > limits::kWindowSide ||
      uint64_t(widthPx) * uint64_t(heightPx) > limits::kWindowPixels) {
    Raise(errOutOfMemory, "Out of memory: a window of " + std::to_string(widthPx) + " x " + std::to_string(heightPx) +
                              " pixels (the limit is " + std::to_string(limits::kWindowSide) + " a side and " +
                              std::to_string(limits::kWindowPixels) + " pixels)");
  }
}

void RasterSurface::ResizePixels(int32_t widthPx, int32_t heightPx) {
  if (widthPx == pixels_.Width() && heightPx == pixels_.Height()) return;
  pixels_.Resize(widthPx, heightPx, PaintColor(backColor_));
  clear_.Reset();  // the picture is cleared
  uniform_ = true;
  uniformColor_ = PaintColor(backColor_);
  Touched();
}

void RasterSurface::Cls() {
  const Color fill = PaintColor(backColor_);
  const bool whole = pixels_.Clip() == RectL{0, 0, pixels_.Width(), pixels_.Height()};
  // Clearing a surface that is already one colour (a Cls, then setting the same back colour, as
  // every repaint does) changes no pixel.
  if (!whole || !uniform_ || uniformColor_ != fill) {
    clear_.Clear(pixels_, fill, whole);
    uniform_ = whole;
    uniformColor_ = fill;
    Touched();
  }
  currentX_ = 0;
  currentY_ = 0;
}

void RasterSurface::SetBackColor(Color c) {
  backColor_ = c;
  Cls();
}

// Lines and pixels are most of what a scroll bar or a slider draws: their end points are rounded
// in four lanes.
inline void RasterSurface::PixelsOf(float a, float b, float c, float d, int32_t (&out)[4]) noexcept {
#ifdef __SSE2__
  // The lanes are built from registers (a store of four floats read back as one vector would
  // stall the load).
  const __m128 r = _mm_add_ps(_mm_set_ps(d, c, b, a), _mm_set1_ps(0.5f));
  const __m128 inRange = _mm_and_ps(_mm_cmpgt_ps(r, _mm_set1_ps(-1e9f)), _mm_cmplt_ps(r, _mm_set1_ps(1e9f)));
  const __m128i t = _mm_cvttps_epi32(r);
  // One less where truncation went up (a negative fraction): the comparison's mask is -1.
  const __m128i down = _mm_add_epi32(t, _mm_castps_si128(_mm_cmpgt_ps(_mm_cvtepi32_ps(t), r)));
  const __m128 negative = _mm_cmplt_ps(r, _mm_setzero_ps());
  const __m128i far = _mm_castps_si128(_mm_or_ps(_mm_and_ps(negative, _mm_castsi128_ps(_mm_set1_epi32(-1000000000))),
                                                 _mm_andnot_ps(negative, _mm_castsi128_ps(_mm_set1_epi32(1000000000)))));
  const __m128i in = _mm_castps_si128(inRange);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_or_si128(_mm_and_si128(in, down), _mm_andnot_si128(in, far)));
#else
  out[0] = Pixel(a);
  out[1] = Pixel(b);
  out[2] = Pixel(c);
  out[3] = Pixel(d);
#endif
}

void RasterSurface::Line(float x1, float y1, float x2, float y2, Color c) {
  int32_t p[4];
  PixelsOf(x1, y1, x2, y2, p);
  const int32_t top = std::min(p[1], p[3]);
  const int32_t bottom = std::max(p[1], p[3]) + 1;
  Prepare(top, bottom);
  pixels_.Line(p[0], p[1], p[2], p[3], PaintColor(c));
  DrawnRows(top, bottom);
}

void RasterSurface::PSet(float x, float y, Color c) {
  int32_t p[4];
  PixelsOf(x, y, x, y, p);
  Prepare(p[1], p[1] + 1);
  pixels_.SetPixel(p[0], p[1], PaintColor(c));
  DrawnRows(p[1], p[1] + 1);
}

FontFace& RasterSurface::Face() {
  if (faceFont_ != font_.get() || faceRevision_ != font_->Revision() || !face_) {
    face_ = &TextEngine::Instance().Resolve(*font_);
    faceFont_ = font_.get();
    faceRevision_ = font_->Revision();
  }
  return *face_;
}

void RasterSurface::Print(std::string_view text) { PrintText(text, 0, {}); }

void RasterSurface::PrintWithHalo(std::string_view text, Color halo, std::span<const PointL> offsets) {
  PrintText(text, PaintColor(halo), offsets);
}

void RasterSurface::PrintText(std::string_view text, Color halo, std::span<const PointL> offsets) {
  if (text.empty()) {  // nothing to draw (an empty caption): the text position moves all the same
    currentX_ = 0;
    currentY_ += static_cast<float>(Face().LineHeight());
    return;
  }
  if (clear_.Pending()) clear_.Settle(pixels_);
  FontFace& face = Face();
  const TextPrint print{face, text, Pixel(currentX_), Pixel(currentY_), PaintColor(foreColor_), halo, offsets};
  const bool pasted = prints_.Print(pixels_, clear_, print);
  currentX_ = 0;
  currentY_ += static_cast<float>(face.LineHeight() * FontFace::LineCount(text));
  if (pasted) {
    uniform_ = false;
    Touched();
  } else {
    Drawn();
  }
}

void RasterSurface::PaintKept(KeptDrawing draw, std::span<const uint32_t> key, int32_t x, int32_t y,
                              const RectL& bounds) {
  if (!draw) return;
  if (key.size() > kKeptKey) {
    draw(*this, x, y, key);
    return;
  }
  KeptMemo* memo = nullptr;
  for (KeptMemo& m : kept_) {
    if (m.draw == draw && m.bounds == bounds && std::equal(key.begin(), key.end(), m.key.begin(), m.key.end())) {
      memo = &m;
      break;
    }
  }
  if (!memo) {
    memo = &kept_[nextKept_];
    nextKept_ = (nextKept_ + 1) % kept_.size();
    memo->draw = nullptr;  // holds nothing until it is built
    memo->key.assign(key.begin(), key.end());
    memo->bounds = bounds;
    memo->kept = memo->picture.Build(draw, key, bounds);
    memo->draw = draw;
  }
  if (!memo->kept) {
    draw(*this, x, y, key);
    return;
  }
  const int32_t top = AddCoord(int64_t{y}, bounds.top);
  const int32_t bottom = AddCoord(int64_t{y}, bounds.bottom);
  Prepare(top, bottom);
  memo->picture.Draw(pixels_, x, y);
  DrawnRows(top, bottom);
}

float RasterSurface::TextWidth(std::string_view text) { return static_cast<float>(Face().MeasureWidth(text)); }

float RasterSurface::TextHeight(std::string_view text) {
  return static_cast<float>(Face().LineHeight() * FontFace::LineCount(text));
}

void RasterSurface::SetFont(Ref<Font> font) {
  if (!font || font.get() == font_.get()) return;
  font_ = std::move(font);
  face_ = nullptr;
}

bool RasterSurface::ClipTo(const RectL& r) {
  pixels_.SetClip(r);
  return true;
}

void RasterSurface::Unclip() { pixels_.ClearClip(); }

bool RasterSurface::GradientFill(const TriVertex* v, uint32_t vertexCount, const GradientRectIndex* rects,
                                 uint32_t rectCount, uint32_t mode) {
  if (!v || !rects || mode > GRADIENT_FILL_RECT_V) return false;
  if (clear_.HasGhosts()) clear_.ClearGhosts(pixels_, LazyClear::kAllRows);
  for (uint32_t r = 0; r < rectCount; ++r) {
    if (rects[r].UpperLeft >= vertexCount || rects[r].LowerRight >= vertexCount) return false;
    const TriVertex* a = &v[rects[r].UpperLeft];
    const TriVertex* b = &v[rects[r].LowerRight];
    // Order the two vertices by position along the gradient; each keeps its colour.
    const bool vertical = mode == GRADIENT_FILL_RECT_V;
    if (vertical ? a->y > b->y : a->x > b->x) std::swap(a, b);
    const uint16_t c0[3] = {a->Red, a->Green, a->Blue};
    const uint16_t c1[3] = {b->Red, b->Green, b->Blue};
    const RectL rect{std::min(a->x, b->x), std::min(a->y, b->y), std::max(a->x, b->x), std::max(a->y, b->y)};
    // Every pixel of the rectangle within the clip is painted over, so none of them needs clearing.
    clear_.Cover(pixels_, Intersect(rect, pixels_.Clip()));
    pixels_.GradientRect(rect.left, rect.top, rect.right, rect.bottom, c0, c1, vertical);
  }
  Drawn();
  return true;
}

bool RasterSurface::DrawState(const Picture* icon, int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags) {
  if (!icon || (flags & 0xF) != DST_ICON) return false;
  Prepare(LazyClear::kAllRows.top, LazyClear::kAllRows.bottom);
  pixels_.DrawPicture(*icon, x, y, cx, cy, (flags & DSS_MONO) != 0, kMonoIconColor);
  Drawn();
  return true;
}

}  // namespace vorn
