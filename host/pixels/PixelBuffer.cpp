#include "host/pixels/PixelBuffer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <new>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "host/pixels/CommitPages.h"

namespace vorn {

namespace {
// Fills n pixels with one colour. Where wchar_t is 32 bits (glibc), wmemset is the C library's
// widest store loop for the machine, as memset is; elsewhere a plain loop. Shorter runs cost less
// inline than the call: up to kVectorRun pixels (the rows of a control's gradients, edges, the
// short lines of a thumb or a knob) in four-pixel stores, the last four overlapping the ones
// before, where there is SSE2; up to kInlineRun in a plain loop, which the compiler vectorises.
constexpr size_t kInlineRun = 32;
constexpr size_t kVectorRun = 256;
inline void FillPixels(uint32_t* p, size_t n, uint32_t c) noexcept {
#ifdef __SSE2__
  if (n >= 4 && n <= kVectorRun) {
    const __m128i v = _mm_set1_epi32(static_cast<int32_t>(c));
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), v);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i + 4), v);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i + 8), v);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i + 12), v);
    }
    for (; i + 4 <= n; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), v);
    if (i < n) _mm_storeu_si128(reinterpret_cast<__m128i*>(p + n - 4), v);
    return;
  }
#endif
  if (n <= kInlineRun) {
    for (size_t i = 0; i < n; ++i) p[i] = c;
  } else if constexpr (sizeof(wchar_t) == sizeof(uint32_t)) {
    std::wmemset(reinterpret_cast<wchar_t*>(p), static_cast<wchar_t>(c), n);
  } else {
    std::fill(p, p + n, c);
  }
}

inline uint32_t Mix(uint32_t dst, uint32_t src, uint32_t a) noexcept {
  // Per channel src * a + dst * (255 - a), divided by 255 with rounding; red and blue share one
  // multiplication, green takes another.
  const uint32_t na = 255 - a;
  uint32_t rb = (src & 0xFF00FF) * a + (dst & 0xFF00FF) * na + 0x800080;
  uint32_t g = (src & 0x00FF00) * a + (dst & 0x00FF00) * na + 0x008000;
  rb = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
  g = ((g + ((g >> 8) & 0x00FF00)) >> 8) & 0x00FF00;
  return rb | g;
}
}  // namespace

void PixelBuffer::Resize(int32_t width, int32_t height, Color fill) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  const size_t n = static_cast<size_t>(width_) * height_;
  if (n > pixels_.capacity()) {
    std::vector<uint32_t> fresh;
    fresh.reserve(n);
    CommitPages(fresh.data(), n * sizeof(uint32_t));  // the fill below touches every page
    pixels_ = std::move(fresh);
  }
  pixels_.assign(n, fill);
  clip_ = RectL{0, 0, width_, height_};
  scratch_.resize(static_cast<size_t>(std::max(width_, height_)));
  // The ramp table's rows are as long as the longest side, up to kRampLength.
  ramps_.clear();
  ramps_.shrink_to_fit();
  rampKeys_ = {};
  rampAfter_ = {};
  lastRamp_ = 0;
}

void PixelBuffer::SetClip(RectL r) noexcept {
  clip_ = RectL{std::clamp(r.left, 0, width_), std::clamp(r.top, 0, height_), std::clamp(r.right, 0, width_),
                std::clamp(r.bottom, 0, height_)};
  if (clip_.right < clip_.left) clip_.right = clip_.left;
  if (clip_.bottom < clip_.top) clip_.bottom = clip_.top;
}

void PixelBuffer::Fill(Color c) noexcept {
  if (clip_ == RectL{0, 0, width_, height_}) {
    FillPixels(pixels_.data(), pixels_.size(), c);
  } else {
    FillRect(clip_.left, clip_.top, clip_.right, clip_.bottom, c);
  }
}

void PixelBuffer::FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Color c) noexcept {
  x0 = std::max(x0, clip_.left);
  y0 = std::max(y0, clip_.top);
  x1 = std::min(x1, clip_.right);
  y1 = std::min(y1, clip_.bottom);
  if (x0 >= x1 || y0 >= y1) return;
  if (x0 == 0 && x1 == width_) {  // whole rows lie one after another: one fill
    FillPixels(Row(y0), static_cast<size_t>(width_) * static_cast<size_t>(y1 - y0), c);
    return;
  }
  const size_t n = static_cast<size_t>(x1 - x0);
  // The stride is read once: a store through a pixel pointer may, for the compiler, change
  // width_, which it would otherwise load again after every pixel.
  const size_t stride = static_cast<size_t>(width_);
  uint32_t* row = Row(y0) + x0;
  if (n == 1) {  // a line across the rows
    for (int32_t y = y0; y < y1; ++y, row += stride) *row = c;
    return;
  }
  for (int32_t y = y0; y < y1; ++y, row += stride) FillPixels(row, n, c);
}

