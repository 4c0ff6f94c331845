#include "host/raster/PrintMemo.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace vorn {

namespace {
// The rows of a printed text's area are a few to a few dozen pixels long: four pixels at a time,
// the last four overlapping the ones before, cost less than a loop with a tail.
inline void CopyRow(uint32_t* to, const uint32_t* from, size_t n) noexcept {
  if (n < 4) {
    for (size_t i = 0; i < n; ++i) to[i] = from[i];
    return;
  }
  for (size_t i = 0; i + 4 < n; i += 4) std::memcpy(to + i, from + i, 16);
  std::memcpy(to + n - 4, from + n - 4, 16);
}

// Whether a row differs from was (wasStep 1) or from the one colour *was (wasStep 0).
inline bool RowDiffers(const uint32_t* row, const uint32_t* was, size_t wasStep, size_t n) noexcept {
#ifdef __SSE2__
  if (n >= 4) {
    const __m128i one = _mm_set1_epi32(static_cast<int32_t>(*was));
    auto block = [&](size_t i) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
      const __m128i b = wasStep ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(was + i)) : one;
      return _mm_xor_si128(a, b);
    };
    __m128i d = block(n - 4);
    for (size_t i = 0; i + 4 < n; i += 4) d = _mm_or_si128(d, block(i));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(d, _mm_setzero_si128())) != 0xFFFF;
  }
#endif
  uint32_t differs = 0;
  for (size_t i = 0; i < n; ++i) differs |= row[i] ^ was[i * wasStep];
  return differs != 0;
}

void CopyArea(const PixelBuffer& pixels, const RectL& area, std::vector<uint32_t>& out) {
  const size_t w = static_cast<size_t>(area.right - area.left);
  out.resize(w * static_cast<size_t>(area.bottom - area.top));
  uint32_t* to = out.data();
  for (int32_t y = area.top; y < area.bottom; ++y, to += w) CopyRow(to, pixels.Row(y) + area.left, w);
}

void PasteArea(PixelBuffer& pixels, const RectL& area, const std::vector<uint32_t>& in) {
  const size_t w = static_cast<size_t>(area.right - area.left);
  const uint32_t* from = in.data();
  for (int32_t y = area.top; y < area.bottom; ++y, from += w) CopyRow(pixels.Row(y) + area.left, from, w);
}
}  // namespace

// Inline: every print that is not pasted ends here.
inline void PrintMemo::Draw(PixelBuffer& pixels, const TextPrint& p) {
  if (p.offsets.empty()) {
    p.face.Draw(pixels, p.x, p.y, p.text, p.fore);
  } else {
    DrawHalo(pixels, p);
  }
}

// Inline: a repaint prints several texts, and each looks for its memo first.
inline RecentPrint* PrintMemo::Find(const TextPrint& p, const RectL& clip) noexcept {
  // Repaints print the same texts in the same order: the search starts after the last one found.
  const uint64_t place = Place(p.x, p.y);
  for (size_t k = 0; k < prints_.size(); ++k) {
    const size_t i = (last_ + 1 + k) % prints_.size();
    if (places_[i] != place) continue;
    RecentPrint& m = prints_[i];
    if (m.face == &p.face && m.fore == p.fore && m.halo == p.halo && m.clip == clip && m.text == p.text &&
        std::equal(p.offsets.begin(), p.offsets.end(), m.offsets.begin(), m.offsets.end())) {
      last_ = i;
      return &m;
    }
  }
  return nullptr;
}

bool PrintMemo::Print(PixelBuffer& pixels, LazyClear& clear, const TextPrint& p) {
  // A short text is printed through the memo. The first print of it at a place only notes it;
  // printed there again, the pixels its prints can reach are kept before and after, and from
  // then on, over the same pixels, it is the same result.
  if (p.text.size() > kText) {
    if (clear.HasGhosts()) clear.ClearGhosts(pixels, LazyClear::kAllRows);  // drawn plainly
    Draw(pixels, p);
    return false;
  }
  const RectL& clip = pixels.Clip();
  RecentPrint* m = Find(p, clip);
  // Printed again where a Cls left its last print waiting to be cleared: the pixels are there.
  const bool ghostTaken = m && m->kept && m->resting == 0 && clear.HasGhosts() && m->beforeUniform &&
                          clear.TakeGhost(m, m->area, m->beforeColor);
  if (!ghostTaken && clear.HasGhosts()) clear.ClearGhosts(pixels, LazyClear::kAllRows);
  if (!m) {
    Note(p, clip);
    Draw(pixels, p);
    return false;
  }
  if (ghostTaken) {
    clear.NotePasted(m, m->area);
    m->misses = 0;
    return true;
  }
  if (m->resting > 0) {
    --m->resting;  // the pixels here kept changing: drawn plainly for a while
    Draw(pixels, p);
    return false;
  }
  if (!m->kept) {
    const RectL area = AreaOf(p, clip);
    if (IsEmpty(area) || int64_t{area.right - area.left} * (area.bottom - area.top) > kArea) {
      Draw(pixels, p);  // nothing to keep: drawn every time
      return false;
    }
    m->area = area;
  } else if (m->beforeUniform && clear.FreshHolds(m->area, m->beforeColor)) {
    // Over the very colour it was kept over, known without looking.
    PasteArea(pixels, m->area, m->after);
    clear.NotePasted(m, m->area);
    m->misses = 0;
    return true;
  } else if (PasteIfSameBefore(pixels, *m)) {
    // Printed at this place over these very pixels before: the result is the same.
    clear.CutFresh(m->area.top, m->area.bottom);
    m->misses = 0;
    return true;
  } else if (++m->misses >= kMisses) {
    m->kept = false;  // other pixels every time: keeping them costs more than it saves
    m->resting = kRest;
    Draw(pixels, p);
    return false;
  }
  KeepBefore(pixels, *m);
  Draw(pixels, p);
  CopyArea(pixels, m->area, m->after);
  m->kept = true;
  return false;
}

