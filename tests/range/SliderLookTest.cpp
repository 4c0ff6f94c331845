#include <gtest/gtest.h>

#include <vector>

#include "SliderTestKit.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

using test::RestingScheme;
using test::SliderHarness;
using test::StoredSlider;

Variant L(int32_t v) { return Variant(v); }

// Columns of row y (x in 0 .. width-1) that have colour c.
std::vector<int> ColumnsOf(test::HarnessBase& h, int y, Color c) {
  std::vector<int> xs;
  for (int x = 0; x < h.Window().Pixels().Width(); ++x) {
    if (h.Pixel(x, y) == c) xs.push_back(x);
  }
  return xs;
}

// Centres of the runs of ink (pixels other than bg) along one axis, projected from a band of the
// other axis; runs closer than 4 pixels belong together (the glyphs of one label).
std::vector<double> InkCentres(test::HarnessBase& h, bool alongX, int from, int to, Color bg) {
  const PixelBuffer& p = h.Window().Pixels();
  const int n = alongX ? p.Width() : p.Height();
  std::vector<double> centres;
  int start = -1, last = -100;
  for (int i = 0; i < n; ++i) {
    bool ink = false;
    for (int j = from; j <= to && !ink; ++j) ink = (alongX ? p.Get(i, j) : p.Get(j, i)) != bg;
    if (!ink) continue;
    if (i - last > 4) {
      if (start >= 0) centres.push_back((start + last) / 2.0);
      start = i;
    }
    last = i;
  }
  if (start >= 0) centres.push_back((start + last) / 2.0);
  return centres;
}

TEST(SliderGroove, FourLinesWithEndCapsAlongTheSlider) {
  auto s = StoredSlider(220, 25, {{"Value", L(10)}});  // knob out of the way at 205 .. 215
  const ColorScheme S = RestingScheme();
  for (int x : {8, 50, 200}) {
    EXPECT_EQ(s->Pixel(x, 8), S[2]);
    EXPECT_EQ(s->Pixel(x, 9), S[3]);
    EXPECT_EQ(s->Pixel(x, 10), S[3]);
    EXPECT_EQ(s->Pixel(x, 11), S[4]);
    EXPECT_EQ(s->Pixel(x, 7), S[1]);
    EXPECT_EQ(s->Pixel(x, 12), S[1]);
  }
  EXPECT_EQ(s->Pixel(7, 8), S[1]);
  EXPECT_EQ(s->Pixel(7, 9), S[2]);
  EXPECT_EQ(s->Pixel(7, 10), S[2]);
  EXPECT_EQ(s->Pixel(7, 11), S[1]);  // the cap's end point is excluded
  // The right end lies under the knob here; on a slider at Min it shows.
  auto t = StoredSlider(220, 25, {{"Value", L(0)}});
  EXPECT_EQ(t->Pixel(211, 8), S[2]);
  EXPECT_EQ(t->Pixel(212, 8), S[1]);
  EXPECT_EQ(t->Pixel(212, 9), S[4]);
  EXPECT_EQ(t->Pixel(212, 10), S[4]);
  EXPECT_EQ(t->Pixel(212, 11), S[1]);
}

TEST(SliderGroove, VerticalGrooveRunsDown) {
  auto s = StoredSlider(25, 220, {{"Orientation", L(2)}, {"Value", L(0)}});
  const ColorScheme S = RestingScheme();
  EXPECT_EQ(s->Pixel(8, 100), S[2]);
  EXPECT_EQ(s->Pixel(9, 100), S[3]);
  EXPECT_EQ(s->Pixel(10, 100), S[3]);
  EXPECT_EQ(s->Pixel(11, 100), S[4]);
  EXPECT_EQ(s->Pixel(9, 7), S[2]);
  EXPECT_EQ(s->Pixel(9, 212), S[4]);
  EXPECT_EQ(s->Pixel(8, 212), S[1]);
}

