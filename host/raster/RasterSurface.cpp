#include "host/raster/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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
  pendingClear_ = RectL{};
  fresh_.Forget();
  ghostCount_ = 0;  // the picture is cleared
  uniform_ = true;
  uniformColor_ = PaintColor(backColor_);
  Touched();
}

void RasterSurface::Settle() const noexcept {
  // Ghosts where the clear goes are cleared with it (first: theirs may be another colour).
  if (ghostCount_ > 0) ClearGhosts(RowSpan{pendingClear_.top, pendingClear_.bottom});
  const RectL clip = pixels_.Clip();
  pixels_.ClearClip();
  pixels_.FillRect(pendingClear_.left, pendingClear_.top, pendingClear_.right, pendingClear_.bottom, pendingColor_);
  pixels_.SetClip(clip);
  if (pendingClear_.left <= 0 && pendingClear_.right >= pixels_.Width()) {
    const int32_t top = std::max(pendingClear_.top, 0);
    const int32_t bottom = std::min(pendingClear_.bottom, pixels_.Height());
    if (fresh_.top < fresh_.bottom && fresh_.color == pendingColor_ && (bottom == fresh_.top || top == fresh_.bottom)) {
      fresh_.top = std::min(top, fresh_.top);  // the rows Cls left waiting beside those still fresh
      fresh_.bottom = std::max(bottom, fresh_.bottom);
    } else {
      fresh_.top = top;
      fresh_.bottom = bottom;
      fresh_.color = pendingColor_;
      fresh_.pasted = 0;
    }
  } else {
    fresh_.Forget();
  }
  pendingClear_ = RectL{};
}

bool RasterSurface::Fresh::Holds(const RectL& area, uint32_t c) const noexcept {
  if (c != color || area.top < top || area.bottom > bottom) return false;
  for (size_t i = 0; i < pasted; ++i) {
    if (!IsEmpty(Intersect(area, areas[i].area))) return false;
  }
  return true;
}

void RasterSurface::ClearGhosts(RowSpan rows) const noexcept {
  for (size_t i = 0; i < ghostCount_;) {
    const Ghost& g = ghosts_[i];
    if (g.area.bottom <= rows.top || g.area.top >= rows.bottom) {
      ++i;
      continue;
    }
    // Its area lies within the picture (and was within the clip when it was printed).
    for (int32_t y = g.area.top; y < g.area.bottom; ++y) {
      std::fill(pixels_.Row(y) + g.area.left, pixels_.Row(y) + g.area.right, g.color);
    }
    ghosts_[i] = ghosts_[--ghostCount_];
  }
}

bool RasterSurface::TakeGhost(const PrintMemo& m) noexcept {
  size_t found = ghostCount_;
  for (size_t i = 0; i < ghostCount_; ++i) {
    const Ghost& g = ghosts_[i];
    if (g.memo == &m && g.area == m.area && m.beforeUniform && g.color == m.beforeColor) {
      found = i;
    } else if (!IsEmpty(Intersect(g.area, m.area))) {
      return false;  // another one reaches into it
    }
  }
  if (found == ghostCount_) return false;
  ghosts_[found] = ghosts_[--ghostCount_];
  return true;
}

void RasterSurface::Fresh::Cut(int32_t from, int32_t to) noexcept {
  if (to <= top || from >= bottom) return;
  // What is left on either side of the rows drawn over; the larger part stays.
  if (from - top >= bottom - to) {
    bottom = std::max(from, top);
  } else {
    top = std::min(to, bottom);
  }
}