void PrintMemo::Note(const TextPrint& p, const RectL& clip) {
  places_[next_] = Place(p.x, p.y);
  RecentPrint& m = prints_[next_];
  next_ = (next_ + 1) % prints_.size();
  m.text.assign(p.text);
  m.x = p.x;
  m.y = p.y;
  m.fore = p.fore;
  m.halo = p.halo;
  m.clip = clip;
  m.offsets.assign(p.offsets.begin(), p.offsets.end());
  m.face = &p.face;
  m.kept = false;
  m.misses = 0;
  m.resting = 0;
  m.area = RectL{};
}

RectL PrintMemo::AreaOf(const TextPrint& p, const RectL& clip) {
  const RectL ink = p.face.InkBox(p.text);
  if (IsEmpty(ink)) return ink;
  int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
  for (const PointL& d : p.offsets) {
    minX = std::min(minX, d.x);
    minY = std::min(minY, d.y);
    maxX = std::max(maxX, d.x);
    maxY = std::max(maxY, d.y);
  }
  return Intersect(RectL{AddCoord(int64_t{ink.left} + p.x, minX), AddCoord(int64_t{ink.top} + p.y, minY),
                         AddCoord(int64_t{ink.right} + p.x, maxX), AddCoord(int64_t{ink.bottom} + p.y, maxY)},
                   clip);
}

void PrintMemo::DrawHalo(PixelBuffer& pixels, const TextPrint& p) {
  if (p.text.size() > kText) {
    p.face.DrawRepeated(pixels, p.x, p.y, p.text, p.offsets, p.halo, p.fore);
    return;
  }
  for (HaloMemo& m : halos_) {
    if (m.face != &p.face || m.fore != p.fore || m.halo != p.halo || m.text != p.text ||
        !std::equal(p.offsets.begin(), p.offsets.end(), m.offsets.begin(), m.offsets.end())) {
      continue;
    }
    if (m.state == HaloMemo::State::Seen) {
      // Printed a second time: worth working out.
      const bool planned = m.plan.Build(p.face, p.text, p.offsets, p.halo, p.fore, haloScratch_);
      m.state = planned ? HaloMemo::State::Planned : HaloMemo::State::Plain;
    }
    if (m.state == HaloMemo::State::Planned) {
      m.plan.Draw(pixels, p.x, p.y);
    } else {
      p.face.DrawRepeated(pixels, p.x, p.y, p.text, p.offsets, p.halo, p.fore);
    }
    return;
  }
  HaloMemo& m = halos_[nextHalo_];
  nextHalo_ = (nextHalo_ + 1) % halos_.size();
  m.face = &p.face;
  m.text.assign(p.text);
  m.offsets.assign(p.offsets.begin(), p.offsets.end());
  m.fore = p.fore;
  m.halo = p.halo;
  m.state = HaloMemo::State::Seen;
  p.face.DrawRepeated(pixels, p.x, p.y, p.text, p.offsets, p.halo, p.fore);
}

void PrintMemo::KeepBefore(const PixelBuffer& pixels, RecentPrint& m) {
  CopyArea(pixels, m.area, m.before);
  const uint32_t first = m.before.front();
  m.beforeUniform = std::all_of(m.before.begin(), m.before.end(), [&](uint32_t p) { return p == first; });
  m.beforeColor = first;
  if (m.beforeUniform) m.before.clear();  // one colour: compared with that alone
}

bool PrintMemo::PasteIfSameBefore(PixelBuffer& pixels, const RecentPrint& m) {
  const size_t w = static_cast<size_t>(m.area.right - m.area.left);
  if (!m.beforeUniform) {
    const uint32_t* was = m.before.data();
    for (int32_t y = m.area.top; y < m.area.bottom; ++y, was += w) {
      if (RowDiffers(pixels.Row(y) + m.area.left, was, 1, w)) return false;
    }
    PasteArea(pixels, m.area, m.after);
    return true;
  }
  // Over one colour, a row is pasted as soon as it is found the same: should a later one differ,
  // the rows pasted go back to that colour.
  const uint32_t* from = m.after.data();
  for (int32_t y = m.area.top; y < m.area.bottom; ++y, from += w) {
    uint32_t* row = pixels.Row(y) + m.area.left;
    if (RowDiffers(row, &m.beforeColor, 0, w)) {
      for (int32_t back = m.area.top; back < y; ++back) {
        std::fill_n(pixels.Row(back) + m.area.left, w, m.beforeColor);
      }
      return false;
    }
    CopyRow(row, from, w);
  }
  return true;
}

}  // namespace vorn