TEST(SliderTicks, QuarterStyleOnZeroToTen) {
  auto s = StoredSlider(220, 25, {{"TickStyle", L(Tick_Four)}, {"Value", L(0)}});
  const ColorScheme S = RestingScheme();
  // Long ticks at 10, C(5) = 110 and 210 reach row 24 (the knob at 5 .. 15 covers rows up to 20).
  EXPECT_EQ(ColumnsOf(*s, 22, S[8]), (std::vector<int>{10, 110, 210}));
  EXPECT_EQ(ColumnsOf(*s, 24, S[8]), (std::vector<int>{10, 110, 210}));
  EXPECT_EQ(s->Pixel(110, 15), S[8]);
  // Short ticks at C(2) = 50 and C(7) = 150, rows 15 .. 19.
  std::vector<int> shortTicks = ColumnsOf(*s, 17, S[4]);
  std::erase_if(shortTicks, [](int x) { return x <= 15; });  // the knob's own S4 pixels
  EXPECT_EQ(shortTicks, (std::vector<int>{50, 150}));
  EXPECT_EQ(s->Pixel(50, 15), S[4]);
  EXPECT_EQ(s->Pixel(150, 19), S[4]);
  EXPECT_EQ(s->Pixel(150, 20), S[1]);
  EXPECT_EQ(s->Pixel(110, 14), S[1]);
}

TEST(SliderTicks, HalfStyleOnZeroToNinePutsTheMiddleAtFour) {
  auto s = StoredSlider(220, 25, {{"TickStyle", L(Tick_Half)}, {"Max", L(9)}, {"Value", L(0)}});
  const ColorScheme S = RestingScheme();
  // C(4): 44 % of 200 = 88, + 10.
  EXPECT_EQ(ColumnsOf(*s, 22, S[8]), (std::vector<int>{10, 98, 210}));
  EXPECT_EQ(ColumnsOf(*s, 17, S[4]), (std::vector<int>{12, 13}));  // the knob's only: no short ticks
  EXPECT_EQ(s->Window().CurrentY(), 0.0f);  // nothing printed: no labels for this style
}

TEST(SliderTicks, VerticalTicksRunAcrossFrom15To24) {
  auto s = StoredSlider(25, 220, {{"Orientation", L(2)}, {"TickStyle", L(Tick_Four)}, {"Value", L(0)}});
  const ColorScheme S = RestingScheme();
  for (int x = 15; x <= 24; ++x) EXPECT_EQ(s->Pixel(x, 110), S[8]) << x;
  for (int x = 15; x <= 19; ++x) EXPECT_EQ(s->Pixel(x, 150), S[4]) << x;
  EXPECT_EQ(s->Pixel(20, 150), S[1]);
}

TEST(SliderLabels, ValueStylesLabelEveryTickCentredBelowIt) {
  auto s = StoredSlider(220, 41, {{"TickStyle", L(Tick_Half_Value)}, {"Min", L(-50)}, {"Max", L(50)}});
  const ColorScheme S = RestingScheme();
  const std::vector<double> centres = InkCentres(*s, true, 26, 40, S[1]);
  ASSERT_EQ(centres.size(), 3u);
  EXPECT_NEAR(centres[0], 10, 2);   // "-50"
  EXPECT_NEAR(centres[1], 110, 2);  // "0"
  EXPECT_NEAR(centres[2], 210, 2);  // "50"
  int solid = 0;  // fully covered glyph pixels show S8 itself
  for (int y = 26; y <= 38; ++y) solid += static_cast<int>(ColumnsOf(*s, y, S[8]).size());
  EXPECT_GT(solid, 5);
  EXPECT_EQ(InkCentres(*s, true, 40, 40, S[1]).size(), 0u);
}

TEST(SliderLabels, FourValueStyleLabelsFiveTicks) {
  auto s = StoredSlider(220, 41, {{"TickStyle", L(Tick_Four_Value)}, {"Max", L(100)}});
  const std::vector<double> centres = InkCentres(*s, true, 26, 40, RestingScheme()[1]);
  ASSERT_EQ(centres.size(), 5u);
  const double expected[] = {10, 60, 110, 160, 210};
  for (size_t i = 0; i < 5; ++i) EXPECT_NEAR(centres[i], expected[i], 2) << i;
}

