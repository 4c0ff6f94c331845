#include "controls/range/vornSlider.h"

#include "foundation/Convert.h"
#include "foundation/DecimalText.h"
#include "foundation/EventParams.h"
#include "foundation/MemberBinding.h"
#include "foundation/SurfaceProperties.h"

namespace vorn {

namespace {
constexpr Color kWhite = 0xFFFFFF;
constexpr int16_t kLeftArrow = 37;
constexpr int16_t kUpArrow = 38;
constexpr int16_t kRightArrow = 39;
constexpr int16_t kDownArrow = 40;
}  // namespace

vornSlider::vornSlider(ControlSite& site)
    : Control(site),
      dispatch_(connections_),
      events_(&dispatch_),
      MousePos_(site.CreateTimer("MousePos", 1, [this] { MousePos_Timer(); })) {}

vornSlider::~vornSlider() = default;

SliderScale vornSlider::Scale() const {
  const Surface& s = UserControl();
  return {Min_, Max_, Orientation_ == pbVertical ? s.ScaleHeight() : s.ScaleWidth()};
}

int32_t vornSlider::ValueToKnobPos(int32_t v) {
  KnobPos_ = Scale().KnobPos(v);
  return KnobPos_;
}

// Properties.

void vornSlider::put_BackColor(Color c) {
  BackColor_ = c;
  Site().PropertyChanged("BackColor");
  ApplyVisualState();
  RedrawSlider(true);
}

void vornSlider::put_ForeColor(Color c) {
  ForeColor_ = c;
  Site().PropertyChanged("ForeColor");
  ApplyVisualState();
  RedrawSlider(true);
}

void vornSlider::put_TabSelectColor(Color c) {
  TabSelectColor_ = c;
  Site().PropertyChanged("TabSelectColor");
  ApplyVisualState();
  RedrawSlider(true);
}

bool vornSlider::get_Enabled() const { return UserControl().Enabled(); }

void vornSlider::put_Enabled(bool enabled) {
  UserControl().SetEnabled(enabled);
  Site().PropertyChanged("Enabled");
  ApplyVisualState();
  RedrawSlider(true);
}

Ref<Font> vornSlider::get_Font() const { return UserControl().GetFont(); }

void vornSlider::putref_Font(Ref<Font> font) {
  if (!font) Raise(errInvalidProcedureCall, "Font cannot be Nothing");
  UserControl().SetFont(std::move(font));
  Site().PropertyChanged("Font");
  RedrawSlider(true);
}

void vornSlider::put_Orientation(int32_t orientation) {
  Orientation_ = orientation;
  Site().PropertyChanged("Orientation");
  ApplyResizeRule();
}

void vornSlider::put_TickStyle(int32_t style) {
  TickStyle_ = style;
  Site().PropertyChanged("TickStyle");
  ApplyResizeRule();
}

void vornSlider::put_Min(int32_t v) {
  if (v >= Max_) v = SubLong(Max_, 1);
  Min_ = v;
  Site().PropertyChanged("Min");
  if (Value_ < Min_) {
    Value_ = Min_;
    Site().PropertyChanged("Value");
  }
  RedrawSlider(true);
}

void vornSlider::put_Max(int32_t v) {
  if (v <= Min_) v = AddLong(Min_, 1);
  Max_ = v;
  Site().PropertyChanged("Max");
  if (Value_ > Max_) {
    Value_ = Max_;
    Site().PropertyChanged("Value");
  }
  RedrawSlider(true);
}

// Compared with the current value rather than the last reported one: while disabled nothing is
// reported, and an assignment back to the reported value must still take effect.
void vornSlider::put_Value(int32_t v) {
  if (v == Value_) return;
  Value_ = v;
  Site().PropertyChanged("Value");
  RedrawSlider(true);
}

// Looks.

void vornSlider::ApplyVisualState() {
  if (!UserControl().Enabled()) {
    VisualState_ = 4;
  } else if (VisualState_ == 4) {
    VisualState_ = 0;
  }
  switch (VisualState_) {
    case 0:
    case 3: Scheme_ = PaletteNormal(BackColor_, ForeColor_, kWhite); break;
    case 2: Scheme_ = PaletteHot(BackColor_, ForeColor_, kWhite); break;
    case 4: Scheme_ = PaletteDisabled(BackColor_, ForeColor_, kWhite); break;
    case 5:
      Scheme_ = HasFocus_ ? PaletteFocus(BackColor_, ForeColor_, TabSelectColor_)
                          : PaletteNormal(BackColor_, ForeColor_, kWhite);
      break;
    default: break;
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
      width = s.TextWidth(DecimalText(Max_)) + 33 + s.TextWidth(DecimalText(Min_));
    }
    s.SetWidth(Nearest(static_cast<double>(width) * screen.TwipsPerPixelX()));
  }
  RedrawSlider(true);
}

