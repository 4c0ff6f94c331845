#include <gtest/gtest.h>

#include "ScrollBarSupport.h"

namespace vorn {
namespace {

using test::StoredBar;

// Runs presses, drags, hover ticks and arrow clicks over the whole bar; any error a handler raises
// would be reported to the host's notes.
void PlayWith(test::BarHarness& b) {
  const RectL r = b.Window().ScreenRect();
  const int32_t w = r.right - r.left;
  const int32_t h = r.bottom - r.top;
  for (int32_t x = -2; x <= w + 2; x += 3) {
    b.MoveTo(static_cast<float>(x), static_cast<float>(h / 2));
    b.Press();
    b.MoveTo(static_cast<float>(x + 7), static_cast<float>(h / 2));
    b.Tick(2);
    b.Release();
  }
  b.Tick(3);
}

TEST(ScrollBarOddCases, StoredMaxEqualToMinWithAnotherValueShowsTheThumbAtTheNearerEnd) {
  auto high = StoredBar(200, 17, {{"Min", Variant(int32_t{5})}, {"Max", Variant(int32_t{5})}, {"Value", Variant(int32_t{9})}});
  EXPECT_EQ((*high)->ThumbPos(), (*high)->Travel());
  EXPECT_EQ(high->log.Joined(), "ValueChanged()");
  auto low = StoredBar(200, 17, {{"Min", Variant(int32_t{5})}, {"Max", Variant(int32_t{5})}, {"Value", Variant(int32_t{2})}});
  EXPECT_EQ((*low)->ThumbPos(), 0);
  // A drag can only give the one value of the range.
  low->MoveTo(20, 8);
  low->Press();
  low->MoveTo(90, 8);
  low->Release();
  EXPECT_EQ((*low)->get_Value(), 5);
  PlayWith(*high);
  EXPECT_TRUE(high->notes.empty()) << high->notes.front();
  EXPECT_TRUE(low->notes.empty()) << low->notes.front();
}

TEST(ScrollBarOddCases, StoredValueFarOutsideTheRangeShowsTheThumbAtTheEnd) {
  auto b = StoredBar(200, 17, {{"Min", Variant(int32_t{0})}, {"Max", Variant(int32_t{1})},
                              {"Value", Variant(int32_t{2000000000})}});
  EXPECT_EQ((*b)->ThumbPos(), 82);
  EXPECT_TRUE(b->notes.empty());
}

// Between the two arrow zones a bar of 2A + 1 pixels or less has no thumb; one of 2A + 2 has a
// thumb of one pixel. Nothing fails at any length, down to nothing at all.
TEST(ScrollBarOddCases, ShortBarsHaveNoThumbAndNeverFail) {
  for (int32_t length : {0, 1, 4, 17, 30, 36, 37, 38, 39, 45}) {
    for (int32_t orientation : {1, 2}) {
      const bool horizontal = orientation == 1;
      test::MemoryPropertyBag bag;
      bag.stored["Orientation"] = Variant(orientation);
      test::BarHarness b(horizontal ? length : 17, horizontal ? 17 : length, &bag);
      EXPECT_GE(b->ThumbLength(), 0);
      EXPECT_GE(b->Travel(), 0);
      if (length <= 37) {
        EXPECT_EQ(b->ThumbLength(), 0) << length;
      } else if (length == 38) {
        EXPECT_EQ(b->ThumbLength(), 1);
      }
      PlayWith(b);
      b->put_Value(1);
      b->put_Value(100);
      EXPECT_TRUE(b.notes.empty()) << length << ": " << b.notes.front();
    }
  }
}

// In a 20-pixel bar the end arrow (5..17) lies over the start arrow (2..14); the one on top, the
// later child, takes the press.
TEST(ScrollBarOddCases, OverlappingArrowsGiveThePressToTheTopmostOne) {
  auto b = StoredBar(20, 17);
  b->ClickAt(8, 8);
  EXPECT_EQ((*b)->get_Value(), 55);
  b->ClickAt(3, 8);
  EXPECT_EQ((*b)->get_Value(), 50);
}

TEST(ScrollBarOddCases, ABarWithoutThumbRoomJumpsToTheEndsOnPresses) {
  auto b = StoredBar(36, 17);
  ASSERT_EQ((*b)->ThumbLength(), 0);
  b->ClickAt(17, 8);  // before the zero-length thumb at 18 + 0
  EXPECT_EQ((*b)->get_Value(), 1);
  b->ClickAt(19, 8);
  EXPECT_EQ((*b)->get_Value(), 100);
  EXPECT_FALSE((*b)->Dragging());
}

}  // namespace
}  // namespace vorn
