#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "foundation/ColorScheme.h"
#include "host/raster/Png.h"
#include "support/VornformCli.h"

namespace vorn {
namespace {

using test::CliRun;
using test::Example;
using test::Vornform;

int CountLines(const std::string& text, const std::string& line) {
  std::istringstream in(text);
  int n = 0;
  for (std::string l; std::getline(in, l);) n += l == line;
  return n;
}

// Nine moves while the thumb is held: each prints Scroll; the value changes on six of them
// (Fix(p * 99 / 100) + 1 for p = 1, 12, 37, 37, 61, 85, 99, 100, 100 percent).
TEST(ScrollBarReplay, DraggingTheThumbEndToEndScrollsOnEveryMoveAndEndsAtMax) {
  const CliRun r = Vornform("replay " + Example("scrollbar.json") + " " + Example("scrollbar-replay.txt"));
  EXPECT_EQ(r.status, 0) << r.out;
  // Loading reports each bar's stored value first.
  const std::string loaded = "HScroll1.ValueChanged()\nHScroll2.ValueChanged()\nVScroll1.ValueChanged()\nVScroll2.ValueChanged()\n";
  ASSERT_EQ(r.out.substr(0, loaded.size()), loaded);
  const std::string replayed = r.out.substr(loaded.size());
  const std::string drag = replayed.substr(0, replayed.find("HScroll1.Value = 100"));
  EXPECT_EQ(CountLines(drag, "HScroll1.Scroll()"), 9);
  EXPECT_EQ(CountLines(drag, "HScroll1.ValueChanged()"), 6);
  EXPECT_EQ(replayed,
            "HScroll1.Scroll()\n"                            // 1 %: still 1
            "HScroll1.ValueChanged()\nHScroll1.Scroll()\n"  // 12
            "HScroll1.ValueChanged()\nHScroll1.Scroll()\n"  // 37
            "HScroll1.Scroll()\n"                            // 37 again
            "HScroll1.ValueChanged()\nHScroll1.Scroll()\n"  // 61
            "HScroll1.ValueChanged()\nHScroll1.Scroll()\n"  // 85
            "HScroll1.ValueChanged()\nHScroll1.Scroll()\n"  // 99
            "HScroll1.ValueChanged()\nHScroll1.Scroll()\n"  // 100
            "HScroll1.Scroll()\n"                            // beyond the end: 100
            "HScroll1.Click()\nHScroll1.Click()\n"
            "HScroll1.Value = 100\n"
            "HScroll1.ValueChanged()\n"
            "HScroll1.Value = 95\n"
            "HScroll1.ValueChanged()\nHScroll1.Click()\n"
            "HScroll1.Value = 1\n");
}

TEST(ScrollBarReplay, TheExampleRendersBarsArrowsAndTheTextBox) {
  const std::string out = testing::TempDir() + "scrollbar.png";
  const CliRun r = Vornform("render " + Example("scrollbar.json") + " -o " + out);
  EXPECT_EQ(r.status, 0) << r.out;
  const PixelBuffer png = ReadPngBuffer(out);
  const ColorScheme s = PaletteNormal(0xFFFFFF, 0xC00000, 0xFFFFFF);
  EXPECT_EQ(png.Get(10 + 16, 10 + 8), s[7]);      // HScroll1's lit divider
  EXPECT_EQ(png.Get(10 + 2, 10 + 2), s[2]);       // its start arrow's top-left corner
  EXPECT_EQ(png.Get(10 + 2 + 4, 10 + 2 + 6), s[8]);  // the tip of the left triangle
  EXPECT_EQ(png.Get(230 + 8, 10 + 16), s[7]);     // VScroll1's lit divider
  // Text1 (at (10, 104)) shows "Hello", typed by the document's onLoad, in black on its flat top half.
  EXPECT_EQ(png.Get(10 + 150, 104 + 6), s[2]);
  int ink = 0;
  for (int32_t y = 104; y < 104 + 13; ++y)
    for (int32_t x = 10; x < 10 + 40; ++x) ink += png.Get(x, y) == 0;
  EXPECT_GT(ink, 10);
}

}  // namespace
}  // namespace vorn
