#pragma once
#include <cstdint>

#include "foundation/ControlSite.h"

namespace vorn {

/// The looks of the scroll bar and the slider (their VisualState), as the hover ticks, a held
/// thumb or knob and the surface's Enabled select them; each control builds its scheme for them.
enum RangeLook : int32_t {
  rlPlain = 0,     // normal, entered when the control is enabled again
  rlHot = 2,       // the pointer rests on the thumb or knob
  rlHeld = 3,      // the thumb or knob is held still with the left button
  rlDisabled = 4,  // the surface is disabled
  rlResting = 5,   // normal once the pointer has left; the slider's focused look shows only here
};

/// A value brought into min .. max: raised to min first, then lowered to max, so that max wins
/// when a stored min lies above it.
int32_t LimitToRange(int64_t value, int32_t min, int32_t max);

/// Min, Max and Value of the scroll bar and the slider, the value last reported, and what the two
/// do alike with them: the lets and the change report. Each control keeps its own mapping between
/// values and positions, and repaints after a let.
class RangeModel {
 public:
  /// Whether the Value let holds a value to Min .. Max (the scroll bar) or stores it as given (the
  /// slider, whose knob then shows beyond the groove until a key or the mouse brings it back).
  enum ValueLimit : uint8_t { LimitsValue, KeepsValue };
  explicit RangeModel(ValueLimit limit) noexcept : limit_(limit) {}

  int32_t Min = 0;
  int32_t Max = 0;
  int32_t Value = 0;
  int32_t LastReportedValue = 0;

  /// A Min not below Max becomes Max - 1; a Value below the new Min is pulled up to it. Marks
  /// "Min", then "Value" when it moved.
  void LetMin(ControlSite& site, int32_t v);
  /// A Max not above Min becomes Min + 1; a Value above the new Max is pulled down to it.
  void LetMax(ControlSite& site, int32_t v);
  /// Nothing happens (false) when v is the current value. Compared with the current value rather
  /// than the last reported one: while disabled nothing is reported, and an assignment back to the
  /// reported value must still take effect; while enabled the two agree after every repaint.
  /// Otherwise v is stored (limited, for the scroll bar) and "Value" marked: the caller repaints.
  bool LetValue(ControlSite& site, int32_t v);
  int32_t Limit(int64_t v) const { return LimitToRange(v, Min, Max); }
  /// The change report, after a repaint of the enabled control: true once for each value that
  /// differs from the one last reported, which it becomes before the event is raised, so that a
  /// handler that assigns Value reports only its own value.
  bool TakeChange() noexcept;

 private:
  ValueLimit limit_;
};

}  // namespace vorn
