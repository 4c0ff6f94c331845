#include <gtest/gtest.h>

#include "ToolbarFixture.h"
#include "controls/button/GlassFace.h"

namespace vorn {
namespace {

using test::ToolbarFixture;

// Pixels in a rectangle (right and bottom exclusive) that pass a test.
template <class P>
int CountIn(ToolbarFixture& t, RectL r, P pass) {
  int n = 0;
  for (int32_t y = r.top; y < r.bottom; ++y)
    for (int32_t x = r.left; x < r.right; ++x) n += pass(t.Pixel(x, y)) ? 1 : 0;
  return n;
}
bool Dark(Color c) { return (c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80; }

TEST(ToolbarStrip, AnEmptyToolbarIsTheGlassStripAlone) {
  ToolbarFixture t;
  test::TestSurface ref(300, 27);
  DrawGlassFace(*ref, PaletteNormal(0xFFFFFF, 0xC00000, 0x80FF), 3);
  EXPECT_TRUE(test::SamePicture(t.Window().Pixels(), ref->Pixels()));
  EXPECT_EQ(t.Pixel(1, 26), ToolbarFixture::kBorder);  // the bottom edge
}

TEST(ToolbarFrames, ACheckedButtonIsFramedAndItsHotAndPressedFillsDiffer) {
  ToolbarFixture t;
  t.Add("c", "Check", 0, mitCheckButton, true);
  t.Add("u", "Plain", 0, mitCheckButton, false);
  const int32_t w = t.TextWidth("Check") + 15;
  EXPECT_TRUE(t.FilledWith(8, w, ToolbarFixture::kSelLight, ToolbarFixture::kSelStrong));
  EXPECT_NE(t.Pixel(8 + w + 8, 3), ToolbarFixture::kBorder);  // the unchecked one has no frame
  t.MoveTo(12, 12);
  t.Tick();
  EXPECT_TRUE(t.FilledWith(8, w, ToolbarFixture::kSelLight, ToolbarFixture::kSelCheck));
  t.Press();
  t.Tick();
  EXPECT_TRUE(t.FilledWith(8, w, ToolbarFixture::kSelCheck, ToolbarFixture::kSelLight));
  t.Release();
}

TEST(ToolbarFrames, TheOutlineClosesItsBottomRightCorner) {
  ToolbarFixture t;
  t.Add("a", "Apply");
  const int32_t w = t.TextWidth("Apply") + 15;
  t.MoveTo(12, 12);
  t.Tick();
  const int32_t r = 8 + w;
  const int32_t b = 3 + 19;
  EXPECT_EQ(t.Pixel(r, b), ToolbarFixture::kBorder);
  EXPECT_EQ(t.Pixel(r - 1, b), ToolbarFixture::kBorder);
  EXPECT_EQ(t.Pixel(r, b - 1), ToolbarFixture::kBorder);
  EXPECT_NE(t.Pixel(r + 1, b), ToolbarFixture::kBorder);
  EXPECT_NE(t.Pixel(r, b + 1), ToolbarFixture::kBorder);
  EXPECT_EQ(t.Pixel(8, 3), ToolbarFixture::kBorder);
  EXPECT_EQ(t.Pixel(8, b), ToolbarFixture::kBorder);
}

TEST(ToolbarCaptions, ADisabledButtonPrintsInEntrySevenWithItsNormalIcon) {
  ToolbarFixture t;
  t->putref_Imagelist(ToolbarFixture::SolidList(16, {0x0000FF}));
  t.Add("off", "Off", 1, mitNormalButton, false, false);
  t.Add("on", "On", 1);
  const int32_t onX = 15 + t.TextWidth("Off") + 15 + 16 + 3;
  const RectL offText{34, 8, 34 + t.TextWidth("Off"), 21};
  const RectL onText{onX + 19, 8, onX + 19 + t.TextWidth("On"), 21};
  auto is = [](Color c) { return [c](Color p) { return p == c; }; };
  EXPECT_GT(CountIn(t, offText, is(ToolbarFixture::kBorder)), 3);
  EXPECT_EQ(CountIn(t, offText, is(ToolbarFixture::kCaption)), 0);
  EXPECT_GT(CountIn(t, onText, is(ToolbarFixture::kCaption)), 3);
  EXPECT_EQ(t.Pixel(20, 10), 0x0000FFu);  // the icon as it is, not a grey silhouette
}

TEST(ToolbarCaptions, OnlyMenuTwoItemsGetTheDropArrow) {
  for (int32_t style : {mitMenu, mitMenu2}) {
    ToolbarFixture t;
    t.Add("v", "View", 0, style);
    const int32_t arrowX = 15 + 2 + t.TextWidth("View") + 3;
    const int dark = CountIn(t, RectL{arrowX, 2, arrowX + t.TextWidth("6"), 24}, Dark);
    if (style == mitMenu2) {
      EXPECT_GE(dark, 6);
    } else {
      EXPECT_EQ(dark, 0);
    }
    EXPECT_EQ(t->get_Font()->Name(), "DejaVu Sans");  // the caption font is given back
  }
}

TEST(ToolbarCaptions, APlaceholderShowsOnlyItsIconAndAnUnknownStyleBoth) {
  ToolbarFixture t;
  t->putref_Imagelist(ToolbarFixture::SolidList(16, {0x00FF00}));
  t.Add("p", "Hidden", 1, mitPlaceholder);
  t.Add("x", "Shown", 1, 9);
  const int32_t x2 = 15 + t.TextWidth("Hidden") + 15 + 16 + 3;
  EXPECT_EQ(t.Pixel(15, 6), 0x00FF00u);
  EXPECT_EQ(CountIn(t, RectL{34, 4, 34 + t.TextWidth("Hidden"), 25}, Dark), 0);
  EXPECT_EQ(t.Pixel(x2, 6), 0x00FF00u);
  EXPECT_GT(CountIn(t, RectL{x2 + 19, 4, x2 + 19 + t.TextWidth("Shown"), 25}, Dark), 5);
  // Neither reacts to the mouse.
  t.PressAndRelease(20, 12);
  t.PressAndRelease(static_cast<float>(x2 - 8 + 4), 12);
  EXPECT_EQ(t.log.Joined(), "");
  EXPECT_EQ(t->HotItem(), 0);
}

}  // namespace
}  // namespace vorn
