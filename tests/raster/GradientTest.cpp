#include <gtest/gtest.h>

#include "foundation/Gradient.h"
#include "foundation/RuntimeError.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

using test::TestSurface;

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlue = 0xFF0000;

TEST(GradientRect, StartsWithTheStartColourAndStopsBeforeTheFarEdge) {
  TestSurface s(40, 20);
  GradientRect(s->hDC(), 5, 2, 10, 4, ColorToVertex(0x000000), ColorToVertex(0x0000FF), GRADIENT_FILL_RECT_H);
  EXPECT_EQ(s.At(5, 2), 0x000000u);
  EXPECT_EQ(s.At(5, 5), 0x000000u);
  EXPECT_EQ(s.At(4, 2), 0xFFFFFFu);   // left of the rectangle
  EXPECT_EQ(s.At(15, 2), 0xFFFFFFu);  // right edge exclusive
  EXPECT_EQ(s.At(5, 6), 0xFFFFFFu);   // bottom edge exclusive
  // Column i of 10 carries i/10 of the way in 16-bit channels: 255 * 256 * 9 / 10 >> 8 = 229.
  EXPECT_EQ(s.At(14, 2), 229u);
  EXPECT_EQ(s.At(10, 3), 127u);
}

TEST(GradientRect, VerticalModeRunsDownTheRows) {
  TestSurface s(10, 10);
  GradientRect(s->hDC(), 0, 0, 10, 10, ColorToVertex(kBlue), ColorToVertex(kRed), GRADIENT_FILL_RECT_V);
  EXPECT_EQ(s.At(0, 0), kBlue);
  EXPECT_EQ(s.At(9, 0), kBlue);
  EXPECT_EQ(s.At(3, 5), 0x7F007Fu);
}

TEST(GradientRect, NegativeExtentsAreNormalisedKeepingEachVertexColour) {
  TestSurface s(20, 4);
  // Width -10 from x 15: the rectangle spans 5..15, the left edge has the end colour.
  GradientRect(s->hDC(), 15, 0, -10, 4, ColorToVertex(kRed), ColorToVertex(kGreen), GRADIENT_FILL_RECT_H);
  EXPECT_EQ(s.At(5, 0), kGreen);
  EXPECT_EQ(s.At(4, 0), 0xFFFFFFu);
  EXPECT_EQ(s.At(15, 0), 0xFFFFFFu);
}

TEST(GlassGradient, EvenHeightBandsShareTheMiddleRow) {
  TestSurface s(8, 20);
  GlassGradient(s->hDC(), 0, 0, 8, 20, kRed, kGreen, kBlue, 1);
  EXPECT_EQ(s.At(0, 0), kRed);
  EXPECT_EQ(s.At(0, 10), kGreen);  // the second band paints row 10 last, from its first colour
  EXPECT_NE(s.At(0, 9), kGreen);
  EXPECT_NE(s.At(0, 19), kBlue);  // the far edge is exclusive
  EXPECT_EQ(s.At(0, 19) & 0xFF, 0u);
}

TEST(GlassGradient, OddHeightBandsAbut) {
  TestSurface s(4, 21);
  GlassGradient(s->hDC(), 0, 0, 4, 21, kRed, kGreen, kBlue, 1);
  // First band rows 0..10 (11 rows) red toward green; the second 11..20 from green.
  EXPECT_EQ(s.At(1, 0), kRed);
  EXPECT_EQ(s.At(1, 11), kGreen);
  EXPECT_NE(s.At(1, 10), kGreen);
}

TEST(GlassGradient, SecondBandIsPlacedFromTheSurfaceOrigin) {
  TestSurface s(4, 20);
  GlassGradient(s->hDC(), 0, 3, 4, 17, kRed, kGreen, kBlue, 1);
  // First band rows 3..11, second band rows 9..16; rows 17.. and 0..2 untouched.
  EXPECT_EQ(s.At(0, 2), 0xFFFFFFu);
  EXPECT_EQ(s.At(0, 3), kRed);
  EXPECT_EQ(s.At(0, 9), kGreen);
  EXPECT_NE(s.At(0, 16), 0xFFFFFFu);
  EXPECT_EQ(s.At(0, 17), 0xFFFFFFu);
}

TEST(GlassGradient, VerticalOrientationSplitsColumnsAndOtherValuesDrawNothing) {
  TestSurface s(20, 4);
  GlassGradient(s->hDC(), 0, 0, 20, 4, kRed, kGreen, kBlue, 2);
  EXPECT_EQ(s.At(0, 0), kRed);
  EXPECT_EQ(s.At(10, 3), kGreen);
  TestSurface t(20, 4);
  GlassGradient(t->hDC(), 0, 0, 20, 4, kRed, kGreen, kBlue, 3);
  EXPECT_EQ(t.InkBounds(0xFFFFFF).left, INT32_MAX);
}

TEST(LinearGradient, LengthZeroPaintsNothingAndLengthOneTheStartColour) {
  TestSurface s(10, 10);
  LinearGradient(s->hDC(), 3, 3, 0, 1, kRed, kBlue);
  EXPECT_EQ(s.InkBounds(0xFFFFFF).left, INT32_MAX);
  LinearGradient(s->hDC(), 3, 3, 1, 2, kRed, kBlue);
  EXPECT_EQ(s.At(3, 3), kRed);
  EXPECT_EQ(s.At(3, 4), 0xFFFFFFu);
  const RectL ink = s.InkBounds(0xFFFFFF);
  EXPECT_EQ(ink, (RectL{3, 3, 3, 3}));
}

TEST(LinearGradient, SystemColoursRaiseInvalidArgument) {
  TestSurface s(10, 10);
  EXPECT_THROW(LinearGradient(s->hDC(), 0, 0, 5, 1, 0x8000000F, kRed), RuntimeError);
}

TEST(GradientRect, OverflowingCornerRaisesOverflow) {
  TestSurface s(10, 10);
  try {
    GradientRect(s->hDC(), INT32_MAX, 0, 1, 1, ColorToVertex(0), ColorToVertex(0), 0);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), errOverflow);
  }
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

// The fill walks the ramp incrementally; every pixel must equal c0 + trunc((c1 - c0) * i / span).
TEST(GradientRect, EveryPixelIsTheExactIntegerInterpolation) {
  const Color pairs[][2] = {{0x000000, 0xFFFFFF}, {0xFFFFFF, 0x000000}, {0x12AB34, 0xC0FFEE}, {0xF9E6E6, 0xEFBEBE}};
  for (const auto& pr : pairs) {
    for (int span : {1, 2, 3, 7, 13, 64, 97, 255, 300}) {
      for (int x0 : {-5, 0, 3}) {
        test::TestSurface s(310, 2);
        const VertexColor a = ColorToVertex(pr[0]), b = ColorToVertex(pr[1]);
        GradientRect(s->hDC(), x0, 0, span, 1, a, b, GRADIENT_FILL_RECT_H);
        for (int i = std::max(0, -x0); i < span && x0 + i < 310; ++i) {
          uint32_t expected = 0;
          const uint16_t ca[3] = {a.Red, a.Green, a.Blue}, cb[3] = {b.Red, b.Green, b.Blue};
          for (int ch = 0; ch < 3; ++ch) {
            const int64_t v = ca[ch] + (int64_t{cb[ch]} - ca[ch]) * i / span;
            expected |= static_cast<uint32_t>(v >> 8) << (8 * ch);
          }
          ASSERT_EQ(s.At(x0 + i, 0), expected) << "span " << span << " x0 " << x0 << " i " << i;
        }
      }
    }
  }
}

}  // namespace
}  // namespace vorn