void RasterSurface::Cover(const RectL& r) noexcept {
  if (!HasPendingClear()) return;
  RectL& p = pendingClear_;
  const bool acrossX = r.left <= p.left && r.right >= p.right;
  const bool acrossY = r.top <= p.top && r.bottom >= p.bottom;
  if (acrossX && r.top <= p.top && r.bottom > p.top) {
    p.top = std::min(r.bottom, p.bottom);  // the top of it is covered
  } else if (acrossX && r.bottom >= p.bottom && r.top < p.bottom) {
    p.bottom = std::max(r.top, p.top);
  } else if (acrossY && r.left <= p.left && r.right > p.left) {
    p.left = std::min(r.right, p.right);
  } else if (acrossY && r.right >= p.right && r.left < p.right) {
    p.right = std::max(r.left, p.left);
  } else if (!IsEmpty(Intersect(r, p))) {
    // What r leaves of it is cleared now, in up to four bands around r; r is painted next.
    const RectL in = Intersect(r, p);
    const RectL clip = pixels_.Clip();
    pixels_.ClearClip();
    pixels_.FillRect(p.left, p.top, p.right, in.top, pendingColor_);
    pixels_.FillRect(p.left, in.bottom, p.right, p.bottom, pendingColor_);
    pixels_.FillRect(p.left, in.top, in.left, in.bottom, pendingColor_);
    pixels_.FillRect(in.right, in.top, p.right, in.bottom, pendingColor_);
    pixels_.SetClip(clip);
    p = RectL{};
  }
  if (!HasPendingClear()) pendingClear_ = RectL{};
}

