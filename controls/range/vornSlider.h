#pragma once
#include <memory>

#include "controls/range/SliderEvents.h"
#include "controls/range/SliderScale.h"
#include "foundation/ColorScheme.h"
#include "foundation/Control.h"
#include "foundation/Geometry.h"
#include "foundation/Orientation.h"

namespace vorn {

/// Tick marks and value labels of the slider; any other value draws no ticks.
enum TickStyles : int32_t { Tick_None = 0, Tick_Half = 1, Tick_Four = 2, Tick_Half_Value = 3, Tick_Four_Value = 4 };

/// A track bar with a pointed knob: pressing anywhere moves the knob's centre to the pointer,
/// dragging raises Slide on every move, arrow keys along the orientation step by 1. Value is not
/// forced into Min .. Max by its own let (a knob beyond the groove shows it); Min and Max keep
/// Min < Max. ValueChange is raised by the knob painting whenever Value differs from the value
/// last reported, so every change made while enabled is reported once.
///
/// Hover (MousePos, 1 ms, off at start), VisualState:
///   MouseMove on the knob, or while dragging   anchor = cursor; timer on
///                                              (+ left button: Value from the pointer, Slide)
///   tick, cursor 2 px or more from the anchor  5 (resting: focus scheme when focused); timer off
///   tick, cursor near, left press held         3 (normal scheme); Click
///   tick, cursor near                          2 (hot scheme)
///   every tick repaints and ends with DoEvents
/// Disabling gives state 4 (disabled scheme); enabling again gives 0 (normal scheme). The focus
/// scheme shows only in state 5.
/// Mouse: a left press sets Dragging and jumps the knob; the left release raises Click if Dragging
/// was set and clears it; the surface's own Click raises Click too.
class vornSlider final : public Control {
 public:
  explicit vornSlider(ControlSite& site);
  ~vornSlider() override;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  /// Replaces the typed event sink (null restores the one that feeds the generic sinks).
  void SetEventSink(SliderEvents* sink) noexcept { events_ = sink ? sink : &dispatch_; }

  Color get_BackColor() const { return BackColor_; }
  void put_BackColor(Color c);
  Color get_ForeColor() const { return ForeColor_; }
  void put_ForeColor(Color c);
  bool get_Enabled() const;
  void put_Enabled(bool enabled);
  Ref<Font> get_Font() const;
  void putref_Font(Ref<Font> font);
  Color get_TabSelectColor() const { return TabSelectColor_; }
  void put_TabSelectColor(Color c);
  int32_t get_Orientation() const { return Orientation_; }
  void put_Orientation(int32_t orientation);
  int32_t get_TickStyle() const { return TickStyle_; }
  void put_TickStyle(int32_t style);
  int32_t get_Min() const { return Min_; }
  void put_Min(int32_t v);
  int32_t get_Max() const { return Max_; }
  void put_Max(int32_t v);
  int32_t get_Value() const { return Value_; }
  void put_Value(int32_t v);

  // Host events.
  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(PropertyBag& bag) override;
  void UserControl_WriteProperties(PropertyBag& bag) override;
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

  void MousePos_Timer();
  /// Repaints: with full, clears and draws groove, ticks and labels; then the knob if enabled.
  void RedrawSlider(bool full);

  // State, for hosts and tests that look inside.
  int32_t VisualState() const noexcept { return VisualState_; }
  int32_t HasFocus() const noexcept { return HasFocus_; }
  bool Dragging() const noexcept { return Dragging_; }
  int32_t KnobPos() const noexcept { return KnobPos_; }
  const ColorScheme& Scheme() const noexcept { return Scheme_; }
  Timer& MousePos() noexcept { return *MousePos_; }

 private:
  SliderScale Scale() const;
  /// The knob offset of a value; remembered in KnobPos_ (the pointer tests use the last one).
  int32_t ValueToKnobPos(int32_t v);
  int32_t KnobPosToValue(float d) const { return Scale().ValueAt(d, Value_); }
  void ApplyVisualState();
  /// Thickness across from the tick style (room for labels), then a full repaint.
  void ApplyResizeRule();
  void DrawGroove();
  void DrawTicks();
  void DrawTick(float position, float length, Color c);
  void DrawLabel(int32_t value, Color c, float position);
  void DrawKnob();

  Color BackColor_ = 0xFFFFFF;
  Color ForeColor_ = 0xC00000;
  Color TabSelectColor_ = 0x96E7;
  int32_t Orientation_ = 0;
  int32_t TickStyle_ = 0;
  int32_t Min_ = 0;
  int32_t Max_ = 0;
  int32_t Value_ = 0;

  ColorScheme Scheme_{};
  int32_t VisualState_ = 5;
  int32_t HasFocus_ = 0;
  PointL CursorNow_{};
  PointL HoverAnchor_{};
  bool Dragging_ = false;
  int32_t LastReportedValue_ = 0;
  int32_t KnobPos_ = 0;
  uint32_t paintCount_ = 0;  // tells DrawKnob whether a ValueChange handler repainted meanwhile

  SliderEventsDispatch dispatch_;
  SliderEvents* events_;
  std::unique_ptr<Timer> MousePos_;
};

}  // namespace vorn
