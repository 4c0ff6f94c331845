#include "host/raster/HaloPlan.h"

#include <algorithm>
#include <array>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vorn {

namespace {
using RimPixel = HaloPlan::Scratch::RimPixel;
constexpr size_t kMaxBlends = size_t{1} << 16;  // blends of the rim kept, at most
}  // namespace

bool HaloPlan::Build(FontFace& face, std::string_view text, std::span<const PointL> offsets, Color c, Color last,
                     Scratch& s) {
  box_ = RectL{};
  keep_.clear();
  finished_.clear();
  spans_.clear();
  groups_.clear();
  factors_.clear();
  stride_ = -1;
  struct Placed {
    const Glyph* glyph;
    int64_t x, y;
  };
  std::array<Placed, kMaxGlyphs> placed;
  size_t n = 0;
  bool fits = true;
  int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
  face.Layout(text, [&](const Glyph& g, int64_t gx, int64_t gy) {
    if (n == placed.size()) {
      fits = false;
      return;
    }
    placed[n++] = Placed{&g, gx, gy};
    left = std::min(left, gx);
    top = std::min(top, gy);
    right = std::max(right, gx + g.width);
    bottom = std::max(bottom, gy + g.height);
  });
  // (A pixel blends at most (offsets + 1) x kMaxGlyphs times: its count fits 32 bits.)
  if (!fits || offsets.size() >= kMaxBlends) return false;
  if (n == 0) return true;  // no ink: nothing to draw
  // The box of every print: the ink spread by the offsets (and the last print, in place).
  int64_t minX = 0, minY = 0, maxX = 0, maxY = 0;
  for (const PointL& d : offsets) {
    minX = std::min<int64_t>(minX, d.x);
    minY = std::min<int64_t>(minY, d.y);
    maxX = std::max<int64_t>(maxX, d.x);
    maxY = std::max<int64_t>(maxY, d.y);
  }
  left += minX;
  top += minY;
  right += maxX;
  bottom += maxY;
  if ((right - left) * (bottom - top) > kMaxArea || left < INT16_MIN || top < INT16_MIN || right > INT16_MAX ||
      bottom > INT16_MAX) {
    return false;
  }
  const auto w = static_cast<int32_t>(right - left);
  const auto h = static_cast<int32_t>(bottom - top);
  const size_t area = static_cast<size_t>(w) * static_cast<size_t>(h);

  // What the prints make of black and of white, the plain way.
  s.overBlack.Resize(w, h, 0x000000);
  s.overWhite.Resize(w, h, 0xFFFFFF);
  face.DrawRepeated(s.overBlack, static_cast<int32_t>(-left), static_cast<int32_t>(-top), text, offsets, c, last);
  face.DrawRepeated(s.overWhite, static_cast<int32_t>(-left), static_cast<int32_t>(-top), text, offsets, c, last);

  // Every blend in the order DrawRepeated makes them: each print in turn, its glyphs in turn.
  auto eachBlend = [&](auto&& visit) {
    for (size_t k = 0; k <= offsets.size(); ++k) {
      const bool inLast = k == offsets.size();
      const int64_t ox = (inLast ? 0 : offsets[k].x) - left;
      const int64_t oy = (inLast ? 0 : offsets[k].y) - top;
      for (size_t i = 0; i < n; ++i) {
        const Glyph& g = *placed[i].glyph;
        const uint8_t* m = face.Coverage(g);
        const auto gx = static_cast<size_t>(ox + placed[i].x);
        const auto gy = static_cast<size_t>(oy + placed[i].y);
        for (int32_t r = 0; r < g.height; ++r, m += g.width) {
          const size_t row = (gy + static_cast<size_t>(r)) * static_cast<size_t>(w) + gx;
          for (int32_t q = 0; q < g.width; ++q) {
            if (m[q] != 0) visit(row + static_cast<size_t>(q), m[q], inLast);
          }
        }
      }
    }
  };
  s.count.assign(area, 0);
  eachBlend([&](size_t at, uint8_t, bool) { ++s.count[at]; });

  // A pixel that ends at one colour over black and over white ends at it over anything; the
  // others are the rim.
  keep_.assign(area, ~uint32_t{0});
  finished_.assign(area, 0);
  spans_.assign(static_cast<size_t>(h), Span{w, 0});
  std::vector<RimPixel>& rim = s.rim;
  rim.clear();
  size_t blends = 0;
  const uint32_t* black = s.overBlack.Data();
  const uint32_t* white = s.overWhite.Data();
  for (size_t at = 0; at < area; ++at) {
    if (s.count[at] == 0) continue;
    if (black[at] == white[at]) {
      keep_[at] = 0;
      finished_[at] = black[at];
      Span& span = spans_[at / static_cast<size_t>(w)];
      const auto column = static_cast<int32_t>(at % static_cast<size_t>(w));
      span.from = std::min(span.from, column);
      span.to = std::max(span.to, column + 1);
      s.count[at] = 0;
    } else {
      rim.push_back(RimPixel{static_cast<uint32_t>(at), static_cast<uint32_t>(blends), s.count[at]});
      blends += s.count[at];
      s.count[at] = rim.back().first + 1;  // where its next blend goes, plus 1
    }
  }
  if (blends > kMaxBlends) {
    Build(face, "", {}, c, last, s);  // keeps nothing
    return false;
  }
  s.cover.resize(blends);
  s.inLast.resize(blends);
  eachBlend([&](size_t at, uint8_t a, bool inLast) {
    if (s.count[at] == 0) return;  // a finished pixel
    const uint32_t k = s.count[at]++ - 1;
    s.cover[k] = a;
    s.inLast[k] = inLast;
  });

  // Pixels with as many blends, or nearly, go together; the shorter ones' last steps change
  // nothing (coverage 0 gives back every channel exactly).
  std::sort(rim.begin(), rim.end(), [](const RimPixel& a, const RimPixel& b) { return a.steps > b.steps; });
  for (size_t j = 0; j < rim.size(); j += kGroup) {
    Group group{};
    const RimPixel* members[kGroup];
    for (size_t e = 0; e < kGroup; ++e) {
      // A group short of pixels repeats its last one: the same blends of the same pixel, stored twice.
      members[e] = &rim[std::min(j + e, rim.size() - 1)];
      group.dx[e] = static_cast<int16_t>(static_cast<int64_t>(members[e]->index % static_cast<uint32_t>(w)) + left);
      group.dy[e] = static_cast<int16_t>(static_cast<int64_t>(members[e]->index / static_cast<uint32_t>(w)) + top);
    }
    group.first = static_cast<uint32_t>(factors_.size());
    group.steps = members[0]->steps;
    for (uint32_t step = 0; step < group.steps; ++step) {
      Lanes factors[kGroup]{};  // mul, add of pixels 0 and 1, then of 2 and 3, ...
      for (size_t e = 0; e < kGroup; ++e) {
        const RimPixel& p = *members[e];
        uint32_t a = 0;
        Color colour = 0;
        if (step < p.steps) {
          a = s.cover[p.first + step];
          colour = s.inLast[p.first + step] ? last : c;
        }
        Lanes& mul = factors[e / 2 * 2];
        Lanes& add = factors[e / 2 * 2 + 1];
        for (size_t ch = 0; ch < 4; ++ch) {
          const size_t lane = e % 2 * 4 + ch;
          // The fourth byte stays as it is (0 in every picture).
          mul.v[lane] = static_cast<uint16_t>(ch < 3 ? 255 - a : 255);
          add.v[lane] = static_cast<uint16_t>((ch < 3 ? ((colour >> (8 * ch)) & 0xFF) * a : 0) + 128);
        }
      }
      factors_.insert(factors_.end(), factors, factors + kGroup);
    }
    groups_.push_back(group);
  }
  box_ = RectL{static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
               static_cast<int32_t>(bottom)};
  return true;
}

