#pragma once
#include <array>
#include <memory>
#include <string>

#include "controls/ColouredControl.h"
#include "controls/button/ButtonEvents.h"
#include "foundation/ColorScheme.h"
#include "foundation/Geometry.h"
#include "foundation/HoverTracker.h"

namespace vorn {

/// The looks of a button.
enum ButtonState : int32_t {
  bsPlain = 0,     // normal after being enabled again; never shows focus
  bsHot = 1,       // the cursor rests on the button
  bsPressed = 2,   // pressed by the mouse or by Space/Enter
  bsDisabled = 3,  // the surface is disabled
  bsNormal = 4,    // normal; the focused look when it has the focus
};

/// The logic the push button and the glyph button share: the five looks and their schemes, the
/// glass face, hover tracking with the MousePos timer, mouse, keys, focus and the setters.
/// Subclasses draw what lies on the face (icon, caption) and say whether focus shows.
///
/// Hover (HoverTracker; every MouseMove anchors, then raises MouseMove without a repaint):
///   tick, resting        state = mouse-down ? bsPressed : bsHot; Redraw
///   tick, pointer left   state = bsNormal; Redraw; timer off
/// Mouse: left down sets the mouse-down flag; left up raises Click if it was set, clears it, then
/// raises MouseUp. Other buttons raise nothing. Neither repaints; the next tick does.
/// Keys: KeyDown is raised first; Space or Enter as the handler left it presses (bsPressed,
/// Redraw, Click); KeyUp of Space or Enter returns to bsNormal.
class ButtonBase : public ColouredControl<kSurfaceEnabled | kSurfaceFont>,
                   public TypedEvents<ButtonEvents> {
 public:
  explicit ButtonBase(ControlSite& site);

  // Properties shared by both buttons; each let is the property table's (ButtonMembers.h).
  Color get_TabSelectColor() const { return TabSelectColor_; }
  void put_TabSelectColor(Color c) { Let(TabSelectColor_, c); }
  std::string get_Caption() const { return Caption_; }
  void put_Caption(std::string caption) { Let(Caption_, std::move(caption)); }

  // Host events.
  void UserControl_Initialize() override;
  void UserControl_Resize() override { Redraw(); }
  void UserControl_EnterFocus() override;
  void UserControl_ExitFocus() override;
  void UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift) override;
  void UserControl_KeyPress(int16_t& KeyAscii) override;
  void UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) override;
  void UserControl_MouseDown(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseMove(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseUp(int16_t Button, int16_t Shift, float X, float Y) override;

  // State, for hosts and tests that look inside.
  ButtonState State() const noexcept { return State_; }
  bool MouseDownFlag() const noexcept { return MouseDownFlag_; }
  const ColorScheme& Scheme() const noexcept { return Scheme_; }
  Timer& MousePos() noexcept { return hover_.MousePos(); }

  void MousePos_Timer();
  void Redraw();

 protected:
  /// The last step of the face: icon and caption, in the colour entry for the enabled state.
  virtual void DrawContent(const ColorScheme& scheme, bool enabled) = 0;
  /// The focus flag that EnterFocus sets (the glyph button never shows focus: 0).
  virtual int32_t FocusFlagOnEnter() const { return 1; }

  void DrawFace(const ColorScheme& scheme);
  /// The six rows of both buttons (ButtonMembers.h), with identifiers counting down from first.
  static constexpr std::array<PropertyRow, 6> SharedRows(DispId first);
  /// Both buttons' property table: every change, and the end of each opening, repaints all.
  static constexpr PropertyTable Table(std::span<const PropertyRow> rows);

  Color TabSelectColor_ = 0x96E7;
  std::string Caption_;
  bool MouseDownFlag_ = false;
  ButtonState State_ = bsNormal;
  int32_t FocusFlag_ = 0;
  ColorScheme Scheme_{};
  HoverTracker hover_;
};

}  // namespace vorn
