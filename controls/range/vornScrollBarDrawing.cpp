// The scroll bar's painting: the track with its frames and dividers, then the thumb. A vertical
// bar is painted as the horizontal one with along and across exchanged, but for the thumb's bevel.
//
// Implementation notes (along a, across c; L the bar's length, E its thickness, B the arrow
// buttons' edge, A = B + 5 the arrow zone, T = A + ThumbPos the thumb's first pixel, N its length;
// lines exclude their end point):
//   track      gradient over 1..L-2 x 1..E-2, entry 4 on the top or left side to entry 3 across
//   zones      outlines in entry 2 of a 1..B+2 and of L-(B+3)..L-2, c 1..E-2; the lit dividers
//              (entry 7) at a = B+3 and L-(B+4), c 1..E-2, so with ThumbPos 0 the thumb's frame
//              (a = T-1 = A-1) follows the first after one pixel of track
//   thumb      glass body over T..T+N-1 x 2..E-1 (bands split across), the bevel inside it, the
//              outline in entry 2 of T-1..T+N x 1..E-2
//   bevel      light on the screen's top and left, dark at its bottom and right in both
//              orientations: it does not exchange axes, and its edges end one pixel apart from
//              where an exchange would put them, so each orientation draws its own four
//   grip       only when N > 10: eight one-pixel lines across at M = T + N/2, light (entry 7) at
//              M-1, M-3, M+1, M+3 over c 5..E-5 and dark (entry 2) at M-2, M-4, M, M+2 over
//              c 4..E-6. An odd N puts M on a half pixel; the surface rounds halves up, so the
//              lines stay evenly spaced.
#include "controls/range/vornScrollBar.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "foundation/Convert.h"
#include "foundation/Gradient.h"

namespace vorn {

void vornScrollBar::PaintBar() {
  Surface& s = UserControl();
  const ColorScheme& S = Scheme_;
  s.Cls();
  s.SetBackColor(S[7]);
  if (LaysOut()) {
    const Axes ax = Along();
    const float L = ax.Along(s);
    const float E = ax.Across(s);
    const float B = ArrowEdge();
    GradientRect(s.hDC(), 1, 1, Nearest(s.ScaleWidth() - 2), Nearest(s.ScaleHeight() - 2), ColorToVertex(S[4]),
                 ColorToVertex(S[3]), ax.vertical ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    ax.Frame(s, 1, 1, B + 2, E - 2, S[2]);
    ax.Frame(s, L - (B + 3), 1, L - 2, E - 2, S[2]);
    ax.Line(s, B + 3, 1, B + 3, E - 1, S[7]);
    ax.Line(s, L - (B + 4), 1, L - (B + 4), E - 1, S[7]);
  }
  if (!s.Enabled()) return;
  const ScrollBarScale scale = Scale();
  ThumbPos_ = scale.ThumbPos(range_.Value);
  const int32_t N = scale.ThumbLength();
  if (N > 0) PaintThumb(scale.ArrowZone + ThumbPos_, N);  // no room between the arrow zones otherwise
}

namespace {

// What a thumb's picture depends on, after the scheme's entries.
enum ThumbKey : size_t { kLength = ColorScheme::kEntries, kThickness, kVertical, kThumbKeySize };

// The thumb of N pixels with its first at T = the along origin; key: the scheme's entries, N, the
// bits of the thickness E and whether the bar is vertical. The across origin is the bar's edge.
void PaintThumbPicture(Surface& s, int32_t x, int32_t y, std::span<const uint32_t> key) {
  DeviceContext& dc = s.hDC();
  auto S = [&](size_t k) { return static_cast<Color>(key[k]); };
  const Axes ax{key[kVertical] != 0};
  const int32_t T = ax.X(x, y);
  const auto N = static_cast<int32_t>(key[kLength]);
  const float E = std::bit_cast<float>(key[kThickness]);
  GlassGradient(dc, ax.X(T, 2), ax.Y(T, 2), ax.X(N, Nearest(E - 2)), ax.Y(N, Nearest(E - 2)), S(2), S(3), S(4),
                ax.vertical ? 2 : 1);
  if (ax.vertical) {
    LinearGradient(dc, 2, T, Nearest(E - 4), 1, S(5), S(6));
    LinearGradient(dc, 2, T, N - 1, 2, S(5), S(7));
    s.Line(3, static_cast<float>(T + N - 1), E - 3, static_cast<float>(T + N - 1), S(7));
    LinearGradient(dc, Nearest(E - 3), T + 1, N - 2, 2, S(6), S(7));
  } else {
    LinearGradient(dc, T, 2, N - 1, 1, S(5), S(6));
    LinearGradient(dc, T, 2, Nearest(E - 4), 2, S(5), S(7));
    s.Line(static_cast<float>(T), E - 3, static_cast<float>(T + N - 1), E - 3, S(7));
    LinearGradient(dc, T + N - 1, 2, Nearest(E - 4), 2, S(6), S(7));
  }
  ax.Frame(s, static_cast<float>(T - 1), 1, static_cast<float>(T + N), E - 2, S(2));
  if (N <= 10) return;
  const float M = static_cast<float>(T) + static_cast<float>(N) / 2.0f;
  for (float d : {-1.0f, -3.0f, 1.0f, 3.0f}) ax.Line(s, M + d, 5, M + d, E - 4, S(7));
  for (float d : {-2.0f, -4.0f, 0.0f, 2.0f}) ax.Line(s, M + d, 4, M + d, E - 5, S(2));
}

}  // namespace

// Every hover tick paints the thumb, at a handful of lengths and schemes: each is worked out once.
void vornScrollBar::PaintThumb(int32_t T, int32_t N) {
  Surface& s = UserControl();
  const Axes ax = Along();
  const float E = ax.Across(s);
  std::array<uint32_t, kThumbKeySize> key;
  std::copy(Scheme_.entry.begin(), Scheme_.entry.end(), key.begin());
  key[kLength] = static_cast<uint32_t>(N);
  key[kThickness] = std::bit_cast<uint32_t>(E);
  key[kVertical] = ax.vertical ? 1 : 0;
  // From the frame before the first pixel to the one after the last, across the whole bar.
  const int32_t across = static_cast<int32_t>(std::ceil(E));
  const RectL bounds{ax.X(-1, 0), ax.Y(-1, 0), ax.X(AddLong(N, 1), across), ax.Y(AddLong(N, 1), across)};
  s.PaintKept(&PaintThumbPicture, key, ax.X(T, 0), ax.Y(T, 0), bounds);
}

}  // namespace vorn
