#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "foundation/Convert.h"
#include "foundation/Gradient.h"
#include "foundation/RuntimeError.h"
#include "foundation/Variant.h"
#include "support/ErrorOf.h"

namespace vorn {
namespace {

using test::ErrorOf;

TEST(Conversions, RoundHalfToEven) {
  EXPECT_EQ(ToInteger(2.5), 2);
  EXPECT_EQ(ToInteger(3.5), 4);
  EXPECT_EQ(ToInteger(-2.5), -2);
  EXPECT_EQ(ToLong(0.5), 0);
  EXPECT_EQ(ToLong(1.5), 2);
  EXPECT_EQ(ToLong(2.4999), 2);
}

// The inline rounding against the C library's in the default rounding mode: halves, both signs,
// the edges of 2^52, infinities, NaN and random magnitudes.
TEST(Conversions, RoundHalfEvenIsNearbyint) {
  std::vector<double> values = {0.0, -0.0, 0.5, -0.5, 1.5, 2.5, -2.5, 0.49999999999999994, 4503599627370495.5,
                                4503599627370496.0, -4503599627370497.0, 9007199254740993.0, 1e300,
                                std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                                std::numeric_limits<double>::denorm_min()};
  std::mt19937_64 rng(5);
  for (int i = 0; i < 2000; ++i) {
    values.push_back(std::ldexp(static_cast<double>(rng() >> 11), static_cast<int>(rng() % 80) - 60) *
                     (rng() & 1 ? -1 : 1));
    values.push_back(static_cast<double>(static_cast<int64_t>(rng() % 2000000) - 1000000) / 2);
  }
  for (double v : values) {
    const double want = std::nearbyint(v);
    EXPECT_EQ(std::signbit(RoundHalfEven(v)), std::signbit(want)) << v;
    EXPECT_EQ(RoundHalfEven(v), want) << v;
  }
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::nan(""))));
}

TEST(Conversions, RaiseOverflowOutsideTheWidth) {
  EXPECT_EQ(ToInteger(32767.4), 32767);
  EXPECT_EQ(ErrorOf([] { ToInteger(32767.5); }), errOverflow);
  EXPECT_EQ(ErrorOf([] { ToInteger(40000); }), errOverflow);
  EXPECT_EQ(ToInteger(-32768.5), -32768);  // ties to even stays in range
  EXPECT_EQ(ErrorOf([] { ToLong(2147483648.0); }), errOverflow);
  EXPECT_EQ(ErrorOf([] { ToLong(std::nan("")); }), errOverflow);
  EXPECT_EQ(ErrorOf([] { AddLong(INT32_MAX, 1); }), errOverflow);
  EXPECT_EQ(ErrorOf([] { AddInteger(32767, 1); }), errOverflow);
}

TEST(Conversions, FixTruncatesTowardZero) {
  EXPECT_EQ(Fix(2.9), 2);
  EXPECT_EQ(Fix(-2.9), -2);
}

TEST(PercentOf, MatchesTheExamples) {
  EXPECT_EQ(PercentOf(250, 40), 100);
  EXPECT_EQ(PercentOf(-7, 50), -3);
  EXPECT_EQ(PercentOf(99, 1), 0);
  EXPECT_EQ(PercentOf(194, 1), 1);
  EXPECT_EQ(PercentOf(194, 100), 194);
}

TEST(PercentOf, GivesZeroWhenTheResultDoesNotFit) {
  EXPECT_EQ(PercentOf(INT32_MAX, 32767), 0);
  EXPECT_EQ(PercentOf(INT32_MIN, 200), 0);
}

TEST(VariantConversion, FollowsAutomationRules) {
  EXPECT_EQ(Variant("12").ToInteger(), 12);
  EXPECT_EQ(Variant(" 2.5 ").ToInteger(), 2);
  EXPECT_EQ(Variant("&HFF").ToLong(), 255);
  EXPECT_EQ(Variant(true).ToInteger(), -1);
  EXPECT_EQ(Variant().ToLong(), 0);
  EXPECT_EQ(Variant(int16_t{5}).ToString(), "5");
  EXPECT_EQ(Variant(1.5f).ToString(), "1.5");
  EXPECT_EQ(Variant(false).ToString(), "False");
  EXPECT_TRUE(Variant("true").ToBool());
  EXPECT_TRUE(Variant(int32_t{3}).ToBool());
}

TEST(VariantConversion, ReportsTypeMismatchAndOverflow) {
  EXPECT_EQ(ErrorOf([] { Variant("red").ToLong(); }), errTypeMismatch);
  EXPECT_EQ(ErrorOf([] { Variant("").ToInteger(); }), errTypeMismatch);
  EXPECT_EQ(ErrorOf([] { Variant(int32_t{40000}).ToInteger(); }), errOverflow);
  EXPECT_EQ(ErrorOf([] { Variant(int32_t{1}).ToObject(); }), errTypeMismatch);
  EXPECT_EQ(ErrorOf([] { Variant::Null().ToLong(); }), errInvalidUseOfNull);
}

TEST(VariantConversion, ColoursAcceptLongsAndUnsignedValues) {
  EXPECT_EQ(Variant(int32_t{-2147483633}).ToColor(), 0x8000000Fu);
  EXPECT_EQ(Variant(2147483663.0).ToColor(), 0x8000000Fu);
  EXPECT_EQ(ErrorOf([] { Variant(5e9).ToColor(); }), errOverflow);
}

}  // namespace
}  // namespace vorn
