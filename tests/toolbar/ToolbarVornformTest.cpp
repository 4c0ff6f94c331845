#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/raster/Png.h"
#include "support/TestSurface.h"
#include "support/VornformCli.h"

namespace vorn {
namespace {

using test::CliRun;
using test::Example;
using test::Vornform;

// The example's replay: press "Open" (a menu item), release, choose "Recent", the second entry.
// Only the toolbar's own events print, none of its inner menu's.
TEST(ToolbarReplay, PressReleaseAndAMenuRowPrintTheButtonThenTheEntry) {
  const CliRun r = Vornform("replay " + Example("toolbar.json") + " " + Example("toolbar-replay.txt"));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "vornToolbar1.ItemClicked(1, \"open\")\n"
            "vornToolbar1.MenuItemClicked(1, \"open\", 2, \"\")\n"
            "vornToolbar1.Item(\"open\").ToolbarMenuItems.Count = 4\n");
}

TEST(ToolbarReplay, AfterClosedTheToolbarLooksAsItDidBeforeThePress) {
  const std::string dir = testing::TempDir();
  const std::string script = dir + "toolbar-look.txt";
  std::ofstream(script) << "move 30 15\ndown\nup\ntick 1\nsnapshot " << dir << "toolbar-open.png\n"
                        << "click 40 57\nsnapshot " << dir << "toolbar-chosen.png\n"
                        << "tick 1\nsnapshot " << dir << "toolbar-closed.png\n";
  const CliRun r = Vornform("replay " + Example("toolbar.json") + " " + script);
  ASSERT_EQ(r.status, 0) << r.out;
  const CliRun fresh = Vornform("render " + Example("toolbar.json") + " -o " + dir + "toolbar-fresh.png");
  ASSERT_EQ(fresh.status, 0) << fresh.out;
  const PixelBuffer before = ReadPngBuffer(dir + "toolbar-fresh.png");
  const PixelBuffer open = ReadPngBuffer(dir + "toolbar-open.png");
  const PixelBuffer chosen = ReadPngBuffer(dir + "toolbar-chosen.png");
  const PixelBuffer closed = ReadPngBuffer(dir + "toolbar-closed.png");
  // Open: the pressed-open frame of "Open" (entry 2 at its top row inside the outline) and the
  // popup under it, whose top border starts where the button's width ends.
  EXPECT_NE(open.Get(9, 4), before.Get(9, 4));
  EXPECT_EQ(open.Get(8, 3), 0xDE7878u);
  EXPECT_NE(open.Get(20, 40), before.Get(20, 40));
  // Chosen: the popup has gone; the button is drawn pressed until the menu reports Closed.
  EXPECT_EQ(chosen.Get(20, 40), before.Get(20, 40));
  EXPECT_EQ(chosen.Get(8, 3), 0xDE7878u);
  EXPECT_TRUE(test::SamePicture(closed, before));
}

TEST(ToolbarReplay, ScriptsFillTheToolbarAndItsMenusByName) {
  const std::string script = testing::TempDir() + "toolbar-fill.txt";
  std::ofstream(script) << "call vornToolbar1.Add(\"new\", \"New\", 0, 1)\n"
                           "get vornToolbar1.Count\n"
                           "call vornToolbar1.Item(\"new\").ToolbarMenuItems.Add(\"x\", \"X\")\n"
                           "get vornToolbar1.Item(\"NEW\").ToolbarMenuItems.Count\n"
                           "call vornToolbar1.Add(\"open\")\n"
                           "get vornToolbar1.Item(99)\n"
                           "call vornToolbar1.Remove(1)\n"
                           "get vornToolbar1.Item(1).Caption\n";
  const CliRun r = Vornform("replay " + Example("toolbar.json") + " " + script);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out,
            "vornToolbar1.Count = 11\n"
            "vornToolbar1.Item(\"NEW\").ToolbarMenuItems.Count = 1\n"
            "error: vornToolbar1.Add(\"open\"): This key is already associated with an element of this collection "
            "(457)\n"
            "error: vornToolbar1.Item(99): Subscript out of range (9)\n"
            "vornToolbar1.Item(1).Caption = \"Save\"\n");
}

TEST(ToolbarReplay, TheGalleryShowsAToolbarAndChoosesFromItsMenus) {
  const std::string dir = testing::TempDir() + "toolbar-gallery";
  std::filesystem::create_directories(dir);
  const CliRun r = Vornform("demo", dir);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("tbrGallery.ItemClicked("), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("tbrGallery.MenuItemClicked("), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("vornPUMenu1"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace vorn
