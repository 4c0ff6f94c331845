// Every pixel of the knob, computed from its drawing table (transcribed below) and compared with
// the knob the slider renders, in both orientations. Pixels of the knob's box that the table does
// not paint must show what lies under the knob.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "SliderTestKit.h"
#include "foundation/Gradient.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

using test::StoredSlider;

// One row of the table in horizontal coordinates: along relative to K, across absolute.
//   'L'  line from (a, c) to (a2, c2), end point excluded
//   'P'  pixels at each (a, c) of points
//   'G'  gradient rectangle at (a, c) of size a2 x c2, entry to entry2, mode
struct Row {
  char kind;
  std::vector<std::pair<int, int>> points;
  int a2 = 0, c2 = 0;
  int entry = 0, entry2 = 0, mode = 0;
};

const std::vector<Row>& Table() {
  static const std::vector<Row> rows = {
      {'L', {{10, 4}}, 10, 15, 7},                       // 1
      {'L', {{1, 3}}, 10, 3, 4},                         // 2
      {'L', {{0, 4}}, 0, 15, 4},                         // 3
      {'G', {{1, 4}}, 9, 3, 3, 4, 1},                    // 4
      {'G', {{1, 7}}, 7, 8, 2, 2, 0},                    // 5
      {'L', {{9, 6}}, 9, 14, 4},                         // 6
      {'L', {{8, 7}}, 8, 14, 3},                         // 7
      {'L', {{0, 15}}, 3, 18, 3},                        // 8
      {'L', {{3, 15}}, 7, 15, 2},                        // 9
      {'P', {{4, 16}, {5, 16}, {4, 17}}, 0, 0, 2},       // 10
      {'P', {{10, 15}, {9, 16}}, 0, 0, 7},               // 11
      {'P', {{8, 14}}, 0, 0, 3},                         // 12
      {'P', {{7, 14}, {7, 15}}, 0, 0, 6},                // 13
      {'P', {{7, 16}}, 0, 0, 3},                         // 14
      {'P', {{6, 16}}, 0, 0, 6},                         // 15
      {'P', {{6, 17}}, 0, 0, 3},                         // 16
      {'P', {{5, 17}}, 0, 0, 6},                         // 17
      {'P', {{5, 18}}, 0, 0, 3},                         // 18
      {'P', {{9, 14}, {8, 15}, {7, 17}, {6, 18}, {8, 17}, {6, 19}}, 0, 0, 4},  // 19
      {'P', {{9, 15}, {8, 16}, {7, 18}}, 0, 0, 7},       // 20
      {'L', {{1, 14}}, 4, 17, 5},                        // 21
      {'L', {{1, 15}}, 4, 18, 5},                        // 22
      {'P', {{3, 18}, {4, 19}, {5, 20}}, 0, 0, 4},       // 23
      {'P', {{4, 18}, {5, 19}}, 0, 0, 3},                // 24
      {'P', {{4, 17}}, 0, 0, 6},                         // 25
  };
  return rows;
}

using KnobPixels = std::map<std::pair<int, int>, Color>;  // (x, y) -> colour

KnobPixels ExpectedKnob(const ColorScheme& S, int K, bool vertical) {
  KnobPixels out;
  auto put = [&](int a, int c, Color col) { out[vertical ? std::pair{c, K + a} : std::pair{K + a, c}] = col; };
  for (const Row& r : Table()) {
    const auto [a, c] = r.points.front();
    if (r.kind == 'P') {
      for (const auto& [pa, pc] : r.points) put(pa, pc, S[r.entry]);
    } else if (r.kind == 'L') {
      // The table's lines are straight or exact diagonals: step one pixel along both axes.
      const int da = r.a2 - a, dc = r.c2 - c;
      const int n = std::max(std::abs(da), std::abs(dc));
      for (int i = 0; i < n; ++i) put(a + i * (da > 0) - i * (da < 0), c + i * (dc > 0) - i * (dc < 0), S[r.entry]);
    } else {
      // Position and size exchanged for a vertical slider; the mode stays. The ramp inside is
      // the host's gradient, read from a scratch surface of the same size.
      const int x = vertical ? c : K + a, y = vertical ? K + a : c;
      const int w = vertical ? r.c2 : r.a2, h = vertical ? r.a2 : r.c2;
      test::TestSurface scratch(w, h);
      GradientRect(scratch->hDC(), 0, 0, w, h, ColorToVertex(S[r.entry]), ColorToVertex(S[r.entry2]),
                   static_cast<int16_t>(r.mode));
      for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) out[{x + i, y + j}] = scratch.At(i, j);
    }
  }
  return out;
}

struct KnobCase {
  int orientation;
  int value;
};

struct SliderKnobGolden : testing::TestWithParam<KnobCase> {};

TEST_P(SliderKnobGolden, EveryPixelMatchesTheTable) {
  const KnobCase k = GetParam();
  const bool vertical = k.orientation == 2;
  const int w = vertical ? 25 : 220, h = vertical ? 220 : 25;
  // Colours chosen so that all used entries differ from each other and from the background.
  const Variant back(int32_t{0xF0FFF0}), fore(int32_t{0x2040A0});
  auto s = StoredSlider(w, h, {{"Orientation", Variant(int32_t{k.orientation})}, {"Value", Variant(int32_t{k.value})},
                               {"BackColor", back}, {"ForeColor", fore}});
  auto away = StoredSlider(w, h, {{"Orientation", Variant(int32_t{k.orientation})}, {"Value", Variant(int32_t{10})},
                                  {"BackColor", back}, {"ForeColor", fore}});
  const ColorScheme S = PaletteNormal(0xF0FFF0, 0x2040A0, 0xFFFFFF);
  const int K = k.value * 20 + 5;  // 0 .. 10 over a travel of 200
  ASSERT_EQ((*s)->KnobPos() + 5, K);
  const KnobPixels expected = ExpectedKnob(S, K, vertical);
  EXPECT_GT(expected.size(), 120u);
  for (const auto& [p, colour] : expected) {
    EXPECT_EQ(s->Pixel(p.first, p.second), colour) << "knob pixel (" << p.first << ", " << p.second << ")";
  }
  for (int a = K - 1; a <= K + 11; ++a) {
    for (int c = 2; c <= 21; ++c) {
      const std::pair<int, int> p = vertical ? std::pair{c, a} : std::pair{a, c};
      if (expected.count(p)) continue;
      EXPECT_EQ(s->Pixel(p.first, p.second), away->Pixel(p.first, p.second))
          << "unpainted pixel (" << p.first << ", " << p.second << ")";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothOrientations, SliderKnobGolden,
                         testing::Values(KnobCase{1, 5}, KnobCase{1, 3}, KnobCase{2, 5}, KnobCase{2, 3}));

}  // namespace
}  // namespace vorn
