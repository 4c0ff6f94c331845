#pragma once
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

#include "foundation/Geometry.h"
#include "host/pixels/PixelBuffer.h"

namespace vorn {

struct RecentPrint;

/// The clearing a raster surface's Cls leaves waiting. Every repaint starts with Cls and then
/// mostly covers the surface with a gradient, so the part still to be cleared waits; a gradient
/// rectangle that covers a whole side of it takes that side off, and anything else (another
/// primitive, reading the pixels) clears what is left first.
///
/// It also knows which rows of the whole width a clear left one colour (the fresh rows), but for
/// the prints pasted there since: a kept print over them is pasted without looking. A Cls over
/// those rows clears only the others and leaves those prints in place as ghosts, which the same
/// print at the same place takes as they are; anything that draws where a ghost lies clears it.
class LazyClear {
 public:
  struct RowSpan {
    int32_t top, bottom;
  };
  static constexpr RowSpan kAllRows{INT32_MIN, INT32_MAX};

  bool Pending() const noexcept { return pending_.left < pending_.right && pending_.top < pending_.bottom; }
  bool HasGhosts() const noexcept { return ghostCount_ > 0; }

  /// A Cls of the clip rectangle with fill; whole when the clip is the whole picture.
  void Clear(PixelBuffer& pixels, uint32_t fill, bool whole) noexcept;
  /// Clears what a Cls left to clear.
  void Settle(PixelBuffer& pixels) noexcept;
  /// Every clear that waits is done: the pixels are the picture.
  void Finish(PixelBuffer& pixels) noexcept {
    if (Pending()) Settle(pixels);
    if (ghostCount_ > 0) ClearGhosts(pixels, kAllRows);
  }
  /// Before drawing within rows [top, bottom): what a Cls left to clear there is cleared.
  void Prepare(PixelBuffer& pixels, int32_t top, int32_t bottom) noexcept {
    if (Pending()) Settle(pixels);
    if (ghostCount_ > 0 && top < ghostRows_.bottom && bottom > ghostRows_.top) ClearGhosts(pixels, RowSpan{top, bottom});
  }
  /// Takes a rectangle that is about to be painted over off the part still to be cleared: while
  /// what is left stays a rectangle it waits, otherwise it is cleared now.
  void Cover(PixelBuffer& pixels, const RectL& r) noexcept {
    if (Pending()) CoverPending(pixels, r);
  }
  /// Clears the ghosts that reach into rows.
  void ClearGhosts(PixelBuffer& pixels, RowSpan rows) noexcept;
  /// After drawing anywhere: lets go of the fresh rows (clearing the ghosts, which need them no
  /// more than anything else).
  void ForgetFresh(PixelBuffer& pixels) noexcept {
    if (ghostCount_ > 0) ClearGhosts(pixels, kAllRows);
    fresh_.Forget();
  }
  /// After drawing within rows [from, to).
  void CutFresh(int32_t from, int32_t to) noexcept { fresh_.Cut(from, to); }
  /// The picture was replaced (resized and filled): nothing waits.
  void Reset() noexcept {
    pending_ = RectL{};
    fresh_.Forget();
    ghostCount_ = 0;
  }

  // Inline, as the ones above: a repaint that draws what it drew before is mostly these calls.

  /// Whether every pixel of area holds c because a clear left it so.
  bool FreshHolds(const RectL& area, uint32_t c) const noexcept {
    if (c != fresh_.color || area.top < fresh_.top || area.bottom > fresh_.bottom) return false;
    for (size_t i = 0; i < fresh_.pasted; ++i) {
      if (!IsEmpty(Intersect(area, fresh_.areas[i].area))) return false;
    }
    return true;
  }
  /// Notes that area, where it lies in the fresh rows, holds print's pixels.
  void NotePasted(const RecentPrint* print, const RectL& area) noexcept {
    if (fresh_.top >= fresh_.bottom) return;
    if (fresh_.pasted < fresh_.areas.size() && area.top >= fresh_.top && area.bottom <= fresh_.bottom) {
      fresh_.areas[fresh_.pasted++] = Pasted{area, print};
    } else {
      fresh_.Cut(area.top, area.bottom);
    }
  }
  /// Takes the ghost of print at area, over color, when no other ghost reaches into it: its
  /// pixels are those the print gives. False if there is none.
  bool TakeGhost(const RecentPrint* print, const RectL& area, uint32_t color) noexcept {
    size_t found = ghostCount_;
    for (size_t i = 0; i < ghostCount_; ++i) {
      const Ghost& g = ghosts_[i];
      if (g.print == print && g.area == area && g.color == color) {
        found = i;
      } else if (!IsEmpty(Intersect(g.area, area))) {
        return false;  // another one reaches into it
      }
    }
    if (found == ghostCount_) return false;
    ghosts_[found] = ghosts_[--ghostCount_];
    return true;
  }

 private:
  // A print pasted into the fresh rows: whose pixels the area holds.
  struct Pasted {
    RectL area;
    const RecentPrint* print;
  };
  struct Fresh {
    int32_t top = 0, bottom = 0;  // empty: knows nothing
    uint32_t color = 0;
    std::array<Pasted, 8> areas{};
    size_t pasted = 0;
    void Forget() noexcept { top = bottom = 0; }
    /// Rows [from, to) were drawn over.
    void Cut(int32_t from, int32_t to) noexcept {
      if (to <= top || from >= bottom) return;
      // What is left on either side of the rows drawn over; the larger part stays.
      if (from - top >= bottom - to) {
        bottom = std::max(from, top);
      } else {
        top = std::min(to, bottom);
      }
    }
  };
  // A print pasted into fresh rows that a Cls since has to clear. Its pixels are left as they are
  // until something needs them: printed there again, as every repaint does, it costs nothing.
  struct Ghost {
    RectL area;
    uint32_t color;  // what the Cls left there
    const RecentPrint* print;
  };
  void CoverPending(PixelBuffer& pixels, const RectL& r) noexcept;

  RectL pending_{};  // empty when nothing waits
  uint32_t pendingColor_ = 0;
  Fresh fresh_;
  std::array<Ghost, 8> ghosts_{};
  size_t ghostCount_ = 0;
  RowSpan ghostRows_{0, 0};  // the rows the ghosts reach into, or more
};

}  // namespace vorn
