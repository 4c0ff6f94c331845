#include <gtest/gtest.h>

#include "controls/button/GlassFace.h"
#include "controls/button/vornXButton.h"
#include "support/ControlHarness.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

using GlyphHarness = test::Harness<vornXButton>;
using test::MemoryPropertyBag;
using test::SamePicture;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlue = 0xC00000;

TEST(GlyphButtonLook, FocusedButtonLooksExactlyLikeAnUnfocusedOne) {
  GlyphHarness b(40, 24);
  b->put_Caption("5");
  const PixelBuffer unfocused = b.Window().Pixels();
  b.host.SetFocus(&b.Window());
  EXPECT_EQ(b->State(), bsNormal);
  EXPECT_EQ(b->Scheme(), PaletteNormal(kWhite, kBlue, kWhite));
  EXPECT_TRUE(SamePicture(b.Window().Pixels(), unfocused));
  b->put_TabSelectColor(0x0000FF);  // stored, never drawn
  EXPECT_TRUE(SamePicture(b.Window().Pixels(), unfocused));
}

// A caption 16 wide and 18 high on a 20 x 20 button is printed at (Fix(10 - 8), Fix(10 - 9) - 1).
TEST(GlyphButtonLook, CaptionIsCentredOnePixelHigherThanThePushButtons) {
  MemoryPropertyBag bag;
  bag.stored["Font"] = Variant(MakeRef<Font>("DejaVu Sans Mono", 10.75f));
  bag.stored["Caption"] = Variant("!!");
  GlyphHarness b(20, 20, &bag);
  ASSERT_EQ(b.Window().TextWidth("!!"), 16.0f);
  ASSERT_EQ(b.Window().TextHeight("!!"), 18.0f);

  test::TestSurface expected(20, 20);
  const ColorScheme scheme = PaletteNormal(kWhite, kBlue, kWhite);
  DrawGlassFace(*expected, scheme, 3);
  expected->SetFont(MakeRef<Font>("DejaVu Sans Mono", 10.75f));
  expected->SetForeColor(scheme[8]);
  expected->SetCurrentX(2);
  expected->SetCurrentY(0);
  expected->Print("!!");
  EXPECT_TRUE(SamePicture(b.Window().Pixels(), expected->Pixels()));
}

TEST(GlyphButtonLook, DisabledCaptionUsesEntrySeven) {
  MemoryPropertyBag bag;
  bag.stored["Font"] = Variant(MakeRef<Font>("Webdings", 8.0f));
  bag.stored["Caption"] = Variant("4");
  bag.stored["Enabled"] = Variant(false);
  GlyphHarness b(13, 13, &bag);
  const ColorScheme d = PaletteDisabled(kWhite, kBlue, kWhite);
  // The right-pointing triangle's tip on row 6 (cell at (2, -1), glyph 4 x 7 at (2, 4) in it).
  EXPECT_EQ(b.Pixel(7, 6), d[7]);
  EXPECT_EQ(b.Pixel(4, 3), d[7]);
  EXPECT_NE(b.Pixel(7, 5), d[7]);
}

TEST(GlyphButtonMouse, PressAndReleaseRaiseClickBeforeMouseUp) {
  GlyphHarness b(13, 13);
  b.ClickAt(6, 6);
  EXPECT_EQ(b.log.Joined(), "MouseMove(0, 0, 6, 6); MouseDown(1, 0, 6, 6); Click(); MouseUp(1, 0, 6, 6)");
}

TEST(GlyphButtonPersistence, SixNamesInOrderWithoutImageList) {
  MemoryPropertyBag in;
  GlyphHarness b(13, 13, &in);
  const std::vector<std::string> order{"BackColor", "ForeColor", "Enabled", "Font", "Caption", "TabSelectColor"};
  EXPECT_EQ(in.reads, order);
  EXPECT_EQ(in.defaults["Caption"].ToString(), "Control1");
  MemoryPropertyBag out;
  b->UserControl_WriteProperties(out);
  EXPECT_EQ(out.writes, order);
}

}  // namespace
}  // namespace vorn
