#include <gtest/gtest.h>

#include <climits>

#include "SliderTestKit.h"
#include "foundation/Dispatch.h"

namespace vorn {
namespace {

using test::RestingScheme;
using test::SliderHarness;
using test::StoredSlider;

constexpr Color kMarker = 0x123456;  // a pixel no repaint draws: still there means no repaint

TEST(SliderKnobMapping, TwoHundredTwentyPixelSliderCentresFiveAt110) {
  SliderHarness s(220, 25);
  const ColorScheme S = RestingScheme();
  EXPECT_EQ(s->KnobPos(), 100);
  for (int y = 4; y <= 14; ++y) {
    EXPECT_EQ(s.Pixel(105, y), S[4]) << y;  // left side of the body
    EXPECT_EQ(s.Pixel(115, y), S[7]) << y;  // right side
  }
  EXPECT_EQ(s.Pixel(110, 20), S[4]);  // the point, on the centre line
  EXPECT_EQ(s.Pixel(104, 5), S[1]);
  EXPECT_EQ(s.Pixel(116, 5), S[1]);
}

TEST(SliderKnobMapping, PressAtSixtyGivesTwoAndMovesTheKnob) {
  SliderHarness s(220, 25);
  s.log.Clear();
  s.MoveTo(60, 12);  // not on the knob: nothing happens
  EXPECT_FALSE(s->MousePos().Enabled());
  s.Press();
  EXPECT_EQ(s->get_Value(), 2);
  EXPECT_TRUE(s->Dragging());
  EXPECT_EQ(s.log.Joined(), "ValueChange()");
  EXPECT_EQ(s->KnobPos(), 40);
  // The press gave it the focus: at rest it shows the focus scheme.
  EXPECT_EQ(s.Pixel(50, 20), PaletteFocus(0xFFFFFF, 0xC00000, 0x96E7)[4]);
}

TEST(SliderKnobMapping, VerticalPressUsesY) {
  auto s = StoredSlider(25, 220, {{"Orientation", Variant(int32_t{2})}});
  s->MoveTo(12, 210);
  s->Press();
  EXPECT_EQ((*s)->get_Value(), 10);
  EXPECT_EQ((*s)->KnobPos(), 200);
  EXPECT_EQ(s->Pixel(20, 210), (*s)->Scheme()[4]);  // the point, across at 20
}

TEST(SliderScaleRounding, PercentsRoundHalvesToEven) {
  const SliderScale byHundred{0, 100, 220};
  EXPECT_EQ(byHundred.ValueAt(1, 50), 0);  // 0.5 %
  EXPECT_EQ(byHundred.ValueAt(3, 50), 2);  // 1.5 %
  EXPECT_EQ(byHundred.ValueAt(0, 50), 0);
  const SliderScale byEight{0, 8, 220};
  EXPECT_EQ(byEight.KnobPos(1), 24);  // 12.5 % -> 12 -> 24 px
  EXPECT_EQ(byEight.KnobPos(3), 76);  // 37.5 % -> 38 -> 76 px
}

TEST(SliderScaleEdges, EqualMinAndMaxPutValuesAtTheEnds) {
  const SliderScale s{5, 5, 220};
  EXPECT_EQ(s.KnobPos(5), 0);
  EXPECT_EQ(s.KnobPos(7), 200);
  EXPECT_EQ(s.KnobPos(3), 0);
  EXPECT_EQ(s.ValueAt(100, 7), 5);
}

TEST(SliderScaleEdges, NoTravelKeepsTheKnobAtTheStartAndTheValue) {
  for (float length : {20.0f, 12.0f, 0.0f, 20.5f}) {
    const SliderScale s{0, 10, length};
    EXPECT_EQ(s.KnobPos(7), 0) << length;
    EXPECT_EQ(s.ValueAt(30, 7), 7) << length;
    EXPECT_EQ(s.ValueAt(30, 12), 10) << length;  // brought into the range
  }
}

TEST(SliderScaleEdges, ExtremeValuesNeitherOverflowNorWrap) {
  const SliderScale s{0, 10, 220};
  EXPECT_EQ(s.KnobPos(INT32_MAX), SliderScale::kFarOffset);
  EXPECT_EQ(s.KnobPos(INT32_MIN), -SliderScale::kFarOffset);
  const SliderScale wide{INT32_MIN, INT32_MAX, 220};
  EXPECT_EQ(wide.KnobPos(0), 100);
  EXPECT_EQ(wide.ValueAt(1e6f, 0), INT32_MAX);
  EXPECT_EQ(wide.ValueAt(-1e6f, 0), INT32_MIN);
}

TEST(SliderValueRange, ValueBeyondMaxIsKeptAndDrawnPastTheEnd) {
  SliderHarness s(220, 25);
  s.log.Clear();
  s->put_Value(20);
  EXPECT_EQ(s->get_Value(), 20);
  EXPECT_EQ(s.log.Joined(), "ValueChange()");
  EXPECT_EQ(s->KnobPos(), 400);
  for (int x = 0; x < 220; ++x) EXPECT_FALSE(test::ColumnHas(s, x, 0, 24, RestingScheme()[7])) << x;
  // Beyond the end but still in view: 104 of 0 .. 100 puts the body at 213 .. 223.
  s->put_Max(100);
  s->put_Value(104);
  EXPECT_EQ(s.Pixel(213, 5), RestingScheme()[4]);
  EXPECT_EQ(s.Pixel(212, 9), RestingScheme()[4]);  // the groove's end cap, left of the knob
}

TEST(SliderValueRange, MinAndMaxLetsKeepMinBelowMaxAndPullValue) {
  SliderHarness s(220, 25);
  std::vector<std::string> changed;
  s.ambient->propertyChanged = [&](const std::string&, std::string_view p) { changed.emplace_back(p); };
  s->put_Min(10);
  EXPECT_EQ(s->get_Min(), 9);
  EXPECT_EQ(s->get_Value(), 9);  // pulled up from 5
  EXPECT_EQ(changed, (std::vector<std::string>{"Min", "Value"}));
  s->put_Min(5);
  s->put_Value(8);
  s.log.Clear();
  changed.clear();
  s->put_Max(3);
  EXPECT_EQ(s->get_Max(), 6);
  EXPECT_EQ(s->get_Value(), 6);
  EXPECT_EQ(changed, (std::vector<std::string>{"Max", "Value"}));
  EXPECT_EQ(s.log.Joined(), "ValueChange()");
}

TEST(SliderValueRange, ALetThatWouldOverflowFailsAndKeepsTheOldValues) {
  auto s = StoredSlider(220, 25, {{"Min", Variant(int32_t{INT32_MIN})}, {"Max", Variant(int32_t{INT32_MIN})}});
  EXPECT_THROW(LetMember(**s, "Min", Variant(int32_t{0})), RuntimeError);
  EXPECT_EQ((*s)->get_Min(), INT32_MIN);
  EXPECT_EQ((*s)->get_Max(), INT32_MIN);
}

TEST(SliderValueRange, LettingTheSameValueNeitherRepaintsNorReports) {
  SliderHarness s(220, 25);
  s.log.Clear();
  s.Window().PSet(0, 0, kMarker);
  s->put_Value(5);
  EXPECT_EQ(s.Pixel(0, 0), kMarker);
  EXPECT_EQ(s.log.lines.size(), 0u);
}

TEST(SliderValueRange, ValueSetWhileDisabledIsReportedOnceEnabled) {
  SliderHarness s(220, 25);
  s->put_Enabled(false);
  s.log.Clear();
  s->put_Value(7);
  EXPECT_EQ(s.log.lines.size(), 0u);
  for (int x = 0; x < 220; ++x) EXPECT_FALSE(test::ColumnHas(s, x, 0, 24, PaletteDisabled(0xFFFFFF, 0xC00000, 0xFFFFFF)[7]));
  // Back to the reported value and away again: the assignment takes effect, nothing is lost.
  s->put_Value(5);
  EXPECT_EQ(s->get_Value(), 5);
  s->put_Value(8);
  s->put_Enabled(true);
  EXPECT_EQ(s.log.Joined(), "ValueChange()");
  EXPECT_EQ(s->KnobPos(), 160);
}

TEST(SliderValueRange, AValueChangeHandlerThatMovesTheValueLeavesOneKnob) {
  SliderHarness s(220, 25);
  s.log.Clear();
  s.log.handler = [&](const std::string& name, std::span<Variant>) {
    if (name == "ValueChange" && s->get_Value() == 3) s->put_Value(8);
  };
  s->put_Value(3);
  EXPECT_EQ(s->get_Value(), 8);
  EXPECT_EQ(s.log.Count("ValueChange"), 2);
  const ColorScheme S = RestingScheme();
  EXPECT_EQ(s.Pixel(165, 5), S[4]);   // the knob of 8
  EXPECT_EQ(s.Pixel(65, 5), S[1]);    // none left where 3 would be
}

}  // namespace
}  // namespace vorn
