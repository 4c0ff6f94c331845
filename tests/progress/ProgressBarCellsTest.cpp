#include <gtest/gtest.h>

#include "ProgressBarTestKit.h"

namespace vorn {
namespace {

using test::DiffBounds;
using test::Identical;
using test::StoredBar;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlue = 0xC00000;

Variant I(int16_t v) { return Variant(v); }
Variant L(int32_t v) { return Variant(v); }

// A bar without caption, so that only the frame and the cells differ from bar to bar.
std::unique_ptr<test::ProgressHarness> Bar(int w, int h, int16_t value, int32_t style = tNormal,
                                           int32_t orientation = pbHorizontal) {
  return StoredBar(w, h, {{"Value", I(value)}, {"Style", L(style)}, {"Orientation", L(orientation)},
                          {"Caption", Variant("")}});
}

TEST(ProgressBarCells, ValueOneShowsOneCellFromFourToNine) {
  auto one = Bar(200, 24, 1);
  auto none = Bar(200, 24, 0);
  EXPECT_EQ(DiffBounds(*one, *none), (RectL{4, 3, 9, 20}));
  const Color c1 = BlendColor(kWhite, kBlue, 180);
  for (int x = 4; x <= 9; ++x) EXPECT_EQ(one->Pixel(x, 3), c1) << x;  // each cell's top starts at c1
}

TEST(ProgressBarCells, ValueHundredFillsTheTwentyFourCellsAndStopsAt194) {
  auto full = Bar(200, 24, 100);
  auto none = Bar(200, 24, 0);
  EXPECT_EQ(DiffBounds(*full, *none), (RectL{4, 3, 193, 20}));
  const Color c1 = BlendColor(kWhite, kBlue, 180);
  int cells = 0;
  for (int x = 0; x < 200; ++x) {
    const bool cell = full->Pixel(x, 3) == c1;
    EXPECT_EQ(cell, x >= 4 && x <= 193 && (x - 4) % 8 < 6) << x;
    cells += cell && (x - 4) % 8 == 0;
  }
  EXPECT_EQ(cells, 24);
}

TEST(ProgressBarCells, CellCountFollowsTheFilledLength) {
  // L = 194: value 50 fills 97 pixels, Fix(97 / 8) + 1 = 13 cells, the last from 100 to 105.
  auto half = Bar(200, 24, 50);
  auto none = Bar(200, 24, 0);
  EXPECT_EQ(DiffBounds(*half, *none), (RectL{4, 3, 105, 20}));
}

TEST(ProgressBarCells, VerticalCellsGrowFromTheBottom) {
  auto one = Bar(24, 200, 1, tNormal, pbVertical);
  auto none = Bar(24, 200, 0, tNormal, pbVertical);
  EXPECT_EQ(DiffBounds(*one, *none), (RectL{3, 190, 20, 195}));
  auto full = Bar(24, 200, 100, tNormal, pbVertical);
  EXPECT_EQ(DiffBounds(*full, *none), (RectL{3, 6, 20, 195}));
  EXPECT_EQ(full->Pixel(3, 102), BlendColor(kWhite, kBlue, 180));  // side by side: c1 at the left
}

TEST(ProgressBarCells, TooSmallBarsShowNoCellsAndDoNotFail) {
  for (int w : {13, 6, 3, 0}) {
    auto tiny = Bar(w, 24, 100);
    auto none = Bar(w, 24, 0);
    EXPECT_TRUE(Identical(*tiny, *none)) << w;
    EXPECT_TRUE(tiny->notes.empty()) << w;
  }
  auto fits = Bar(14, 24, 1);  // L = 8: one cell
  EXPECT_EQ(DiffBounds(*fits, *Bar(14, 24, 0)), (RectL{4, 3, 9, 20}));
}

TEST(ProgressBarSearch, NoBlockAtTheEndsOfTheRun) {
  auto none = Bar(200, 24, 0, tSearch);
  EXPECT_TRUE(Identical(*Bar(200, 24, 100, tSearch), *none));
  EXPECT_TRUE(Identical(*Bar(24, 200, 100, tSearch, pbVertical), *Bar(24, 200, 0, tSearch, pbVertical)));
}

TEST(ProgressBarSearch, ThreeFadingBlocksEightPixelsApart) {
  // P = PercentOf(219, 50) = 109: blocks end at 109, 101 and 93.
  auto bar = Bar(200, 24, 50, tSearch);
  EXPECT_EQ(DiffBounds(*bar, *Bar(200, 24, 0, tSearch)), (RectL{87, 3, 108, 20}));
  const int weights[3] = {180, 198, 210};
  const int starts[3] = {103, 95, 87};
  for (int j = 0; j < 3; ++j) {
    for (int x = starts[j]; x < starts[j] + 6; ++x) EXPECT_EQ(bar->Pixel(x, 3), BlendColor(kWhite, kBlue, weights[j]));
    EXPECT_NE(bar->Pixel(starts[j] + 6, 3), BlendColor(kWhite, kBlue, weights[j]));
  }
}

TEST(ProgressBarSearch, BlocksAreCutOffAtBothEnds) {
  auto none = Bar(200, 24, 0, tSearch);
  // P = 6: only the leading block, cut to x 3 .. 5.
  EXPECT_EQ(DiffBounds(*Bar(200, 24, 3, tSearch), *none), (RectL{3, 3, 5, 20}));
  // P = 8: still no middle block.
  EXPECT_EQ(DiffBounds(*Bar(200, 24, 4, tSearch), *none), (RectL{3, 3, 7, 20}));
  // P = 201: the leading block keeps 2 pixels before the right frame at 197.
  auto right = Bar(200, 24, 92, tSearch);
  EXPECT_EQ(DiffBounds(*right, *none), (RectL{179, 3, 196, 20}));
  EXPECT_EQ(right->Pixel(195, 3), BlendColor(kWhite, kBlue, 180));
  EXPECT_EQ(right->Pixel(192, 3), BlendColor(kWhite, kBlue, 198));  // the middle block, whole
  // W = 81, P = 79: one pixel past the clip at 78 already shortens the leading block to 73 .. 77.
  EXPECT_EQ(DiffBounds(*Bar(81, 24, 79, tSearch), *Bar(81, 24, 0, tSearch)), (RectL{57, 3, 77, 20}));
}

TEST(ProgressBarSearch, VerticalTrailMovesUpAndIsCutOffAtBothEnds) {
  auto none = Bar(24, 200, 0, tSearch, pbVertical);
  EXPECT_EQ(DiffBounds(*Bar(24, 200, 50, tSearch, pbVertical), *none), (RectL{3, 91, 20, 112}));
  EXPECT_EQ(DiffBounds(*Bar(24, 200, 3, tSearch, pbVertical), *none), (RectL{3, 194, 20, 196}));
  auto top = Bar(24, 200, 92, tSearch, pbVertical);
  EXPECT_EQ(DiffBounds(*top, *none), (RectL{3, 3, 20, 20}));
  EXPECT_EQ(top->Pixel(3, 3), BlendColor(kWhite, kBlue, 180));  // the leading block, 2 rows
  EXPECT_EQ(top->Pixel(3, 5), top->Pixel(3, 6));                // the gap before the middle one
}

}  // namespace
}  // namespace vorn
