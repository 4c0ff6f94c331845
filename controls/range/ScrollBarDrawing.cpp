// The scroll bar's painting: the track with its frames and dividers, then the thumb.
//
// Implementation notes (horizontal; vertical exchanges the axes). B is the arrow buttons' edge,
// A = B + 5 the arrow zone, T = A + ThumbPos the thumb's first pixel, L its length. Lines exclude
// their end point.
//   track      gradient over 1..SW-2 x 1..SH-2, entry 4 at the top to entry 3 at the bottom
//   start zone frame in entry 2: columns 1 and B+2, rows 1 and SH-2; the lit divider (entry 7) is
//              column B+3, so with ThumbPos 0 the thumb's frame (column T-1 = A-1) follows it
//              after one pixel of track
//   end zone   the mirror image: columns SW-2 and SW-(B+3), lit divider SW-(B+4)
//   thumb      glass body over T..T+L-1 x 2..SH-3 (bands split at the middle), a bevel of
//              gradient lines inside it, a frame in entry 2 around it (columns T-1 and T+L,
//              rows 1 and SH-2)
//   grip       only when L > 10: eight one-pixel lines around M = T + L/2, light (entry 7) at
//              M-1, M-3, M+1, M+3 and dark (entry 2) at M-2, M-4, M, M+2; the light ones are one
//              pixel shorter at each end. An odd L puts M on a half pixel; the surface rounds
//              halves up, so the lines stay evenly spaced.
#include "controls/range/vornScrollBar.h"

#include "foundation/Convert.h"
#include "foundation/Gradient.h"

