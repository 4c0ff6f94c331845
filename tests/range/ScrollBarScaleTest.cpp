#include <gtest/gtest.h>

#include <cstdint>

#include "controls/range/ScrollBarScale.h"

namespace vorn {
namespace {

// The mapping alone, where the arithmetic would divide by zero, by a negative travel, or overflow.
TEST(ScrollBarScale, DegenerateBarsAndRangesMapWithoutFailing) {
  struct Row {
    ScrollBarScale scale;
    int32_t thumb, travel, value, thumbPos;
    float offset;
    int32_t valueAt;
  };
  const Row rows[] = {
      {{1, 100, 200, 18}, 82, 82, 50, 40, 41, 50},                              // the usual 200 x 17 bar
      {{1, 100, 40, 18}, 2, 2, 100, 2, 1, 50},                                  // a short bar
      {{1, 100, 30, 18}, 0, 0, 100, 0, 1, 100},                                 // no thumb: past the start is Max
      {{1, 100, 0, 30}, 0, 0, 70, 0, 0, 1},                                     // an orientation without layout
      {{5, 5, 200, 18}, 82, 82, 7, 82, 20, 5},                                  // Max = Min
      {{5, 5, 200, 18}, 82, 82, 3, 0, -20, 5},
      {{INT32_MIN, INT32_MAX, 200, 18}, 82, 82, INT32_MAX, 82, 1e6f, INT32_MAX},  // the widest range
      {{0, 10, 200, 18}, 82, 82, INT32_MIN, 0, -1e6f, 0},                         // far outside
  };
  for (const Row& r : rows) {
    const ScrollBarScale& s = r.scale;
    SCOPED_TRACE(testing::Message() << s.Min << ".." << s.Max << " over " << s.Length);
    EXPECT_EQ(s.ThumbLength(), r.thumb);
    EXPECT_EQ(s.Travel(), r.travel);
    EXPECT_EQ(s.ThumbPos(r.value), r.thumbPos);
    EXPECT_EQ(s.ValueAt(r.offset), r.valueAt);
  }
}

}  // namespace
}  // namespace vorn
