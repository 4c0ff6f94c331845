#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "host/raster/Png.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

using test::TestSurface;

TEST(Line, ExcludesTheEndPoint) {
  TestSurface s(10, 10);
  s->Line(1, 2, 5, 2, 0x0000FF);
  EXPECT_EQ(s.InkBounds(0xFFFFFF), (RectL{1, 2, 4, 2}));
  TestSurface v(10, 10);
  v->Line(3, 8, 3, 4, 0x0000FF);  // drawn upward: 8 down to 5
  EXPECT_EQ(v.InkBounds(0xFFFFFF), (RectL{3, 5, 3, 8}));
}

TEST(Line, DiagonalsStepOnePixelPerRowAndZeroLengthDrawsNothing) {
  TestSurface s(10, 10);
  s->Line(0, 0, 4, 4, 0);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(s.At(i, i), 0u) << i;
  EXPECT_EQ(s.At(4, 4), 0xFFFFFFu);
  TestSurface z(4, 4);
  z->Line(2, 2, 2, 2, 0);
  EXPECT_EQ(z.InkBounds(0xFFFFFF).left, INT32_MAX);
}

TEST(Line, HalfPixelCoordinatesRoundUpSoSpacingStaysEven) {
  TestSurface s(12, 4);
  for (float x : {3.5f, 5.5f, 7.5f}) s->Line(x, 0, x, 4, 0);
  EXPECT_EQ(s.At(4, 0), 0u);
  EXPECT_EQ(s.At(6, 0), 0u);
  EXPECT_EQ(s.At(8, 0), 0u);
  EXPECT_EQ(s.At(5, 0), 0xFFFFFFu);
}

TEST(Surface, ClsFillsWithTheBackColourAndSettingItFillsToo) {
  TestSurface s(6, 6);
  s->PSet(2, 2, 0);
  s->SetBackColor(0x123456);
  EXPECT_EQ(s.At(2, 2), 0x123456u);
  s->PSet(1, 1, 0);
  s->Cls();
  EXPECT_EQ(s.At(1, 1), 0x123456u);
  s->SetBackColor(0x8000000F);  // system colours are translated when painted
  EXPECT_EQ(s.At(0, 0), 0xF0F0F0u);
}

// A buffer's memory is new when it grows and kept when it shrinks; either way every pixel is the fill.
TEST(PixelBuffer, ResizeFillsEveryPixelWhetherItsMemoryIsNewOrKept) {
  PixelBuffer b;
  struct Step {
    int32_t w, h;
    Color fill;
  };
  for (const Step& s : {Step{700, 400, 0x123456}, Step{3, 5, 0xABCDEF}, Step{0, 9, 1}, Step{1021, 513, 0x00FF00},
                        Step{1021, 513, 0x0000FF}}) {
    b.Resize(s.w, s.h, s.fill);
    ASSERT_EQ(b.Width(), s.w);
    ASSERT_EQ(b.Height(), s.h);
    for (int32_t y = 0; y < s.h; ++y) {
      ASSERT_TRUE(std::all_of(b.Row(y), b.Row(y) + s.w, [&](uint32_t p) { return p == s.fill; })) << s.w << " x " << s.h;
    }
  }
}

TEST(Text, DefaultFontMetricsAreThirteenPixelsHigh) {
  TestSurface s(100, 40);
  EXPECT_EQ(s->TextHeight("I"), 13.0f);
  EXPECT_EQ(s->TextHeight("a\r\nb"), 26.0f);
  EXPECT_GT(s->TextWidth("Open"), 15.0f);
  EXPECT_EQ(s->TextWidth(""), 0.0f);
  EXPECT_EQ(s->TextWidth("ab"), s->TextWidth("a") + s->TextWidth("b"));
}

TEST(Text, PrintDrawsInkInsideTheCellAndMovesToTheNextLine) {
  TestSurface s(100, 40);
  s->SetCurrentX(10);
  s->SetCurrentY(5);
  s->SetForeColor(0x000000);
  s->Print("Hello");
  const RectL ink = s.InkBounds(0xFFFFFF);
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 5);
  EXPECT_LE(ink.right, 10 + static_cast<int>(s->TextWidth("Hello")));
  EXPECT_LE(ink.bottom, 5 + 13);
  EXPECT_EQ(s->CurrentX(), 0.0f);
  EXPECT_EQ(s->CurrentY(), 18.0f);
}

TEST(Text, BoldFontIsWider) {
  TestSurface s(100, 40);
  const float normal = s->TextWidth("Open File");
  s->SetFontBold(true);
  EXPECT_GT(s->TextWidth("Open File"), normal);
}