void PixelBuffer::Diagonal(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color c) noexcept {
  // Bresenham, in 64 bits.
  const int64_t dx = std::abs(int64_t{x2} - x1);
  const int64_t dy = -std::abs(int64_t{y2} - y1);
  const int32_t sx = x1 < x2 ? 1 : -1;
  const int32_t sy = y1 < y2 ? 1 : -1;
  int64_t x = x1;
  int64_t y = y1;
  int64_t err = dx + dy;
  // A line from far away starts where it can first touch the clip rectangle, without walking
  // there. The major axis steps every iteration; after k of them the minor one has stepped
  // floor((2k minor + major) / (2 major)) times.
  const bool xMajor = dx >= -dy;
  const int64_t major = xMajor ? dx : -dy;
  const int64_t minor = xMajor ? -dy : dx;
  if (clip_.left >= clip_.right || clip_.top >= clip_.bottom) return;
  auto stepsIn = [](int64_t from, int32_t step, int32_t lo, int32_t hi) -> int64_t {
    if (step > 0) return from < lo ? lo - from : 0;
    return from >= hi ? from - (hi - 1) : 0;
  };
  const int64_t inX = stepsIn(x, sx, clip_.left, clip_.right);
  const int64_t inY = stepsIn(y, sy, clip_.top, clip_.bottom);
  const int64_t majorIn = xMajor ? inX : inY;
  const int64_t minorIn = xMajor ? inY : inX;
  if (minorIn > minor) return;  // it never comes level with the buffer
  const int64_t first = std::max(majorIn, minorIn > 0 ? (2 * minorIn - 1) * major / (2 * minor) : 0);
  if (first >= major) return;  // the line ends before it reaches the buffer
  if (first > 1) {
    const int64_t k = first - 1;  // one short of it, as the minor steps were rounded down
    const int64_t m = (2 * k * minor + major) / (2 * major);
    const int64_t xs = xMajor ? k : m;
    const int64_t ys = xMajor ? m : k;
    x += sx * xs;
    y += sy * ys;
    err += xs * dy + ys * dx;
  }
  const RectL clip = clip_;  // read once, as the stride: the stores below could alias them
  uint32_t* const data = pixels_.data();
  const int64_t stride = width_;
  while (x != x2 || y != y2) {
    // Once the line has left the clip rectangle heading away from it, nothing more can be drawn.
    if ((sx > 0 ? x >= clip.right : x < clip.left) || (sy > 0 ? y >= clip.bottom : y < clip.top)) return;
    if (x >= clip.left && y >= clip.top && x < clip.right && y < clip.bottom) data[y * stride + x] = c;
    const int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

namespace {
// c0 + trunc((c1 - c0) * i / span) per 16-bit channel, for i = first, first + 1, ...: the quotient
// and remainder of |c1 - c0| / span are added up like a Bresenham line, so no step divides. Values
// stay signed 32-bit: a channel is at most 0xFFFF and span at most 2^32, so the
// remainders are kept in 64 bits only where span needs them.
class ChannelRamp {
 public:
  ChannelRamp(const uint16_t c0[3], const uint16_t c1[3], int64_t span, int64_t first) : span_(span) {
    for (int ch = 0; ch < 3; ++ch) {
      const int64_t delta = int64_t{c1[ch]} - c0[ch];
      const int64_t mag = delta < 0 ? -delta : delta;
      sign_[ch] = delta < 0 ? -1 : 1;
      stepQ_[ch] = static_cast<int32_t>(mag / span) * sign_[ch];
      stepR_[ch] = mag % span;
      int64_t q = 0;
      r_[ch] = 0;
      if (first > 0 && mag > 0) {
        // Jump to step first: one division per channel (mag * first < 2^16 * 2^32 fits 64 bits).
        const int64_t at = mag * first;
        q = at / span;
        r_[ch] = at % span;
      }
      value_[ch] = c0[ch] + static_cast<int32_t>(q) * sign_[ch];
    }
  }
  uint32_t Color() const noexcept {
    return static_cast<uint32_t>(value_[0] >> 8) | static_cast<uint32_t>(value_[1] >> 8) << 8 |
           static_cast<uint32_t>(value_[2] >> 8) << 16;
  }
  void Next() noexcept {
    for (int ch = 0; ch < 3; ++ch) {
      value_[ch] += stepQ_[ch];
      r_[ch] += stepR_[ch];
      const bool carry = r_[ch] >= span_;
      value_[ch] += carry ? sign_[ch] : 0;
      r_[ch] -= carry ? span_ : 0;
    }
  }

 private:
  int64_t span_;
  int32_t value_[3]{}, stepQ_[3]{}, sign_[3]{};
  int64_t stepR_[3]{}, r_[3]{};
};

const uint32_t* WorkOutRamp(const uint16_t c0[3], const uint16_t c1[3], int64_t span, int64_t first, size_t n,
                            uint32_t* out) noexcept {
  ChannelRamp ramp(c0, c1, span, first);
  for (size_t i = 0; i < n; ++i, ramp.Next()) out[i] = ramp.Color();
  return out;
}
}  // namespace

const uint32_t* PixelBuffer::Ramp(const uint16_t c0[3], const uint16_t c1[3], int64_t span, int64_t first,
                                  size_t n) noexcept {
  const size_t stride = std::min<size_t>(scratch_.size(), kRampLength);
  if (n > stride) return WorkOutRamp(c0, c1, span, first, n, scratch_.data());
  if (ramps_.empty()) {
    try {
      ramps_.resize(kRampSlots * stride);
    } catch (const std::bad_alloc&) {
      return WorkOutRamp(c0, c1, span, first, n, scratch_.data());  // the same colours, only slower
    }
  }
  RampKey key;
  std::copy(c0, c0 + 3, key.c0);
  std::copy(c1, c1 + 3, key.c1);
  key.n = static_cast<uint32_t>(n);
  key.span = span;
  key.first = first;
  // A repaint asks for its ramps in the order the one before did: the ramp that followed the
  // last one found is looked at first.
  auto found = [&](size_t slot) {
    rampAfter_[lastRamp_] = static_cast<uint8_t>(slot);
    lastRamp_ = slot;
    return ramps_.data() + slot * stride;
  };
  if (rampKeys_[rampAfter_[lastRamp_]] == key) return found(rampAfter_[lastRamp_]);
  for (size_t slot = 0; slot < kRampSlots; ++slot) {
    if (rampKeys_[slot] == key) return found(slot);
  }
  // Replaced in turn, so that the ramps of one repaint, up to kRampSlots of them, all stay.
  const size_t slot = nextRamp_;
  nextRamp_ = (nextRamp_ + 1) % kRampSlots;
  rampKeys_[slot] = key;
  return WorkOutRamp(c0, c1, span, first, n, found(slot));
}

void PixelBuffer::GradientRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const uint16_t c0[3],
                               const uint16_t c1[3], bool vertical) noexcept {
  const int64_t span = vertical ? int64_t{y1} - y0 : int64_t{x1} - x0;
  if (span <= 0 || x1 <= x0 || y1 <= y0) return;
  const int32_t cx0 = std::max(x0, clip_.left);
  const int32_t cy0 = std::max(y0, clip_.top);
  const int32_t cx1 = std::min(x1, clip_.right);
  const int32_t cy1 = std::min(y1, clip_.bottom);
  if (cx0 >= cx1 || cy0 >= cy1) return;
  const size_t n = static_cast<size_t>(cx1 - cx0);
  if (vertical) {
    const size_t rows = static_cast<size_t>(cy1 - cy0);
    const uint32_t* colours = Ramp(c0, c1, span, int64_t{cy0} - y0, rows);
    const size_t stride = static_cast<size_t>(width_);
    uint32_t* row = Row(cy0) + cx0;
    if (n == 1) {  // an edge line
      for (size_t j = 0; j < rows; ++j, row += stride) *row = colours[j];
    } else {
      for (size_t j = 0; j < rows; ++j, row += stride) FillPixels(row, n, colours[j]);
    }
    return;
  }
  const uint32_t* colours = Ramp(c0, c1, span, int64_t{cx0} - x0, n);
  for (int32_t y = cy0; y < cy1; ++y) std::memcpy(Row(y) + cx0, colours, n * sizeof(uint32_t));
}

void PixelBuffer::BlendMask(int32_t x, int32_t y, const uint8_t* mask, int32_t w, int32_t h, int32_t pitch,
                            Color c) noexcept {
  // Mask columns ax..bx and rows ay..by land inside the clip rectangle.
  const int32_t ax = static_cast<int32_t>(std::clamp<int64_t>(int64_t{clip_.left} - x, 0, w));
  const int32_t ay = static_cast<int32_t>(std::clamp<int64_t>(int64_t{clip_.top} - y, 0, h));
  const int32_t bx = static_cast<int32_t>(std::clamp<int64_t>(int64_t{clip_.right} - x, 0, w));
  const int32_t by = static_cast<int32_t>(std::clamp<int64_t>(int64_t{clip_.bottom} - y, 0, h));
  const int32_t n = bx - ax;
  if (n <= 0) return;
  for (int32_t j = ay; j < by; ++j) {
    // From the first column that lands: no pointer ever leaves the rows (an empty buffer has none).
    const uint8_t* m = mask + static_cast<size_t>(j) * pitch + ax;
    uint32_t* dst = Row(y + j) + (x + ax);
    int32_t i = 0;
#ifdef __SSE2__
    // Four pixels at a time in 16-bit lanes, with the same arithmetic as Mix: text is blended
    // many times a repaint (a caption with a halo prints 17 times).
    const __m128i zero = _mm_setzero_si128();
    const __m128i src = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int32_t>(c)), zero);
    const __m128i full = _mm_set1_epi16(255);
    const __m128i half = _mm_set1_epi16(128);
    for (; i + 4 <= n; i += 4) {
      uint32_t cover;
      std::memcpy(&cover, m + i, 4);
      if (cover == 0) continue;
      __m128i a = _mm_cvtsi32_si128(static_cast<int32_t>(cover));
      a = _mm_unpacklo_epi8(a, a);   // a0 a0 a1 a1 a2 a2 a3 a3
      a = _mm_unpacklo_epi16(a, a);  // each coverage four times, one per channel
      const __m128i aLo = _mm_unpacklo_epi8(a, zero);
      const __m128i aHi = _mm_unpackhi_epi8(a, zero);
      const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
      auto blend = [&](__m128i dd, __m128i aa) {
        __m128i t = _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(src, aa), _mm_mullo_epi16(dd, _mm_sub_epi16(full, aa))),
                                  half);
        return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
      };
      const __m128i lo = blend(_mm_unpacklo_epi8(d, zero), aLo);
      const __m128i hi = blend(_mm_unpackhi_epi8(d, zero), aHi);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_packus_epi16(lo, hi));
    }
