#pragma once
#include <array>
#include <memory>

#include "controls/button/ButtonEvents.h"
#include "controls/button/vornXButton.h"
#include "controls/range/RangeControl.h"
#include "controls/range/ScrollBarEvents.h"
#include "controls/range/ScrollBarScale.h"
#include "foundation/InputCodes.h"

namespace vorn {

/// A horizontal or vertical scroll bar: an arrow button at each end (the glyph buttons
/// vornButton1(0) and vornButton1(1), child controls with their own surfaces), a track and a thumb
/// of half the bar's length less one arrow zone (ScrollBarScale). Value lies between Min and Max
/// and moves the thumb in whole percent of the travel; the arrows step by 5, a press on the track
/// jumps to Min or Max, the thumb can be dragged. Raises Scroll on every drag move and, after a
/// repaint, ValueChanged when the value differs from the one last reported.
///
/// Hover (HoverTracker: a move on the thumb, or any move while dragging, anchors; with the left
/// button held Value follows the pointer, then Scroll):
///   tick, pointer left       VisualState rlResting, repaint, timer off
///   tick, dragging           rlHeld (the hot look), repaint, Click
///   tick, otherwise          rlHot, repaint
/// rlDisabled whenever the surface is disabled, rlPlain when enabled again.
class vornScrollBar final : public ClassOf<vornScrollBar, RangeControl<kSurfaceEnabled>>,
                            public TypedEvents<ScrollBarEvents> {
 public:
  explicit vornScrollBar(ControlSite& site);
  ~vornScrollBar() override;
  static const ClassInfo& StaticClass();

  // Properties; the lets of Enabled, Orientation and the colours are the property table's
  // (vornScrollBarMembers.cpp), those of the range the range model's.
  void put_Min(int32_t v);
  void put_Max(int32_t v);
  void put_Value(int32_t v);

  // Host events.
  void UserControl_Initialize() override;
  /// The resize layout: clamps the thickness, places the arrow buttons, repaints.
  void UserControl_Resize() override;
  void UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift) override {
    RaiseEvent<&Events::KeyDown>(KeyCode, Shift);
  }
  void UserControl_KeyPress(int16_t& KeyAscii) override { RaiseEvent<&Events::KeyPress>(KeyAscii); }
  void UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) override { RaiseEvent<&Events::KeyUp>(KeyCode, Shift); }
  void UserControl_MouseDown(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseMove(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseUp(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_Click() override { RaiseEvent<&Events::Click>(); }
  void UserControl_Terminate() override;

  void MousePos_Timer() override;
  /// An arrow button was clicked: index 0 steps back by 5, index 1 forward.
  void vornButton1_Click(int16_t Index);

  // State, for hosts and tests that look inside.
  int32_t ThumbPos() const noexcept { return ThumbPos_; }
  int32_t GrabOffset() const noexcept { return GrabOffset_; }
  vornXButton& vornButton1(int index) const { return *arrows_[static_cast<size_t>(index)].button; }
  int32_t ArrowZoneLength() const { return Scale().ArrowZone; }
  int32_t ThumbLength() const { return Scale().ThumbLength(); }
  int32_t Travel() const { return Scale().Travel(); }

  /// Paint, then report: the whole bar (track, frames and, while enabled, the thumb), then
  /// ValueChanged if the enabled bar shows a value not reported yet.
  void DrawTrack();

 private:
  struct Members;  // the member table (vornScrollBarMembers.cpp)
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

  /// The mapping of the current range and size (a bar that lays nothing out has length 0).
  ScrollBarScale Scale() const;
  /// Edge of arrow button 0 in pixels.
  float ArrowEdge() const;
  /// The pointer (surface pixels) lies on the thumb, away from the 2-pixel margins across.
  bool OnThumb(float X, float Y) const;
  void PlaceArrow(int index, float left, float top, float edge);
  void ApplyVisualState();
  void SetArrowGlyphs();
  /// What the lets of the colours and Enabled end with.
  void Recolour();
  /// What the Orientation let ends with.
  void Relayout();
  /// What InitProperties ends with, and ReadProperties and WriteProperties.
  void Initialised();
  void Stored();

  // Painting (vornScrollBarDrawing.cpp).
  void PaintBar();
  void PaintThumb(int32_t T, int32_t L);

  int32_t ThumbPos_ = 0;
  int32_t GrabOffset_ = 0;

  std::array<Arrow, 2> arrows_;
};

}  // namespace vorn
