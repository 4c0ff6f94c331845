#include "host/raster/HaloPlan.h"

#include <algorithm>
#include <array>
#include <optional>

// AVX2 where GCC or Clang can ask the processor for it; not for Windows, where GCC does not
// align the stack for 32-byte spills.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(_WIN32)
#define VORN_HALO_AVX2 1
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vorn {

namespace {
using RimPixel = HaloPlan::Scratch::RimPixel;
constexpr size_t kMaxBlends = size_t{1} << 16;  // blends of the rim kept, at most

// The two passes of HaloPlan::Draw, plainly (SSE2 on x86-64) and in AVX2 where the processor has it.
// factors: per step of a group, the multipliers of its pixels two by two (8 lanes each), then
// the addends.
constexpr size_t kGroup = HaloPlan::kGroup;
constexpr size_t kStep = kGroup * 8;  // lanes a step

// dst = (dst & keep) | finished, for n pixels.
void FinishPlain(uint32_t* dst, const uint32_t* keep, const uint32_t* finished, size_t n) noexcept {
  size_t i = 0;
#ifdef __SSE2__
  for (; i + 4 <= n; i += 4) {
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i k = _mm_loadu_si128(reinterpret_cast<const __m128i*>(keep + i));
    const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(finished + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_or_si128(_mm_and_si128(d, k), f));
  }
#endif
  for (; i < n; ++i) dst[i] = (dst[i] & keep[i]) | finished[i];
}

// The arithmetic of PixelBuffer::BlendMask in 16-bit lanes: t = channel x (255 - coverage) +
// colour x coverage + 128, then (t + t / 256) / 256, which is t x 257 / 65536 for every 16-bit t.
void BlendPlain(uint32_t* const* p, const uint16_t* f, uint32_t steps) noexcept {
#ifdef __SSE2__
  const __m128i zero = _mm_setzero_si128();
  const __m128i by257 = _mm_set1_epi16(257);
  constexpr size_t kVectors = kGroup / 2;
  __m128i d[kVectors];
  for (size_t v = 0; v < kVectors; ++v) {
    const __m128i a = _mm_cvtsi32_si128(static_cast<int32_t>(*p[2 * v]));
    const __m128i b = _mm_cvtsi32_si128(static_cast<int32_t>(*p[2 * v + 1]));
    d[v] = _mm_unpacklo_epi8(_mm_unpacklo_epi32(a, b), zero);
  }
  for (uint32_t k = 0; k < steps; ++k, f += kStep) {
    for (size_t v = 0; v < kVectors; ++v) {
      const __m128i mul = _mm_load_si128(reinterpret_cast<const __m128i*>(f + 8 * v));
      const __m128i add = _mm_load_si128(reinterpret_cast<const __m128i*>(f + kStep / 2 + 8 * v));
      d[v] = _mm_mulhi_epu16(_mm_add_epi16(_mm_mullo_epi16(d[v], mul), add), by257);
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
  for (uint32_t k = 0; k < steps; ++k, f += kStep) {
    for (size_t l = 0; l < 4 * kGroup; ++l) {
      const uint32_t t = lanes[l] * f[l] + f[kStep / 2 + l];
      lanes[l] = (t * 257) >> 16;
    }
  }
  for (size_t e = 0; e < kGroup; ++e) {
    *p[e] = lanes[4 * e] | lanes[4 * e + 1] << 8 | lanes[4 * e + 2] << 16 | lanes[4 * e + 3] << 24;
  }
#endif
}

#ifdef VORN_HALO_AVX2
bool HasAvx2() noexcept {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") != 0;
}
bool useAvx2 = HasAvx2();

__attribute__((target("avx2"))) void FinishAvx2(uint32_t* dst, const uint32_t* keep, const uint32_t* finished,
                                                size_t n) noexcept {
  // A masked store: the pixels beneath are not read, so nothing waits for the rim's stores of
  // the print before.
  const __m256i ones = _mm256_set1_epi32(-1);
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m256i k = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(keep + i));
    const __m256i f = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(finished + i));
    _mm256_maskstore_epi32(reinterpret_cast<int*>(dst + i), _mm256_xor_si256(k, ones), f);
  }
  if (i < n) {  // the last few, masked loads reading nothing beyond them
    const __m256i tail = _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int32_t>(n - i)),
                                            _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
    const __m256i k = _mm256_maskload_epi32(reinterpret_cast<const int*>(keep + i), tail);
    const __m256i f = _mm256_maskload_epi32(reinterpret_cast<const int*>(finished + i), tail);
    _mm256_maskstore_epi32(reinterpret_cast<int*>(dst + i), _mm256_andnot_si256(k, tail), f);
  }
}

