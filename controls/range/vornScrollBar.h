#pragma once
#include <array>
#include <memory>

#include "controls/button/ButtonEvents.h"
#include "controls/button/vornXButton.h"
#include "foundation/Orientation.h"
#include "controls/range/ScrollBarEvents.h"
#include "foundation/ColorScheme.h"
#include "foundation/Control.h"
#include "foundation/Geometry.h"

namespace vorn {

/// A horizontal or vertical scroll bar: an arrow button at each end (the glyph buttons
/// vornButton1(0) and vornButton1(1), child controls with their own surfaces), a track and a thumb
/// of half the bar's length less one arrow zone. Value lies between Min and Max and moves the thumb
/// in whole percent of the travel; the arrows step by 5, a press on the track jumps to Min or Max,
/// the thumb can be dragged. Raises Scroll on every drag move and ValueChanged from the painting
/// when the value differs from the one last reported.
///
/// Geometry along the bar (L = SW or SH, B = edge of the arrow buttons):
///   A (arrow zone) = B + 5; thumb length = L/2 - A; travel = L - thumb length - 2A
///   the thumb covers A + ThumbPos .. A + ThumbPos + thumb length - 1
///
/// Hover (MousePos, 1 ms, off at start), VisualState 0..5:
///   MouseMove on the thumb or dragging   anchor = cursor; timer on; with the left button held
///                                        Value follows the pointer, then Scroll
///   tick, cursor 2 px or more from anchor  state 5 (normal), repaint, timer off
///   tick, dragging                         state 3 (hot), repaint, Click
///   tick, otherwise                        state 2 (hot), repaint
///   every tick ends with DoEvents; state 4 (disabled look) whenever the surface is disabled,
///   0 (normal) when enabled again
class vornScrollBar final : public Control {
 public:
  explicit vornScrollBar(ControlSite& site);
  ~vornScrollBar() override;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  /// Replaces the typed event sink (null restores the one that feeds the generic sinks).
  void SetEventSink(ScrollBarEvents* sink) noexcept { events_ = sink ? sink : &dispatch_; }

  bool get_Enabled() const;
  void put_Enabled(bool enabled);
  int32_t get_Min() const { return Min_; }
  void put_Min(int32_t v);
  int32_t get_Max() const { return Max_; }
  void put_Max(int32_t v);
  int32_t get_Value() const { return Value_; }
  void put_Value(int32_t v);
  int32_t get_Orientation() const { return Orientation_; }
  void put_Orientation(int32_t v);
  Color get_BackColor() const { return BackColor_; }
  void put_BackColor(Color c);
  Color get_ForeColor() const { return ForeColor_; }
  void put_ForeColor(Color c);

  // Host events.
  void UserControl_Initialize() override;
  void UserControl_InitProperties() override;
  void UserControl_ReadProperties(PropertyBag& bag) override;
  void UserControl_WriteProperties(PropertyBag& bag) override;
  /// The resize layout: clamps the thickness, places the arrow buttons, repaints.
  void UserControl_Resize() override;
  void UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift) override { events_->KeyDown(KeyCode, Shift); }
  void UserControl_KeyPress(int16_t& KeyAscii) override { events_->KeyPress(KeyAscii); }
  void UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) override { events_->KeyUp(KeyCode, Shift); }
  void UserControl_MouseDown(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseMove(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseUp(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_Click() override { events_->Click(); }
  void UserControl_Terminate() override;

  void MousePos_Timer();
  /// An arrow button was clicked: index 0 steps back by 5, index 1 forward.
  void vornButton1_Click(int16_t Index);

  // State, for hosts and tests that look inside.
  int32_t VisualState() const noexcept { return VisualState_; }
  int32_t ThumbPos() const noexcept { return ThumbPos_; }
  bool Dragging() const noexcept { return Dragging_; }
  int32_t GrabOffset() const noexcept { return GrabOffset_; }
  int32_t LastReportedValue() const noexcept { return LastReportedValue_; }
  const ColorScheme& Scheme() const noexcept { return Scheme_; }
  Timer& MousePos() noexcept { return *MousePos_; }
  vornXButton& vornButton1(int index) const { return *arrows_[static_cast<size_t>(index)].button; }
  int32_t ArrowZoneLength() const;
  int32_t ThumbLength() const;
  int32_t Travel() const;

  /// Repaints the whole bar: track, frames and, while enabled, the thumb.
  void DrawTrack();

 private:
  /// Forwards an arrow button's Click with its index.
  struct ArrowClick final : ButtonEvents {
    vornScrollBar* bar = nullptr;
    int16_t index = 0;
    void Click() override { bar->vornButton1_Click(index); }
  };
  struct Arrow {
    std::unique_ptr<ControlSite> site;
    Ref<vornXButton> button;
    ArrowClick click;
  };

  bool LaysOut() const noexcept { return Orientation_ == pbHorizontal || Orientation_ == pbVertical; }
  double BarLength() const;
  /// Edge of arrow button 0 in pixels.
  float ArrowEdge() const;
  int32_t PercentOfValue(int32_t v) const;
  int32_t ValueToThumbPos(int32_t v);
  int32_t ThumbPosToValue(float d) const;
  /// The pointer (surface pixels) lies on the thumb, away from the 2-pixel margins across.
  bool OnThumb(float X, float Y) const;
  void PlaceArrow(int index, float left, float top, float edge);
  /// The end of the lets that change the look: mark the property changed, new scheme, repaint.
  void Recolour(std::string_view bagName);
  void ApplyVisualState();
  void SetArrowGlyphs();
  void DrawThumb();
  void DrawHorizontalThumb(int32_t T, int32_t L);
  void DrawVerticalThumb(int32_t T, int32_t L);

  int32_t Min_ = 0;
  int32_t Max_ = 0;
  int32_t Value_ = 0;
  int32_t Orientation_ = 0;
  Color BackColor_ = 0;
  Color ForeColor_ = 0;

  ColorScheme Scheme_{};
  int32_t VisualState_ = 0;
  int32_t ThumbPos_ = 0;
  bool Dragging_ = false;
  int32_t GrabOffset_ = 0;
  int32_t LastReportedValue_ = 0;
  uint32_t repaints_ = 0;  // counts DrawTrack calls, so a repaint can tell a handler repainted
  PointL HoverAnchor_{};
  PointL CursorNow_{};

  ScrollBarEventsDispatch dispatch_;
  ScrollBarEvents* events_;
  std::array<Arrow, 2> arrows_;
  std::unique_ptr<Timer> MousePos_;
};

}  // namespace vorn
