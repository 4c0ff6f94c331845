// The slider's painting: groove, ticks, labels and knob. Sk is entry k of the scheme.
//
// Implementation notes (horizontal; a vertical slider exchanges x and y, labels included):
//   groove   rows 8 (S2), 9 and 10 (S3), 11 (S4) from x 8 to SW - 9; end caps on rows 9 .. 10 at
//            x 7 (S2) and x SW - 8 (S4). Lines exclude their end points.
//   ticks    at C(v) = knob offset of v + 10, rows 15 .. 24 (long, S8) or 15 .. 19 (short, S4);
//            the two end ticks sit at 10 and L - 10 whatever Min and Max are
//   labels   from row 26 (under the ticks), centred on their tick; only for the _Value styles
#include <cmath>

#include "controls/range/SliderKnob.h"
#include "controls/range/vornSlider.h"
#include "foundation/Convert.h"
#include "foundation/DecimalText.h"

namespace vorn {

void vornSlider::RedrawSlider(bool full) {
  PaintSlider(full);
  // Reported once the picture is complete: a handler that changes the slider repaints it again.
  if (UserControl().Enabled() && range_.TakeChange()) events_->ValueChange();
}

void vornSlider::PaintSlider(bool full) {
  Surface& s = UserControl();
  if (full) {
    s.Cls();
    DrawGroove();
    DrawTicks();
  }
  if (s.Enabled()) DrawSliderKnob(s, Scheme_, ValueToKnobPos(range_.Value) + 5, Orientation_);
}

void vornSlider::DrawGroove() {
  Surface& s = UserControl();
  s.SetBackColor(Scheme_[1]);
  if (!LaysOut()) return;
  const Axes ax = Along();
  const float L = ax.Along(s);
  ax.Line(s, 8, 8, L - 8, 8, Scheme_[2]);
  ax.Line(s, 8, 9, L - 8, 9, Scheme_[3]);
  ax.Line(s, 8, 10, L - 8, 10, Scheme_[3]);
  ax.Line(s, 8, 11, L - 8, 11, Scheme_[4]);
  ax.Line(s, 7, 9, 7, 11, Scheme_[2]);
  ax.Line(s, L - 8, 9, L - 8, 11, Scheme_[4]);
}

void vornSlider::DrawTick(float position, float length, Color c) {
  Along().Line(UserControl(), position, 15, position, 15 + length, c);
}

// Sliders of another orientation show neither ticks nor labels.
void vornSlider::DrawTicks() {
  if (!LaysOut()) return;
  const bool half = TickStyle_ == Tick_Half || TickStyle_ == Tick_Half_Value;
  const bool four = TickStyle_ == Tick_Four || TickStyle_ == Tick_Four_Value;
  if (!half && !four) return;
  const float L = Along().Along(UserControl());
  const int32_t Min = range_.Min;
  const int32_t Max = range_.Max;
  const double R = static_cast<double>(Max) - Min;
  auto C = [&](int32_t v) { return static_cast<float>(ValueToKnobPos(v) + 10); };
  const Color S4 = Scheme_[4];
  const Color S8 = Scheme_[8];

  // Min plus a share of R, added in double precision: R / 4 x 3 need not fit 32 bits (the sum,
  // lying between Min and Max, does).
  const auto at = [&](double share) { return static_cast<int32_t>(Min + std::trunc(share)); };
  const int32_t m = at(R / 2);
  DrawTick(C(m), 10, S8);
  DrawTick(10, 10, S8);
  DrawTick(L - 10, 10, S8);
  DrawLabel(m, S8, C(m));
  if (four) {
    const int32_t q1 = at(R / 4);
    const int32_t q3 = at(R / 4 * 3);
    DrawTick(C(q1), 5, S4);
    DrawLabel(q1, S8, C(q1));
    DrawTick(C(q3), 5, S4);
    DrawLabel(q3, S8, C(q3));
  }
  DrawLabel(Max, S8, static_cast<float>(Nearest(L - 10.0)));
  DrawLabel(Min, S8, 10);
}

// Centred on its tick along, from 26 across.
void vornSlider::DrawLabel(int32_t value, Color c, float position) {
  if (TickStyle_ != Tick_Half_Value && TickStyle_ != Tick_Four_Value) return;
  Surface& s = UserControl();
  const Axes ax = Along();
  const DecimalText text(value);
  const float extent = ax.vertical ? s.TextHeight(text) : s.TextWidth(text);
  const auto along = static_cast<float>(Fix(position - extent / 2.0));
  s.SetCurrentX(ax.X(along, 26.0f));
  s.SetCurrentY(ax.Y(along, 26.0f));
  s.SetForeColor(c);
  s.Print(text);
}

}  // namespace vorn
