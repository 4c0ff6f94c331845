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

TEST(Vornform, SaveIntoAnotherFolderKeepsTheImagesFound) {
  const std::string dir = testing::TempDir() + "vorn-saved/deeper/";
  std::filesystem::create_directories(dir);
  const std::string out = dir + "saved.json";
  ASSERT_EQ(Vornform("save " + Example("button.json") + " -o " + out).status, 0);
  // The image paths now lead from the new folder to the same files: the copy loads cleanly and
  // renders as the original does.
  const CliRun again = Vornform("render " + out + " -o " + dir + "again.png");
  EXPECT_EQ(again.status, 0) << again.out;
  const CliRun original = Vornform("render " + Example("button.json") + " -o " + dir + "original.png");
  EXPECT_EQ(original.status, 0) << original.out;
  const vorn::PixelBuffer a = vorn::ReadPngBuffer(dir + "again.png");
  const vorn::PixelBuffer b = vorn::ReadPngBuffer(dir + "original.png");
  ASSERT_EQ(a.Width(), b.Width());
  EXPECT_TRUE(std::equal(a.Data(), a.Data() + a.Width() * a.Height(), b.Data()));
}

}  // namespace
