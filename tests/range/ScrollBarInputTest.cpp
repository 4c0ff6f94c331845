#include <gtest/gtest.h>

#include <limits>

#include "ScrollBarSupport.h"

namespace vorn {
namespace {

using test::StoredBar;

// Presses on a 200 x 17 bar at Value 50: the thumb covers 58..139 along, 3..13 across.
TEST(ScrollBarTrack, PressesBeforeAndAfterTheThumbJumpToMinAndMaxExactlyOnItNothing) {
  auto b = StoredBar(200, 17);
  b->ClickAt(40, 8);
  EXPECT_EQ((*b)->get_Value(), 1);
  (*b)->put_Value(50);
  b->ClickAt(150, 8);
  EXPECT_EQ((*b)->get_Value(), 100);
  (*b)->put_Value(50);
  b->log.Clear();
  b->ClickAt(58, 8);  // the thumb's first pixel: neither track nor thumb
  EXPECT_EQ((*b)->get_Value(), 50);
  EXPECT_FALSE((*b)->Dragging());
  EXPECT_EQ(b->log.Joined(), "Click()");
}

TEST(ScrollBarTrack, TheTwoPixelMarginsAcrossTheThumbAreTrack) {
  auto b = StoredBar(200, 17);
  b->ClickAt(80, 2);
  EXPECT_EQ((*b)->get_Value(), 100);
  (*b)->put_Value(50);
  b->ClickAt(80, 15);
  EXPECT_EQ((*b)->get_Value(), 100);
  (*b)->put_Value(50);
  b->MoveTo(80, 14);
  b->Press();
  EXPECT_TRUE((*b)->Dragging());
  EXPECT_EQ((*b)->GrabOffset(), 80 - 40 - 18);
  b->Release();
}

TEST(ScrollBarTrack, RightAndMiddleButtonsDoNothing) {
  auto b = StoredBar(200, 17);
  b->MoveTo(40, 8);
  b->Press(2);
  b->Release(2);
  b->Press(4);
  b->Release(4);
  EXPECT_EQ((*b)->get_Value(), 50);
}

TEST(ScrollBarArrows, ArrowClicksStepByFiveAndStopAtTheEnds) {
  auto b = StoredBar(200, 17);
  EXPECT_EQ(b->host.WindowAt(b->ToScreen(190, 8)), &(*b)->vornButton1(1).UserControl());
  EXPECT_EQ(b->host.WindowAt(b->ToScreen(180, 8)), &b->Window());
  b->log.Clear();
  b->ClickAt(190, 8);  // on vornButton1(1), which takes the press itself
  EXPECT_EQ((*b)->get_Value(), 55);
  EXPECT_EQ(b->log.Joined(), "ValueChanged()");  // no Click of the bar: the arrow got it
  b->ClickAt(8, 8);
  b->ClickAt(8, 8);
  EXPECT_EQ((*b)->get_Value(), 45);
  (*b)->put_Value(100);
  b->log.Clear();
  b->ClickAt(190, 8);
  EXPECT_EQ((*b)->get_Value(), 100);
  EXPECT_EQ(b->log.Count("ValueChanged"), 0);
}

TEST(ScrollBarArrows, SteppingPastTheEndOfALongRaisesNothing) {
  constexpr int32_t kTop = std::numeric_limits<int32_t>::max();
  auto b = StoredBar(200, 17, {{"Max", Variant(kTop)}, {"Value", Variant(kTop - 2)}});
  b->ClickAt(190, 8);
  EXPECT_EQ((*b)->get_Value(), kTop);
  b->ClickAt(190, 8);
  EXPECT_EQ((*b)->get_Value(), kTop);
  EXPECT_TRUE(b->notes.empty()) << b->notes.front();
}

TEST(ScrollBarArrows, EachArrowHasItsOwnHoverTimer) {
  auto b = StoredBar(200, 17);
  b->MoveTo(190, 8);
  EXPECT_TRUE((*b)->vornButton1(1).MousePos().Enabled());
  EXPECT_FALSE((*b)->vornButton1(0).MousePos().Enabled());
  EXPECT_FALSE((*b)->MousePos().Enabled());
  b->Tick();
  EXPECT_EQ((*b)->vornButton1(1).State(), bsHot);
  b->MoveTo(100, 100);
  b->Tick();
  EXPECT_EQ((*b)->vornButton1(1).State(), bsNormal);
}

TEST(ScrollBarDrag, AGrabOffsetOf2AndATravelOf41GiveValue50) {
  auto b = StoredBar(200, 17, {{"Value", Variant(int32_t{1})}});
  ASSERT_EQ((*b)->ThumbPos(), 0);
  b->MoveTo(20, 8);
  b->Press();
  EXPECT_EQ((*b)->GrabOffset(), 2);
  b->log.Clear();
  b->MoveTo(61, 8);  // offset 61 - 18 - 2 = 41 of 82: 50 %, value Fix(50 * 99 / 100) + 1
  EXPECT_EQ((*b)->get_Value(), 50);
  EXPECT_EQ((*b)->ThumbPos(), 40);  // the thumb shows the value: 49 % of 82
  EXPECT_EQ(b->log.Joined(), "ValueChanged(); Scroll()");
  b->MoveTo(61, 9);  // the same value: Scroll only
  EXPECT_EQ(b->log.Joined(), "ValueChanged(); Scroll(); Scroll()");
  b->MoveTo(400, 300);  // far beyond the end, the drag still follows
  EXPECT_EQ((*b)->get_Value(), 100);
  b->MoveTo(-400, 8);
  EXPECT_EQ((*b)->get_Value(), 1);
}

TEST(ScrollBarDrag, AWideRangeDraggedBeyondItsEndStopsAtMax) {
  constexpr int32_t kLow = std::numeric_limits<int32_t>::min();
  constexpr int32_t kHigh = std::numeric_limits<int32_t>::max();
  auto b = StoredBar(200, 17, {{"Min", Variant(kLow)}, {"Max", Variant(kHigh)}, {"Value", Variant(kLow)}});
  b->MoveTo(20, 8);
  b->Press();
  b->MoveTo(500, 8);
  EXPECT_EQ((*b)->get_Value(), kHigh);
  b->MoveTo(61, 8);
  EXPECT_EQ((*b)->get_Value(), kLow + 2147483647);  // Fix(50 % of 2^32 - 1) above Min
  b->Release();
  EXPECT_TRUE(b->notes.empty());
}

TEST(ScrollBarClick, TrackClickOnceDragReleasedOverTheBarTwiceOutsideOnce) {
  auto b = StoredBar(200, 17);
  b->log.Clear();
  b->ClickAt(40, 8);
  EXPECT_EQ(b->log.Count("Click"), 1);
  (*b)->put_Value(50);
  b->log.Clear();
  b->MoveTo(80, 8);
  b->Press();
  b->MoveTo(90, 8);
  b->Release();
  EXPECT_EQ(b->log.Joined(), "ValueChanged(); Scroll(); Click(); Click()");
  b->log.Clear();
  b->MoveTo(100, 8);
  b->Press();
  b->MoveTo(100, 60);  // off the bar, still dragging
  b->Release();
  EXPECT_EQ(b->log.Count("Click"), 1);
  EXPECT_FALSE((*b)->Dragging());
}

// Hover rows: a move over the thumb anchors and starts the timer; a tick within 1 px shows the hot
// look (state 2), or 3 with Click while the thumb is held; once the pointer is 2 px or more from the
// last anchor, the next tick returns to 5 and stops the timer.
TEST(ScrollBarHover, RestingOnTheThumbIsHotAndLeavingEndsTheHover) {
  auto b = StoredBar(200, 17);
  b->MoveTo(80, 8);
  EXPECT_TRUE((*b)->MousePos().Enabled());
  b->Tick();
  EXPECT_EQ((*b)->VisualState(), 2);
  EXPECT_EQ(b->Pixel(57, 8), PaletteHot(0xFFFFFF, 0xC00000, 0xFFFFFF)[2]);
  b->host.MoveMouse(b->ToScreen(81, 9));  // within 1 px (and a new anchor)
  b->Tick();
  EXPECT_EQ((*b)->VisualState(), 2);
  b->MoveTo(30, 8);  // on the track: no new anchor
  b->Tick();
  EXPECT_EQ((*b)->VisualState(), 5);
  EXPECT_FALSE((*b)->MousePos().Enabled());
  EXPECT_EQ((*b)->Scheme(), test::NormalBarScheme());
}

TEST(ScrollBarHover, AHeldThumbRaisesClickOnEveryTick) {
  auto b = StoredBar(200, 17);
  b->MoveTo(80, 8);
  b->Press();
  b->log.Clear();
  b->Tick(3);
  EXPECT_EQ((*b)->VisualState(), 3);
  EXPECT_EQ(b->log.Joined(), "Click(); Click(); Click()");
  b->Release();
  b->Tick();
  EXPECT_EQ((*b)->VisualState(), 2);
}

TEST(ScrollBarKeys, KeyEventsArePassedOnWithTheScrollBarsIdentifiers) {
  struct IdSink final : EventSink {
    std::vector<DispId> ids;
    void OnEvent(Object&, DispId id, std::span<Variant>) override { ids.push_back(id); }
  } sink;
  auto b = StoredBar(200, 17);
  const uint32_t cookie = b->control->Connections().Advise(sink);
  b->host.SetFocus(&b->Window());
  b->host.KeyDown(39);
  b->host.KeyPress(97);
  b->host.KeyUp(39);
  EXPECT_EQ(sink.ids, (std::vector<DispId>{4, 2, 3}));
  EXPECT_EQ((*b)->get_Value(), 50);  // keys do not move the value
  b->control->Connections().Unadvise(cookie);
}

}  // namespace
}  // namespace vorn
