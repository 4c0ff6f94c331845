#include <gtest/gtest.h>

#include "foundation/Color.h"
#include "host/raster/Png.h"
#include "support/VornformCli.h"

namespace vorn {
namespace {

using test::Example;
using test::Vornform;

TEST(ProgressBarExample, RendersCellsAndTrails) {
  const std::string out = testing::TempDir() + "progress.png";
  const test::CliRun r = Vornform("render " + Example("progress.json") + " -o " + out);
  ASSERT_EQ(r.status, 0) << r.out;
  const PixelBuffer png = ReadPngBuffer(out);
  // vornProgressBar2 at (10, 44), value 100 in green: the last of 24 cells from x 188 to 193.
  const Color c1 = BlendColor(0xFFFFFF, 0x008000, 180);
  EXPECT_EQ(png.Get(10 + 188, 44 + 3), c1);
  EXPECT_EQ(png.Get(10 + 193, 44 + 3), c1);
  EXPECT_NE(png.Get(10 + 194, 44 + 3), c1);
  // vornProgressBar3 searching at 40: P = PercentOf(219, 40) = 87, the leading block 81 .. 86.
  EXPECT_EQ(png.Get(10 + 81, 78 + 3), BlendColor(0xFFFFFF, 0xC00000, 180));
}

TEST(ProgressBarExample, ReplayClampsTheValue) {
  const test::CliRun r = Vornform("replay " + Example("progress.json") + " " + Example("progress-replay.txt"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "vornProgressBar1.Value = 100\n"
            "vornProgressBar1.Value = 0\n"
            "vornProgressBar3.Style = 1\n"
            "vornProgressBar4.Caption = \"\"\n"
            "vornProgressBar5.Enabled = True\n");
}

}  // namespace
}  // namespace vorn
