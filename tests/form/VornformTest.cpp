#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/raster/Png.h"
#include "support/VornformCli.h"

namespace {

using vorn::test::CliRun;
using vorn::test::Example;
using vorn::test::Vornform;

TEST(Vornform, RendersTheButtonExample) {
  const std::string out = testing::TempDir() + "button.png";
  const CliRun r = Vornform("render " + Example("button.json") + " -o " + out);
  EXPECT_EQ(r.status, 0) << r.out;
  const vorn::PixelBuffer png = vorn::ReadPngBuffer(out);
  EXPECT_EQ(png.Width(), 470);
  EXPECT_EQ(png.Get(10, 10), 0xF9E6E6u);  // the first button's top-left corner
}

TEST(Vornform, ReplaysHoverPressDragReleaseAndSpaceInOrder) {
  const CliRun r = Vornform("replay " + Example("button.json") + " " + Example("button-replay.txt"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "vornButton1.MouseMove(0, 0, 30, 15)\n"
            "vornButton1.MouseDown(1, 0, 30, 15)\n"
            "vornButton1.MouseMove(1, 0, 290, 110)\n"
            "vornButton1.Click()\n"
            "vornButton1.MouseUp(1, 0, 290, 110)\n"
            "vornButton1.KeyDown(32, 0)\n"
            "vornButton1.Click()\n"
            "vornButton1.KeyUp(32, 0)\n"
            "vornButton1.Caption = \"vornButton1\"\n");
}

TEST(Vornform, ExitCodesSayWhatWentWrong) {
  EXPECT_EQ(Vornform("").status, 2);
  EXPECT_EQ(Vornform("render nowhere.json -o x.png").status, 1);
  const std::string bad = testing::TempDir() + "bad-script.txt";
  std::ofstream(bad) << "move 1\n";
  const CliRun r = Vornform("replay " + Example("button.json") + " " + bad);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, bad + ":1: \"move\" takes 2 argument(s)\n");
}

TEST(Vornform, SaveRoundTripsTheExample) {
  const std::string out = testing::TempDir() + "saved.json";
  EXPECT_EQ(Vornform("save " + Example("button.json") + " -o " + out).status, 0);
  // The saved copy lives elsewhere, so its image paths no longer resolve: only that is reported.
  std::filesystem::copy_file(out, Example("saved-copy.json"), std::filesystem::copy_options::overwrite_existing);
  const CliRun again = Vornform("save " + Example("saved-copy.json") + " -o " + out);
  std::filesystem::remove(Example("saved-copy.json"));
  EXPECT_EQ(again.status, 0) << again.out;
}

}  // namespace
