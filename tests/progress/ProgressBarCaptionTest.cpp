#include <gtest/gtest.h>

#include "ProgressBarTestKit.h"
#include "foundation/Dispatch.h"

namespace vorn {
namespace {

using test::CountDark;
using test::CountOf;
using test::DiffBounds;
using test::Identical;
using test::ProgressHarness;
using test::StoredBar;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlue = 0xC00000;
constexpr Color kMarker = 0x123456;

Variant I(int16_t v) { return Variant(v); }
Variant L(int32_t v) { return Variant(v); }

TEST(ProgressBarCaption, PercentModeShowsTheValueFollowedByPercent) {
  auto percent = StoredBar(200, 24, {{"Value", I(50)}});
  auto literal = StoredBar(200, 24, {{"Value", I(50)}, {"Caption", Variant("50 %")}});
  EXPECT_TRUE(Identical(*percent, *literal));
  auto zero = StoredBar(200, 24, {{"Value", I(0)}});
  EXPECT_TRUE(Identical(*zero, *StoredBar(200, 24, {{"Value", I(0)}, {"Caption", Variant("0 %")}})));
  EXPECT_FALSE(Identical(*zero, *StoredBar(200, 24, {{"Value", I(0)}, {"Caption", Variant("")}})));
}

TEST(ProgressBarCaption, AStoredNegativeValueReadsMinusFivePercentWithoutABar) {
  auto stored = StoredBar(200, 24, {{"Value", I(-5)}});
  EXPECT_EQ((*stored)->get_Value(), -5);
  EXPECT_TRUE(Identical(*stored, *StoredBar(200, 24, {{"Value", I(0)}, {"Caption", Variant("-5 %")}})));
}

TEST(ProgressBarCaption, SearchingStyleReadsSearching) {
  auto search = StoredBar(200, 24, {{"Style", L(tSearch)}, {"Value", I(0)}});
  EXPECT_TRUE(Identical(*search, *StoredBar(200, 24, {{"Style", L(tSearch)}, {"Value", I(0)},
                                                      {"Caption", Variant("Searching...")}})));
}

TEST(ProgressBarCaption, OtherCaptionsAreShownAsTheyAreInEveryStyle) {
  for (int32_t style : {0, 1, 5}) {
    auto custom = StoredBar(200, 24, {{"Style", L(style)}, {"Value", I(0)}, {"Caption", Variant("Copying")}});
    auto normal = StoredBar(200, 24, {{"Style", L(tNormal)}, {"Value", I(0)}, {"Caption", Variant("Copying")}});
    EXPECT_TRUE(Identical(*custom, *normal)) << style;
  }
  // An unknown style turns "%" into a plain percent sign: narrower than any number.
  auto plain = StoredBar(200, 24, {{"Style", L(5)}, {"Value", I(0)}});
  auto blank = StoredBar(200, 24, {{"Style", L(5)}, {"Value", I(0)}, {"Caption", Variant("")}});
  const RectL box = DiffBounds(*plain, *blank);
  const float width = plain->Window().TextWidth("%");
  EXPECT_LE(box.right - box.left + 1, width + 5);
  EXPECT_GE(box.right - box.left + 1, width);
}

TEST(ProgressBarCaption, TheTextSitsOnAHaloOfTheBackColour) {
  const Color back = 0x00FFFF;
  auto bar = StoredBar(200, 24, {{"Value", I(0)}, {"BackColor", L(back)}, {"ForeColor", L(kBlue)}});
  auto blank = StoredBar(200, 24, {{"Value", I(0)}, {"BackColor", L(back)}, {"Caption", Variant("")}});
  EXPECT_EQ(CountOf(*blank, back), 0);  // the glass never shows the back colour itself
  EXPECT_GT(CountOf(*bar, back), 20);
  EXPECT_GT(CountDark(*bar), CountDark(*blank) + 10);  // the text in the fore colour
  // The halo reaches two pixels beyond the text on each side; the text is centred.
  const RectL box = DiffBounds(*bar, *blank);
  const float textWidth = bar->Window().TextWidth("0 %");
  const int cx = static_cast<int>(100 - textWidth / 2);
  EXPECT_GE(box.left, cx - 2);
  EXPECT_LE(box.right, cx + static_cast<int>(textWidth) + 2);
  EXPECT_GE(box.top, 5 - 2);  // cy = Fix(12 - 13 / 2) = 5
  EXPECT_EQ(bar->Window().ForeColor(), kBlue);
}

TEST(ProgressBarCaption, VerticalBarsHaveNoCaption) {
  auto bar = StoredBar(24, 200, {{"Orientation", L(pbVertical)}, {"Value", I(30)}, {"Caption", Variant("Busy")}});
  auto blank = StoredBar(24, 200, {{"Orientation", L(pbVertical)}, {"Value", I(30)}, {"Caption", Variant("")}});
  EXPECT_TRUE(Identical(*bar, *blank));
}

TEST(ProgressBarLook, FrameAndBackgroundFollowTheOrientation) {
  ProgressHarness bar(200, 24);
  const ColorScheme S = PaletteNormal(kWhite, kBlue, kWhite);
  EXPECT_EQ(bar->Scheme(), S);
  EXPECT_EQ(bar.Pixel(1, 0), S[5]);
  EXPECT_EQ(bar.Pixel(0, 1), S[5]);
  EXPECT_EQ(bar.Pixel(199, 1), S[6]);
  EXPECT_EQ(bar.Pixel(1, 23), S[7]);
  EXPECT_EQ(bar.Pixel(198, 23), S[7]);
  EXPECT_EQ(bar.Pixel(0, 0), S[2]);      // bands stacked: the top row starts at entry 2
  EXPECT_EQ(bar.Pixel(199, 0), S[2]);
  auto vertical = StoredBar(24, 200, {{"Orientation", L(pbVertical)}});
  EXPECT_EQ(vertical->Pixel(0, 0), S[2]);   // bands side by side: the left column is entry 2
  EXPECT_EQ(vertical->Pixel(0, 199), S[2]);
  EXPECT_NE(vertical->Pixel(5, 0), S[2]);
}

TEST(ProgressBarLook, AnUnknownOrientationShowsTheClearedSurfaceEdgesAndCaption) {
  const Color back = 0xF0F0F0;
  auto bar = StoredBar(200, 24, {{"Orientation", L(3)}, {"BackColor", L(back)}, {"Value", I(50)}});
  const ColorScheme S = PaletteNormal(back, kBlue, kWhite);
  EXPECT_EQ(bar->Pixel(1, 0), S[5]);
  EXPECT_EQ(bar->Pixel(1, 23), S[7]);
  EXPECT_EQ(bar->Pixel(4, 3), back);  // no background gradient and no cell
  EXPECT_EQ(bar->Pixel(150, 12), back);
  auto blank = StoredBar(200, 24, {{"Orientation", L(3)}, {"BackColor", L(back)}, {"Caption", Variant("")}});
  EXPECT_GT(CountDark(*bar), CountDark(*blank) + 10);  // the caption
}

TEST(ProgressBarLook, DisabledShowsOnlyTheFrameInTheDisabledScheme) {
  auto bar = StoredBar(200, 24, {{"Value", I(80)}, {"Enabled", Variant(false)}});
  const ColorScheme D = PaletteDisabled(kWhite, kBlue, kWhite);
  EXPECT_EQ((*bar)->Scheme(), D);
  EXPECT_EQ(bar->Pixel(1, 0), D[5]);
  EXPECT_EQ(bar->Pixel(0, 0), D[2]);
  EXPECT_TRUE(Identical(*bar, *StoredBar(200, 24, {{"Value", I(0)}, {"Enabled", Variant(false)}, {"Caption", Variant("")}})));
  (*bar)->put_Enabled(true);
  EXPECT_EQ(bar->Pixel(0, 0), PaletteNormal(kWhite, kBlue, kWhite)[2]);
  EXPECT_EQ(bar->Pixel(4, 3), BlendColor(kWhite, kBlue, 180));
}

TEST(ProgressBarValue, TheLetKeepsZeroToHundredAndEverySetRepaints) {
  ProgressHarness bar(200, 24);
  LetMember(*bar, "Value", Variant(int32_t{150}));
  EXPECT_EQ(bar->get_Value(), 100);
  LetMember(*bar, "Value", Variant(int32_t{-20}));
  EXPECT_EQ(bar->get_Value(), 0);
  bar.Window().PSet(100, 12, kMarker);
  bar->put_Value(0);
  EXPECT_NE(bar.Pixel(100, 12), kMarker);
  bar.Window().PSet(100, 12, kMarker);
  bar->put_Caption(bar->get_Caption());
  EXPECT_NE(bar.Pixel(100, 12), kMarker);
  EXPECT_THROW(LetMember(*bar, "Value", Variant(int32_t{40000})), RuntimeError);  // not an Integer
  EXPECT_EQ(bar->get_Value(), 0);
}

}  // namespace
}  // namespace vorn
