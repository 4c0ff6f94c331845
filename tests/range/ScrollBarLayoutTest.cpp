#include <gtest/gtest.h>

#include "ScrollBarSupport.h"
#include "foundation/Dispatch.h"

namespace vorn {
namespace {

using test::StoredBar;

HeadlessSurface& ArrowWindow(test::BarHarness& b, int i) {
  return static_cast<HeadlessSurface&>(b->vornButton1(i).UserControl());
}

TEST(ScrollBarLayout, SeventeenPixelBarHasThirteenPixelArrowsAndAThumbOf82) {
  auto b = StoredBar(200, 17);
  EXPECT_EQ((*b)->ArrowZoneLength(), 18);
  EXPECT_EQ((*b)->ThumbLength(), 82);
  EXPECT_EQ((*b)->Travel(), 82);
  HeadlessSurface& start = ArrowWindow(*b, 0);
  HeadlessSurface& end = ArrowWindow(*b, 1);
  EXPECT_EQ(start.Parent(), &b->Window());
  EXPECT_EQ(RectL({start.LeftPx(), start.TopPx(), start.Pixels().Width(), start.Pixels().Height()}),
            RectL({2, 2, 13, 13}));
  EXPECT_EQ(RectL({end.LeftPx(), end.TopPx(), end.Pixels().Width(), end.Pixels().Height()}),
            RectL({185, 2, 13, 13}));
  // Track frame and dividers: column B + 3 = 16 lit, the thumb's frame at T - 1 = 57 (ThumbPos 40).
  const ColorScheme s = test::NormalBarScheme();
  EXPECT_EQ((*b)->ThumbPos(), 40);
  EXPECT_EQ(b->Pixel(15, 8), s[2]);
  EXPECT_EQ(b->Pixel(16, 8), s[7]);
  EXPECT_NE(b->Pixel(17, 8), s[2]);  // track between the divider and the thumb
  EXPECT_EQ(b->Pixel(57, 8), s[2]);
  EXPECT_EQ(b->Pixel(58, 2), s[5]);  // bevel start
  EXPECT_EQ(b->Pixel(140, 8), s[2]);
  EXPECT_EQ(b->Pixel(183, 8), s[7]);  // the end zone's lit divider, SW - (B + 4)
  EXPECT_EQ(b->Pixel(184, 8), s[2]);
  EXPECT_EQ(b->Pixel(0, 0), s[7]);    // the surface is cleared to entry 7
}

TEST(ScrollBarLayout, ThicknessIsHeldTo15To25PixelsOnEveryResize) {
  auto b = StoredBar(200, 17);
  HeadlessSurface& w = b->Window();
  w.Move(w.Left(), w.Top(), w.Width(), 40 * 15);
  EXPECT_EQ(w.Pixels().Height(), 25);
  EXPECT_EQ(ArrowWindow(*b, 1).Pixels().Width(), 21);
  EXPECT_EQ(ArrowWindow(*b, 1).LeftPx(), 200 - 23);
  w.Move(w.Left(), w.Top(), w.Width(), 6 * 15);
  EXPECT_EQ(w.Pixels().Height(), 15);
  EXPECT_EQ(ArrowWindow(*b, 0).Pixels().Height(), 11);
  EXPECT_EQ((*b)->ArrowZoneLength(), 16);

  test::BarHarness v(40, 120);  // a new bar is vertical
  EXPECT_EQ(v.Window().Pixels().Width(), 25);
  EXPECT_EQ(ArrowWindow(v, 1).TopPx(), 120 - 23);
  EXPECT_EQ(ArrowWindow(v, 1).LeftPx(), 2);
}

TEST(ScrollBarLayout, ArrowsShowWebdingsTrianglesForTheOrientation) {
  auto b = StoredBar(200, 17);
  EXPECT_EQ((*b)->vornButton1(0).get_Caption(), "3");
  EXPECT_EQ((*b)->vornButton1(1).get_Caption(), "4");
  EXPECT_EQ((*b)->vornButton1(0).get_Font()->Name(), "Webdings");
  EXPECT_EQ((*b)->vornButton1(1).get_Font()->Size(), 8.0f);
  // The left triangle's tip: the 9 x 13 cell at (2, -1), the 4 x 7 triangle at (2, 4) in it.
  HeadlessSurface& start = ArrowWindow(*b, 0);
  const Color ink = PaletteNormal(0xFFFFFF, 0xC00000, 0xFFFFFF)[8];
  EXPECT_EQ(start.Point(4, 6), ink);
  EXPECT_EQ(start.Point(7, 3), ink);
  EXPECT_NE(start.Point(4, 5), ink);
  LetMember(*b->control, "Orientation", Variant(int32_t{2}));
  EXPECT_EQ((*b)->vornButton1(0).get_Caption(), "5");
  EXPECT_EQ((*b)->vornButton1(1).get_Caption(), "6");
  test::BarHarness fresh(17, 120);
  EXPECT_EQ(fresh->vornButton1(1).get_Caption(), "6");
}

TEST(ScrollBarLayout, ArrowsTakeTheBarsColoursAndNoAccent) {
  auto b = StoredBar(200, 17, {{"BackColor", Variant(int32_t{0xF0FFF0})}, {"ForeColor", Variant(int32_t{0x8000})}});
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ((*b)->vornButton1(i).get_BackColor(), 0xF0FFF0u);
    EXPECT_EQ((*b)->vornButton1(i).get_ForeColor(), 0x8000u);
    EXPECT_EQ((*b)->vornButton1(i).get_TabSelectColor(), 0u);
  }
  (*b)->put_ForeColor(0x0000C0);
  EXPECT_EQ((*b)->vornButton1(1).get_ForeColor(), 0x0000C0u);
  EXPECT_EQ(ArrowWindow(*b, 1).Point(0, 0), PaletteNormal(0xF0FFF0, 0x0000C0, 0xFFFFFF)[2]);
}

TEST(ScrollBarLayout, OtherOrientationsLayNothingOutAndIgnoreTheMouse) {
  auto b = StoredBar(200, 17, {{"Orientation", Variant(int32_t{7})}, {"Value", Variant(int32_t{50})}});
  EXPECT_EQ((*b)->get_Orientation(), 7);
  EXPECT_EQ(b->Pixel(100, 8), test::NormalBarScheme()[7]);  // only the cleared background
  b->log.Clear();
  b->ClickAt(100, 8);
  EXPECT_EQ((*b)->get_Value(), 50);
  EXPECT_EQ(b->log.Joined(), "Click()");
}

TEST(ScrollBarGrip, TenPixelThumbHasNoGripElevenHasAllEightLines) {
  const ColorScheme s = test::NormalBarScheme();
  auto ten = StoredBar(56, 17, {{"Value", Variant(int32_t{1})}});
  ASSERT_EQ((*ten)->ThumbLength(), 10);
  EXPECT_EQ(test::CountOnRow(*ten, 8, 19, 26, s[2]), 0);
  EXPECT_EQ(test::CountOnRow(*ten, 8, 19, 26, s[7]), 0);
  auto eleven = StoredBar(58, 17, {{"Value", Variant(int32_t{1})}});
  ASSERT_EQ((*eleven)->ThumbLength(), 11);
  // M = 18 + 5.5: dark lines at 20, 22, 24, 26 over rows 4..11, light ones at 21..27 over rows 5..12.
  EXPECT_EQ(test::CountOnRow(*eleven, 8, 19, 27, s[2]), 4);
  EXPECT_EQ(test::CountOnRow(*eleven, 8, 19, 27, s[7]), 4);
  EXPECT_EQ(eleven->Pixel(24, 4), s[2]);
  EXPECT_NE(eleven->Pixel(24, 12), s[2]);
  EXPECT_EQ(eleven->Pixel(25, 12), s[7]);
  EXPECT_NE(eleven->Pixel(25, 4), s[7]);
}

TEST(ScrollBarLook, DisabledBarShowsTheTrackWithoutAThumb) {
  auto b = StoredBar(200, 17, {{"Enabled", Variant(false)}});
  const ColorScheme d = PaletteDisabled(0xFFFFFF, 0xC00000, 0xFFFFFF);
  EXPECT_EQ((*b)->VisualState(), 4);
  EXPECT_EQ((*b)->Scheme(), d);
  EXPECT_EQ(b->Pixel(16, 8), d[7]);
  EXPECT_EQ(test::CountOnRow(*b, 8, 20, 180, d[2]), 0);  // no thumb frame anywhere on the track
  EXPECT_EQ(b->log.Count("ValueChanged"), 0);
}

TEST(ScrollBarLook, VerticalBarMirrorsTheHorizontalOne) {
  test::BarHarness v(17, 200);
  const ColorScheme s = test::NormalBarScheme();
  EXPECT_EQ(v->ThumbPos(), 40);
  EXPECT_EQ(v.Pixel(8, 16), s[7]);
  EXPECT_EQ(v.Pixel(8, 57), s[2]);
  EXPECT_EQ(v.Pixel(8, 140), s[2]);
  EXPECT_EQ(v.Pixel(8, 183), s[7]);
  EXPECT_EQ(v.Pixel(2, 58), s[5]);
}

}  // namespace
}  // namespace vorn
