#include <gtest/gtest.h>

#include <cstring>

#include "PopupFixture.h"

namespace vorn {
namespace {

using test::PopupFixture;
constexpr Color kWhite = PopupFixture::kWhite;
constexpr Color kBorder = PopupFixture::kBorder;

TEST(PopupPaint, OneItemBorderAndCaption) {
  PopupFixture m;
  m.Add("Open");
  m.OpenAt300x200();
  ASSERT_EQ(m.SH(), 25);
  const int32_t sw = m.SW();
  for (int32_t y : {0, 12, 24}) {
    EXPECT_EQ(m.At(0, y), kBorder) << y;
    EXPECT_EQ(m.At(sw - 1, y), kBorder) << y;
  }
  for (int32_t x : {0, 1, sw / 2, sw - 2}) {
    EXPECT_EQ(m.At(x, 0), kBorder) << x;
    EXPECT_EQ(m.At(x, 24), kBorder) << x;
  }
  EXPECT_EQ(m.At(1, 1), kWhite);
  // The caption cell starts at (18, 6): its ink lies right of x = 18 and inside the text cell.
  const RectL ink = m.InkIn({1, 1, sw - 1, 24}, kWhite);
  EXPECT_GE(ink.left, 18);
  EXPECT_LE(ink.left, 19);
  EXPECT_GE(ink.top, 6);
  EXPECT_LE(ink.bottom, 6 + 13);
  // Fully covered glyph pixels (the stems) are exactly entry 8.
  Color darkest = kWhite;
  for (int32_t y = ink.top; y <= ink.bottom; ++y) {
    for (int32_t x = ink.left; x <= ink.right; ++x) {
      if (GreenOf(m.At(x, y)) + RedOf(m.At(x, y)) < GreenOf(darkest) + RedOf(darkest)) darkest = m.At(x, y);
    }
  }
  EXPECT_EQ(darkest, PopupFixture::kCaption);
}

TEST(PopupPaint, HighlightBandAndFrame) {
  PopupFixture m;
  m.Add("Open");
  m.OpenAt300x200();
  m.MoveOnPopup(30, 12);
  ASSERT_EQ(m->HoverRow(), 1);
  const int32_t sw = m.SW();
  EXPECT_EQ(m.At(3, 3), PopupFixture::kSelStrong);
  EXPECT_EQ(m.At(3, 21), PopupFixture::kSelStrong);
  // Toward the lighter tint on the right (the far edge itself is exclusive, so only nearly).
  const Color right = m.At(sw - 4, 3);
  EXPECT_NE(right, PopupFixture::kSelStrong);
  EXPECT_GE(BlueOf(right), 0xE0);
  EXPECT_LE(BlueOf(right), 0xE6);
  for (int32_t y : {2, 12, 22}) {
    EXPECT_EQ(m.At(2, y), kBorder) << y;
    EXPECT_EQ(m.At(sw - 3, y), kBorder) << y;
  }
  for (int32_t x : {2, 10, sw - 3}) {
    EXPECT_EQ(m.At(x, 2), kBorder) << x;
    EXPECT_EQ(m.At(x, 22), kBorder) << x;
  }
  // Between the frame and the border the background shows.
  EXPECT_EQ(m.At(1, 12), kWhite);
  EXPECT_EQ(m.At(sw - 2, 12), kWhite);
  EXPECT_EQ(m.At(10, 1), kWhite);
  EXPECT_EQ(m.At(10, 23), kWhite);
  // Moving off the row clears it.
  m.MoveOnPopup(30, 23);
  EXPECT_EQ(m.At(3, 3), kWhite);
}

TEST(PopupPaint, TopGapLeavesTheStartOfTheTopEdgeOpen) {
  PopupFixture m;
  m.Add("Open");
  m.OpenAt300x200("", 40);
  EXPECT_EQ(m->TopGap(), 40);
  EXPECT_EQ(m.At(0, 0), kBorder);  // the left edge still runs from y = 0
  EXPECT_EQ(m.At(1, 0), kWhite);
  EXPECT_EQ(m.At(39, 0), kWhite);
  EXPECT_EQ(m.At(40, 0), kBorder);
  EXPECT_EQ(m.At(m.SW() - 1, 0), kBorder);
}

TEST(PopupPaint, CheckBoxInTheNarrowColumn) {
  PopupFixture m;
  m.Add("Wrap", itCheck, "", 0, true);
  m.Add("Plain", itCheck, "", 0, false);
  m.OpenAt300x200();
  // Row 1: t = 2, h = 21. Fill x 5..9, y 4..21; frame x = 4 and 9, y = 3 and 21.
  for (int32_t y : {4, 12, 20}) {
    EXPECT_EQ(m.At(4, y), kBorder) << y;
    EXPECT_EQ(m.At(5, y), PopupFixture::kSelLight) << y;
    EXPECT_EQ(m.At(8, y), PopupFixture::kSelLight) << y;
    EXPECT_EQ(m.At(9, y), kBorder) << y;
    EXPECT_EQ(m.At(10, y), kWhite) << y;
  }
  EXPECT_EQ(m.At(6, 3), kBorder);
  EXPECT_EQ(m.At(6, 21), kBorder);
  EXPECT_EQ(m.At(6, 2), kWhite);
  EXPECT_EQ(m.At(6, 22), kWhite);
  // Unchecked: no box.
  EXPECT_EQ(m.At(4, 33), kWhite);
  EXPECT_EQ(m.At(6, 33), kWhite);
  // On the highlighted row the box takes the strong tint.
  m.MoveOnPopup(30, 12);
  EXPECT_EQ(m.At(6, 12), PopupFixture::kSelCheck);
}

TEST(PopupPaint, CheckBoxInTheWideColumnUnderItsIcon) {
  PopupFixture m;
  m.Add("Wrap", itCheck, "", 1, true);
  m->putref_Imagelist(PopupFixture::SolidList(16, {0x0000FF}));
  m.OpenAt300x200();
  // cw = 34: fill x 5..25, frame x = 4 and 25; the icon over it from x = 7, y = 2 + 10 - 8 = 4.
  EXPECT_EQ(m.At(4, 12), kBorder);
  EXPECT_EQ(m.At(5, 12), PopupFixture::kSelLight);
  EXPECT_EQ(m.At(6, 12), PopupFixture::kSelLight);
  EXPECT_EQ(m.At(7, 12), 0x0000FFu);
  EXPECT_EQ(m.At(22, 12), 0x0000FFu);
  EXPECT_EQ(m.At(23, 12), PopupFixture::kSelLight);
  EXPECT_EQ(m.At(24, 12), PopupFixture::kSelLight);
  EXPECT_EQ(m.At(25, 12), kBorder);
  EXPECT_EQ(m.At(26, 12), kWhite);
  EXPECT_EQ(m.At(10, 3), kBorder);  // frame top
  EXPECT_EQ(m.At(10, 4), 0x0000FFu);
  EXPECT_EQ(m.At(10, 19), 0x0000FFu);
  EXPECT_EQ(m.At(10, 20), PopupFixture::kSelLight);
}

TEST(PopupPaint, SeparatorIsOneGradientLineOverTheRightBorder) {
  PopupFixture m;
  m.Add("Above");
  m.Add("", itPlaceholder);
  m.Add("Below");
  m.OpenAt300x200();
  // Separator row: t = 23, line on y = 24.
  const int32_t sw = m.SW();
  EXPECT_EQ(m.At(0, 24), kBorder);  // the left border stays
  EXPECT_EQ(m.At(1, 24), PopupFixture::kLight);
  EXPECT_EQ(m.At(1, 23), kWhite);
  EXPECT_EQ(m.At(1, 25), kWhite);
  // The right border pixel on that line is the gradient's, darker than the start but not the
  // border colour (which the far, exclusive end would have).
  const Color end = m.At(sw - 1, 24);
  EXPECT_NE(end, kBorder);
  EXPECT_LT(GreenOf(end), GreenOf(PopupFixture::kLight));
  EXPECT_EQ(m.At(sw - 1, 23), kBorder);
  EXPECT_LT(GreenOf(m.At(sw / 2, 24)), GreenOf(PopupFixture::kLight));
  EXPECT_GT(GreenOf(m.At(sw / 2, 24)), GreenOf(end));
}

TEST(PopupPaint, TitleBandAndCaption) {
  PopupFixture m;
  m.Add("Heading", itTitle);
  m.Add("Heading", itNormal, "elsewhere");  // keeps the width of both menus the same
  m.OpenAt300x200();
  PopupFixture bare;
  bare.Add("", itTitle);
  bare.Add("Heading", itNormal, "elsewhere");
  bare.OpenAt300x200();
  ASSERT_EQ(bare.SW(), m.SW());
  const int32_t sw = m.SW();
  // t = 2, h = 42: band y 3..42, x 3..SW-4, from entry 4 at the left toward entry 2.
  EXPECT_EQ(m.At(3, 3), PopupFixture::kTitleLeft);
  EXPECT_EQ(m.At(3, 42), PopupFixture::kTitleLeft);
  EXPECT_EQ(m.At(3, 43), kWhite);
  EXPECT_EQ(m.At(3, 2), kWhite);
  EXPECT_EQ(m.At(2, 20), kWhite);
  EXPECT_EQ(m.At(sw - 3, 20), kWhite);
  EXPECT_GT(GreenOf(m.At(sw - 4, 40)), 0xE0);  // nearly entry 2 (&HF9E6E6) at the right
  // The caption cell starts at (18, 10): where the two pictures differ, in entry 7's hue.
  RectL ink{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  Color darkest = kWhite;
  for (int32_t y = 0; y < m.SH(); ++y) {
    for (int32_t x = 0; x < sw; ++x) {
      if (m.At(x, y) == bare.At(x, y)) continue;
      ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x), std::max(ink.bottom, y)};
      if (GreenOf(m.At(x, y)) < GreenOf(darkest)) darkest = m.At(x, y);
    }
  }
  EXPECT_GE(ink.left, 18);
  EXPECT_LE(ink.left, 19);
  EXPECT_GE(ink.top, 10);
  EXPECT_LE(ink.bottom, 10 + 13);
  EXPECT_EQ(darkest, kBorder);
}

TEST(PopupPaint, UnknownTypesAndIconZeroDrawNothingButKeepTheirPlace) {
  PopupFixture m;
  m.Add("Invisible", 0);
  m.Add("Line", itNormal, "", 0);
  m->putref_Imagelist(PopupFixture::SolidList(16, {0x0000FF}));
  m.OpenAt300x200();
  EXPECT_EQ(m->Listings()->At(1).Height(), 21);
  const RectL blank = m.InkIn({1, 1, m.SW() - 1, 23}, kWhite);
  EXPECT_GT(blank.left, blank.right);  // nothing at all in the first row
  const RectL text = m.InkIn({1, 23, m.SW() - 1, 44}, kWhite);
  EXPECT_GE(text.left, 34);  // no icon; the caption starts after the 34-pixel column
  EXPECT_LE(text.left, 35);
}

TEST(PopupPaint, BoldCaptionsAreDrawnAndMeasuredBold) {
  PopupFixture m;
  m.Add("Same caption", itNormal, "", 0, false, false);
  m.Add("Same caption", itNormal, "", 0, false, true);
  m.OpenAt300x200();
  const RectL plain = m.InkIn({1, 2, m.SW() - 1, 23}, kWhite);
  const RectL bold = m.InkIn({1, 23, m.SW() - 1, 44}, kWhite);
  EXPECT_GT(bold.right, plain.right);
  EXPECT_TRUE(m.Popup().FontBold());  // left as the last row needed it
  // The width fits the bold caption.
  EXPECT_LE(bold.right, m.SW() - 32);
}

TEST(PopupPaint, RepaintsOfAnOpenSubMenuKeepShowingItsGroup) {
  PopupFixture m;
  m.Add("Root entry");
  m.Add("Sub entry", itNormal, "sub");
  m.OpenAt300x200("sub");
  EXPECT_EQ(m->OpenGroup(), "sub");
  m.MoveOnPopup(30, 12);  // a pointer move repaints
  ASSERT_EQ(m->HoverRow(), 1);
  const PixelBuffer afterMove = m.Popup().Pixels();
  m->DrawMenu("sub");
  EXPECT_EQ(std::memcmp(afterMove.Data(), m.Popup().Pixels().Data(), afterMove.Width() * afterMove.Height() * 4u), 0);
  m->DrawMenu("");
  EXPECT_NE(std::memcmp(afterMove.Data(), m.Popup().Pixels().Data(), afterMove.Width() * afterMove.Height() * 4u), 0);
}

TEST(PopupPaint, ALeftoverHighlightFromALongerMenuIsNoHighlight) {
  PopupFixture m;
  for (const char* c : {"One", "Two", "Three", "Four", "Five"}) m.Add(c);
  m.OpenAt300x200();
  m.MoveOnPopup(30, 2 + 4 * 21 + 10);  // row 5
  ASSERT_EQ(m->HoverRow(), 5);
  m->KillMenu();
  m.Tick();
  // A shorter menu in the same control, opened while the pointer is elsewhere.
  m->MenuItem_ = MakeRef<MenuItems>();
  m.Add("Alpha", itCheck, "", 0, true);
  m.Add("Beta");
  m.host.MoveMouse({0, 0});
  m.OpenAt300x200();
  EXPECT_EQ(m->HoverRow(), 5);  // kept, as the state rules say
  EXPECT_EQ(m.At(3, 3), kWhite);  // but painted as no highlight, with every row
  EXPECT_EQ(m.At(6, 12), PopupFixture::kSelLight);
  EXPECT_LT(m.InkIn({18, 23, m.SW() - 1, 44}, kWhite).left, m.SW());
  EXPECT_NO_THROW(m->put_BackColor(0xFFFFFF));
  // A click without a move reports no row; the popup still closes.
  m->PUMenu_Click();
  EXPECT_FALSE(m.Popup().Visible());
  m.Tick();
  EXPECT_EQ(m.log.Joined(), "Closed(); Closed()");
}

}  // namespace
}  // namespace vorn