TEST(SliderLabels, ARangeWiderThan32BitsPutsTheThreeQuarterLabelAtThreeQuarters) {
  auto s = StoredSlider(420, 41, {{"TickStyle", L(Tick_Four_Value)}, {"Min", L(-2000000000)},
                                  {"Max", L(2000000000)}, {"Value", L(0)}});
  const Color bg = RestingScheme()[1];
  // q3 = 1000000000 lies at 75 % of the 400-pixel travel: its label is centred on 310 and as wide
  // as its text (a wrapped value would print elsewhere and wider).
  int left = 420, right = -1;
  for (int x = 250; x < 370; ++x) {
    for (int y = 26; y <= 40; ++y) {
      if (s->Pixel(x, y) == bg) continue;
      left = std::min(left, x);
      right = std::max(right, x);
    }
  }
  EXPECT_NEAR((left + right) / 2.0, 310, 2);
  EXPECT_NEAR(right - left + 1, s->Window().TextWidth("1000000000"), 3);
  EXPECT_EQ(InkCentres(*s, true, 26, 40, bg).size(), 5u);
}

TEST(SliderLabels, VerticalLabelsAreCentredOnTheirTickPositions) {
  auto s = StoredSlider(60, 220, {{"Orientation", L(2)}, {"TickStyle", L(Tick_Half_Value)}});
  const std::vector<double> centres = InkCentres(*s, false, 26, s->Window().Pixels().Width() - 1, RestingScheme()[1]);
  ASSERT_EQ(centres.size(), 3u);
  EXPECT_NEAR(centres[0], 10, 2);
  EXPECT_NEAR(centres[1], 110, 2);
  EXPECT_NEAR(centres[2], 210, 2);
}

// Ticks and labels are placed once and kept: a slider painted and then changed shows what one
// started with the new setting shows.
TEST(SliderLabels, FollowEveryChangeOfRangeStyleAndFont) {
  const std::pair<const char*, Variant> start[] = {{"TickStyle", L(Tick_Four_Value)}, {"Max", L(100)}, {"Value", L(37)}};
  const struct {
    const char* name;
    Variant value;
    void (*change)(vornSlider&);
  } cases[] = {
      {"Max", L(250), [](vornSlider& s) { s.put_Max(250); }},
      {"Min", L(-40), [](vornSlider& s) { s.put_Min(-40); }},
      {"TickStyle", L(Tick_Half_Value), [](vornSlider& s) { s.put_TickStyle(Tick_Half_Value); }},
      {"Font", Variant(MakeRef<Font>("DejaVu Sans", 12.0f)),
       [](vornSlider& s) {
         s.UserControl().SetFontSize(12.0f);
         s.RedrawSlider(true);
       }},
  };
  for (const auto& c : cases) {
    test::MemoryPropertyBag before, after;
    for (const auto& [name, value] : start) before.stored[name] = after.stored[name] = value;
    after.stored[c.name] = c.value;
    SliderHarness changed(220, 41, &before), fresh(220, 41, &after);
    c.change(*changed);
    EXPECT_TRUE(test::SamePicture(changed.Window().Pixels(), fresh.Window().Pixels())) << c.name;
  }
}

TEST(SliderResize, HeightFollowsTheTickStyle) {
  SliderHarness s(220, 30);
  EXPECT_EQ(s.Window().Pixels().Height(), 25);  // the first resize applies the rule
  s->put_TickStyle(Tick_Half_Value);
  EXPECT_EQ(s.Window().Height(), 41 * 15);
  s->put_TickStyle(Tick_Half);
  EXPECT_EQ(s.Window().Height(), 25 * 15);
  s->put_TickStyle(7);  // unknown styles make room for labels too
  EXPECT_EQ(s.Window().Pixels().Height(), 41);
  s.Window().Move(0, 0, 3000, 1500);  // the host resizing it: the rule wins
  EXPECT_EQ(s.Window().Pixels().Height(), 41);
  EXPECT_EQ(s.Window().Pixels().Width(), 200);
}

