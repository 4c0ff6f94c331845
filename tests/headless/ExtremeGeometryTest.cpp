// Windows anywhere a 32-bit coordinate reaches: composing, hit testing and drawing saturate
// instead of overflowing, and a window too large for memory is refused.
#include <gtest/gtest.h>

#include <cstdlib>

#include "foundation/RuntimeError.h"
#include "support/ErrorOf.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

TEST(ExtremeGeometry, WindowsAtTheEndsOfTheRangeComposeAndHitTestSafely) {
  HeadlessHost host;
  for (const PointL at : {PointL{INT32_MIN, INT32_MIN}, PointL{INT32_MAX - 5, INT32_MAX - 5}, PointL{-100, INT32_MIN}}) {
    HeadlessSurface form(host, WindowKind::Form, "F", nullptr, RectL{0, 0, 50, 40}, nullptr, 0xFF);
    form.MovePx(at.x, at.y, 50, 40);
    HeadlessSurface child(host, WindowKind::Control, "c", &form, RectL{10, 10, 30, 30}, nullptr, 0xFF00);
    child.MovePx(INT32_MAX, INT32_MIN, 20, 20);
    const PixelBuffer screen = host.Snapshot(RectL{0, 0, 20, 20});
    EXPECT_EQ(screen.Get(5, 5), HeadlessHost::kDesktopColor);
    (void)host.Snapshot(form.ScreenRect());
    (void)host.Snapshot(RectL{INT32_MIN, INT32_MIN, INT32_MIN + 10, INT32_MIN + 10});
    host.MoveMouse({INT32_MIN, INT32_MAX});
    EXPECT_EQ(host.WindowAt({0, 0}), nullptr);
  }
}

// The plain walk, pixel by pixel, end point excluded: what a line far away must still match.
PixelBuffer WalkedLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  PixelBuffer p(40, 30, 0xFFFFFF);
  const int64_t dx = std::abs(int64_t{x2} - x1), dy = -std::abs(int64_t{y2} - y1);
  int64_t err = dx + dy, x = x1, y = y1;
  while (x != x2 || y != y2) {
    if (x >= 0 && y >= 0 && x < 40 && y < 30) p.SetPixel(static_cast<int32_t>(x), static_cast<int32_t>(y), 0);
    const int64_t e2 = 2 * err;
    if (e2 >= dy) err += dy, x += x1 < x2 ? 1 : -1;
    if (e2 <= dx) err += dx, y += y1 < y2 ? 1 : -1;
  }
  return p;
}

TEST(ExtremeGeometry, LinesAndPicturesFarOffTheBufferDrawOnlyWhatShows) {
  const int32_t lines[][4] = {{-500000, -3, 700000, 40},  {-300000, 200000, 60, -10}, {39, -1000, 20, 1000000},
                              {1000000, 29, -1000000, 0}, {-20, -999999, 21, 999999},  {5, -400000, 30, 300000},
                              {50, 60, 400000, 400013}};
  for (const auto& l : lines) {
    PixelBuffer p(40, 30, 0xFFFFFF);
    p.Line(l[0], l[1], l[2], l[3], 0);
    EXPECT_TRUE(test::SamePicture(p, WalkedLine(l[0], l[1], l[2], l[3]))) << l[0] << " " << l[1];
  }
  // From one end of the range to the other, at once.
  PixelBuffer p(20, 20, 0xFFFFFF);
  p.Line(INT32_MIN, 5, INT32_MAX, 6, 0xFF);
  EXPECT_EQ(p.Get(0, 5) == 0xFFu || p.Get(0, 6) == 0xFFu, true);
  const PixelBuffer before = p;
  p.Composite(PixelBuffer(10, 10, 0), INT32_MIN, INT32_MAX, 255);
  p.Composite(PixelBuffer(10, 10, 0), INT32_MAX, INT32_MIN, 128, RectL{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  p.Line(INT32_MAX, INT32_MAX, INT32_MAX - 1, INT32_MIN, 0);
  EXPECT_TRUE(test::SamePicture(p, before));
}

TEST(ExtremeGeometry, AWindowTooLargeForMemoryIsRefusedAndKeepsItsSize) {
  test::TestSurface s(20, 20);
  EXPECT_EQ(test::ErrorOf([&] { s->MovePx(0, 0, 32768, 10); }), errOutOfMemory);
  EXPECT_EQ(test::ErrorOf([&] { s->MovePx(0, 0, 30000, 30000); }), errOutOfMemory);
  EXPECT_EQ(s->Pixels().Width(), 20);
  EXPECT_EQ(test::ErrorOf([&] { s->MovePx(5, 5, 32767, 1); }), 0);
}

}  // namespace
}  // namespace vorn
