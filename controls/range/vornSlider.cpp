#include "controls/range/vornSlider.h"

#include "foundation/Convert.h"
#include "foundation/DecimalText.h"
#include "foundation/InputCodes.h"

namespace vorn {

namespace {
constexpr Color kWhite = 0xFFFFFF;
}  // namespace

vornSlider::vornSlider(ControlSite& site)
    : ClassOf(site, RangeModel::KeepsValue, rlResting), TypedEvents(connections_) {}

SliderScale vornSlider::Scale() const {
  const Surface& s = UserControl();
  return {range_.Min, range_.Max, Orientation_ == pbVertical ? s.ScaleHeight() : s.ScaleWidth()};
}

int32_t vornSlider::ValueToKnobPos(int32_t v) {
  KnobPos_ = Scale().KnobPos(v);
  return KnobPos_;
}

// Properties.

void vornSlider::put_Min(int32_t v) {
  range_.LetMin(Site(), v);
  RedrawSlider(true);
}

void vornSlider::put_Max(int32_t v) {
  range_.LetMax(Site(), v);
  RedrawSlider(true);
}

void vornSlider::put_Value(int32_t v) {
  if (range_.LetValue(Site(), v)) RedrawSlider(true);
}

// Looks.

void vornSlider::Recolour() {
  ApplyVisualState();
  RedrawSlider(true);
}

void vornSlider::ApplyVisualState() {
  FollowSurface();
  switch (VisualState_) {
    case rlPlain:
    case rlHeld: Scheme_ = PaletteNormal(BackColor_, ForeColor_, kWhite); break;
    case rlHot: Scheme_ = PaletteHot(BackColor_, ForeColor_, kWhite); break;
    case rlDisabled: Scheme_ = PaletteDisabled(BackColor_, ForeColor_, kWhite); break;
    case rlResting:
      Scheme_ = HasFocus_ ? PaletteFocus(BackColor_, ForeColor_, TabSelectColor_)
                          : PaletteNormal(BackColor_, ForeColor_, kWhite);
      break;
    default: break;  // nothing selects state 1: the scheme stays
  }
}

void vornSlider::ApplyResizeRule() {
  Surface& s = UserControl();
  const ScreenInfo& screen = Site().Screen();
  const bool labels = TickStyle_ != Tick_None && TickStyle_ != Tick_Half && TickStyle_ != Tick_Four;
  if (Orientation_ == pbHorizontal) {
    s.SetHeight(CheckedLong(int64_t{labels ? 41 : 25} * screen.TwipsPerPixelY()));
  } else if (Orientation_ == pbVertical) {
    float width = 25;
    if (labels) {
      width = s.TextWidth(DecimalText(range_.Max)) + 33 + s.TextWidth(DecimalText(range_.Min));
    }
    s.SetWidth(Nearest(static_cast<double>(width) * screen.TwipsPerPixelX()));
  }
  RedrawSlider(true);
}

void vornSlider::MousePos_Timer() {
  hover_.Tick(Dragging_, [this](Hover hover) {
    VisualState_ = hover == Hover::Left ? rlResting : hover == Hover::Held ? rlHeld : rlHot;
    ApplyVisualState();
    RedrawSlider(true);
    if (hover == Hover::Held) RaiseEvent<&Events::Click>();
  });
}

// Lifecycle.

void vornSlider::UserControl_Initialize() {
  VisualState_ = rlResting;
  HasFocus_ = 0;
  RedrawSlider(true);
}

void vornSlider::UserControl_Resize() { ApplyResizeRule(); }

void vornSlider::UserControl_EnterFocus() {
  HasFocus_ = 1;
  ApplyVisualState();
  RedrawSlider(true);
}

void vornSlider::UserControl_ExitFocus() {
  HasFocus_ = 0;
  ApplyVisualState();
  RedrawSlider(true);
}

// Input.

void vornSlider::UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift) {
  RaiseEvent<&Events::KeyDown>(KeyCode, Shift);
  if (!LaysOut()) return;
  const bool vertical = Along().vertical;
  const int step = KeyCode == (vertical ? kKeyUp : kKeyLeft) ? -1 : KeyCode == (vertical ? kKeyDown : kKeyRight) ? 1 : 0;
  // Limited at both ends, so a value stored outside the range comes back inside.
  if (step != 0) put_Value(range_.Limit(int64_t{range_.Value} + step));
}

void vornSlider::UserControl_KeyPress(int16_t& KeyAscii) { RaiseEvent<&Events::KeyPress>(KeyAscii); }

void vornSlider::UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) { RaiseEvent<&Events::KeyUp>(KeyCode, Shift); }

void vornSlider::UserControl_MouseDown(int16_t Button, int16_t, float X, float Y) {
  if (Button != kLeftButton) return;
  Dragging_ = true;
  if (LaysOut()) put_Value(KnobPosToValue(Along().X(X, Y) - 10));
}

void vornSlider::UserControl_MouseMove(int16_t Button, int16_t, float X, float Y) {
  if (!LaysOut()) return;
  const Axes ax = Along();
  const float along = ax.X(X, Y);
  const float across = ax.Y(X, Y);
  const bool onKnob = along > KnobPos_ + 5.0f && along < KnobPos_ + 15.0f && across > 3 && across < 20;
  if (!onKnob && !Dragging_) return;
  hover_.Anchor();
  if (Button == kLeftButton) {
    put_Value(KnobPosToValue(along - 10));
    RaiseEvent<&Events::Slide>();
  }
}

void vornSlider::UserControl_MouseUp(int16_t Button, int16_t, float, float) {
  if (Button != kLeftButton) return;
  if (Dragging_) RaiseEvent<&Events::Click>();
  Dragging_ = false;
}

void vornSlider::UserControl_Click() { RaiseEvent<&Events::Click>(); }

}  // namespace vorn
