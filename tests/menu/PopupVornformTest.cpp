#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/raster/Png.h"
#include "support/VornformCli.h"

namespace {

using vorn::test::CliRun;
using vorn::test::Example;
using vorn::test::Vornform;

std::string WriteTemp(const std::string& name, const std::string& text) {
  const std::string path = testing::TempDir() + name;
  std::ofstream(path) << text;
  return path;
}

const char* kOpened =
    "vornButton1.MouseMove(0, 0, 50, 15)\n"
    "vornButton1.MouseDown(1, 0, 50, 15)\n"
    "vornButton1.Click()\n";

TEST(PopupReplay, ClickOnTheButtonOpensAndAClickOnARowReportsItThenClosed) {
  const CliRun r = Vornform("replay " + Example("popupmenu.json") + " " + Example("popupmenu-replay.txt"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, std::string(kOpened) +
                       "vornButton1.MouseUp(1, 0, 50, 15)\n"
                       "vornPUMenu1.MenuVisible = True\n"
                       "vornPUMenu1.ItemClick(3, \"\")\n"
                       "vornPUMenu1.MenuVisible = True\n"
                       "vornPUMenu1.Closed()\n"
                       "vornPUMenu1.MenuVisible = False\n");
}

TEST(PopupReplay, AScriptEndingWithTheButtonHeldStillEnds) {
  // The press lands on the popup while CreateMenu waits for the buttons; the move highlights
  // "Open..." and then the script runs out with the button down. The host lets go and says so,
  // which completes the click on the row, and gives the menu the tick that reports it closed.
  const std::string held = WriteTemp("popup-held.txt", "click 60 25\ndown\nmove 80 80\n");
  const CliRun r = Vornform("replay " + Example("popupmenu.json") + " " + held);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, std::string(kOpened) +
                       "note: no input left while a control waits for the left button; released it\n"
                       "vornPUMenu1.ItemClick(2, \"\")\n"
                       "vornButton1.MouseUp(1, 0, 50, 15)\n"
                       "vornPUMenu1.Closed()\n");
  // Held after a completed choice: both events are there and the run ends.
  const std::string after = WriteTemp("popup-after.txt", "click 60 25\nmove 80 80\nclick 80 80\ntick 1\ndown\n");
  const CliRun r2 = Vornform("replay " + Example("popupmenu.json") + " " + after);
  EXPECT_EQ(r2.status, 0);
  EXPECT_NE(r2.out.find("vornPUMenu1.ItemClick(2, \"\")\nvornPUMenu1.Closed()\n"), std::string::npos) << r2.out;
}

TEST(PopupReplay, ScriptsFillAndOpenTheMenuAndRenderShowsThePopup) {
  const std::string doc = WriteTemp("popup-open.json", R"json({
  "vornform": 1,
  "form": { "name": "F", "left": 0, "top": 0, "width": 200, "height": 100, "backColor": 15790320 },
  "controls": [ { "class": "vornButton2.vornPUMenu", "name": "m", "left": 150, "top": 50, "width": 47, "height": 47 } ],
  "onLoad": [ "call m.MenuItem.Add(\"a\", \"Alpha\")", "call m.MenuItem.Add(\"b\", \"Beta\")",
              "call m.MenuItem.Add(\"c\", \"Gamma\")", "call m.CreateMenu(1500, 900)" ] })json");
  const std::string png = testing::TempDir() + "popup-open.png";
  const CliRun r = Vornform("render " + doc + " -o " + png);
  ASSERT_EQ(r.status, 0) << r.out;
  const vorn::PixelBuffer shot = vorn::ReadPngBuffer(png);
  // The popup (100, 60) to (100 + w, 60 + 67) reaches below the form: the picture grows with it.
  EXPECT_EQ(shot.Height(), 60 + 4 + 3 * 21);
  EXPECT_EQ(shot.Width(), 200);
  // Its border and background, at 230/255 over the form (&HF0F0F0) or the desktop.
  const auto border = shot.Get(100, 70);
  EXPECT_NEAR(vorn::RedOf(border), (0x78 * 230 + 0xF0 * 25) / 255, 2);
  EXPECT_NEAR(vorn::BlueOf(border), (0xDE * 230 + 0xF0 * 25) / 255, 2);
  EXPECT_NEAR(vorn::GreenOf(shot.Get(102, 62)), (0xFF * 230 + 0xF0 * 25) / 255, 2);
}

TEST(PopupReplay, GetAndCallReachTheMenuModelByName) {
  const std::string script = WriteTemp("popup-model.txt",
                                       "call vornPUMenu1.MenuItem.Remove(1)\n"
                                       "get vornPUMenu1.MenuItem.Count\n"
                                       "get vornPUMenu1.MenuItem(\"OPEN\").Caption\n"
                                       "get vornPUMenu1.MenuItem.Item(\"\")\n"
                                       "call vornPUMenu1.MenuItem.Add(\"Save\")\n"
                                       "get vornPUMenu1.MenuItem.Item(99)\n");
  const CliRun r = Vornform("replay " + Example("popupmenu.json") + " " + script);
  EXPECT_EQ(r.status, 1);  // two lines failed
  EXPECT_EQ(r.out,
            "vornPUMenu1.MenuItem.Count = 8\n"
            "vornPUMenu1.MenuItem(\"OPEN\").Caption = \"Open...\"\n"
            "vornPUMenu1.MenuItem.Item(\"\") = Nothing\n"
            "error: vornPUMenu1.MenuItem.Add(\"Save\"): This key is already associated with an element of this "
            "collection (457)\n"
            "error: vornPUMenu1.MenuItem.Item(99): Subscript out of range (9)\n");
}

TEST(PopupReplay, TheGalleryOpensAndChoosesFromItsMenu) {
  const std::string dir = testing::TempDir() + "gallery";
  std::filesystem::create_directories(dir);
  const CliRun r = Vornform("demo", dir);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("btnMenu.Click()\nbtnMenu.MouseUp(1, 0, 48, 18)\nmnuDemo.ItemClick(5, \"\")\nmnuDemo.Closed()\n"),
            std::string::npos)
      << r.out;
  const vorn::PixelBuffer menu = vorn::ReadPngBuffer(dir + "/vornform-demo-menu.png");
  EXPECT_GT(menu.Width(), 560);  // the open popup reaches past the gallery's right edge
}

}  // namespace