void HaloPlan::Draw(PixelBuffer& target, int32_t x, int32_t y) noexcept {
  if (IsEmpty(box_)) return;
  // The rows and columns of the box inside the clip.
  const RectL& clip = target.Clip();
  const int64_t left = int64_t{x} + box_.left;
  const int64_t top = int64_t{y} + box_.top;
  const int64_t w = box_.right - box_.left;
  const int64_t h = box_.bottom - box_.top;
  const int64_t c0 = std::max<int64_t>(clip.left - left, 0), c1 = std::min<int64_t>(clip.right - left, w);
  const int64_t r0 = std::max<int64_t>(clip.top - top, 0), r1 = std::min<int64_t>(clip.bottom - top, h);
  if (c0 >= c1 || r0 >= r1) return;
  uint32_t* const pixels = target.Row(0);
  const int64_t stride = target.Width();

  // The finished pixels, row by row.
  for (int64_t r = r0; r < r1; ++r) {
    const Span& span = spans_[static_cast<size_t>(r)];
    int64_t i = std::max<int64_t>(c0, span.from);
    const int64_t to = std::min<int64_t>(c1, span.to);
    uint32_t* dst = pixels + ((top + r) * stride + left);
    const uint32_t* keep = keep_.data() + r * w;
    const uint32_t* finished = finished_.data() + r * w;
#ifdef __SSE2__
    for (; i + 4 <= to; i += 4) {
      const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
      const __m128i k = _mm_loadu_si128(reinterpret_cast<const __m128i*>(keep + i));
      const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(finished + i));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_or_si128(_mm_and_si128(d, k), f));
    }