namespace vorn {

void vornScrollBar::DrawTrack() {
  ++repaints_;
  Surface& s = UserControl();
  const ColorScheme& S = Scheme_;
  s.Cls();
  s.SetBackColor(S[7]);
  DeviceContext& dc = s.hDC();
  const float B = ArrowEdge();
  if (Orientation_ == pbHorizontal) {
    const float SW = s.ScaleWidth();
    const float SH = s.ScaleHeight();
    GradientRect(dc, 1, 1, Nearest(SW - 2), Nearest(SH - 2), ColorToVertex(S[4]), ColorToVertex(S[3]),
                 GRADIENT_FILL_RECT_V);
    s.Line(1, 1, 1, SH - 2, S[2]);
    s.Line(1, 1, B + 2, 1, S[2]);
    s.Line(B + 2, 1, B + 2, SH - 2, S[2]);
    s.Line(1, SH - 2, B + 3, SH - 2, S[2]);
    s.Line(SW - 2, 1, SW - 2, SH - 2, S[2]);
    s.Line(SW - 2, 1, SW - (B + 3), 1, S[2]);
    s.Line(SW - (B + 3), 1, SW - (B + 3), SH - 1, S[2]);
    s.Line(SW - 2, SH - 2, SW - (B + 3), SH - 2, S[2]);
    s.Line(B + 3, 1, B + 3, SH - 1, S[7]);
    s.Line(SW - (B + 4), 1, SW - (B + 4), SH - 1, S[7]);
  } else if (Orientation_ == pbVertical) {
    const float SW = s.ScaleWidth();
    const float SH = s.ScaleHeight();
    GradientRect(dc, 1, 1, Nearest(SW - 2), Nearest(SH - 2), ColorToVertex(S[4]), ColorToVertex(S[3]),
                 GRADIENT_FILL_RECT_H);
    s.Line(1, 1, SW - 1, 1, S[2]);
    s.Line(1, 1, 1, B + 2, S[2]);
    s.Line(1, B + 2, SW - 1, B + 2, S[2]);
    s.Line(SW - 2, 1, SW - 2, B + 2, S[2]);
    s.Line(1, SH - 2, SW - 1, SH - 2, S[2]);
    s.Line(1, SH - 2, 1, SH - (B + 3), S[2]);
    s.Line(1, SH - (B + 3), SW - 1, SH - (B + 3), S[2]);
    s.Line(SW - 2, SH - 2, SW - 2, SH - (B + 3), S[2]);
    s.Line(1, B + 3, SW - 1, B + 3, S[7]);
    s.Line(1, SH - (B + 4), SW - 1, SH - (B + 4), S[7]);
  }
  if (s.Enabled()) DrawThumb();
}

void vornScrollBar::DrawThumb() {
  ValueToThumbPos(Value_);
  if (Value_ != LastReportedValue_) {
    // Reported before the event, so a handler that repaints does not report the same value again.
    LastReportedValue_ = Value_;
    const uint32_t before = repaints_;
    events_->ValueChanged();
    if (repaints_ != before) return;  // the handler changed the bar and it has been repainted
  }
  const int32_t T = ArrowZoneLength() + ThumbPos_;
  const int32_t L = ThumbLength();
  if (L <= 0) return;  // no room between the arrow zones
  if (Orientation_ == pbHorizontal) {
    DrawHorizontalThumb(T, L);
  } else if (Orientation_ == pbVertical) {
    DrawVerticalThumb(T, L);
  }
}

void vornScrollBar::DrawHorizontalThumb(int32_t T, int32_t L) {
  Surface& s = UserControl();
  DeviceContext& dc = s.hDC();
  const ColorScheme& S = Scheme_;
  const float SH = s.ScaleHeight();
  GlassGradient(dc, T, 2, L, Nearest(SH - 2), S[2], S[3], S[4], 1);
  LinearGradient(dc, T, 2, L - 1, 1, S[5], S[6]);
  LinearGradient(dc, T, 2, Nearest(SH - 4), 2, S[5], S[7]);
  s.Line(static_cast<float>(T), SH - 3, static_cast<float>(T + L - 1), SH - 3, S[7]);
  LinearGradient(dc, T + L - 1, 2, Nearest(SH - 4), 2, S[6], S[7]);
  const float before = static_cast<float>(T - 1);
  const float after = static_cast<float>(T + L);
  s.Line(before, 1, before, SH - 1, S[2]);
  s.Line(before, 1, after, 1, S[2]);
  s.Line(after, 1, after, SH - 1, S[2]);
  s.Line(after, SH - 2, before, SH - 2, S[2]);
  if (L <= 10) return;
  const float M = static_cast<float>(T) + static_cast<float>(L) / 2.0f;
  for (float d : {-1.0f, -3.0f, 1.0f, 3.0f}) s.Line(M + d, 5, M + d, SH - 4, S[7]);
  for (float d : {-2.0f, -4.0f, 0.0f, 2.0f}) s.Line(M + d, 4, M + d, SH - 5, S[2]);
}

void vornScrollBar::DrawVerticalThumb(int32_t T, int32_t L) {
  Surface& s = UserControl();
  DeviceContext& dc = s.hDC();
  const ColorScheme& S = Scheme_;
  const float SW = s.ScaleWidth();
  GlassGradient(dc, 2, T, Nearest(SW - 2), L, S[2], S[3], S[4], 2);
  LinearGradient(dc, 2, T, Nearest(SW - 4), 1, S[5], S[6]);
  LinearGradient(dc, 2, T, L - 1, 2, S[5], S[7]);
  s.Line(3, static_cast<float>(T + L - 1), SW - 3, static_cast<float>(T + L - 1), S[7]);
  LinearGradient(dc, Nearest(SW - 3), T + 1, L - 2, 2, S[6], S[7]);
  const float before = static_cast<float>(T - 1);
  const float after = static_cast<float>(T + L);
  s.Line(1, before, SW - 1, before, S[2]);
  s.Line(1, before, 1, after, S[2]);
  s.Line(1, after, SW - 1, after, S[2]);
  s.Line(SW - 2, after, SW - 2, before, S[2]);
  if (L <= 10) return;
  const float M = static_cast<float>(T) + static_cast<float>(L) / 2.0f;
  for (float d : {-1.0f, -3.0f, 1.0f, 3.0f}) s.Line(5, M + d, SW - 4, M + d, S[7]);
  for (float d : {-2.0f, -4.0f, 0.0f, 2.0f}) s.Line(4, M + d, SW - 5, M + d, S[2]);
}

}  // namespace vorn
