#pragma once
#include <memory>

#include "controls/range/RangeControl.h"
#include "controls/range/SliderEvents.h"
#include "controls/range/SliderMarks.h"
#include "controls/range/SliderScale.h"

namespace vorn {

/// Tick marks and value labels of the slider; any other value draws no ticks.
enum TickStyles : int32_t { Tick_None = 0, Tick_Half = 1, Tick_Four = 2, Tick_Half_Value = 3, Tick_Four_Value = 4 };

/// A track bar with a pointed knob: pressing anywhere moves the knob's centre to the pointer,
/// dragging raises Slide on every move, arrow keys along the orientation step by 1. Value is not
/// forced into Min .. Max by its own let (a knob beyond the groove shows it); Min and Max keep
/// Min < Max. ValueChange is raised after every repaint of the enabled slider that shows a value
/// not reported yet, so every change made while enabled is reported once.
///
/// Hover (HoverTracker: a move on the knob, or any move while dragging, anchors; with the left
/// button held Value follows the pointer, then Slide):
///   tick, pointer left       VisualState rlResting (the focus scheme when focused), timer off
///   tick, dragging           rlHeld (the normal scheme), Click
///   tick, otherwise          rlHot (the hot scheme)
///   every tick repaints
/// Disabling gives rlDisabled; enabling again gives rlPlain (normal scheme). The focus scheme shows
/// only in rlResting.
/// Mouse: a left press sets Dragging and jumps the knob; the left release raises Click if Dragging
/// was set and clears it; the surface's own Click raises Click too.
class vornSlider final : public ClassOf<vornSlider, RangeControl<kSurfaceEnabled | kSurfaceFont>>,
                         public TypedEvents<SliderEvents> {
 public:
  explicit vornSlider(ControlSite& site);
  static const ClassInfo& StaticClass();

  // Properties; the lets of all but the range are the property table's (vornSliderMembers.cpp),
  // those of the range the range model's.
  Color get_TabSelectColor() const { return TabSelectColor_; }
  void put_TabSelectColor(Color c) { Let(TabSelectColor_, c); }
  int32_t get_TickStyle() const { return TickStyle_; }
  void put_TickStyle(int32_t style) { Let(TickStyle_, style); }
  void put_Min(int32_t v);
  void put_Max(int32_t v);
  void put_Value(int32_t v);

  // Host events.
  void UserControl_Initialize() override;
  void UserControl_Resize() override;
  void UserControl_EnterFocus() override;
  void UserControl_ExitFocus() override;
  void UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift) override;
  void UserControl_KeyPress(int16_t& KeyAscii) override;
  void UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) override;
  void UserControl_MouseDown(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseMove(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseUp(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_Click() override;

  void MousePos_Timer() override;
  /// Paint, then report: with full, clears and draws groove, ticks and labels; then the knob if
  /// enabled; then ValueChange if the enabled slider shows a value not reported yet.
  void RedrawSlider(bool full);

  // State, for hosts and tests that look inside.
  int32_t HasFocus() const noexcept { return HasFocus_; }
  int32_t KnobPos() const noexcept { return KnobPos_; }

 private:
  struct Members;  // the member table (vornSliderMembers.cpp)
  SliderScale Scale() const;
  /// The knob offset of a value; remembered in KnobPos_ (the pointer tests use the last one).
  int32_t ValueToKnobPos(int32_t v);
  int32_t KnobPosToValue(float d) const { return Scale().ValueAt(d, range_.Value); }
  void ApplyVisualState();
  /// What the lets of the colours and Enabled end with.
  void Recolour();
  void Repaint() { RedrawSlider(true); }
  /// Thickness across from the tick style (room for labels), then a full repaint.
  void ApplyResizeRule();

  // Painting (vornSliderDrawing.cpp).
  void PaintSlider(bool full);
  void DrawGroove();
  void DrawTicks();

  Color TabSelectColor_ = 0x96E7;
  int32_t TickStyle_ = 0;
  int32_t HasFocus_ = 0;
  int32_t KnobPos_ = 0;
  SliderMarks marks_;

};

}  // namespace vorn