#endif
    for (; i < to; ++i) dst[i] = (dst[i] & keep[i]) | finished[i];
  }

  // The rim, eight pixels at a time.
  if (stride != stride_) {
    for (Group& g : groups_) {
      for (size_t e = 0; e < kGroup; ++e) g.at[e] = int64_t{g.dy[e]} * stride + g.dx[e];
    }
    stride_ = stride;
  }
  if (c0 == 0 && r0 == 0 && c1 == w && r1 == h) {
    DrawRim<true>(target, x, y);
  } else {
    DrawRim<false>(target, x, y);
  }
}

template <bool Whole>
void HaloPlan::DrawRim(PixelBuffer& target, int32_t x, int32_t y) const noexcept {
  uint32_t* const pixels = target.Row(0);
  const RectL& clip = target.Clip();
  const int64_t origin = int64_t{y} * target.Width() + x;
  uint32_t outside[kGroup];  // where the pixels outside the clip go
  for (const Group& g : groups_) {
    uint32_t* p[kGroup];
    for (size_t e = 0; e < kGroup; ++e) {
      p[e] = pixels + (origin + g.at[e]);
      if constexpr (!Whole) {
        const int64_t px = int64_t{x} + g.dx[e];
        const int64_t py = int64_t{y} + g.dy[e];
        if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) p[e] = &outside[e];
      }
    }
    const Lanes* f = factors_.data() + g.first;
#ifdef __SSE2__
    // The arithmetic of PixelBuffer::BlendMask, in 16-bit lanes: t = channel x (255 - coverage) +
    // colour x coverage + 128, then (t + t / 256) / 256, which is t x 257 / 65536 for every 16-bit
    // t; four chains side by side.
    const __m128i zero = _mm_setzero_si128();
    const __m128i by257 = _mm_set1_epi16(257);
    auto pixelsOf = [&](size_t e) {
      const __m128i a = _mm_cvtsi32_si128(static_cast<int32_t>(*p[e]));
      const __m128i b = _mm_cvtsi32_si128(static_cast<int32_t>(*p[e + 1]));
      return _mm_unpacklo_epi8(_mm_unpacklo_epi32(a, b), zero);
    };
    constexpr size_t kVectors = kGroup / 2;
    __m128i d[kVectors];
    for (size_t v = 0; v < kVectors; ++v) d[v] = pixelsOf(2 * v);
    for (uint32_t k = 0; k < g.steps; ++k, f += kGroup) {
      for (size_t v = 0; v < kVectors; ++v) {
        const __m128i t = _mm_add_epi16(_mm_mullo_epi16(d[v], _mm_load_si128(reinterpret_cast<const __m128i*>(f + 2 * v))),
                                        _mm_load_si128(reinterpret_cast<const __m128i*>(f + 2 * v + 1)));
        d[v] = _mm_mulhi_epu16(t, by257);
      }
    }
    for (size_t v = 0; v < kVectors; v += 2) {
      const __m128i four = _mm_packus_epi16(d[v], d[v + 1]);
      *p[2 * v] = static_cast<uint32_t>(_mm_cvtsi128_si32(four));
      *p[2 * v + 1] = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(four, 4)));
      *p[2 * v + 2] = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(four, 8)));
      *p[2 * v + 3] = static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_srli_si128(four, 12)));
    }
#else
    uint32_t lanes[4 * kGroup];
    for (size_t e = 0; e < kGroup; ++e) {
      for (size_t ch = 0; ch < 4; ++ch) lanes[4 * e + ch] = (*p[e] >> (8 * ch)) & 0xFF;
    }
    for (uint32_t k = 0; k < g.steps; ++k, f += kGroup) {
      for (size_t l = 0; l < 4 * kGroup; ++l) {
        const Lanes& mul = f[l / 8 * 2];
        const Lanes& add = f[l / 8 * 2 + 1];
        const uint32_t t = lanes[l] * mul.v[l % 8] + add.v[l % 8];
        lanes[l] = (t + (t >> 8)) >> 8;
      }
    }
    for (size_t e = 0; e < kGroup; ++e) {
      *p[e] = lanes[4 * e] | lanes[4 * e + 1] << 8 | lanes[4 * e + 2] << 16 | lanes[4 * e + 3] << 24;
    }
#endif
  }
}

}  // namespace vorn
