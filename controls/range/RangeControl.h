#pragma once
#include <array>

#include "controls/ColouredControl.h"
#include "controls/range/RangeModel.h"
#include "foundation/Axes.h"
#include "foundation/ColorScheme.h"
#include "foundation/HoverTracker.h"
#include "foundation/Orientation.h"

namespace vorn {

/// What the scroll bar and the slider share: Min, Max and Value in a range model (each control has
/// its own lets, which repaint it), Orientation, the look the hover ticks, a held thumb or knob and
/// the surface's Enabled select, with the scheme the control builds for it, and the hover tracker
/// whose MousePos timer runs the control's MousePos_Timer.
template <unsigned Surface>
class RangeControl : public ColouredControl<Surface> {
 public:
  int32_t get_Min() const { return range_.Min; }
  int32_t get_Max() const { return range_.Max; }
  int32_t get_Value() const { return range_.Value; }
  int32_t get_Orientation() const { return Orientation_; }
  void put_Orientation(int32_t v) { this->Let(Orientation_, v); }

  virtual void MousePos_Timer() = 0;

  // State, for hosts and tests that look inside.
  RangeLook VisualState() const noexcept { return VisualState_; }
  bool Dragging() const noexcept { return Dragging_; }
  int32_t LastReportedValue() const noexcept { return range_.LastReportedValue; }
  const ColorScheme& Scheme() const noexcept { return Scheme_; }
  Timer& MousePos() noexcept { return hover_.MousePos(); }

 protected:
  RangeControl(ControlSite& site, RangeModel::ValueLimit limit, RangeLook look)
      : ColouredControl<Surface>(site),
        range_(limit),
        VisualState_(look),
        hover_(site, [this] { MousePos_Timer(); }) {}

  /// Only the two orientations lay anything out; any other value paints an empty control.
  bool LaysOut() const noexcept { return Orientation_ == pbHorizontal || Orientation_ == pbVertical; }
  Axes Along() const noexcept { return {Orientation_ == pbVertical}; }
  /// The look for the surface's Enabled (FollowEnabled), kept in VisualState_.
  void FollowSurface() {
    VisualState_ = FollowEnabled(VisualState_, this->UserControl().Enabled(), rlDisabled, rlPlain);
  }

  /// The rows of Min, Max and Value, identifiers counting down from first, with their defaults; C's
  /// lets are the range model's.
  template <class C>
  static constexpr std::array<PropertyRow, 3> RangeRows(DispId first, int32_t min, int32_t max, int32_t value) {
    return {{OwnProperty("Min", first, "Long", &PropertyThunk<&RangeControl::get_Min, &C::put_Min>,
                         Field<&RangeControl::range_, &RangeModel::Min>(), "Min", bag::Long(min), Change::None, kMisc),
             OwnProperty("Max", first - 1, "Long", &PropertyThunk<&RangeControl::get_Max, &C::put_Max>,
                         Field<&RangeControl::range_, &RangeModel::Max>(), "Max", bag::Long(max), Change::None, kMisc),
             OwnProperty("Value", first - 2, "Long", &PropertyThunk<&RangeControl::get_Value, &C::put_Value>,
                         Field<&RangeControl::range_, &RangeModel::Value>(), "Value", bag::Long(value), Change::None,
                         kMisc)}};
  }
  static constexpr PropertyRow OrientationRow(DispId id, int32_t orientation) {
    return Property("Orientation", id, "MyOrientation", Field<&RangeControl::Orientation_>(), "Orientation",
                    bag::Long(orientation), Change::Relayout, kLook);
  }

  RangeModel range_;
  int32_t Orientation_ = 0;
  ColorScheme Scheme_{};
  RangeLook VisualState_;
  bool Dragging_ = false;
  HoverTracker hover_;
};

}  // namespace vorn
