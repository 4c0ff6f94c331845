#include "host/raster/LazyClear.h"

namespace vorn {

void LazyClear::Clear(PixelBuffer& pixels, uint32_t fill, bool whole) noexcept {
  const RectL& clip = pixels.Clip();
  if (Pending() && (pendingColor_ != fill || Intersect(pending_, clip) != pending_)) Settle(pixels);
  pending_ = clip;
  pendingColor_ = fill;
  const int32_t h = pixels.Height();
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
        ghosts_[ghostCount_++] = Ghost{p.area, fill, p.print};
      } else {
        pixels.FillRect(p.area.left, p.area.top, p.area.right, p.area.bottom, fill);
      }
    }
    fresh_.pasted = 0;
    if (fresh_.top == 0) {
      pending_.top = fresh_.bottom;
    } else {
      pending_.bottom = fresh_.top;
    }
  } else {
    ForgetFresh(pixels);  // until the clear is done
  }
  if (!Pending()) pending_ = RectL{};
}

void LazyClear::Settle(PixelBuffer& pixels) noexcept {
  // Ghosts where the clear goes are cleared with it (first: theirs may be another colour).
  if (ghostCount_ > 0) ClearGhosts(pixels, RowSpan{pending_.top, pending_.bottom});
  const RectL clip = pixels.Clip();
  pixels.ClearClip();
  pixels.FillRect(pending_.left, pending_.top, pending_.right, pending_.bottom, pendingColor_);
  pixels.SetClip(clip);
  if (pending_.left <= 0 && pending_.right >= pixels.Width()) {
    const int32_t top = std::max(pending_.top, 0);
    const int32_t bottom = std::min(pending_.bottom, pixels.Height());
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
  pending_ = RectL{};
}

void LazyClear::CoverPending(PixelBuffer& pixels, const RectL& r) noexcept {
  RectL& p = pending_;
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
    const RectL clip = pixels.Clip();
    pixels.ClearClip();
    pixels.FillRect(p.left, p.top, p.right, in.top, pendingColor_);
    pixels.FillRect(p.left, in.bottom, p.right, p.bottom, pendingColor_);
    pixels.FillRect(p.left, in.top, in.left, in.bottom, pendingColor_);
    pixels.FillRect(in.right, in.top, p.right, in.bottom, pendingColor_);
    pixels.SetClip(clip);
    p = RectL{};
  }
  if (!Pending()) pending_ = RectL{};
}

void LazyClear::ClearGhosts(PixelBuffer& pixels, RowSpan rows) noexcept {
  for (size_t i = 0; i < ghostCount_;) {
    const Ghost& g = ghosts_[i];
    if (g.area.bottom <= rows.top || g.area.top >= rows.bottom) {
      ++i;
      continue;
    }
    // Its area lies within the picture (and was within the clip when it was printed).
    for (int32_t y = g.area.top; y < g.area.bottom; ++y) {
      std::fill(pixels.Row(y) + g.area.left, pixels.Row(y) + g.area.right, g.color);
    }
    ghosts_[i] = ghosts_[--ghostCount_];
  }
}

}  // namespace vorn
