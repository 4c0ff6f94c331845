// The slider's painting: groove, ticks, labels and knob. Sk is entry k of the scheme.
//
// Implementation notes (horizontal; a vertical slider exchanges x and y, labels included):
//   groove   rows 8 (S2), 9 and 10 (S3), 11 (S4) from x 8 to SW - 9; end caps on rows 9 .. 10 at
//            x 7 (S2) and x SW - 8 (S4). Lines exclude their end points.
//   ticks    at C(v) = knob offset of v + 10, rows 15 .. 24 (long, S8) or 15 .. 19 (short, S4);
//            the two end ticks sit at 10 and L - 10 whatever Min and Max are
//   labels   from row 26 (under the ticks), centred on their tick; only for the _Value styles
#include "controls/range/SliderKnob.h"
#include "controls/range/vornSlider.h"

namespace vorn {

void vornSlider::RedrawSlider(bool full) {
  PaintSlider(full);
  // Reported once the picture is complete: a handler that changes the slider repaints it again.
  if (UserControl().Enabled() && range_.TakeChange()) RaiseEvent<&Events::ValueChange>();
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

// Sliders of another orientation show neither ticks nor labels.
void vornSlider::DrawTicks() {
  if (!LaysOut()) return;
  Surface& s = UserControl();
  const Axes ax = Along();
  for (const SliderMarks::Mark& m : marks_.For(Scale(), TickStyle_, ax.vertical, s, KnobPos_)) {
    switch (m.kind) {
      case SliderMarks::Mark::LongTick: ax.Line(s, m.along, 15, m.along, 25, Scheme_[8]); break;
      case SliderMarks::Mark::ShortTick: ax.Line(s, m.along, 15, m.along, 20, Scheme_[4]); break;
      case SliderMarks::Mark::Label:  // from 26 across
        s.SetCurrentX(ax.X(m.along, 26.0f));
        s.SetCurrentY(ax.Y(m.along, 26.0f));
        s.SetForeColor(Scheme_[8]);
        s.Print(m.text);
        break;
    }
  }
}

}  // namespace vorn
