#include <gtest/gtest.h>

#include "host/headless/HeadlessHost.h"

namespace vorn {
namespace {

struct SurfaceDirty : testing::Test {
  HeadlessHost host;
  HeadlessSurface form{host, WindowKind::Form, "F", nullptr, RectL{0, 0, 40, 30}, MakeRef<Font>(), 0xF0F0F0};
};

TEST_F(SurfaceDirty, ANewWindowIsDirtyUntilCleared) {
  EXPECT_TRUE(form.Dirty());
  form.ClearDirty();
  EXPECT_FALSE(form.Dirty());
}

TEST_F(SurfaceDirty, DrawingAndResizingMakeItDirty) {
  form.ClearDirty();
  form.PSet(3, 3, 0x0000FF);
  EXPECT_TRUE(form.Dirty());
  form.ClearDirty();
  form.Print("x");
  EXPECT_TRUE(form.Dirty());
  form.ClearDirty();
  form.MovePx(0, 0, 50, 30);
  EXPECT_TRUE(form.Dirty());
}

TEST_F(SurfaceDirty, ClearingAPlainSurfaceToItsOwnColourChangesNothing) {
  form.ClearDirty();
  form.SetBackColor(0xF0F0F0);
  form.Cls();
  EXPECT_FALSE(form.Dirty());
  form.SetBackColor(0x00FF00);
  EXPECT_TRUE(form.Dirty());
}

}  // namespace
}  // namespace vorn
