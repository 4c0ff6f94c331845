#include "controls/button/ButtonBase.h"

#include <cstdlib>

#include "controls/button/GlassFace.h"
#include "foundation/MemberBinding.h"
#include "foundation/SurfaceProperties.h"

namespace vorn {

ButtonBase::ButtonBase(ControlSite& site)
    : Control(site),
      dispatch_(connections_),
      events_(&dispatch_),
      MousePos_(site.CreateTimer("MousePos", 1, [this] { MousePos_Timer(); })) {}

ButtonBase::~ButtonBase() = default;

void ButtonBase::put_BackColor(Color c) {
  BackColor_ = c;
  Site().PropertyChanged("BackColor");
  Redraw();
}

void ButtonBase::put_ForeColor(Color c) {
  ForeColor_ = c;
  Site().PropertyChanged("ForeColor");
  Redraw();
}

void ButtonBase::put_TabSelectColor(Color c) {
  TabSelectColor_ = c;
  Site().PropertyChanged("TabSelectColor");
  Redraw();
}

bool ButtonBase::get_Enabled() const { return UserControl().Enabled(); }

void ButtonBase::put_Enabled(bool enabled) {
  UserControl().SetEnabled(enabled);
  Site().PropertyChanged("Enabled");
  Redraw();
}

Ref<Font> ButtonBase::get_Font() const { return UserControl().GetFont(); }

void ButtonBase::putref_Font(Ref<Font> font) {
  if (!font) Raise(errInvalidProcedureCall, "Font cannot be Nothing");
  UserControl().SetFont(std::move(font));
  Site().PropertyChanged("Font");
  Redraw();
}

void ButtonBase::put_Caption(std::string caption) {
  Caption_ = std::move(caption);
  Site().PropertyChanged("Caption");
  Redraw();
}

void ButtonBase::UserControl_Initialize() {
  State_ = bsNormal;
  FocusFlag_ = 0;
}

void ButtonBase::Redraw() {
  Surface& s = UserControl();
  s.Cls();
  if (!s.Enabled()) {
    State_ = bsDisabled;
  } else if (State_ == bsDisabled) {
    State_ = bsPlain;
  }
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
  CursorNow_ = Site().GetPlatform().GetCursorPos();
  if (std::abs(CursorNow_.x - CursorLast_.x) <= 1 && std::abs(CursorNow_.y - CursorLast_.y) <= 1) {
    State_ = MouseDownFlag_ ? bsPressed : bsHot;
    Redraw();
  } else {
    State_ = bsNormal;
    Redraw();
    MousePos_->SetEnabled(false);
  }
  Site().DoEvents();
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
  events_->KeyDown(KeyCode, Shift);
  if (KeyCode == 32 || KeyCode == 13) {
    State_ = bsPressed;
    Redraw();
    events_->Click();
  }
}

void ButtonBase::UserControl_KeyPress(int16_t& KeyAscii) { events_->KeyPress(KeyAscii); }

void ButtonBase::UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) {
  events_->KeyUp(KeyCode, Shift);
  if (KeyCode == 32 || KeyCode == 13) {
    State_ = bsNormal;
    Redraw();
  }
}

void ButtonBase::UserControl_MouseDown(int16_t Button, int16_t Shift, float X, float Y) {
  if (Button != 1) return;
  MouseDownFlag_ = true;
  events_->MouseDown(Button, Shift, X, Y);
}

void ButtonBase::UserControl_MouseMove(int16_t Button, int16_t Shift, float X, float Y) {
  CursorLast_ = Site().GetPlatform().GetCursorPos();
  MousePos_->SetEnabled(true);
  events_->MouseMove(Button, Shift, X, Y);
}

void ButtonBase::UserControl_MouseUp(int16_t Button, int16_t Shift, float X, float Y) {
  if (Button != 1) return;
  if (MouseDownFlag_) events_->Click();
  MouseDownFlag_ = false;
  events_->MouseUp(Button, Shift, X, Y);
}

void ButtonBase::InitCommonProperties() {
  BackColor_ = 0xFFFFFF;
  ForeColor_ = 0xC00000;
  Caption_ = Site().AmbientDisplayName();
  UserControl().SetFont(Site().AmbientFont());
  TabSelectColor_ = 0x96E7;
}

void ButtonBase::ReadCommonProperties(PropertyBag& bag) {
  auto color = [](const Variant& v) { return v.ToColor(); };
  BackColor_ = ReadPropertyAs<Color>(bag, "BackColor", Variant::FromColor(0xFFFFFF), color);
  ForeColor_ = ReadPropertyAs<Color>(bag, "ForeColor", Variant::FromColor(0xC00000), color);
  ReadSurfaceProperties(bag, Site());
  Caption_ = ReadPropertyAs<std::string>(bag, "Caption", Variant(Site().AmbientDisplayName()),
                                         [](const Variant& v) { return v.ToString(); });
  TabSelectColor_ = ReadPropertyAs<Color>(bag, "TabSelectColor", Variant::FromColor(0x96E7), color);
}

void ButtonBase::WriteCommonProperties(PropertyBag& bag) {
  bag.WriteProperty("BackColor", Variant::FromColor(BackColor_), Variant::FromColor(0xFFFFFF));
  bag.WriteProperty("ForeColor", Variant::FromColor(ForeColor_), Variant::FromColor(0xC00000));
  WriteSurfaceProperties(bag, Site());
  bag.WriteProperty("Caption", Variant(Caption_), Variant(Site().AmbientDisplayName()));
  bag.WriteProperty("TabSelectColor", Variant::FromColor(TabSelectColor_), Variant::FromColor(0x96E7));
}

}  // namespace vorn
