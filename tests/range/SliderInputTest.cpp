#include <gtest/gtest.h>

#include "SliderTestKit.h"

namespace vorn {
namespace {

using test::RestingScheme;
using test::SliderHarness;
using test::StoredSlider;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlue = 0xC00000;
constexpr Color kMarker = 0x123456;

// The groove's top row shows the scheme's entry 2.
Color GrooveTop(test::HarnessBase& h) { return h.Pixel(30, 8); }

TEST(SliderMouse, ALeftClickRaisesClickTwice) {
  SliderHarness s(220, 25);
  s.log.Clear();
  s.ClickAt(60, 12);
  EXPECT_EQ(s.log.Joined(), "ValueChange(); Click(); Click()");
  EXPECT_FALSE(s->Dragging());
}

TEST(SliderMouse, DraggingSlidesOnEveryMoveAndReleasingOutsideClicksOnce) {
  SliderHarness s(220, 25);
  s.log.Clear();
  s.MoveTo(110, 10);  // on the knob
  EXPECT_TRUE(s->MousePos().Enabled());
  s.Press();  // the knob's centre is already there: no change
  s.MoveTo(160, 12);
  EXPECT_EQ(s->get_Value(), 7);
  s.MoveTo(161, 12);  // same value, still a Slide
  s.MoveTo(500, 100);  // far outside: limited to Max
  EXPECT_EQ(s->get_Value(), 10);
  s.Release();
  EXPECT_EQ(s.log.Joined(), "ValueChange(); Slide(); Slide(); ValueChange(); Slide(); Click()");
}

TEST(SliderMouse, OnlyTheKnobStartsHoverTracking) {
  SliderHarness s(220, 25);
  s.MoveTo(60, 12);
  s.MoveTo(110, 3);  // the knob's bounds are strict
  s.MoveTo(105, 10);
  EXPECT_FALSE(s->MousePos().Enabled());
  s.MoveTo(106, 19);
  EXPECT_TRUE(s->MousePos().Enabled());
}

TEST(SliderMouse, OtherButtonsDoNothing) {
  SliderHarness s(220, 25);
  s.log.Clear();
  s.MoveTo(60, 12);
  s.Press(2);
  s.Release(2);
  EXPECT_EQ(s->get_Value(), 5);
  EXPECT_FALSE(s->Dragging());
  EXPECT_EQ(s.log.lines.size(), 0u);
}

TEST(SliderKeys, ArrowsStepAlongTheOrientationOnly) {
  SliderHarness s(220, 25);
  s.host.SetFocus(&s.Window());
  s.log.Clear();
  s.host.KeyDown(39);
  EXPECT_EQ(s->get_Value(), 6);
  s.host.KeyDown(37);
  s.host.KeyDown(37);
  EXPECT_EQ(s->get_Value(), 4);
  s.host.KeyDown(38);
  s.host.KeyDown(40);
  EXPECT_EQ(s->get_Value(), 4);
  EXPECT_EQ(s.log.Joined(),
            "KeyDown(39, 0); ValueChange(); KeyDown(37, 0); ValueChange(); KeyDown(37, 0); ValueChange(); "
            "KeyDown(38, 0); KeyDown(40, 0)");
}

TEST(SliderKeys, VerticalSlidersStepWithUpAndDown) {
  auto s = StoredSlider(25, 220, {{"Orientation", Variant(int32_t{2})}});
  s->host.SetFocus(&s->Window());
  s->host.KeyDown(40);
  s->host.KeyDown(40);
  s->host.KeyDown(38);
  s->host.KeyDown(39);
  EXPECT_EQ((*s)->get_Value(), 6);
}

TEST(SliderKeys, RightArrowAtMaxChangesNothing) {
  auto s = StoredSlider(220, 25, {{"Value", Variant(int32_t{10})}});
  s->host.SetFocus(&s->Window());
  s->log.Clear();
  s->Window().PSet(0, 0, kMarker);
  s->host.KeyDown(39);
  EXPECT_EQ((*s)->get_Value(), 10);
  EXPECT_EQ(s->log.Joined(), "KeyDown(39, 0)");
  EXPECT_EQ(s->Pixel(0, 0), kMarker);  // not repainted
}

TEST(SliderKeys, AHandlerThatZeroesKeyCodeStopsTheStep) {
  SliderHarness s(220, 25);
  s.log.handler = [](const std::string& name, std::span<Variant> args) {
    if (name == "KeyDown") args[0] = Variant(int16_t{0});
  };
  s.host.SetFocus(&s.Window());
  s.host.KeyDown(39);
  EXPECT_EQ(s->get_Value(), 5);
}

TEST(SliderKeys, AValueOutsideTheRangeComesBackInside) {
  SliderHarness s(220, 25);
  s.host.SetFocus(&s.Window());
  s->put_Value(20);
  s.host.KeyDown(37);
  EXPECT_EQ(s->get_Value(), 10);
  s->put_Value(-5);
  s.host.KeyDown(39);
  EXPECT_EQ(s->get_Value(), 0);
}

// Hover, row by row:
//   move onto the knob            timer on, anchor = cursor (no repaint)
//   tick, cursor within 1 px      state 2, hot scheme (focused or not)
//   cursor 2 px away, tick        state 5: focus scheme if focused, else normal; timer off
TEST(SliderHover, FocusShowsOnlyAfterThePointerLeftTheKnob) {
  SliderHarness s(220, 25);
  s.MoveTo(110, 4);
  s.Tick();
  EXPECT_EQ(s->VisualState(), 2);
  EXPECT_EQ(GrooveTop(s), PaletteHot(kWhite, kBlue, kWhite)[2]);
  s.host.SetFocus(&s.Window());
  EXPECT_EQ(s->HasFocus(), 1);
  EXPECT_EQ(GrooveTop(s), PaletteHot(kWhite, kBlue, kWhite)[2]);
  s.MoveTo(110, 3);  // off the knob, 1 px from the anchor: still resting there
  s.Tick();
  EXPECT_EQ(s->VisualState(), 2);
  s.MoveTo(110, 2);
  s.Tick();
  EXPECT_EQ(s->VisualState(), 5);
  EXPECT_FALSE(s->MousePos().Enabled());
  const ColorScheme focus = PaletteFocus(kWhite, kBlue, 0x96E7);
  EXPECT_EQ(s->Scheme(), focus);
  EXPECT_EQ(GrooveTop(s), focus[2]);
  s.host.SetFocus(nullptr);
  EXPECT_EQ(GrooveTop(s), RestingScheme()[2]);
}

TEST(SliderHover, AHeldKnobShowsTheNormalSchemeAndClicksOnEveryTick) {
  SliderHarness s(220, 25);
  s.MoveTo(110, 10);
  s.Press();
  s.Tick(3);
  EXPECT_EQ(s->VisualState(), 3);
  EXPECT_EQ(GrooveTop(s), RestingScheme()[2]);
  EXPECT_EQ(s.log.Count("Click"), 3);
  s.Release();
  s.Tick();
  EXPECT_EQ(s->VisualState(), 2);
}

TEST(SliderHover, DisabledThenEnabledShowsTheNormalSchemeEvenWhenFocused) {
  SliderHarness s(220, 25);
  s.host.SetFocus(&s.Window());
  s->put_Enabled(false);
  EXPECT_EQ(s->VisualState(), 4);
  EXPECT_EQ(GrooveTop(s), PaletteDisabled(kWhite, kBlue, kWhite)[2]);
  s->put_Enabled(true);
  EXPECT_EQ(s->VisualState(), 0);
  EXPECT_EQ(GrooveTop(s), RestingScheme()[2]);
}

}  // namespace
}  // namespace vorn
