// The slider's painting: groove, ticks, labels and knob. Sk is entry k of the scheme.
//
// Implementation notes (horizontal; a vertical slider exchanges x and y):
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
  Surface& s = UserControl();
  ++paintCount_;
  if (full) {
    s.Cls();
    DrawGroove();
    DrawTicks();
  }
  if (s.Enabled()) DrawKnob();
}

void vornSlider::DrawGroove() {
  Surface& s = UserControl();
  s.SetBackColor(Scheme_[1]);
  const float SW = s.ScaleWidth();
  const float SH = s.ScaleHeight();
  if (Orientation_ == pbHorizontal) {
    s.Line(8, 8, SW - 8, 8, Scheme_[2]);
    s.Line(8, 9, SW - 8, 9, Scheme_[3]);
    s.Line(8, 10, SW - 8, 10, Scheme_[3]);
    s.Line(8, 11, SW - 8, 11, Scheme_[4]);
    s.Line(7, 9, 7, 11, Scheme_[2]);
    s.Line(SW - 8, 9, SW - 8, 11, Scheme_[4]);
  } else if (Orientation_ == pbVertical) {
    s.Line(8, 8, 8, SH - 8, Scheme_[2]);
    s.Line(9, 8, 9, SH - 8, Scheme_[3]);
    s.Line(10, 8, 10, SH - 8, Scheme_[3]);
    s.Line(11, 8, 11, SH - 8, Scheme_[4]);
    s.Line(9, 7, 11, 7, Scheme_[2]);
    s.Line(9, SH - 8, 11, SH - 8, Scheme_[4]);
  }
}

void vornSlider::DrawTick(float position, float length, Color c) {
  Surface& s = UserControl();
  if (Orientation_ == pbHorizontal) {
    s.Line(position, 15, position, 15 + length, c);
  } else {
    s.Line(15, position, 15 + length, position, c);
  }
}

// Sliders of another orientation show neither ticks nor labels.
void vornSlider::DrawTicks() {
  if (Orientation_ != pbHorizontal && Orientation_ != pbVertical) return;
  const bool half = TickStyle_ == Tick_Half || TickStyle_ == Tick_Half_Value;
  const bool four = TickStyle_ == Tick_Four || TickStyle_ == Tick_Four_Value;
  if (!half && !four) return;
  const Surface& s = UserControl();
  const float L = Orientation_ == pbVertical ? s.ScaleHeight() : s.ScaleWidth();
  const double R = static_cast<double>(Max_) - Min_;
  auto C = [&](int32_t v) { return static_cast<float>(ValueToKnobPos(v) + 10); };
  const Color S4 = Scheme_[4];
  const Color S8 = Scheme_[8];

  // Min plus a share of R, added in double precision: R / 4 x 3 need not fit 32 bits (the sum,
  // lying between Min and Max, does).
  const auto at = [&](double share) { return static_cast<int32_t>(Min_ + std::trunc(share)); };
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
  DrawLabel(Max_, S8, static_cast<float>(Nearest(L - 10.0)));
  DrawLabel(Min_, S8, 10);
}

void vornSlider::DrawLabel(int32_t value, Color c, float position) {
  if (TickStyle_ != Tick_Half_Value && TickStyle_ != Tick_Four_Value) return;
  Surface& s = UserControl();
  const DecimalText text(value);
  if (Orientation_ == pbHorizontal) {
    s.SetCurrentX(static_cast<float>(Fix(position - s.TextWidth(text) / 2.0)));
    s.SetCurrentY(26);
  } else {
    s.SetCurrentX(26);
    s.SetCurrentY(static_cast<float>(Fix(position - s.TextHeight(text) / 2.0)));
  }
  s.SetForeColor(c);
  s.Print(text);
}

void vornSlider::DrawKnob() {
  const int32_t K = ValueToKnobPos(Value_) + 5;
  if (Value_ != LastReportedValue_) {
    // Recorded before raising: a handler that assigns Value repaints (and reports) on its own,
    // and this paint must then not draw the knob where it was.
    LastReportedValue_ = Value_;
    const uint32_t paint = paintCount_;
    events_->ValueChange();
    if (paint != paintCount_) return;
  }
  DrawSliderKnob(UserControl(), Scheme_, K, Orientation_);
}

}  // namespace vorn