void RasterSurface::Cls() {
  const Color fill = PaintColor(backColor_);
  const RectL& clip = pixels_.Clip();
  const bool whole = clip == RectL{0, 0, pixels_.Width(), pixels_.Height()};
  // Clearing a surface that is already one colour (a Cls, then setting the same back colour, as
  // every repaint does) changes no pixel.
  if (whole && uniform_ && uniformColor_ == fill) {
    currentX_ = 0;
    currentY_ = 0;
    return;
  }
  if (HasPendingClear() && (pendingColor_ != fill || Intersect(pendingClear_, clip) != pendingClear_)) Settle();
  pendingClear_ = clip;
  pendingColor_ = fill;
  const int32_t h = pixels_.Height();
  if (whole && fresh_.top < fresh_.bottom && fresh_.color == fill && (fresh_.top == 0 || fresh_.bottom == h)) {
    // The fresh rows hold that colour already, but for the prints pasted there: those become
    // ghosts (cleared now when there are too many), the other rows wait. A print's memo changes
    // only with a print that is not a ghost taken, which clears them all first.
    for (size_t i = 0; i < fresh_.pasted; ++i) {
      const Pasted& p = fresh_.areas[i];
      if (ghostCount_ < ghosts_.size()) {
        ghostRows_ = ghostCount_ == 0 ? RowSpan{p.area.top, p.area.bottom}
                                      : RowSpan{std::min(ghostRows_.top, p.area.top),
                                                std::max(ghostRows_.bottom, p.area.bottom)};
        ghosts_[ghostCount_++] = Ghost{p.area, fill, p.memo};
      } else {
        pixels_.FillRect(p.area.left, p.area.top, p.area.right, p.area.bottom, fill);
      }
    }
    fresh_.pasted = 0;
    if (fresh_.top == 0) {
      pendingClear_.top = fresh_.bottom;
    } else {
      pendingClear_.bottom = fresh_.top;
    }
  } else {
    ForgetFresh();  // until the clear is done
  }
  if (!HasPendingClear()) pendingClear_ = RectL{};
  uniform_ = whole;
  uniformColor_ = fill;
  Touched();
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
  if (HasPendingClear()) Settle();
  FontFace& face = Face();
  const int32_t x = Pixel(currentX_);
  const int32_t y = Pixel(currentY_);
  const Color fore = PaintColor(foreColor_);
  auto draw = [&] {
    if (offsets.empty()) {
      face.Draw(pixels_, x, y, text, fore);
    } else {
      DrawHalo(face, x, y, text, halo, offsets, fore);
    }
  };
  // A short text is printed through the memo. The first print of it at a place only notes it;
  // printed there again, the pixels its prints can reach (its ink, spread by the offsets) are
  // kept before and after, and from then on, over the same pixels, it is the same result.
  PrintMemo* slot = nullptr;
  bool pasted = false;
  if (text.size() > kMemoText && ghostCount_ > 0) ClearGhosts(kAllRows);  // drawn plainly
  if (text.size() <= kMemoText) {
    const RectL& clip = pixels_.Clip();
    // Repaints print the same texts in the same order: the search starts after the last one found.
    const uint64_t place = MemoPlace(x, y);
    for (size_t k = 0; k < memos_.size(); ++k) {
      const size_t i = (lastMemo_ + 1 + k) % memos_.size();
      if (memoPlaces_[i] != place) continue;
      PrintMemo& m = memos_[i];
      if (m.face == &face && m.fore == fore && m.halo == halo && m.clip == clip && m.text == text &&
          std::equal(offsets.begin(), offsets.end(), m.offsets.begin(), m.offsets.end())) {
        slot = &m;
        lastMemo_ = i;
        break;
      }
    }
    // Printed again where a Cls left its last print waiting to be cleared: the pixels are there.
    const bool ghostTaken = slot && slot->kept && slot->resting == 0 && ghostCount_ > 0 && TakeGhost(*slot);
    if (!ghostTaken && ghostCount_ > 0) ClearGhosts(kAllRows);
    if (!slot) {
      memoPlaces_[nextMemo_] = place;
      PrintMemo& m = memos_[nextMemo_];
      nextMemo_ = (nextMemo_ + 1) % memos_.size();
      m.text.assign(text);
      m.x = x;
      m.y = y;
      m.fore = fore;
      m.halo = halo;
      m.clip = clip;
      m.offsets.assign(offsets.begin(), offsets.end());
      m.face = &face;
      m.kept = false;
      m.misses = 0;
      m.resting = 0;
      m.area = RectL{};
    } else if (ghostTaken) {
      NotePasted(*slot);
      pasted = true;
    } else if (slot->resting > 0) {
      --slot->resting;  // the pixels here kept changing: drawn plainly for a while
      slot = nullptr;
    } else if (!slot->kept) {
      RectL area = face.InkBox(text);
      if (!IsEmpty(area)) {
        int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
        for (const PointL& d : offsets) {
          minX = std::min(minX, d.x);
          minY = std::min(minY, d.y);
          maxX = std::max(maxX, d.x);
          maxY = std::max(maxY, d.y);
        }
        area = Intersect(RectL{AddCoord(int64_t{area.left} + x, minX), AddCoord(int64_t{area.top} + y, minY),
                               AddCoord(int64_t{area.right} + x, maxX), AddCoord(int64_t{area.bottom} + y, maxY)},
                         clip);
      }
      const int64_t pixels = int64_t{area.right - area.left} * (area.bottom - area.top);
      if (IsEmpty(area) || pixels > kMemoArea) {
        slot = nullptr;  // nothing to keep: drawn every time
      } else {
        slot->area = area;
      }
    } else if (slot->beforeUniform && fresh_.Holds(slot->area, slot->beforeColor)) {
      // Over the very colour it was kept over, known without looking.
      PasteArea(slot->area, slot->after);
      NotePasted(*slot);
      pasted = true;
    } else if (PasteIfSameBefore(*slot)) {
      // Printed at this place over these very pixels before: the result is the same.
      fresh_.Cut(slot->area.top, slot->area.bottom);
      pasted = true;
    } else if (++slot->misses >= kMemoMisses) {
      slot->kept = false;  // other pixels every time: keeping them costs more than it saves
      slot->resting = kMemoRest;
      slot = nullptr;
    }
    if (pasted) {
      slot->misses = 0;
      slot = nullptr;
    }
    if (slot && IsEmpty(slot->area)) slot = nullptr;
  }
  if (slot) {
    KeepBefore(*slot);
    draw();
    CopyArea(slot->area, slot->after);
    slot->kept = true;
  } else if (!pasted) {
    draw();
  }
  currentX_ = 0;
  currentY_ += static_cast<float>(face.LineHeight() * FontFace::LineCount(text));
  if (pasted) {
    uniform_ = false;
    Touched();
  } else {
    Drawn();
  }
}

