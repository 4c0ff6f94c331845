// The progress bar's painting. W and H are the scale size, nearest() rounds ties to even.
//
// Implementation notes:
//   frame    the glass face of the buttons, split along the orientation (none for other values)
//   cells    6 deep, pitch 8, from x 4 (horizontal, rows 3 .. H-4) or up from y H-10 (vertical,
//            columns 3 .. W-4); capacity floor((L)/8) with L = W-6 or H-6; a positive value shows
//            at least one cell, 100 shows them all
//   trail    the leading block's far edge at P = PercentOf(S + 19, Value), the other two 8 and 16
//            behind; blocks are cut off at 3 and at S - 3, so the trail enters at 0 and has left
//            completely at 100
//   caption  printed 16 times around its place (1 and 2 pixels off) in the back colour, then once
//            in the fore colour: a halo that keeps it readable over the cells (the surface's
//            PrintWithHalo, which a host may do in one pass)
#include <algorithm>

#include "controls/button/GlassFace.h"
#include "controls/progress/vornProgressBar.h"
#include "foundation/Axes.h"
#include "foundation/Convert.h"
#include "foundation/DecimalText.h"
#include "foundation/Gradient.h"

namespace vorn {

namespace {
constexpr Color kWhite = 0xFFFFFF;

struct CellColors {
  Color c1, c2, c3;
};

// The weights are the back colour's share: larger weights are paler.
CellColors Blend(Color back, Color fore, int32_t w1, int32_t w2, int32_t w3) {
  return {BlendColor(back, fore, w1), BlendColor(back, fore, w2), BlendColor(back, fore, w3)};
}

constexpr PointL kHalo[] = {{-1, 0}, {0, -1}, {1, 0},  {0, 1},  {-1, -1}, {1, -1}, {1, 1},  {-1, 1},
                            {-2, 0}, {0, -2}, {2, 0},  {0, 2},  {-2, -2}, {2, -2}, {2, 2},  {-2, 2}};
}  // namespace

void vornProgressBar::Redraw() {
  Surface& s = UserControl();
  s.Cls();
  const bool enabled = s.Enabled();
  Scheme_ = enabled ? PaletteNormal(BackColor_, ForeColor_, kWhite) : PaletteDisabled(BackColor_, ForeColor_, kWhite);
  s.SetBackColor(BackColor_);
  DrawGlassFace(s, Scheme_, 3, Orientation_);
  if (!enabled) return;
  // Any other orientation or style draws no bar.
  if (Value_ > 0 && (Orientation_ == pbHorizontal || Orientation_ == pbVertical)) {
    const double W = s.ScaleWidth();
    const double H = s.ScaleHeight();
    if (Style_ == tNormal) DrawCells(s.hDC(), W, H);
    if (Style_ == tSearch) DrawSearchTrail(s.hDC(), W, H);
  }
  DrawCaption();
}

// A vertical bar fills from the bottom: its cells stand where a horizontal bar's lie, exchanged
// and counted up from y H-6.
void vornProgressBar::DrawCells(DeviceContext& dc, double W, double H) {
  const Axes ax{Orientation_ == pbVertical};
  const double across = ax.vertical ? W : H;
  const int32_t L = Nearest((ax.vertical ? H : W) - 6);
  int32_t M = Fix(L / 8.0);
  if (int64_t{M} * 8 > L) --M;
  const int32_t F = PercentOf(L, Value_);
  const int32_t N = std::min(M, Fix(F / 8.0) + 1);
  const CellColors c = Blend(BackColor_, ForeColor_, 180, 140, 80);
  const int32_t depth = Nearest(across - 3);
  for (int32_t i = 1; i <= N; ++i) {
    const int32_t k = 4 + 8 * (i - 1);
    const int32_t a = ax.vertical ? Nearest(H - 6 - k) : k;
    GlassGradient(dc, ax.X(a, 3), ax.Y(a, 3), ax.X(6, depth), ax.Y(6, depth), c.c1, c.c2, c.c3, ax.vertical ? 2 : 1);
  }
}

// The trail's two orientations are not an exchange of axes: a vertical trail rises from the bottom
// and rounds its fractional top, so each keeps its own clipping at the ends.
void vornProgressBar::DrawSearchTrail(DeviceContext& dc, double W, double H) {
  const bool vertical = Orientation_ == pbVertical;
  const int32_t P = PercentOf(Nearest((vertical ? H : W) - 6 + 24 + 1), Value_);
  const CellColors colors[3] = {Blend(BackColor_, ForeColor_, 180, 140, 80),
                                Blend(BackColor_, ForeColor_, 198, 165, 120),
                                Blend(BackColor_, ForeColor_, 210, 180, 130)};
  for (int32_t j = 0; j < 3; ++j) {
    const int32_t o = 8 * j;
    if (j > 0 && P <= o) continue;  // the middle and last blocks follow only once there is room
    const CellColors& c = colors[j];
    if (!vertical) {
      int32_t E = P - o;  // right edge, exclusive
      int32_t w = E - 3 < 6 ? E - 3 : 6;
      if (W - 3 < E) {
        E = Nearest(W - 3);
        w = Nearest(6 - ((P - o) - (W - 3)));
      }
      if (w >= 1) GlassGradient(dc, E - w, 3, w, Nearest(H - 3), c.c1, c.c2, c.c3, 1);
    } else {
      const double top = H - P + o;
      int32_t T = Nearest(top);
      int32_t h = 6;
      if (T > 3) {
        if (H - 3 > T) {
          h = (H - 3) - T >= 6 ? 6 : Nearest((H - 3) - T);
        } else {
          h = 0;
        }
      } else {
        T = 3;
        if (top < 3) h = Nearest(6 - (3 - top));
      }
      if (h >= 1) GlassGradient(dc, 3, T, Nearest(W - 3), h, c.c1, c.c2, c.c3, 2);
    }
  }
}

void vornProgressBar::DrawCaption() {
  if (Caption_.empty() || Orientation_ == pbVertical) return;
  const DecimalText percent(Value_, " %");
  std::string_view text = Caption_;
  if (Caption_ == "%") {
    text = Style_ == tNormal ? percent.View() : Style_ == tSearch ? std::string_view("Searching...") : "%";
  }
  // The caption uses the surface's font, which is the control's own.
  Surface& s = UserControl();
  const int32_t cx = Fix(s.ScaleWidth() / 2.0 - s.TextWidth(text) / 2.0);
  const int32_t cy = Fix(s.ScaleHeight() / 2.0 - s.TextHeight("I") / 2.0);
  s.SetForeColor(ForeColor_);
  s.SetCurrentX(static_cast<float>(cx));
  s.SetCurrentY(static_cast<float>(cy));
  s.PrintWithHalo(text, BackColor_, kHalo);
}

}  // namespace vorn
