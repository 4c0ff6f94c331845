#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "controls/range/SliderScale.h"
#include "foundation/DecimalText.h"
#include "foundation/Surface.h"

namespace vorn {

/// The ticks and value labels of a slider, in the order they are painted, with their places.
/// Every hover tick repaints them, and they only move when the range, the length, the tick style,
/// the orientation or the font changes: they are worked out again only then.
class SliderMarks {
 public:
  struct Mark {
    enum Kind : uint8_t { LongTick, ShortTick, Label } kind;
    float along;       // a tick's place, or where a label starts
    DecimalText text{0};  // a label's
  };

  /// The marks of a horizontal or vertical slider (labels measured in s's font). knobPos is set
  /// to the knob offset of the last value placed, as working them out always left it.
  std::span<const Mark> For(const SliderScale& scale, int32_t tickStyle, bool vertical, Surface& s,
                            int32_t& knobPos);

 private:
  void WorkOut(const SliderScale& scale, int32_t tickStyle, bool vertical, Surface& s);

  // What they were worked out for.
  bool valid_ = false;
  SliderScale scale_{};
  int32_t tickStyle_ = 0;
  bool vertical_ = false;
  Ref<Font> font_;
  uint32_t fontRevision_ = 0;

  std::array<Mark, 10> marks_{};  // five ticks and five labels at most
  size_t count_ = 0;
  bool placedValue_ = false;  // lastKnobPos_ holds something
  int32_t lastKnobPos_ = 0;
};

}  // namespace vorn
