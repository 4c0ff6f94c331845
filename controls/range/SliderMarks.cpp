#include "controls/range/SliderMarks.h"

#include <cmath>

#include "controls/range/vornSlider.h"
#include "foundation/Convert.h"

namespace vorn {

std::span<const SliderMarks::Mark> SliderMarks::For(const SliderScale& scale, int32_t tickStyle, bool vertical,
                                                    Surface& s, int32_t& knobPos) {
  const Ref<Font> font = s.GetFont();
  if (!valid_ || scale.Min != scale_.Min || scale.Max != scale_.Max || scale.Length != scale_.Length ||
      tickStyle != tickStyle_ || vertical != vertical_ || font.get() != font_.get() ||
      font->Revision() != fontRevision_) {
    valid_ = false;
    WorkOut(scale, tickStyle, vertical, s);
    scale_ = scale;
    tickStyle_ = tickStyle;
    vertical_ = vertical;
    font_ = font;
    fontRevision_ = font->Revision();
    valid_ = true;
  }
  if (placedValue_) knobPos = lastKnobPos_;
  return {marks_.data(), count_};
}

void SliderMarks::WorkOut(const SliderScale& scale, int32_t tickStyle, bool vertical, Surface& s) {
  count_ = 0;
  placedValue_ = false;
  const bool half = tickStyle == Tick_Half || tickStyle == Tick_Half_Value;
  const bool four = tickStyle == Tick_Four || tickStyle == Tick_Four_Value;
  if (!half && !four) return;
  const bool labels = tickStyle == Tick_Half_Value || tickStyle == Tick_Four_Value;
  const float L = scale.Length;
  const int32_t Min = scale.Min;
  const int32_t Max = scale.Max;
  const double R = static_cast<double>(Max) - Min;
  auto C = [&](int32_t v) {
    lastKnobPos_ = scale.KnobPos(v);
    placedValue_ = true;
    return static_cast<float>(lastKnobPos_ + 10);
  };
  auto tick = [&](Mark::Kind kind, float along) { marks_[count_++] = Mark{kind, along}; };
  // Centred on its tick.
  auto label = [&](int32_t value, float position) {
    if (!labels) return;
    const DecimalText text(value);
    const float extent = vertical ? s.TextHeight(text) : s.TextWidth(text);
    marks_[count_++] = Mark{Mark::Label, static_cast<float>(Fix(position - extent / 2.0)), text};
  };

  // Min plus a share of R, added in double precision: R / 4 x 3 need not fit 32 bits (the sum,
  // lying between Min and Max, does).
  const auto at = [&](double share) { return static_cast<int32_t>(Min + std::trunc(share)); };
  const int32_t m = at(R / 2);
  const float cm = C(m);
  tick(Mark::LongTick, cm);
  tick(Mark::LongTick, 10);
  tick(Mark::LongTick, L - 10);
  label(m, cm);
  if (four) {
    const int32_t q1 = at(R / 4);
    const float c1 = C(q1);
    tick(Mark::ShortTick, c1);
    label(q1, c1);
    const int32_t q3 = at(R / 4 * 3);
    const float c3 = C(q3);
    tick(Mark::ShortTick, c3);
    label(q3, c3);
  }
  label(Max, static_cast<float>(Nearest(L - 10.0)));
  label(Min, 10);
}

}  // namespace vorn