__attribute__((target("avx2"))) void BlendAvx2(uint32_t* const* p, const uint16_t* f, uint32_t steps) noexcept {
  const __m256i by257 = _mm256_set1_epi16(257);
  constexpr size_t kVectors = kGroup / 4;
  __m256i d[kVectors];
  for (size_t v = 0; v < kVectors; ++v) {
    const __m128i four = _mm_setr_epi32(static_cast<int32_t>(*p[4 * v]), static_cast<int32_t>(*p[4 * v + 1]),
                                        static_cast<int32_t>(*p[4 * v + 2]), static_cast<int32_t>(*p[4 * v + 3]));
    d[v] = _mm256_cvtepu8_epi16(four);
  }
  for (uint32_t k = 0; k < steps; ++k, f += kStep) {
    for (size_t v = 0; v < kVectors; ++v) {
      const __m256i mul = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(f + 16 * v));
      const __m256i add = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(f + kStep / 2 + 16 * v));
      d[v] = _mm256_mulhi_epu16(_mm256_add_epi16(_mm256_mullo_epi16(d[v], mul), add), by257);
    }
  }
  for (size_t v = 0; v < kVectors; ++v) {
    const __m128i four = _mm_packus_epi16(_mm256_castsi256_si128(d[v]), _mm256_extracti128_si256(d[v], 1));
    *p[4 * v] = static_cast<uint32_t>(_mm_cvtsi128_si32(four));
    *p[4 * v + 1] = static_cast<uint32_t>(_mm_extract_epi32(four, 1));
    *p[4 * v + 2] = static_cast<uint32_t>(_mm_extract_epi32(four, 2));
    *p[4 * v + 3] = static_cast<uint32_t>(_mm_extract_epi32(four, 3));
  }
}
#else
bool HasAvx2() noexcept { return false; }
bool useAvx2 = false;
constexpr auto FinishAvx2 = FinishPlain;
constexpr auto BlendAvx2 = BlendPlain;
#endif
}  // namespace

bool HaloPlan::UseAvx2(bool on) noexcept {
  useAvx2 = on && HasAvx2();
  return useAvx2;
}

namespace {
// A text's glyphs placed once, and its prints laid over the box of them all.
struct Prints {
  FontFace& face;
  const FontFace::PlacedText& placed;
  size_t glyphs;
  std::span<const PointL> offsets;
  int64_t left, top;  // of the box, relative to the text's place
  int32_t width;      // of the box
};

// The box every print reaches, relative to the text's place: the ink spread by the offsets (and
// the last print, in place). Nothing when it is larger than kMaxArea or leaves 16 bits.
std::optional<RectL> BoxOf(const Prints& p) {
  int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
  for (size_t i = 0; i < p.glyphs; ++i) {
    const Glyph& g = *p.placed[i].glyph;
    left = std::min(left, p.placed[i].x);
    top = std::min(top, p.placed[i].y);
    right = std::max(right, p.placed[i].x + g.width);
    bottom = std::max(bottom, p.placed[i].y + g.height);
  }
  int64_t minX = 0, minY = 0, maxX = 0, maxY = 0;
  for (const PointL& d : p.offsets) {
    minX = std::min<int64_t>(minX, d.x);
    minY = std::min<int64_t>(minY, d.y);
    maxX = std::max<int64_t>(maxX, d.x);
    maxY = std::max<int64_t>(maxY, d.y);
  }
  left += minX;
  top += minY;
  right += maxX;
  bottom += maxY;
  if ((right - left) * (bottom - top) > HaloPlan::kMaxArea || left < INT16_MIN || top < INT16_MIN ||
      right > INT16_MAX || bottom > INT16_MAX) {
    return std::nullopt;
  }
  return RectL{static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
               static_cast<int32_t>(bottom)};
}

// Every blend in the order DrawRepeated makes them: each print in turn, its glyphs in turn;
// visit(the pixel's index in the box, the coverage, whether the print is the last one).
template <class Visit>
void EachBlend(const Prints& p, Visit&& visit) {
  for (size_t k = 0; k <= p.offsets.size(); ++k) {
    const bool inLast = k == p.offsets.size();
    const int64_t ox = (inLast ? 0 : p.offsets[k].x) - p.left;
    const int64_t oy = (inLast ? 0 : p.offsets[k].y) - p.top;
    for (size_t i = 0; i < p.glyphs; ++i) {
      const Glyph& g = *p.placed[i].glyph;
      const uint8_t* m = p.face.Coverage(g);
      const auto gx = static_cast<size_t>(ox + p.placed[i].x);
      const auto gy = static_cast<size_t>(oy + p.placed[i].y);
      for (int32_t r = 0; r < g.height; ++r, m += g.width) {
        const size_t row = (gy + static_cast<size_t>(r)) * static_cast<size_t>(p.width) + gx;
        for (int32_t q = 0; q < g.width; ++q) {
          if (m[q] != 0) visit(row + static_cast<size_t>(q), m[q], inLast);
        }
      }
    }
  }
}
}  // namespace

void HaloPlan::Clear() noexcept {
  box_ = RectL{};
  keep_.clear();
  finished_.clear();
  spans_.clear();
  groups_.clear();
  factors_.clear();
  stride_ = -1;
}

