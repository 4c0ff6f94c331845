#include "controls/range/vornScrollBar.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "controls/range/ArrowButtonBag.h"
#include "foundation/Convert.h"
#include "foundation/EventParams.h"
#include "foundation/MemberBinding.h"

namespace vorn {

namespace {
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBackColor = 0xFFFFFF;
constexpr Color kForeColor = 0xC00000;
constexpr int32_t kThinnest = 15;   // pixels across
constexpr int32_t kThickest = 25;
constexpr int32_t kArrowExtent = 25;  // pixels, as the designer stored the arrow buttons
constexpr int32_t kArrowStep = 5;
}  // namespace

vornScrollBar::vornScrollBar(ControlSite& site)
    : Control(site),
      dispatch_(connections_),
      events_(&dispatch_),
      MousePos_(site.CreateTimer("MousePos", 1, [this] { MousePos_Timer(); })) {
  const int32_t tx = site.Screen().TwipsPerPixelX();
  const int32_t ty = site.Screen().TwipsPerPixelY();
  for (int16_t i = 0; i < 2; ++i) {
    Arrow& a = arrows_[static_cast<size_t>(i)];
    a.site = site.CreateChildSite("vornButton1", i);
    // The stored extent comes first, so the button's opening sequence sees its real size.
    a.site->UserControl().Move(2 * tx, 2 * ty, kArrowExtent * tx, kArrowExtent * ty);
    a.button = Ref<vornXButton>(new vornXButton(*a.site));
    a.click.bar = this;
    a.click.index = i;
    a.button->SetEventSink(&a.click);
    ArrowButtonBag stored;
    StartControl(*a.button, &stored);
    a.button->UserControl_Show();
  }
}

vornScrollBar::~vornScrollBar() {
  // Each button goes before the site it lives on.
  for (Arrow& a : arrows_) a.button = nullptr;
}

void vornScrollBar::UserControl_Terminate() {
  for (Arrow& a : arrows_) a.button->UserControl_Terminate();
}

bool vornScrollBar::get_Enabled() const { return UserControl().Enabled(); }

void vornScrollBar::put_Enabled(bool enabled) {
  UserControl().SetEnabled(enabled);
  Recolour("Enabled");
}

void vornScrollBar::put_Min(int32_t v) {
  if (v >= Max_) v = SubLong(Max_, 1);
  Min_ = v;
  Site().PropertyChanged("Min");
  if (Value_ < Min_) {
    Value_ = Min_;
    Site().PropertyChanged("Value");
  }
  DrawTrack();
}

void vornScrollBar::put_Max(int32_t v) {
  if (v <= Min_) v = AddLong(Min_, 1);
  Max_ = v;
  Site().PropertyChanged("Max");
  if (Value_ > Max_) {
    Value_ = Max_;
    Site().PropertyChanged("Value");
  }
  DrawTrack();
}

// Compared with the current value rather than the last reported one: while the bar is disabled
// nothing is reported, and an assignment back to the reported value must not be lost. While
// enabled the two are the same after every repaint. The event itself comes from the painting.
void vornScrollBar::put_Value(int32_t v) {
  if (v == Value_) return;
  if (v < Min_) v = Min_;
  if (v > Max_) v = Max_;  // Max wins when a stored Min lies above Max
  Value_ = v;
  Site().PropertyChanged("Value");
  ValueToThumbPos(Value_);
  DrawTrack();
}

void vornScrollBar::put_Orientation(int32_t v) {
  Orientation_ = v;
  Site().PropertyChanged("Orientation");
  SetArrowGlyphs();
  UserControl_Resize();
}

void vornScrollBar::put_BackColor(Color c) {
  BackColor_ = c;
  Recolour("BackColor");
}

void vornScrollBar::put_ForeColor(Color c) {
  ForeColor_ = c;
  Recolour("ForeColor");
}

void vornScrollBar::Recolour(std::string_view bagName) {
  Site().PropertyChanged(bagName);
  ApplyVisualState();
  DrawTrack();
}

double vornScrollBar::BarLength() const {
  return Orientation_ == pbHorizontal ? UserControl().ScaleWidth() : UserControl().ScaleHeight();
}

float vornScrollBar::ArrowEdge() const { return arrows_[0].button->UserControl().ScaleHeight(); }

int32_t vornScrollBar::ArrowZoneLength() const { return Nearest(ArrowEdge() + 5.0); }

// A bar shorter than its two arrow zones has no room for a thumb: length and travel stay at 0.
int32_t vornScrollBar::ThumbLength() const {
  if (!LaysOut()) return 0;
  return std::max(0, Nearest(BarLength() / 2.0 - ArrowZoneLength()));
}

int32_t vornScrollBar::Travel() const {
  if (!LaysOut()) return 0;
  return std::max(0, Nearest(BarLength() - ThumbLength() - 2.0 * ArrowZoneLength()));
}

// Whole percent of the range, ties to even. A value outside the range (only a stored one can be)
// shows at the nearer end, also when a stored Max equals Min.
int32_t vornScrollBar::PercentOfValue(int32_t v) const {
  if (v == Min_) return 0;
  if (Max_ == Min_) return v > Min_ ? 100 : 0;
  const double p = (static_cast<double>(v) - Min_) / (static_cast<double>(Max_) - Min_) * 100.0;
  return Nearest(std::clamp(p, 0.0, 100.0));
}

int32_t vornScrollBar::ValueToThumbPos(int32_t v) {
  ThumbPos_ = Fix(PercentOfValue(v) * static_cast<double>(Travel()) / 100.0);
  return ThumbPos_;
}

// The percent is held to 0..100: beyond the ends the result is Min or Max anyway, and the product
// with a range wider than a Long could hold must not overflow.
int32_t vornScrollBar::ThumbPosToValue(float d) const {
  double p = 0;
  if (d != 0) {
    const double travel = BarLength() - ThumbLength() - 2.0 * ArrowZoneLength();
    p = travel > 0 ? Nearest(std::clamp(d / travel * 100.0, 0.0, 100.0)) : (d > 0 ? 100 : 0);
  }
  double v = std::trunc(p * (static_cast<double>(Max_) - Min_) / 100.0) + Min_;
  if (v < Min_) v = Min_;
  if (v > Max_) v = Max_;
  return static_cast<int32_t>(v);
}

bool vornScrollBar::OnThumb(float X, float Y) const {
  if (!LaysOut()) return false;
  const bool horizontal = Orientation_ == pbHorizontal;
  const double P = horizontal ? X : Y;
  const double Q = horizontal ? Y : X;
  const double E = horizontal ? UserControl().ScaleHeight() : UserControl().ScaleWidth();
  const double start = static_cast<double>(ArrowZoneLength()) + ThumbPos_;
  return P > start && P < start + ThumbLength() && Q > 2 && Q < E - 2;
}

// Press: on the thumb it starts a drag; before the thumb's first pixel it jumps to Min, after it
// to Max (the margins across the thumb count as track); exactly on it nothing happens.
void vornScrollBar::UserControl_MouseDown(int16_t Button, int16_t, float X, float Y) {
  if (Button != 1 || !LaysOut()) return;
  const double P = Orientation_ == pbHorizontal ? X : Y;
  const int32_t A = ArrowZoneLength();
  if (OnThumb(X, Y)) {
    Dragging_ = true;
    GrabOffset_ = Nearest(P - ThumbPos_ - A);
    return;
  }
  const double start = static_cast<double>(A) + ThumbPos_;
  if (P < start) {
    put_Value(Min_);
  } else if (P > start) {
    put_Value(Max_);
  }
}

void vornScrollBar::UserControl_MouseMove(int16_t Button, int16_t, float X, float Y) {
  if (!LaysOut() || !(Dragging_ || OnThumb(X, Y))) return;
  HoverAnchor_ = Site().GetPlatform().GetCursorPos();
  MousePos_->SetEnabled(true);
  if (Button != 1) return;
  const double P = Orientation_ == pbHorizontal ? X : Y;
  put_Value(ThumbPosToValue(static_cast<float>(P - ArrowZoneLength() - GrabOffset_)));
  events_->Scroll();
}

void vornScrollBar::UserControl_MouseUp(int16_t Button, int16_t, float, float) {
  if (Button != 1) return;
  if (Dragging_) events_->Click();
  Dragging_ = false;
}

void vornScrollBar::MousePos_Timer() {
  CursorNow_ = Site().GetPlatform().GetCursorPos();
  const bool left = std::llabs(int64_t{CursorNow_.x} - HoverAnchor_.x) >= 2 ||
                    std::llabs(int64_t{CursorNow_.y} - HoverAnchor_.y) >= 2;
  if (left) {
    VisualState_ = 5;
    ApplyVisualState();
    DrawTrack();
    MousePos_->SetEnabled(false);
  } else if (Dragging_) {
    VisualState_ = 3;
    ApplyVisualState();
    DrawTrack();
    events_->Click();
  } else {
    VisualState_ = 2;
    ApplyVisualState();
    DrawTrack();
  }
  Site().DoEvents();
}

void vornScrollBar::vornButton1_Click(int16_t Index) {
  // Stepping past the ends of a Long lands on them; the Value let clamps to the range.
  const int64_t step = Index == 0 ? -kArrowStep : kArrowStep;
  const int64_t target = std::clamp<int64_t>(int64_t{Value_} + step, std::numeric_limits<int32_t>::min(),
                                             std::numeric_limits<int32_t>::max());
  put_Value(static_cast<int32_t>(target));
}

void vornScrollBar::ApplyVisualState() {
  if (!UserControl().Enabled()) {
    VisualState_ = 4;
  } else if (VisualState_ == 4) {
    VisualState_ = 0;
  }
  switch (VisualState_) {
    case 2:
    case 3: Scheme_ = PaletteHot(BackColor_, ForeColor_, kWhite); break;
    case 4: Scheme_ = PaletteDisabled(BackColor_, ForeColor_, kWhite); break;
    default: Scheme_ = PaletteNormal(BackColor_, ForeColor_, kWhite); break;
  }
  // Each let repaints the button, so only a colour that changes is handed on.
  for (Arrow& a : arrows_) {
    vornXButton& b = *a.button;
    if (b.get_BackColor() != BackColor_) b.put_BackColor(BackColor_);
    if (b.get_ForeColor() != ForeColor_) b.put_ForeColor(ForeColor_);
    if (b.get_TabSelectColor() != 0) b.put_TabSelectColor(0);
  }
}

void vornScrollBar::SetArrowGlyphs() {
  for (Arrow& a : arrows_) {
    Ref<Font> font = a.button->get_Font();
    font->SetName("Webdings");
    font->SetSize(8);
  }
  if (Orientation_ == pbHorizontal) {
    arrows_[0].button->put_Caption("3");
    arrows_[1].button->put_Caption("4");
  } else if (Orientation_ == pbVertical) {
    arrows_[0].button->put_Caption("5");
    arrows_[1].button->put_Caption("6");
  }
}

void vornScrollBar::PlaceArrow(int index, float left, float top, float edge) {
  const int32_t tx = Site().Screen().TwipsPerPixelX();
  const int32_t ty = Site().Screen().TwipsPerPixelY();
  arrows_[static_cast<size_t>(index)].site->UserControl().Move(Nearest(left * tx), Nearest(top * ty),
                                                               Nearest(edge * tx), Nearest(edge * ty));
}

// The thickness across is held to 15..25 pixels (setting it resizes, which runs this layout again
// at once); the arrow buttons are square, 2 pixels in from the ends and the sides.
void vornScrollBar::UserControl_Resize() {
  Surface& s = UserControl();
  const int32_t tpp = Site().Screen().TwipsPerPixelX();
  if (Orientation_ == pbHorizontal) {
    if (s.Height() > kThickest * tpp) s.SetHeight(kThickest * tpp);
    if (s.Height() < kThinnest * tpp) s.SetHeight(kThinnest * tpp);
    const float edge = s.ScaleHeight() - 4;
    PlaceArrow(0, 2, 2, edge);
    PlaceArrow(1, s.ScaleWidth() - (edge + 2), 2, edge);
  } else if (Orientation_ == pbVertical) {
    if (s.Width() > kThickest * tpp) s.SetWidth(kThickest * tpp);
    if (s.Width() < kThinnest * tpp) s.SetWidth(kThinnest * tpp);
    const float edge = s.ScaleWidth() - 4;
    PlaceArrow(0, 2, 2, edge);
    PlaceArrow(1, 2, s.ScaleHeight() - (edge + 2), edge);
  }
  DrawTrack();
}

void vornScrollBar::UserControl_Initialize() {
  ApplyVisualState();
  DrawTrack();
}

void vornScrollBar::UserControl_InitProperties() {
  Min_ = 1;
  Max_ = 100;
  Value_ = 50;
  Orientation_ = pbVertical;
  BackColor_ = kBackColor;
  ForeColor_ = kForeColor;
  // A new bar shows its arrows at once, not only after it has been stored and loaded again.
  SetArrowGlyphs();
  UserControl_Resize();
  ApplyVisualState();
  DrawTrack();
}

void vornScrollBar::UserControl_ReadProperties(PropertyBag& bag) {
  auto toLong = [](const Variant& v) { return v.ToLong(); };
  auto color = [](const Variant& v) { return v.ToColor(); };
  UserControl().SetEnabled(ReadPropertyAs<bool>(bag, "Enabled", Variant(true), [](const Variant& v) { return v.ToBool(); }));
  // Stored values are taken as they are; the next assignment brings them back into order.
  Min_ = ReadPropertyAs<int32_t>(bag, "Min", Variant(int32_t{1}), toLong);
  Max_ = ReadPropertyAs<int32_t>(bag, "Max", Variant(int32_t{100}), toLong);
  Value_ = ReadPropertyAs<int32_t>(bag, "Value", Variant(int32_t{50}), toLong);
  Orientation_ = ReadPropertyAs<int32_t>(bag, "Orientation", Variant(int32_t{pbVertical}), toLong);
  BackColor_ = ReadPropertyAs<Color>(bag, "BackColor", Variant::FromColor(kBackColor), color);
  ForeColor_ = ReadPropertyAs<Color>(bag, "ForeColor", Variant::FromColor(kForeColor), color);
  UserControl_Resize();
  SetArrowGlyphs();
  ApplyVisualState();
  DrawTrack();
}

void vornScrollBar::UserControl_WriteProperties(PropertyBag& bag) {
  bag.WriteProperty("Enabled", Variant(UserControl().Enabled()), Variant(true));
  bag.WriteProperty("Min", Variant(Min_), Variant(int32_t{1}));
  bag.WriteProperty("Max", Variant(Max_), Variant(int32_t{100}));
  bag.WriteProperty("Value", Variant(Value_), Variant(int32_t{50}));
  bag.WriteProperty("Orientation", Variant(Orientation_), Variant(int32_t{pbVertical}));
  bag.WriteProperty("BackColor", Variant::FromColor(BackColor_), Variant::FromColor(kBackColor));
  bag.WriteProperty("ForeColor", Variant::FromColor(ForeColor_), Variant::FromColor(kForeColor));
  UserControl_Resize();
  SetArrowGlyphs();
  ApplyVisualState();
  DrawTrack();
}

namespace {
const EventInfo kEvents[] = {
    {"Click", 1},
    {"KeyPress", 2, kKeyAsciiParams},
    {"KeyUp", 3, kKeyParams},
    {"KeyDown", 4, kKeyParams},
    {"Scroll", 5},
    {"ValueChanged", 6},
};
const MemberInfo kMembers[] = {
    {"Enabled", 0x68030006, kGet | kLet, "Boolean", {},
     &PropertyThunk<&vornScrollBar::get_Enabled, &vornScrollBar::put_Enabled>},
    {"Min", 0x68030005, kGet | kLet, "Long", {}, &PropertyThunk<&vornScrollBar::get_Min, &vornScrollBar::put_Min>},
    {"Max", 0x68030004, kGet | kLet, "Long", {}, &PropertyThunk<&vornScrollBar::get_Max, &vornScrollBar::put_Max>},
    {"Value", 0x68030003, kGet | kLet, "Long", {},
     &PropertyThunk<&vornScrollBar::get_Value, &vornScrollBar::put_Value>},
    {"Orientation", 0x68030002, kGet | kLet, "MyOrientation", {},
     &PropertyThunk<&vornScrollBar::get_Orientation, &vornScrollBar::put_Orientation>},
    {"BackColor", 0x68030001, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornScrollBar::get_BackColor, &vornScrollBar::put_BackColor>},
    {"ForeColor", 0x68030000, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornScrollBar::get_ForeColor, &vornScrollBar::put_ForeColor>},
};
const ClassInfo kClass{"vornScrollBar", kMembers, kEvents};
}  // namespace

const ClassInfo& vornScrollBar::StaticClass() { return kClass; }

}  // namespace vorn
