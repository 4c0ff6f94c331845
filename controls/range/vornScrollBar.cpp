#include "controls/range/vornScrollBar.h"

#include <limits>

#include "controls/range/ArrowButtonBag.h"
#include "foundation/Convert.h"

namespace vorn {

namespace {
constexpr Color kWhite = 0xFFFFFF;
constexpr int32_t kThinnest = 15;   // pixels across
constexpr int32_t kThickest = 25;
constexpr int32_t kArrowExtent = 25;  // pixels, as the designer stored the arrow buttons
constexpr int32_t kArrowStep = 5;
// The glyphs of arrow buttons 0 and 1 in the symbol font: left and right, up and down triangles.
constexpr const char* kGlyphs[2][2] = {{"3", "4"}, {"5", "6"}};
}  // namespace

vornScrollBar::vornScrollBar(ControlSite& site)
    : ClassOf(site, RangeModel::LimitsValue, rlPlain), TypedEvents(connections_) {
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

void vornScrollBar::put_Min(int32_t v) {
  range_.LetMin(Site(), v);
  DrawTrack();
}

void vornScrollBar::put_Max(int32_t v) {
  range_.LetMax(Site(), v);
  DrawTrack();
}

// Limited to Min .. Max; the thumb moves to the new value even while disabled, when no thumb is
// painted.
void vornScrollBar::put_Value(int32_t v) {
  if (!range_.LetValue(Site(), v)) return;
  ThumbPos_ = Scale().ThumbPos(range_.Value);
  DrawTrack();
}

void vornScrollBar::Recolour() {
  ApplyVisualState();
  DrawTrack();
}

void vornScrollBar::Relayout() {
  SetArrowGlyphs();
  UserControl_Resize();
}

// A new bar shows its arrows at once, not only after it has been stored and loaded again.
void vornScrollBar::Initialised() {
  SetArrowGlyphs();
  UserControl_Resize();
  Recolour();
}

// Stored values are taken as they are; the next assignment brings them back into order.
void vornScrollBar::Stored() {
  UserControl_Resize();
  SetArrowGlyphs();
  Recolour();
}

void vornScrollBar::DrawTrack() {
  PaintBar();
  // Reported once the picture is complete: a handler that changes the bar repaints it again.
  if (UserControl().Enabled() && range_.TakeChange()) RaiseEvent<&Events::ValueChanged>();
}

ScrollBarScale vornScrollBar::Scale() const {
  const double length = LaysOut() ? Along().Along(UserControl()) : 0.0;
  return {range_.Min, range_.Max, length, Nearest(ArrowEdge() + 5.0)};
}

float vornScrollBar::ArrowEdge() const { return arrows_[0].button->UserControl().ScaleHeight(); }

bool vornScrollBar::OnThumb(float X, float Y) const {
  if (!LaysOut()) return false;
  const Axes ax = Along();
  const double P = ax.X(X, Y);
  const double Q = ax.Y(X, Y);
  const double E = ax.Across(UserControl());
  const ScrollBarScale scale = Scale();
  const double start = static_cast<double>(scale.ArrowZone) + ThumbPos_;
  return P > start && P < start + scale.ThumbLength() && Q > 2 && Q < E - 2;
}

// Press: on the thumb it starts a drag; before the thumb's first pixel it jumps to Min, after it
// to Max (the margins across the thumb count as track); exactly on it nothing happens.
void vornScrollBar::UserControl_MouseDown(int16_t Button, int16_t, float X, float Y) {
  if (Button != kLeftButton || !LaysOut()) return;
  const double P = Along().X(X, Y);
  const int32_t A = Scale().ArrowZone;
  if (OnThumb(X, Y)) {
    Dragging_ = true;
    GrabOffset_ = Nearest(P - ThumbPos_ - A);
    return;
  }
  const double start = static_cast<double>(A) + ThumbPos_;
  if (P < start) {
    put_Value(range_.Min);
  } else if (P > start) {
    put_Value(range_.Max);
  }
}

void vornScrollBar::UserControl_MouseMove(int16_t Button, int16_t, float X, float Y) {
  if (!LaysOut() || !(Dragging_ || OnThumb(X, Y))) return;
  hover_.Anchor();
  if (Button != kLeftButton) return;
  const double P = Along().X(X, Y);
  put_Value(Scale().ValueAt(static_cast<float>(P - Scale().ArrowZone - GrabOffset_)));
  RaiseEvent<&Events::Scroll>();
}

void vornScrollBar::UserControl_MouseUp(int16_t Button, int16_t, float, float) {
  if (Button != kLeftButton) return;
  if (Dragging_) RaiseEvent<&Events::Click>();
  Dragging_ = false;
}

// A thumb held still raises Click on every tick.
void vornScrollBar::MousePos_Timer() {
  hover_.Tick(Dragging_, [this](Hover hover) {
    VisualState_ = hover == Hover::Left ? rlResting : hover == Hover::Held ? rlHeld : rlHot;
    ApplyVisualState();
    DrawTrack();
    if (hover == Hover::Held) RaiseEvent<&Events::Click>();
  });
}

void vornScrollBar::vornButton1_Click(int16_t Index) {
  // Stepping past the ends of a Long lands on them; the Value let limits to the range.
  const int64_t step = Index == 0 ? -kArrowStep : kArrowStep;
  put_Value(LimitToRange(int64_t{range_.Value} + step, std::numeric_limits<int32_t>::min(),
                         std::numeric_limits<int32_t>::max()));
}

// Hover and a held thumb share the hot look; nothing selects state 1.
void vornScrollBar::ApplyVisualState() {
  FollowSurface();
  switch (VisualState_) {
    case rlHot:
    case rlHeld: Scheme_ = PaletteHot(BackColor_, ForeColor_, kWhite); break;
    case rlDisabled: Scheme_ = PaletteDisabled(BackColor_, ForeColor_, kWhite); break;
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
  if (!LaysOut()) return;
  const auto& glyphs = kGlyphs[Orientation_ == pbVertical ? 1 : 0];
  arrows_[0].button->put_Caption(glyphs[0]);
  arrows_[1].button->put_Caption(glyphs[1]);
}

void vornScrollBar::PlaceArrow(int index, float left, float top, float edge) {
  const int32_t tx = Site().Screen().TwipsPerPixelX();
  const int32_t ty = Site().Screen().TwipsPerPixelY();
  arrows_[static_cast<size_t>(index)].site->UserControl().Move(Nearest(left * tx), Nearest(top * ty),
                                                               Nearest(edge * tx), Nearest(edge * ty));
}

// The thickness across is held to 15..25 pixels (setting it resizes, which runs this layout again
// at once; the horizontal factor converts both axes); the arrow buttons are square, 2 pixels in
// from the ends and the sides.
void vornScrollBar::UserControl_Resize() {
  if (LaysOut()) {
    Surface& s = UserControl();
    const Axes ax = Along();
    const int32_t tpp = Site().Screen().TwipsPerPixelX();
    auto thickness = [&] { return ax.vertical ? s.Width() : s.Height(); };
    auto setThickness = [&](int32_t twips) { ax.vertical ? s.SetWidth(twips) : s.SetHeight(twips); };
    if (thickness() > kThickest * tpp) setThickness(kThickest * tpp);
    if (thickness() < kThinnest * tpp) setThickness(kThinnest * tpp);
    const float edge = ax.Across(s) - 4;
    const float end = ax.Along(s) - (edge + 2);
    PlaceArrow(0, 2, 2, edge);
    PlaceArrow(1, ax.X(end, 2.0f), ax.Y(end, 2.0f), edge);
  }
  DrawTrack();
}

void vornScrollBar::UserControl_Initialize() {
  ApplyVisualState();
  DrawTrack();
}

}  // namespace vorn