bool HaloPlan::Build(FontFace& face, std::string_view text, std::span<const PointL> offsets, Color c, Color last,
                     Scratch& s) {
  Clear();
  FontFace::PlacedText placed;
  const std::optional<size_t> count = face.Place(text, placed);
  // (A pixel blends at most (offsets + 1) x kMaxGlyphs times: its count fits 32 bits.)
  if (!count || offsets.size() >= kMaxBlends) return false;
  if (*count == 0) return true;  // no ink: nothing to draw
  Prints prints{face, placed, *count, offsets, 0, 0, 0};
  const std::optional<RectL> box = BoxOf(prints);
  if (!box) return false;
  prints.left = box->left;
  prints.top = box->top;
  prints.width = box->right - box->left;
  const int32_t w = prints.width;
  const int32_t h = box->bottom - box->top;

  // What the prints make of black and of white, the plain way.
  s.overBlack.Resize(w, h, 0x000000);
  s.overWhite.Resize(w, h, 0xFFFFFF);
  face.DrawRepeated(s.overBlack, -box->left, -box->top, text, offsets, c, last);
  face.DrawRepeated(s.overWhite, -box->left, -box->top, text, offsets, c, last);
  s.count.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  EachBlend(prints, [&](size_t at, uint8_t, bool) { ++s.count[at]; });

  const size_t blends = SortPixels(s, w, h);
  if (blends > kMaxBlends) {
    Clear();
    return false;
  }
  s.cover.resize(blends);
  s.inLast.resize(blends);
  EachBlend(prints, [&](size_t at, uint8_t a, bool inLast) {
    if (s.count[at] == 0) return;  // a finished pixel
    const uint32_t k = s.count[at]++ - 1;
    s.cover[k] = a;
    s.inLast[k] = inLast;
  });
  GroupRim(s, *box, c, last);
  box_ = *box;
  return true;
}

size_t HaloPlan::SortPixels(Scratch& s, int32_t w, int32_t h) {
  // A pixel that ends at one colour over black and over white ends at it over anything; the
  // others are the rim.
  const size_t area = static_cast<size_t>(w) * static_cast<size_t>(h);
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
  return blends;
}

void HaloPlan::GroupRim(Scratch& s, const RectL& box, Color c, Color last) {
  // Pixels with as many blends, or nearly, go together; the shorter ones' last steps change
  // nothing (coverage 0 gives back every channel exactly).
  std::vector<RimPixel>& rim = s.rim;
  const auto w = static_cast<uint32_t>(box.right - box.left);
  std::sort(rim.begin(), rim.end(), [](const RimPixel& a, const RimPixel& b) { return a.steps > b.steps; });
  for (size_t j = 0; j < rim.size(); j += kGroup) {
    Group group{};
    const RimPixel* members[kGroup];
    for (size_t e = 0; e < kGroup; ++e) {
      // A group short of pixels repeats its last one: the same blends of the same pixel, stored twice.
      members[e] = &rim[std::min(j + e, rim.size() - 1)];
      group.dx[e] = static_cast<int16_t>(static_cast<int64_t>(members[e]->index % w) + box.left);
      group.dy[e] = static_cast<int16_t>(static_cast<int64_t>(members[e]->index / w) + box.top);
    }
    group.first = static_cast<uint32_t>(factors_.size());
    group.steps = members[0]->steps;
    for (uint32_t step = 0; step < group.steps; ++step) {
      Lanes factors[kGroup]{};  // the multipliers of pixels 0 and 1, 2 and 3, ..., then the addends
      for (size_t e = 0; e < kGroup; ++e) {
        const RimPixel& p = *members[e];
        uint32_t a = 0;
        Color colour = 0;
        if (step < p.steps) {
          a = s.cover[p.first + step];
          colour = s.inLast[p.first + step] ? last : c;
        }
        Lanes& mul = factors[e / 2];
        Lanes& add = factors[kGroup / 2 + e / 2];
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
  const auto finish = useAvx2 ? FinishAvx2 : FinishPlain;
  for (int64_t r = r0; r < r1; ++r) {
    const Span& span = spans_[static_cast<size_t>(r)];
    int64_t i = std::max<int64_t>(c0, span.from);
    const int64_t to = std::min<int64_t>(c1, span.to);
    if (i >= to) continue;
    const int64_t at = r * w + i;
    finish(pixels + ((top + r) * stride + left + i), keep_.data() + at, finished_.data() + at,
           static_cast<size_t>(to - i));
  }

  // The rim, kGroup pixels at a time.
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
  const auto blend = useAvx2 ? BlendAvx2 : BlendPlain;
  for (const Group& g : groups_) {
    uint32_t* p[kGroup];
    for (size_t e = 0; e < kGroup; ++e) {
      if constexpr (!Whole) {
        const int64_t px = int64_t{x} + g.dx[e];
        const int64_t py = int64_t{y} + g.dy[e];
        if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) {
          p[e] = &outside[e];
          continue;
        }
      }
      p[e] = pixels + (origin + g.at[e]);
    }
    blend(p, factors_[g.first].v, g.steps);
  }
}

}  // namespace vorn
