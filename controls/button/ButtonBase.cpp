#include "controls/button/ButtonBase.h"

#include "controls/button/GlassFace.h"
#include "foundation/InputCodes.h"

namespace vorn {

ButtonBase::ButtonBase(ControlSite& site)
    : ColouredControl(site),
      TypedEvents(connections_),
      hover_(site, [this] { MousePos_Timer(); }) {}

void ButtonBase::UserControl_Initialize() {
  State_ = bsNormal;
  FocusFlag_ = 0;
}

void ButtonBase::Redraw() {
  Surface& s = UserControl();
  s.Cls();
  State_ = FollowEnabled(State_, s.Enabled(), bsDisabled, bsPlain);
  const Color white = 0xFFFFFF;
  switch (State_) {
    case bsHot: Scheme_ = PaletteHot(BackColor_, ForeColor_, white); break;
    case bsPressed: Scheme_ = PalettePressed(BackColor_, ForeColor_, white); break;
    case bsDisabled: Scheme_ = PaletteDisabled(BackColor_, ForeColor_, white); break;
    case bsNormal:
      Scheme_ = FocusFlag_ ? PaletteFocus(BackColor_, TabSelectColor_, ForeColor_)
                           : PaletteNormal(BackColor_, ForeColor_, white);
      break;
    default: Scheme_ = PaletteNormal(BackColor_, ForeColor_, white); break;
  }
  DrawFace(Scheme_);
}

void ButtonBase::DrawFace(const ColorScheme& scheme) {
  Surface& s = UserControl();
  s.SetBackColor(BackColor_);
  DrawGlassFace(s, scheme, 3);
  const bool enabled = s.Enabled();
  if (!enabled) MouseDownFlag_ = false;
  DrawContent(scheme, enabled);
}

void ButtonBase::MousePos_Timer() {
  hover_.Tick(MouseDownFlag_, [this](Hover hover) {
    State_ = hover == Hover::Left ? bsNormal : hover == Hover::Held ? bsPressed : bsHot;
    Redraw();
  });
}

void ButtonBase::UserControl_EnterFocus() {
  FocusFlag_ = FocusFlagOnEnter();
  Redraw();
}

void ButtonBase::UserControl_ExitFocus() {
  FocusFlag_ = 0;
  Redraw();
}

void ButtonBase::UserControl_KeyDown(int16_t& KeyCode, int16_t& Shift) {
  RaiseEvent<&Events::KeyDown>(KeyCode, Shift);
  if (KeyCode == kKeySpace || KeyCode == kKeyEnter) {
    State_ = bsPressed;
    Redraw();
    RaiseEvent<&Events::Click>();
  }
}

void ButtonBase::UserControl_KeyPress(int16_t& KeyAscii) { RaiseEvent<&Events::KeyPress>(KeyAscii); }

void ButtonBase::UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) {
  RaiseEvent<&Events::KeyUp>(KeyCode, Shift);
  if (KeyCode == kKeySpace || KeyCode == kKeyEnter) {
    State_ = bsNormal;
    Redraw();
  }
}

void ButtonBase::UserControl_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
  if (Button != kLeftButton) return;
  MouseDownFlag_ = true;
  RaiseEvent<&Events::MouseDown>(Button, Shift, X, Y);
}

void ButtonBase::UserControl_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
  hover_.Anchor();
  RaiseEvent<&Events::MouseMove>(Button, Shift, X, Y);
}

void ButtonBase::UserControl_MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
  if (Button != kLeftButton) return;
  if (MouseDownFlag_) RaiseEvent<&Events::Click>();
  MouseDownFlag_ = false;
  RaiseEvent<&Events::MouseUp>(Button, Shift, X, Y);
}

}  // namespace vorn
