#include <gtest/gtest.h>

#include "foundation/Color.h"
#include "foundation/ColorScheme.h"
#include "foundation/RuntimeError.h"

namespace vorn {
namespace {

TEST(BlendColor, MatchesTheWorkedExamples) {
  EXPECT_EQ(BlendColor(0xFFFFFF, 0xC00000, 230), 0xF9E6E6u);
  EXPECT_EQ(BlendColor(0x0000FF, 0xFF0000, 128), 0x7F0080u);
}

TEST(BlendColor, WeightIsTheFirstColoursShare) {
  EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 255), 0x123456u);
  EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 0), 0xABCDEFu);
}

TEST(BlendColor, TranslatesSystemColoursFirst) {
  // &H8000000F is the button face, &HF0F0F0 in the default table.
  EXPECT_EQ(BlendColor(0x8000000F, 0, 255), 0xF0F0F0u);
  EXPECT_EQ(BlendColor(0, 0x80000005, 0), 0xFFFFFFu);
  EXPECT_EQ(BlendColor(0x8000000F, 0xC00000, 230), BlendColor(0xF0F0F0, 0xC00000, 230));
}

TEST(TranslateColor, KeepsRgbAndMapsUnknownIndicesToBlack) {
  EXPECT_EQ(TranslateColor(0x123456), 0x123456u);
  EXPECT_EQ(TranslateColor(0x80000012), 0u);        // button text
  EXPECT_EQ(TranslateColor(0x8000000D), 0xD77800u);  // highlight
  EXPECT_EQ(TranslateColor(0x800000FF), 0u);
}

TEST(ColorScheme, PaletteNormalGivesTheWorkedScheme) {
  const ColorScheme s = PaletteNormal(0xFFFFFF, 0xC00000, 0xFFFFFF);
  const Color expected[12] = {0,        0xFFFFFF, 0xF9E6E6, 0xEFBEBE, 0xEAAAAA, 0xF6DCDC,
                              0xF1C8C8, 0xDE7878, 0x570000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(s[i], expected[i]) << "entry " << i;
}

TEST(ColorScheme, EntryOneKeepsASystemColourReference) {
  const ColorScheme s = PaletteNormal(0x8000000F, 0xC00000, 0xFFFFFF);
  EXPECT_EQ(s[0], 0u);
  EXPECT_EQ(s[1], 0x8000000Fu);
  EXPECT_EQ(s[2], BlendColor(0xF0F0F0, 0xC00000, 230));
}

TEST(ColorScheme, BuildersDifferWhereTheTableSays) {
  const Color b = 0x336699, f = 0xC00000, t = 0xFFFFFF;
  // The disabled look blends entry 8 from the base; the others darken the second colour.
  EXPECT_EQ(PaletteDisabled(b, f, t)[8], BlendColor(b, f, 140));
  EXPECT_EQ(PaletteHot(b, f, t)[8], BlendColor(0, f, 140));
  EXPECT_EQ(PalettePressed(b, f, t)[2], BlendColor(b, f, 170));
  EXPECT_EQ(PalettePressed(b, f, t)[7], BlendColor(b, f, 220));
  EXPECT_EQ(PaletteHot(b, f, t)[2], BlendColor(b, f, 245));
  const Color m = BlendColor(0x96E7, 0xC00000, 128);
  const ColorScheme focus = PaletteFocus(0xFFFFFF, 0x96E7, 0xC00000);
  EXPECT_EQ(focus[2], BlendColor(0xFFFFFF, m, 230));
  EXPECT_EQ(focus[8], BlendColor(0, m, 140));
  EXPECT_EQ(focus[9], BlendColor(0xFFFFFF, 0xC00000, 230));
}

// Schemes of the same colours are kept and handed out again: asked for in turn, more of them than
// are kept, each is still the one its builder and colours give.
TEST(ColorScheme, KeptSchemesAreThoseOfTheirBuilderAndColours) {
  const Color bases[] = {0xFFFFFF, 0x336699, 0x8000000F, 0xF0F0F0};  // the last two alike once translated
  const Color seconds[] = {0xC00000, 0x00C000, 0x8000000F};
  for (int round = 0; round < 2; ++round) {
    for (Color f : seconds) {
      for (Color b : bases) {
        const Color tb = TranslateColor(b), tf = TranslateColor(f);
        EXPECT_EQ(PaletteNormal(b, f, 0xFFFFFF)[2], BlendColor(tb, tf, 230));
        EXPECT_EQ(PaletteHot(b, f, 0xFFFFFF)[2], BlendColor(tb, tf, 245));
        EXPECT_EQ(PaletteDisabled(b, f, 0xFFFFFF)[8], BlendColor(tb, tf, 140));
        EXPECT_EQ(PalettePressed(b, f, 0x000000)[9], BlendColor(tb, 0x000000, 230));
        EXPECT_EQ(PaletteNormal(b, f, 0x000000)[1], b);
      }
    }
  }
}

TEST(ColorToVertex, SplitsChannelsIntoHighBytes) {
  const VertexColor v = ColorToVertex(0x00C0FF);
  EXPECT_EQ(v.Red, 0xFF00);
  EXPECT_EQ(v.Green, 0xC000);
  EXPECT_EQ(v.Blue, 0);
  EXPECT_EQ(ColorToVertex(0), (VertexColor{0, 0, 0}));
  EXPECT_EQ(ColorToVertex(0xFFFFFF), (VertexColor{0xFF00, 0xFF00, 0xFF00}));
}

TEST(ColorToVertex, RejectsSystemColoursWithInvalidArgument) {
  try {
    ColorToVertex(0x8000000F);
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Number(), errInvalidProcedureCall);
  }
  EXPECT_THROW(ColorToVertex(0x1000000), RuntimeError);
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

// BlendColor works in integers; it rounds as the sum of the two quotients in double precision.
TEST(BlendColor, EveryChannelPairAndWeightRoundsAsInDoublePrecision) {
  for (int32_t w = 0; w <= 255; ++w) {
    for (uint32_t a = 0; a <= 255; ++a) {
      for (uint32_t b = 0; b <= 255; b += 1) {
        const double s = (b * (255 - w)) / 255.0 + (a * w) / 255.0;
        const auto want = static_cast<uint32_t>(s + 0.5);
        const Color got = BlendColor(a | (b << 8) | (a << 16), b | (a << 8) | (b << 16), w);
        const double s2 = (a * (255 - w)) / 255.0 + (b * w) / 255.0;
        const auto want2 = static_cast<uint32_t>(s2 + 0.5);
        ASSERT_EQ(got, want | (want2 << 8) | (want << 16)) << a << " " << b << " " << w;
      }
    }
  }
}

}  // namespace
}  // namespace vorn