TEST(SliderResize, VerticalWidthMakesRoomForTheLongerLabels) {
  auto s = StoredSlider(25, 220, {{"Orientation", L(2)}, {"Min", L(-5)}, {"Max", L(1000)}});
  EXPECT_EQ(s->Window().Pixels().Width(), 25);
  (*s)->put_TickStyle(Tick_Four_Value);
  const int expected =
      static_cast<int>(s->Window().TextWidth("1000") + 33 + s->Window().TextWidth("-5"));
  EXPECT_EQ(s->Window().Pixels().Width(), expected);
  EXPECT_EQ(s->Window().Pixels().Height(), 220);
}

TEST(SliderDisabled, ShowsGrooveTicksAndLabelsButNoKnob) {
  auto s = StoredSlider(220, 41, {{"TickStyle", L(Tick_Four_Value)}, {"Enabled", Variant(false)}});
  const ColorScheme D = PaletteDisabled(0xFFFFFF, 0xC00000, 0xFFFFFF);
  EXPECT_EQ(s->Pixel(50, 8), D[2]);
  EXPECT_EQ(ColumnsOf(*s, 22, D[8]), (std::vector<int>{10, 110, 210}));
  EXPECT_EQ(InkCentres(*s, true, 26, 40, D[1]).size(), 5u);
  EXPECT_EQ(s->Pixel(105, 5), D[1]);  // no knob
  EXPECT_EQ(s->log.Count("ValueChange"), 0);
  (*s)->put_Enabled(true);
  EXPECT_EQ(s->log.Count("ValueChange"), 1);
  EXPECT_EQ(s->Pixel(105, 5), RestingScheme()[4]);
}

TEST(SliderOddCases, AnotherOrientationShowsOnlyTheBackgroundAndIgnoresThePointer) {
  auto s = StoredSlider(220, 41, {{"Orientation", L(3)}, {"TickStyle", L(Tick_Four_Value)}});
  EXPECT_EQ(s->Window().Pixels().Height(), 41);  // size left alone
  EXPECT_EQ(InkCentres(*s, true, 0, 40, 0xFFFFFF).size(), 0u);
  s->MoveTo(110, 10);
  EXPECT_FALSE((*s)->MousePos().Enabled());
  s->ClickAt(60, 10);
  EXPECT_EQ((*s)->get_Value(), 5);
  s->host.SetFocus(&s->Window());
  s->host.KeyDown(39);
  EXPECT_EQ((*s)->get_Value(), 5);
}

TEST(SliderOddCases, ShortSlidersAndEqualBoundsNeverFail) {
  for (int width : {20, 12, 1}) {
    SliderHarness s(width, 25);
    s.ClickAt(static_cast<float>(width - 1), 10);
    EXPECT_EQ(s->get_Value(), 5) << width;  // no travel: a press keeps the value
    s.host.KeyDown(39);
    EXPECT_EQ(s->get_Value(), 6) << width;
    EXPECT_TRUE(s.notes.empty()) << width;
  }
  SliderHarness twenty(20, 25);
  EXPECT_EQ(twenty.Pixel(5, 5), RestingScheme()[4]);  // the knob at the start
  auto same = StoredSlider(220, 25, {{"Min", L(5)}, {"Max", L(5)}, {"Value", L(7)}, {"TickStyle", L(Tick_Four)}});
  EXPECT_EQ((*same)->KnobPos(), 200);
  EXPECT_EQ(same->Pixel(215, 5), RestingScheme()[7]);
  same->ClickAt(60, 10);
  EXPECT_EQ((*same)->get_Value(), 5);
  EXPECT_TRUE(same->notes.empty());
}

}  // namespace
}  // namespace vorn
