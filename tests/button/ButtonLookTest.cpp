#include <gtest/gtest.h>

#include "controls/button/vornButton.h"
#include "host/form/ImageList.h"
#include "support/ControlHarness.h"

namespace vorn {
namespace {

using test::Harness;
using ButtonHarness = Harness<vornButton>;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlue = 0xC00000;

Ref<ImageList> SolidIcons(int16_t size, Color colour) {
  auto list = MakeRef<ImageList>("icons", size, size);
  list->Add(MakeRef<Picture>(size, size, std::vector<uint32_t>(static_cast<size_t>(size) * size, 0xFF000000u | colour)));
  return list;
}

int CountPixels(test::HarnessBase& h, Color c) {
  int n = 0;
  const PixelBuffer& p = h.Window().Pixels();
  for (int y = 0; y < p.Height(); ++y)
    for (int x = 0; x < p.Width(); ++x) n += p.Get(x, y) == c;
  return n;
}

TEST(ButtonFace, DefaultButtonUsesTheNormalSchemeAtCornersAndEdges) {
  ButtonHarness b(100, 30);
  EXPECT_EQ(b->State(), bsNormal);
  EXPECT_EQ(b->get_Caption(), "Control1");
  // Corners keep the glass: row 0 starts at entry 2; the last row is the second band's end.
  EXPECT_EQ(b.Pixel(0, 0), 0xF9E6E6u);
  EXPECT_EQ(b.Pixel(99, 0), 0xF9E6E6u);
  EXPECT_EQ(b.Pixel(5, 15), 0xEFBEBEu);  // the second band starts at row 15 with entry 3
  EXPECT_NE(b.Pixel(0, 29), 0xDE7878u);
  EXPECT_NE(b.Pixel(99, 29), 0xDE7878u);
  // Edges: top and left start in entry 5, right starts in entry 6, bottom is entry 7.
  EXPECT_EQ(b.Pixel(1, 0), 0xF6DCDCu);
  EXPECT_EQ(b.Pixel(0, 1), 0xF6DCDCu);
  EXPECT_EQ(b.Pixel(99, 1), 0xF1C8C8u);
  EXPECT_EQ(b.Pixel(1, 29), 0xDE7878u);
  EXPECT_EQ(b.Pixel(98, 29), 0xDE7878u);
  // The top edge runs toward entry 6 without reaching it (far edge exclusive).
  EXPECT_NE(b.Pixel(98, 0), 0xF6DCDCu);
}

TEST(ButtonFace, CaptionIsCentredInEntryEight) {
  ButtonHarness b(100, 30);
  EXPECT_GT(CountPixels(b, 0x570000), 5);
  // One Print at y = Fix(15 - 13 / 2) = 8 leaves the text position one line below.
  EXPECT_EQ(b.Window().CurrentY(), 8.0f + 13.0f);
}

TEST(ButtonFace, FocusShowsTheFocusSchemeUntilDisabledAndEnabledAgain) {
  ButtonHarness b(100, 30);
  b.host.SetFocus(&b.Window());
  const ColorScheme focus = PaletteFocus(kWhite, 0x96E7, kBlue);
  EXPECT_EQ(b->Scheme(), focus);
  EXPECT_EQ(b.Pixel(0, 0), focus[2]);
  b->put_Enabled(false);
  EXPECT_EQ(b->State(), bsDisabled);
  b->put_Enabled(true);
  EXPECT_EQ(b->State(), bsPlain);
  EXPECT_EQ(b->Scheme(), PaletteNormal(kWhite, kBlue, kWhite));  // focused, but bsPlain shows no focus
  // A Space release moves the button on to bsNormal, which shows the focus again.
  int16_t code = 32, shift = 0;
  b->UserControl_KeyUp(code, shift);
  EXPECT_EQ(b->Scheme(), focus);
}

TEST(ButtonFace, DisabledButtonUsesTheDisabledSchemeAndEntrySevenCaption) {
  ButtonHarness b(100, 30);
  b->put_Enabled(false);
  const ColorScheme d = PaletteDisabled(kWhite, kBlue, kWhite);
  EXPECT_EQ(b.Pixel(0, 0), d[2]);
  EXPECT_EQ(CountPixels(b, 0x570000), 0);
  EXPECT_GT(CountPixels(b, d[7]), 100);  // the caption and the bottom edge
}

TEST(ButtonFace, SystemColoursAreValidForEveryColourProperty) {
  ButtonHarness b(60, 24);
  b->put_BackColor(0x8000000F);
  b->put_ForeColor(0x80000012);
  b->put_TabSelectColor(0x8000000D);
  EXPECT_EQ(b.Pixel(0, 0), BlendColor(0xF0F0F0, 0, 230));
}

struct IconLayout : testing::TestWithParam<int> {};

TEST(ButtonIcon, SideBySideWhenTheIconAndTextDoNotFitAbove) {
  ButtonHarness b(100, 40);
  b->putref_Imagelist(SolidIcons(32, 0x00FF00));
  b->put_Caption("Open");
  b->put_ImageIndex(1);
  // 32 + 1.7 x 13 > 40 - 6: icon at (12, 4), caption at x 56, y 13.
  EXPECT_EQ(b.Pixel(12, 4), 0x00FF00u);
  EXPECT_EQ(b.Pixel(43, 35), 0x00FF00u);
  EXPECT_NE(b.Pixel(11, 4), 0x00FF00u);
  EXPECT_NE(b.Pixel(44, 4), 0x00FF00u);
  EXPECT_EQ(b.Window().CurrentY(), 13.0f + 13.0f);
  int leftmostInk = 100;
  for (int x = 45; x < 100 && leftmostInk == 100; ++x)
    for (int y = 13; y < 26; ++y)
      if ((b.Pixel(x, y) & 0xFF) < 0x80) leftmostInk = x;  // dark text ink; the glass is light
  EXPECT_GE(leftmostInk, 56);
  EXPECT_LE(leftmostInk, 58);
}

TEST(ButtonIcon, StackedWhenThereIsRoom) {
  ButtonHarness b(100, 70);
  b->putref_Imagelist(SolidIcons(32, 0x00FF00));
  b->put_Caption("Open");
  b->put_ImageIndex(1);
  // 54.1 <= 64: icon at (34, 10), caption at y 47 centred.
  EXPECT_EQ(b.Pixel(34, 10), 0x00FF00u);
  EXPECT_EQ(b.Pixel(65, 41), 0x00FF00u);
  EXPECT_NE(b.Pixel(34, 9), 0x00FF00u);
  EXPECT_EQ(b.Window().CurrentY(), 47.0f + 13.0f);
}

TEST(ButtonIcon, CentredWithoutCaptionAndMonoWhenDisabled) {
  ButtonHarness b(40, 40);
  b->putref_Imagelist(SolidIcons(16, 0x00FF00));
  b->put_Caption("");
  b->put_ImageIndex(1);
  EXPECT_EQ(b.Pixel(12, 12), 0x00FF00u);
  EXPECT_EQ(b.Pixel(27, 27), 0x00FF00u);
  b->put_Enabled(false);
  EXPECT_EQ(b.Pixel(12, 12), RasterSurface::kMonoIconColor);
}

TEST(ButtonIcon, BadImageListsSkipTheIconButDrawTheRest) {
  ButtonHarness b(100, 30);
  b->put_Caption("Open");
  b->putref_Imagelist(SolidIcons(16, 0x00FF00));
  b->put_ImageIndex(5);  // no such picture
  EXPECT_EQ(CountPixels(b, 0x00FF00), 0);
  EXPECT_GT(CountPixels(b, 0x570000), 5);
  b->putref_Imagelist(MakeRef<Font>());  // an object without ListImages
  EXPECT_GT(CountPixels(b, 0x570000), 5);
  EXPECT_EQ(b.Pixel(1, 0), 0xF6DCDCu);
}

}  // namespace
}  // namespace vorn