#endif
    for (; i < n; ++i) {
      const uint32_t a = m[i];
      if (a == 0) continue;
      dst[i] = a == 255 ? c : Mix(dst[i], c, a);
    }
  }
}

void PixelBuffer::DrawPicture(const Picture& p, int32_t x, int32_t y, int32_t cx, int32_t cy, bool mono,
                              Color monoColor) noexcept {
  const int32_t w = std::min(cx, p.Width());
  const int32_t h = std::min(cy, p.Height());
  for (int32_t j = std::max(0, clip_.top - y); j < h && y + j < clip_.bottom; ++j) {
    uint32_t* row = Row(y + j);  // indexed from the clip's columns only
    for (int32_t i = std::max(0, clip_.left - x); i < w && x + i < clip_.right; ++i) {
      const uint32_t s = p.At(i, j);
      const uint32_t a = s >> 24;
      if (a == 0) continue;
      const uint32_t colour = mono ? monoColor : (s & 0xFFFFFF);
      row[x + i] = a == 255 ? colour : Mix(row[x + i], colour, a);
    }
  }
}

void PixelBuffer::Composite(const PixelBuffer& src, int32_t x, int32_t y, uint8_t alpha) noexcept {
  Composite(src, x, y, alpha, RectL{0, 0, width_, height_});
}

