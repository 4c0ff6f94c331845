#include <gtest/gtest.h>

#include "ToolbarFixture.h"

namespace vorn {
namespace {

using test::ToolbarFixture;

// An 8-pixel font (DejaVu Sans 4.5 pt: TH = 8) and no image list.
void SmallFont(ToolbarFixture& t) { t->putref_Font(MakeRef<Font>("DejaVu Sans", 4.5f)); }

// The frame's outline colour along row 3 tells where a frame starts.
int32_t FirstOutlineOnRow3(ToolbarFixture& t) {
  for (int32_t x = 0; x < 300; ++x) {
    if (t.Pixel(x, 3) == ToolbarFixture::kBorder) return x;
  }
  return -1;
}

TEST(ToolbarHitArea, StartsAfterSevenWhileTheFrameStartsAtEight) {
  ToolbarFixture t;
  SmallFont(t);
  ASSERT_EQ(t.Window().TextHeight("I"), 8.0f);
  t.Add("a", "Abc");
  const int32_t w = t.TextWidth("Abc") + 15;
  t.MoveTo(7, 10);
  EXPECT_EQ(t->HotItem(), 0);
  t.MoveTo(8, 10);
  EXPECT_EQ(t->HotItem(), 1);
  t.MoveTo(7 + w - 1, 10);
  EXPECT_EQ(t->HotItem(), 1);
  t.MoveTo(7 + w, 10);
  EXPECT_EQ(t->HotItem(), 0);
  // Rows: 6 < y < 8 + 6.
  t.MoveTo(10, 6);
  EXPECT_EQ(t->HotItem(), 0);
  t.MoveTo(10, 13);
  EXPECT_EQ(t->HotItem(), 1);
  t.MoveTo(10, 14);
  EXPECT_EQ(t->HotItem(), 0);
  t.MoveTo(10, 10);
  t.Tick();  // the timer paints the hot frame
  EXPECT_EQ(FirstOutlineOnRow3(t), 8);
  EXPECT_EQ(t.Pixel(8 + w, 3), ToolbarFixture::kBorder);  // the right side on L + width
  EXPECT_EQ(t.Pixel(8 + w, 3 + 8 + 6), ToolbarFixture::kBorder);
}

TEST(ToolbarHitArea, AnEmptyCaptionIsFifteenPixelsWide) {
  ToolbarFixture t;
  SmallFont(t);
  t.Add("", "");
  t.Add("b", "B");
  t.MoveTo(7 + 14, 10);
  EXPECT_EQ(t->HotItem(), 1);
  t.MoveTo(7 + 15, 10);
  EXPECT_EQ(t->HotItem(), 0);  // on the edge between the two: neither
  t.MoveTo(7 + 16, 10);
  EXPECT_EQ(t->HotItem(), 2);
}

TEST(ToolbarHitArea, AMenuTwoItemReachesIntoTheNextAndIsFoundFirst) {
  ToolbarFixture t;
  t.Add("m", "Menu", 0, mitMenu2);
  t.Add("n", "Next");
  const int32_t w = t.TextWidth("Menu") + 15;
  const int32_t arrow = 3 + t.TextWidth("6");
  t.MoveTo(7 + w + arrow - 1, 10);  // inside the next item's area, but within the arrow room
  EXPECT_EQ(t->HotItem(), 1);
  t.MoveTo(7 + w + arrow + 1, 10);
  EXPECT_EQ(t->HotItem(), 2);
}

TEST(ToolbarLayout, TheMenuTwoFrameIsWiderByTheArrow) {
  for (int32_t style : {mitMenu, mitMenu2}) {
    ToolbarFixture t;
    t.Add("m", "Menu", 0, style);
    t.MoveTo(10, 10);
    t.Tick();
    const int32_t w = t.TextWidth("Menu") + 15;
    const int32_t right = style == mitMenu2 ? 8 + w + 3 + t.TextWidth("6") : 8 + w;
    EXPECT_EQ(t.Pixel(right, 10), ToolbarFixture::kBorder) << style;
    EXPECT_EQ(t.Pixel(right, 22), ToolbarFixture::kBorder) << style;
    EXPECT_NE(t.Pixel(right + 1, 10), ToolbarFixture::kBorder) << style;
    EXPECT_NE(t.Pixel(right - 1, 10), ToolbarFixture::kBorder) << style;
  }
}

TEST(ToolbarLayout, TheItemAfterAMenuTwoStartsWhereItWouldAfterAMenu) {
  for (int32_t style : {mitMenu, mitMenu2}) {
    ToolbarFixture t;
    t.Add("m", "Menu", 0, style);
    t.Add("n", "Next", 0, mitCheckButton, true);  // framed while checked: shows where it starts
    const int32_t next = 15 + t.TextWidth("Menu") + 15;
    EXPECT_EQ(t.Pixel(next - 7, 10), ToolbarFixture::kBorder) << style;
    EXPECT_NE(t.Pixel(next - 8, 10), ToolbarFixture::kBorder) << style;
    t.MoveTo(next - 8 + 1, 10);
    EXPECT_EQ(t->HotItem(), style == mitMenu ? 2 : 1) << style;
  }
}

TEST(ToolbarLayout, TheStripIsOneRowTallWithOrWithoutImages) {
  ToolbarFixture t;
  EXPECT_EQ(t->RowHeight(), 13 + 14);
  EXPECT_EQ(t.Window().ScaleHeight(), 27.0f);
  EXPECT_EQ(t.Window().Height(), 27 * 15);
  // The host asks for another height: the toolbar keeps its row.
  t.Window().SetHeight(60 * 15);
  EXPECT_EQ(t.Window().ScaleHeight(), 27.0f);
  t->putref_Imagelist(ToolbarFixture::SolidList(16, {0x0000FF}));
  EXPECT_EQ(t.Window().ScaleHeight(), 30.0f);  // 16 + 14
  t->putref_Imagelist(ToolbarFixture::SolidList(12, {0x0000FF}));
  EXPECT_EQ(t.Window().ScaleHeight(), 27.0f);  // smaller than the text: the text decides
  SmallFont(t);
  t->putref_Imagelist(nullptr);
  EXPECT_EQ(t.Window().ScaleHeight(), 22.0f);
}

TEST(ToolbarLayout, IconsAndCaptionsCentreOnSixteenPixelImages) {
  ToolbarFixture t;
  t->putref_Imagelist(ToolbarFixture::SolidList(16, {0x0000FF}));
  t.Add("i", "Icon", 1);
  t.Add("n", "None");
  // The icon at (15, 6), 16 x 16.
  EXPECT_EQ(t.Pixel(15, 6), 0x0000FFu);
  EXPECT_EQ(t.Pixel(30, 21), 0x0000FFu);
  EXPECT_NE(t.Pixel(15, 5), 0x0000FFu);
  EXPECT_NE(t.Pixel(31, 6), 0x0000FFu);
  EXPECT_NE(t.Pixel(15, 22), 0x0000FFu);
  // Captions print from y = nearest(6 + 8 - 6.5) = 8: their text position ends one line lower.
  EXPECT_EQ(t.Window().CurrentY(), 8.0f + 13.0f);
  // "Icon" starts 3 pixels after its icon; "None" (no icon) right at its X.
  auto firstInk = [&](int32_t from) {
    for (int32_t x = from - 3; x < from + 20; ++x)
      for (int32_t y = 4; y < 26; ++y)
        if ((t.Pixel(x, y) & 0xFF) < 0x80) return x;  // the caption's dark ink (icons are red)
    return -1;
  };
  const int32_t noneX = 15 + t.TextWidth("Icon") + 15 + 16 + 3;
  EXPECT_GE(firstInk(34), 34);
  EXPECT_LE(firstInk(34), 35);
  EXPECT_GE(firstInk(noneX), noneX);
  EXPECT_LE(firstInk(noneX), noneX + 1);
}

TEST(ToolbarLayout, AnEtchedSeparatorSitsAQuarterIntoItsWidth) {
  ToolbarFixture t;
  t.Add("a", "");
  t.Add("s", "", 0, mitSeparator);
  const int32_t X = 15 + 15;  // after a 15-pixel item
  for (int32_t y = 6; y < 6 + 13; ++y) EXPECT_EQ(t.Pixel(X + 3, y), ToolbarFixture::kBorder) << y;
  EXPECT_NE(t.Pixel(X + 3, 6 + 13), ToolbarFixture::kBorder);
  for (int32_t y = 7; y < 7 + 13; ++y) EXPECT_EQ(t.Pixel(X + 4, y), ToolbarFixture::kLight) << y;
  EXPECT_NE(t.Pixel(X + 4, 6), ToolbarFixture::kLight);
  EXPECT_NE(t.Pixel(X + 2, 10), ToolbarFixture::kBorder);
  EXPECT_NE(t.Pixel(X + 5, 10), ToolbarFixture::kLight);
}

}  // namespace
}  // namespace vorn