void vornSlider::MousePos_Timer() {
  CursorNow_ = Site().GetPlatform().GetCursorPos();
  auto away = [](int64_t anchor, int64_t now) { return anchor <= now - 2 || anchor >= now + 2; };
  if (away(HoverAnchor_.x, CursorNow_.x) || away(HoverAnchor_.y, CursorNow_.y)) {
    VisualState_ = 5;
    ApplyVisualState();
    RedrawSlider(true);
    MousePos_->SetEnabled(false);
  } else if (Dragging_) {
    VisualState_ = 3;
    ApplyVisualState();
    RedrawSlider(true);
    events_->Click();
  } else {
    VisualState_ = 2;
    ApplyVisualState();
    RedrawSlider(true);
  }
  Site().DoEvents();
}

// Lifecycle.

void vornSlider::UserControl_Initialize() {
  VisualState_ = 5;
  HasFocus_ = 0;
  RedrawSlider(true);
}

void vornSlider::UserControl_InitProperties() {
  ForeColor_ = 0xC00000;
  UserControl().SetFont(Site().AmbientFont());
  TabSelectColor_ = 0x96E7;
  Orientation_ = pbHorizontal;
  TickStyle_ = Tick_None;
  Min_ = 0;
  Max_ = 10;
  Value_ = 5;
  BackColor_ = kWhite;
  ApplyVisualState();
}

void vornSlider::UserControl_ReadProperties(PropertyBag& bag) {
  auto color = [](const Variant& v) { return v.ToColor(); };
  auto number = [](const Variant& v) { return v.ToLong(); };
  BackColor_ = ReadPropertyAs<Color>(bag, "BackColor", Variant::FromColor(kWhite), color);
  ForeColor_ = ReadPropertyAs<Color>(bag, "ForeColor", Variant::FromColor(0xC00000), color);
  ReadSurfaceProperties(bag, Site());
  TabSelectColor_ = ReadPropertyAs<Color>(bag, "TabSelectColor", Variant::FromColor(0x96E7), color);
  Orientation_ = ReadPropertyAs<int32_t>(bag, "Orientation", Variant(int32_t{pbHorizontal}), number);
  TickStyle_ = ReadPropertyAs<int32_t>(bag, "TickStyle", Variant(int32_t{Tick_None}), number);
  Min_ = ReadPropertyAs<int32_t>(bag, "Min", Variant(int32_t{0}), number);
  Max_ = ReadPropertyAs<int32_t>(bag, "Max", Variant(int32_t{10}), number);
  Value_ = ReadPropertyAs<int32_t>(bag, "Value", Variant(int32_t{5}), number);
  ApplyVisualState();
  RedrawSlider(true);
}

void vornSlider::UserControl_WriteProperties(PropertyBag& bag) {
  bag.WriteProperty("BackColor", Variant::FromColor(BackColor_), Variant::FromColor(kWhite));
  bag.WriteProperty("ForeColor", Variant::FromColor(ForeColor_), Variant::FromColor(0xC00000));
  WriteSurfaceProperties(bag, Site());
  bag.WriteProperty("TabSelectColor", Variant::FromColor(TabSelectColor_), Variant::FromColor(0x96E7));
  bag.WriteProperty("Orientation", Variant(Orientation_), Variant(int32_t{pbHorizontal}));
  bag.WriteProperty("TickStyle", Variant(TickStyle_), Variant(int32_t{Tick_None}));
  bag.WriteProperty("Min", Variant(Min_), Variant(int32_t{0}));
  bag.WriteProperty("Max", Variant(Max_), Variant(int32_t{10}));
  bag.WriteProperty("Value", Variant(Value_), Variant(int32_t{5}));
  ApplyVisualState();
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
  events_->KeyDown(KeyCode, Shift);
  int step = 0;
  if (Orientation_ == pbHorizontal) {
    step = KeyCode == kLeftArrow ? -1 : KeyCode == kRightArrow ? 1 : 0;
  } else if (Orientation_ == pbVertical) {
    step = KeyCode == kUpArrow ? -1 : KeyCode == kDownArrow ? 1 : 0;
  }
  // Limited at both ends, so a value stored outside the range comes back inside.
  if (step != 0) put_Value(Scale().Limit(int64_t{Value_} + step));
}