void RasterSurface::DrawHalo(FontFace& face, int32_t x, int32_t y, std::string_view text, Color halo,
                             std::span<const PointL> offsets, Color fore) {
  if (text.size() > kMemoText) {
    face.DrawRepeated(pixels_, x, y, text, offsets, halo, fore);
    return;
  }
  for (HaloMemo& m : halos_) {
    if (m.face != &face || m.fore != fore || m.halo != halo || m.text != text ||
        !std::equal(offsets.begin(), offsets.end(), m.offsets.begin(), m.offsets.end())) {
      continue;
    }
    if (m.state == HaloMemo::State::Seen) {
      // Printed a second time: worth working out.
      const bool planned = m.plan.Build(face, text, offsets, halo, fore, haloScratch_);
      m.state = planned ? HaloMemo::State::Planned : HaloMemo::State::Plain;
    }
    if (m.state == HaloMemo::State::Planned) {
      m.plan.Draw(pixels_, x, y);
    } else {
      face.DrawRepeated(pixels_, x, y, text, offsets, halo, fore);
    }
    return;
  }
  HaloMemo& m = halos_[nextHalo_];
  nextHalo_ = (nextHalo_ + 1) % halos_.size();
  m.face = &face;
  m.text.assign(text);
  m.offsets.assign(offsets.begin(), offsets.end());
  m.fore = fore;
  m.halo = halo;
  m.state = HaloMemo::State::Seen;
  face.DrawRepeated(pixels_, x, y, text, offsets, halo, fore);
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
}  // namespace

void RasterSurface::CopyArea(const RectL& area, std::vector<uint32_t>& out) const {
  const size_t w = static_cast<size_t>(area.right - area.left);
  out.resize(w * static_cast<size_t>(area.bottom - area.top));
  uint32_t* to = out.data();
  for (int32_t y = area.top; y < area.bottom; ++y, to += w) CopyRow(to, pixels_.Row(y) + area.left, w);
}

void RasterSurface::PasteArea(const RectL& area, const std::vector<uint32_t>& in) {
  const size_t w = static_cast<size_t>(area.right - area.left);
  const uint32_t* from = in.data();
  for (int32_t y = area.top; y < area.bottom; ++y, from += w) CopyRow(pixels_.Row(y) + area.left, from, w);
}

void RasterSurface::KeepBefore(PrintMemo& m) const {
  CopyArea(m.area, m.before);
  const uint32_t first = m.before.front();
  m.beforeUniform = std::all_of(m.before.begin(), m.before.end(), [&](uint32_t p) { return p == first; });
  m.beforeColor = first;
  if (m.beforeUniform) m.before.clear();  // one colour: compared with that alone
}

void RasterSurface::NotePasted(const PrintMemo& m) noexcept {
  if (fresh_.top >= fresh_.bottom) return;
  if (fresh_.pasted < fresh_.areas.size() && m.area.top >= fresh_.top && m.area.bottom <= fresh_.bottom) {
    fresh_.areas[fresh_.pasted++] = Pasted{m.area, &m};
  } else {
    fresh_.Cut(m.area.top, m.area.bottom);
  }
}

bool RasterSurface::PasteIfSameBefore(const PrintMemo& m) {
  const size_t w = static_cast<size_t>(m.area.right - m.area.left);
  if (!m.beforeUniform) {
    const uint32_t* was = m.before.data();
    for (int32_t y = m.area.top; y < m.area.bottom; ++y, was += w) {
      if (RowDiffers(pixels_.Row(y) + m.area.left, was, 1, w)) return false;
    }
    PasteArea(m.area, m.after);
    return true;
  }
  // Over one colour, a row is pasted as soon as it is found the same: should a later one differ,
  // the rows pasted go back to that colour.
  const uint32_t* from = m.after.data();
  for (int32_t y = m.area.top; y < m.area.bottom; ++y, from += w) {
    uint32_t* row = pixels_.Row(y) + m.area.left;
    if (RowDiffers(row, &m.beforeColor, 0, w)) {
      for (int32_t back = m.area.top; back < y; ++back) {
        std::fill_n(pixels_.Row(back) + m.area.left, w, m.beforeColor);
      }
      return false;
    }
    CopyRow(row, from, w);
  }
  return true;
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
  if (ghostCount_ > 0) ClearGhosts(kAllRows);
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
    Cover(Intersect(rect, pixels_.Clip()));
    pixels_.GradientRect(rect.left, rect.top, rect.right, rect.bottom, c0, c1, vertical);
  }
  Drawn();
  return true;
}

bool RasterSurface::DrawState(const Picture* icon, int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags) {
  if (!icon || (flags & 0xF) != DST_ICON) return false;
  Prepare(kAllRows.top, kAllRows.bottom);
  pixels_.DrawPicture(*icon, x, y, cx, cy, (flags & DSS_MONO) != 0, kMonoIconColor);
  Drawn();
  return true;
}

}  // namespace vorn