void PixelBuffer::Composite(const PixelBuffer& src, int32_t x, int32_t y, uint8_t alpha, RectL clip) noexcept {
  clip.left = std::max(clip.left, 0);
  clip.top = std::max(clip.top, 0);
  clip.right = std::min(clip.right, width_);
  clip.bottom = std::min(clip.bottom, height_);
  // Source columns i0..i1 and rows j0..j1 land inside clip; in 64 bits, as x and y may lie anywhere.
  const int64_t i0 = std::max<int64_t>(0, int64_t{clip.left} - x);
  const int64_t i1 = std::min<int64_t>(src.width_, int64_t{clip.right} - x);
  const int64_t j0 = std::max<int64_t>(0, int64_t{clip.top} - y);
  const int64_t j1 = std::min<int64_t>(src.height_, int64_t{clip.bottom} - y);
  if (i0 >= i1) return;
  for (int64_t j = j0; j < j1; ++j) {
    const uint32_t* s = src.Row(static_cast<int32_t>(j)) + i0;
    uint32_t* d = Row(static_cast<int32_t>(y + j)) + (x + i0);
    const size_t n = static_cast<size_t>(i1 - i0);
    if (alpha == 255) {
      std::copy(s, s + n, d);
    } else {
      for (size_t i = 0; i < n; ++i) d[i] = Mix(d[i], s[i], alpha);
    }
  }
}

}  // namespace vorn
