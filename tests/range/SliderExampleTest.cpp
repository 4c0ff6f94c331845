#include <gtest/gtest.h>

#include "foundation/ColorScheme.h"
#include "host/raster/Png.h"
#include "support/VornformCli.h"

namespace vorn {
namespace {

using test::Example;
using test::Vornform;

TEST(SliderExample, RendersEveryTickStyle) {
  const std::string out = testing::TempDir() + "slider.png";
  const test::CliRun r = Vornform("render " + Example("slider.json") + " -o " + out);
  ASSERT_EQ(r.status, 0) << r.out;
  const PixelBuffer png = ReadPngBuffer(out);
  const ColorScheme S = PaletteNormal(0xFFFFFF, 0xC00000, 0xFFFFFF);
  // vornSlider1 at (10, 10), 220 wide: the knob of 5 from x 115 (10 + 105), its point at (120, 30).
  EXPECT_EQ(png.Get(115, 15), S[4]);
  EXPECT_EQ(png.Get(120, 30), S[4]);
  // vornSlider3 (quarter ticks) at (10, 80): short ticks at C(2) = 50 and C(7) = 150.
  EXPECT_EQ(png.Get(60, 97), S[4]);
  EXPECT_EQ(png.Get(160, 97), S[4]);
}

TEST(SliderExample, ReplayPressesDragsAndSteps) {
  const test::CliRun r = Vornform("replay " + Example("slider.json") + " " + Example("slider-replay.txt"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            // Loading reports every stored value other than 0.
            "vornSlider1.ValueChange()\nvornSlider2.ValueChange()\nvornSlider3.ValueChange()\n"
            "vornSlider5.ValueChange()\nvornSlider7.ValueChange()\nvornSlider8.ValueChange()\n"
            "vornSlider9.ValueChange()\nvornSlider10.ValueChange()\n"
            "vornSlider1.ValueChange()\n"  // the press at x 60: 2
            "vornSlider1.Click()\n"
            "vornSlider1.Click()\n"
            "vornSlider1.ValueChange()\n"  // dragged to x 120: 5
            "vornSlider1.Slide()\n"
            "vornSlider1.Click()\n"  // two ticks with the knob held
            "vornSlider1.Click()\n"
            "vornSlider1.Click()\n"  // the release, and the click of the surface
            "vornSlider1.Click()\n"
            "vornSlider1.Value = 5\n"
            "vornSlider1.KeyDown(39, 0)\n"
            "vornSlider1.ValueChange()\n"
            "vornSlider1.KeyDown(39, 0)\n"
            "vornSlider1.ValueChange()\n"
            "vornSlider1.KeyDown(38, 0)\n"
            "vornSlider1.ValueChange()\n"  // the let of 10
            "vornSlider1.KeyDown(39, 0)\n"
            "vornSlider1.Value = 10\n"
            "vornSlider1.ValueChange()\n"  // Max pulled down to 1 takes Value along
            "vornSlider1.Max = 1\n"
            "vornSlider1.Value = 1\n");
}

TEST(SliderExample, TheGalleryShowsSlidersAndProgressBars) {
  const test::CliRun r = Vornform("demo");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("sldPlain.Slide()"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("sldPlain.Value = 8"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace vorn