void vornSlider::UserControl_KeyPress(int16_t& KeyAscii) { events_->KeyPress(KeyAscii); }

void vornSlider::UserControl_KeyUp(int16_t& KeyCode, int16_t& Shift) { events_->KeyUp(KeyCode, Shift); }

void vornSlider::UserControl_MouseDown(int16_t Button, int16_t, float X, float Y) {
  if (Button != 1) return;
  Dragging_ = true;
  if (Orientation_ == pbHorizontal) {
    put_Value(KnobPosToValue(X - 10));
  } else if (Orientation_ == pbVertical) {
    put_Value(KnobPosToValue(Y - 10));
  }
}

void vornSlider::UserControl_MouseMove(int16_t Button, int16_t, float X, float Y) {
  if (Orientation_ != pbHorizontal && Orientation_ != pbVertical) return;
  const bool vertical = Orientation_ == pbVertical;
  const float along = vertical ? Y : X;
  const float across = vertical ? X : Y;
  const bool onKnob = along > KnobPos_ + 5.0f && along < KnobPos_ + 15.0f && across > 3 && across < 20;
  if (!onKnob && !Dragging_) return;
  HoverAnchor_ = Site().GetPlatform().GetCursorPos();
  MousePos_->SetEnabled(true);
  if (Button == 1) {
    put_Value(KnobPosToValue(along - 10));
    events_->Slide();
  }
}

void vornSlider::UserControl_MouseUp(int16_t Button, int16_t, float, float) {
  if (Button != 1) return;
  if (Dragging_) events_->Click();
  Dragging_ = false;
}

void vornSlider::UserControl_Click() { events_->Click(); }

// Automation surface.

namespace {
const EventInfo kEvents[] = {
    {"Click", 1},
    {"KeyDown", 2, kKeyParams},
    {"KeyPress", 3, kKeyAsciiParams},
    {"KeyUp", 4, kKeyParams},
    {"ValueChange", 5},
    {"Slide", 6},
};
const MemberInfo kMembers[] = {
    {"BackColor", 0x68030008, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornSlider::get_BackColor, &vornSlider::put_BackColor>},
    {"ForeColor", 0x68030007, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornSlider::get_ForeColor, &vornSlider::put_ForeColor>},
    {"Enabled", 0x68030006, kGet | kLet, "Boolean", {},
     &PropertyThunk<&vornSlider::get_Enabled, &vornSlider::put_Enabled>},
    {"Font", kDispIdFont, kGet | kSet, "Font", {},
     &PropertyThunk<&vornSlider::get_Font, nullptr, &vornSlider::putref_Font>},
    {"TabSelectColor", 0x68030005, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornSlider::get_TabSelectColor, &vornSlider::put_TabSelectColor>},
    {"Orientation", 0x68030004, kGet | kLet, "MyOrientation", {},
     &PropertyThunk<&vornSlider::get_Orientation, &vornSlider::put_Orientation>},
    {"TickStyle", 0x68030003, kGet | kLet, "TickStyles", {},
     &PropertyThunk<&vornSlider::get_TickStyle, &vornSlider::put_TickStyle>},
    {"Min", 0x68030002, kGet | kLet, "Long", {}, &PropertyThunk<&vornSlider::get_Min, &vornSlider::put_Min>},
    {"Max", 0x68030001, kGet | kLet, "Long", {}, &PropertyThunk<&vornSlider::get_Max, &vornSlider::put_Max>},
    {"Value", 0x68030000, kGet | kLet, "Long", {}, &PropertyThunk<&vornSlider::get_Value, &vornSlider::put_Value>},
};
const ClassInfo kClass{"vornSlider", kMembers, kEvents};
}  // namespace

const ClassInfo& vornSlider::StaticClass() { return kClass; }

}  // namespace vorn