TEST(Text, BuiltInWebdingsDrawsTrianglesPointingTheRightWay) {
  TestSurface s(40, 40);
  s->SetFont(MakeRef<Font>("Webdings", 8.0f));
  s->SetForeColor(0);
  s->SetCurrentX(0);
  s->SetCurrentY(0);
  s->Print("6");  // down
  const RectL down = s.InkBounds(0xFFFFFF);
  ASSERT_LT(down.left, INT32_MAX);
  const int width = down.right - down.left + 1;
  // Widest row at the top, a single pixel at the tip.
  int top = 0, tip = 0;
  for (int x = down.left; x <= down.right; ++x) {
    top += s.At(x, down.top) == 0;
    tip += s.At(x, down.bottom) == 0;
  }
  EXPECT_EQ(top, width);
  EXPECT_EQ(tip, 1);
  s->Cls();
  s->SetCurrentX(0);
  s->SetCurrentY(0);
  s->Print("3");  // left: the tip is the leftmost column
  const RectL left = s.InkBounds(0xFFFFFF);
  int tipRows = 0;
  for (int y = left.top; y <= left.bottom; ++y) tipRows += s.At(left.left, y) == 0;
  EXPECT_EQ(tipRows, 1);
  EXPECT_EQ(s->TextHeight("3"), 13.0f);
}

TEST(Png, RoundTripsPixels) {
  TestSurface s(7, 5);
  s->PSet(3, 2, 0x123456);
  const std::string path = testing::TempDir() + "roundtrip.png";
  WritePng(s->Pixels(), path);
  PixelBuffer back = ReadPngBuffer(path);
  EXPECT_EQ(back.Width(), 7);
  EXPECT_EQ(back.Get(3, 2), 0x123456u);
  EXPECT_EQ(back.Get(0, 0), 0xFFFFFFu);
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(Png, ReadingABrokenFileNamesIt) {
  const std::string path = testing::TempDir() + "broken.png";
  FILE* f = fopen(path.c_str(), "wb");
  fputs("not a png", f);
  fclose(f);
  try {
    ReadPng(path);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("broken.png"), std::string::npos);
  }
}

TEST(Icons, DrawUnscaledWithAlphaAndMonoAsASilhouette) {
  std::vector<uint32_t> px(4, 0);
  px[0] = 0xFF0000FF;  // opaque red
  px[1] = 0x800000FF;  // half red
  px[3] = 0xFF00FF00;  // opaque green
  auto icon = MakeRef<Picture>(2, 2, px);
  TestSurface s(8, 8);
  s->hDC().DrawState(icon.get(), 3, 3, 2, 2, DST_ICON);
  EXPECT_EQ(s.At(3, 3), 0x0000FFu);
  EXPECT_EQ(s.At(4, 3), 0x7F7FFFu);
  EXPECT_EQ(s.At(3, 4), 0xFFFFFFu);  // transparent
  EXPECT_EQ(s.At(4, 4), 0x00FF00u);
  s->Cls();
  s->hDC().DrawState(icon.get(), 0, 0, 2, 2, DST_ICON | DSS_MONO);
  EXPECT_EQ(s.At(0, 0), RasterSurface::kMonoIconColor);
  EXPECT_EQ(s.At(1, 1), RasterSurface::kMonoIconColor);
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

// Text blending runs four pixels at a time; every pixel must equal the one-pixel formula
// (src * a + dst * (255 - a) + 128, divided by 255 with rounding, per channel).
TEST(Text, BlendingManyPixelsAtOnceMatchesThePerPixelFormula) {
  uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
  for (int round = 0; round < 50; ++round) {
    const int32_t w = 1 + static_cast<int32_t>(next() % 23), h = 1 + static_cast<int32_t>(next() % 5);
    std::vector<uint8_t> mask(static_cast<size_t>(w) * h);
    for (uint8_t& m : mask) {
      const uint32_t r = next() % 4;
      m = r == 0 ? 0 : r == 1 ? 255 : static_cast<uint8_t>(next());
    }
    PixelBuffer b(40, 8);
    for (int32_t y = 0; y < 8; ++y)
      for (int32_t x = 0; x < 40; ++x) b.SetPixel(x, y, next() & 0xFFFFFF);
    PixelBuffer before = b;
    const Color c = next() & 0xFFFFFF;
    const int32_t ox = static_cast<int32_t>(next() % 30) - 5, oy = static_cast<int32_t>(next() % 6) - 2;
    b.BlendMask(ox, oy, mask.data(), w, h, w, c);
    for (int32_t y = 0; y < 8; ++y) {
      for (int32_t x = 0; x < 40; ++x) {
        uint32_t expected = before.Get(x, y);
        const int32_t mx = x - ox, my = y - oy;
        if (mx >= 0 && my >= 0 && mx < w && my < h) {
          const uint32_t a = mask[static_cast<size_t>(my) * w + mx], d = expected;
          expected = 0;
          for (int s = 0; s <= 16; s += 8) {
            uint32_t t = ((c >> s) & 0xFF) * a + ((d >> s) & 0xFF) * (255 - a) + 128;
            expected |= ((t + (t >> 8)) >> 8) << s;
          }
        }
        ASSERT_EQ(b.Get(x, y), expected) << "round " << round << " at " << x << ", " << y;
      }
    }
  }
}

}  // namespace
}  // namespace vorn
