// The raster surface's shortcuts give the pixels of the plain way: drawing under a clip, the lazy
// Cls, the ramp table of the gradients, the memo of printed texts, the rows a clear left one
// colour, and kept pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "foundation/Gradient.h"
#include "host/raster/HaloPlan.h"
#include "host/text/TextEngine.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

using test::SamePicture;
using test::TestSurface;

constexpr int32_t kW = 64;
constexpr int32_t kH = 40;

// A busy picture to draw over: every pixel its own colour.
void PaintNoise(HeadlessSurface& s, uint32_t seed) {
  std::mt19937 rng(seed);
  for (int32_t y = 0; y < kH; ++y)
    for (int32_t x = 0; x < kW; ++x) s.PSet(static_cast<float>(x), static_cast<float>(y), rng() & 0xFFFFFF);
}

using Op = std::function<void(HeadlessSurface&)>;

const std::vector<std::pair<const char*, Op>>& Operations() {
  static const auto* ops = new std::vector<std::pair<const char*, Op>>{
      {"Cls", [](HeadlessSurface& s) { s.Cls(); }},
      {"horizontal line", [](HeadlessSurface& s) { s.Line(-5, 13, 70, 13, 0x123456); }},
      {"vertical line", [](HeadlessSurface& s) { s.Line(20, -3, 20, 50, 0x123456); }},
      {"diagonal line", [](HeadlessSurface& s) { s.Line(-30, -7, 90, 51, 0x654321); }},
      {"steep line", [](HeadlessSurface& s) { s.Line(60, 45, 3, -20, 0x654321); }},
      {"pixel", [](HeadlessSurface& s) { s.PSet(17, 9, 0xABCDEF); }},
      {"gradient rows",
       [](HeadlessSurface& s) {
         GradientRect(s.hDC(), -4, 5, 60, 30, ColorToVertex(0x102030), ColorToVertex(0xF0E0D0), GRADIENT_FILL_RECT_V);
       }},
      {"gradient columns",
       [](HeadlessSurface& s) {
         GradientRect(s.hDC(), 7, -9, 70, 33, ColorToVertex(0xF0E0D0), ColorToVertex(0x102030), GRADIENT_FILL_RECT_H);
       }},
      {"text",
       [](HeadlessSurface& s) {
         s.SetForeColor(0x0000C0);
         s.SetCurrentX(3);
         s.SetCurrentY(9);
         s.Print("Quick\nbrown");
       }},
      {"caption with a halo",
       [](HeadlessSurface& s) {
         const PointL halo[] = {{-1, 0}, {1, 0}, {0, -2}, {2, 2}};
         s.SetForeColor(0xC00000);
         s.SetCurrentX(5);
         s.SetCurrentY(12);
         s.PrintWithHalo("50 %", 0xFFFFFF, halo);
       }},
      {"icon",
       [](HeadlessSurface& s) {
         std::vector<uint32_t> px(16 * 16);
         for (size_t i = 0; i < px.size(); ++i) px[i] = (static_cast<uint32_t>(i * 16) << 24) | 0x2080C0;
         Picture p(16, 16, px);
         s.hDC().DrawState(&p, 30, 20, 16, 16, DST_ICON);
       }},
  };
  return *ops;
}

TEST(Clip, EveryDrawingOperationChangesOnlyTheClippedPartOfWhatItChangesUnclipped) {
  const RectL clips[] = {{10, 8, 40, 30}, {0, 0, 64, 1}, {63, 0, 64, 40}, {-10, 20, 100, 25}, {5, 5, 5, 5}};
  for (const auto& [name, op] : Operations()) {
    for (const RectL& clip : clips) {
      TestSurface whole(kW, kH), clipped(kW, kH), before(kW, kH);
      for (TestSurface* t : {&whole, &clipped, &before}) PaintNoise(**t, 7);
      op(*whole);
      ASSERT_TRUE(clipped->ClipTo(clip));
      op(*clipped);
      clipped->Unclip();
      const RectL in = Intersect(clip, RectL{0, 0, kW, kH});
      for (int32_t y = 0; y < kH; ++y) {
        for (int32_t x = 0; x < kW; ++x) {
          const bool inside = x >= in.left && x < in.right && y >= in.top && y < in.bottom;
          ASSERT_EQ(clipped.At(x, y), inside ? whole.At(x, y) : before.At(x, y))
              << name << " clipped to " << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom
              << " at " << x << "," << y;
        }
      }
    }
  }
}

// Cls waits until something needs its pixels; gradients that cover part of what it has still to
// clear take that part off. Against a pixel buffer that clears at once, over random steps.
TEST(LazyCls, AnyMixOfClearsGradientsAndLinesGivesThePixelsOfClearingAtOnce) {
  std::mt19937 rng(11);
  auto pick = [&](int32_t lo, int32_t hi) { return lo + static_cast<int32_t>(rng() % static_cast<uint32_t>(hi - lo + 1)); };
  for (int run = 0; run < 200; ++run) {
    TestSurface s(kW, kH);
    PixelBuffer expected(kW, kH, 0xFFFFFF);
    for (int step = 0; step < 12; ++step) {
      switch (pick(0, 4)) {
        case 0: {
          const Color back = pick(0, 3) == 0 ? 0xFFFFFF : rng() & 0xFFFFFF;
          s->SetBackColor(back);
          expected.Fill(back);
          break;
        }
        case 1:
        case 2: {
          // Bands across the whole width or height, at an edge or not, and odd rectangles.
          int32_t x0 = pick(-3, kW), y0 = pick(-3, kH), x1 = pick(x0, kW + 3), y1 = pick(y0, kH + 3);
          if (pick(0, 1)) {
            x0 = pick(-2, 0);
            x1 = pick(kW, kW + 2);
          } else if (pick(0, 1)) {
            y0 = pick(-2, 0);
            y1 = pick(kH, kH + 2);
          }
          const bool vertical = pick(0, 1) == 1;
          const VertexColor a = ColorToVertex(rng() & 0xFFFFFF), b = ColorToVertex(rng() & 0xFFFFFF);
          GradientRect(s->hDC(), x0, y0, x1 - x0, y1 - y0, a, b, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
          const uint16_t c0[3] = {a.Red, a.Green, a.Blue}, c1[3] = {b.Red, b.Green, b.Blue};
          expected.GradientRect(x0, y0, x1, y1, c0, c1, vertical);
          break;
        }
        case 3: {
          const int32_t x = pick(0, kW - 1), y = pick(0, kH - 1);
          s->Line(static_cast<float>(x), 0, static_cast<float>(x), static_cast<float>(y), 0x00FF00);
          expected.Line(x, 0, x, y, 0x00FF00);
          break;
        }
        default: {
          const int32_t x = pick(0, kW - 1), y = pick(0, kH - 1);
          ASSERT_EQ(s.At(x, y), expected.Get(x, y)) << "run " << run << " step " << step;
        }
      }
    }
    ASSERT_TRUE(SamePicture(s->Pixels(), expected)) << "run " << run;
  }
}

// The ramp table keeps the colours of recent gradients; drawn again, from a clipped start and
// after more gradients than it holds, every pixel is still c0 + trunc((c1 - c0) * i / span).
TEST(GradientRect, RampsTakenFromTheTableAreTheExactInterpolation) {
  TestSurface s(300, 40);
  auto expect = [&](int32_t x0, int32_t span, Color from, Color to) {
    const VertexColor a = ColorToVertex(from), b = ColorToVertex(to);
    const uint16_t ca[3] = {a.Red, a.Green, a.Blue}, cb[3] = {b.Red, b.Green, b.Blue};
    for (int32_t y = 0; y < 40; ++y) {
      const int32_t i = y - x0;  // vertical: rows run the ramp
      if (i < 0 || i >= span) continue;
      uint32_t want = 0;
      for (int ch = 0; ch < 3; ++ch) want |= static_cast<uint32_t>((ca[ch] + (int64_t{cb[ch]} - ca[ch]) * i / span) >> 8) << (8 * ch);
      ASSERT_EQ(s.At(5, y), want) << "from row " << x0 << " span " << span << " row " << y;
    }
  };
  for (int pass = 0; pass < 3; ++pass) {
    for (int k = 0; k < 20; ++k) {  // more ramps than the table keeps
      const int32_t top = k % 3 == 0 ? -k : k % 7;
      const int32_t span = 9 + 3 * k;
      const Color from = 0x010203u * static_cast<Color>(k + 1), to = 0xFFFFFF - from;
      GradientRect(s->hDC(), 0, top, 10, span, ColorToVertex(from), ColorToVertex(to), GRADIENT_FILL_RECT_V);
      expect(top, span, from, to);
    }
  }
}

// The ramp table looks first at the ramp that followed the last one found: gradients asked for in
// the same order again, in another order, and from a pool larger than the table give the pixels
// of a buffer that works every ramp out afresh.
TEST(GradientRect, RampsFoundInAnyOrderAreThoseWorkedOutAfresh) {
  std::mt19937 rng(17);
  for (const size_t pool : {size_t{5}, size_t{16}, size_t{23}}) {
    struct Ramp {
      int32_t y0, y1;
      uint16_t c0[3], c1[3];
    };
    std::vector<Ramp> ramps(pool);
    for (Ramp& r : ramps) {
      r.y0 = static_cast<int32_t>(rng() % 30) - 10;
      r.y1 = r.y0 + 1 + static_cast<int32_t>(rng() % 40);
      for (int ch = 0; ch < 3; ++ch) {
        r.c0[ch] = static_cast<uint16_t>(rng());
        r.c1[ch] = static_cast<uint16_t>(rng());
      }
    }
    PixelBuffer kept(3, kH);
    std::vector<size_t> order(pool);
    for (size_t i = 0; i < pool; ++i) order[i] = i;
    for (int pass = 0; pass < 40; ++pass) {
      if (pass % 4 == 3) std::shuffle(order.begin(), order.end(), rng);  // otherwise the order of the pass before
      for (size_t i : order) {
        const Ramp& r = ramps[i];
        PixelBuffer fresh(3, kH);
        kept.Fill(0);
        kept.GradientRect(0, r.y0, 3, r.y1, r.c0, r.c1, true);
        fresh.GradientRect(0, r.y0, 3, r.y1, r.c0, r.c1, true);
        ASSERT_TRUE(SamePicture(kept, fresh)) << "pool " << pool << " pass " << pass << " ramp " << i;
      }
    }
  }
}

// Lines and pixels round their real coordinates four at a time; the pixels are those of rounding
// each on its own (floor(v + 0.5), far values brought to +-1e9) into a plain pixel buffer:
// halves, negative fractions, far and non-finite coordinates.
TEST(PixelRounding, LinesAndPixelsAtRealCoordinatesGiveThePixelsOfRoundingEachAlone) {
  const auto plain = [](float v) -> int32_t {
    const float r = v + 0.5f;
    if (!(r > -1e9f && r < 1e9f)) return r < 0 ? -1000000000 : 1000000000;
    return static_cast<int32_t>(std::floor(r));
  };
  const float special[] = {-0.5f, 0.5f, 1.5f, -1.5f, 2.4999999f, -0.50000006f, 63.5f, 39.5f, -3e9f, 5e12f,
                           std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                           std::numeric_limits<float>::quiet_NaN()};
  std::mt19937 rng(3);
  auto coordinate = [&](float extent) {
    switch (rng() % 4) {
      case 0: return special[rng() % std::size(special)];
      case 1: return static_cast<float>(static_cast<int32_t>(rng() % 200) - 60) / 2.0f;  // on halves
      default: return std::uniform_real_distribution<float>(-20.0f, extent + 20.0f)(rng);
    }
  };
  for (int run = 0; run < 300; ++run) {
    TestSurface s(kW, kH);
    PixelBuffer expected(kW, kH, 0xFFFFFF);
    for (int step = 0; step < 8; ++step) {
      const float x1 = coordinate(kW), y1 = coordinate(kH), x2 = coordinate(kW), y2 = coordinate(kH);
      const Color c = rng() & 0xFFFFFF;
      if (step % 2) {
        s->PSet(x1, y1, c);
        expected.SetPixel(plain(x1), plain(y1), c);
      } else {
        s->Line(x1, y1, x2, y2, c);
        expected.Line(plain(x1), plain(y1), plain(x2), plain(y2), c);
      }
    }
    ASSERT_TRUE(SamePicture(s->Pixels(), expected)) << "run " << run;
  }
}

// The raster surface prints a caption with its halo in one layout, and keeps short texts with
// the pixels they were printed over; the pixels are those of drawing each print in turn into a
// plain pixel buffer.
TEST(PrintMemo, PrintsGiveThePixelsOfDrawingEachInTurn) {
  const PointL halo[] = {{-1, 0}, {0, -1}, {1, 0},  {0, 1},  {-1, -1}, {1, -1}, {1, 1},  {-1, 1},
                         {-2, 0}, {0, -2}, {2, 0},  {0, 2},  {-2, -2}, {2, -2}, {2, 2},  {-2, 2}};
  const std::string longText(100, 'W');
  const struct {
    std::string text;
    float x, y;
    bool withHalo;
  } cases[] = {{"50 %", 20, 13, true},     {"Searching...", 1, 1, true}, {"two\nlines", 30, 2, true},
               {"x", -3, 35, true},        {longText, -40, 10, true},    {"", 5, 5, true},
               {"  ", 5, 5, true},         {"Label", 10, 20, false},     {longText, -40, 10, false}};
  FontFace& face = TextEngine::Instance().Resolve("DejaVu Sans", 8.0f, false, false);
  for (const auto& c : cases) {
    TestSurface s(kW, kH), background(kW, kH);
    // A print is kept from its second time at a place on: over the same pixels again and again,
    // over other pixels, moved a pixel, and over other pixels there.
    const struct {
      uint32_t picture;
      int32_t dx;
    } steps[] = {{1, 0}, {1, 0}, {1, 0}, {1, 0}, {2, 0}, {1, 1}, {1, 1}, {1, 1}, {2, 1}};
    for (const auto [picture, dx] : steps) {
      PaintNoise(*s, picture);
      PaintNoise(*background, picture);
      PixelBuffer expected = background->Pixels();
      const int32_t x = static_cast<int32_t>(c.x) + dx, y = static_cast<int32_t>(c.y);
      s->SetForeColor(0xC00000);
      s->SetCurrentX(static_cast<float>(x));
      s->SetCurrentY(c.y);
      if (c.withHalo) {
        s->PrintWithHalo(c.text, 0xF0F0F0, halo);
        for (const PointL& d : halo) face.Draw(expected, x + d.x, y + d.y, c.text, 0xF0F0F0);
      } else {
        s->Print(c.text);
      }
      face.Draw(expected, x, y, c.text, 0xC00000);
      ASSERT_TRUE(SamePicture(s->Pixels(), expected)) << c.text << " over picture " << picture << " moved " << dx;
      EXPECT_EQ(s->CurrentX(), 0);
      EXPECT_EQ(s->CurrentY(), c.y + 13.0f * static_cast<float>(FontFace::LineCount(c.text)));
    }
  }
}

// A caption with its halo printed again over other pixels is drawn from a plan worked out once:
// random texts, offsets, places, clips, colours and backgrounds, each printed three times (noted,
// worked out, drawn from the plan) on one surface, so that plans are also replaced; against each
// print drawn in turn into a plain pixel buffer.
TEST(HaloPlan, PrintsGiveThePixelsOfEachPrintInTurn) {
  const std::vector<PointL> offsetSets[] = {
      {{-1, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, -1}, {1, -1}, {1, 1}, {-1, 1},
       {-2, 0}, {0, -2}, {2, 0}, {0, 2}, {-2, -2}, {2, -2}, {2, 2}, {-2, 2}},
      {{3, 1}, {-1, 0}, {3, 1}},  // one twice
      {{0, 0}},
      {{-70, 0}, {0, 30}},          // prints far outside the surface
      {{100000, 0}, {0, -3}},       // too far apart to be worked out
  };
  const std::string texts[] = {"50 %", "Searching...", "two\nlines", "x", "", "  ", "\xC3\xA9t\xC3\xA9 WAV",
                               std::string(70, 'i')};
  FontFace& face = TextEngine::Instance().Resolve("DejaVu Sans", 8.0f, false, false);
  std::mt19937 rng(5);
  auto pick = [&](int32_t lo, int32_t hi) { return lo + static_cast<int32_t>(rng() % static_cast<uint32_t>(hi - lo + 1)); };
  auto colour = [&]() -> Color {
    switch (pick(0, 3)) {
      case 0: return 0x000000;
      case 1: return 0xFFFFFF;
      default: return rng() & 0xFFFFFF;
    }
  };
  TestSurface s(kW, kH);
  for (int run = 0; run < 600; ++run) {
    HaloPlan::UseAvx2(run % 2 == 0);  // both kernels, where the processor has both
    const std::string& text = texts[pick(0, std::size(texts) - 1)];
    const std::vector<PointL>& offsets = offsetSets[pick(0, std::size(offsetSets) - 1)];
    const int32_t x = pick(-20, kW), y = pick(-10, kH);
    const Color halo = colour(), fore = pick(0, 5) == 0 ? halo : colour();
    RectL clip{0, 0, kW, kH};
    if (pick(0, 1)) clip = RectL{pick(-5, kW), pick(-5, kH), pick(-5, kW + 5), pick(-5, kH + 5)};
    for (int round = 0; round < 3; ++round) {
      // Every pixel its own colour, black and white among them.
      PixelBuffer expected(kW, kH);
      s->Unclip();
      for (int32_t j = 0; j < kH; ++j) {
        for (int32_t i = 0; i < kW; ++i) {
          const Color c = colour();
          s->PSet(static_cast<float>(i), static_cast<float>(j), c);
          expected.SetPixel(i, j, c);
        }
      }
      ASSERT_TRUE(s->ClipTo(clip));
      expected.SetClip(clip);
      s->SetForeColor(fore);
      s->SetCurrentX(static_cast<float>(x));
      s->SetCurrentY(static_cast<float>(y));
      s->PrintWithHalo(text, halo, offsets);
      for (const PointL& d : offsets) face.Draw(expected, AddCoord(x, d.x), AddCoord(y, d.y), text, halo);
      face.Draw(expected, x, y, text, fore);
      ASSERT_TRUE(SamePicture(s->Pixels(), expected))
          << "run " << run << " round " << round << " avx2 " << HaloPlan::UseAvx2(run % 2 == 0) << " \"" << text << "\" at " << x << "," << y << " clip "
          << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom;
    }
  }
  HaloPlan::UseAvx2(true);
}

// A kept picture from its key: lines, pixels and gradients with holes between them, or text,
// which blends and so is always drawn.
void PaintTestPicture(Surface& s, int32_t x, int32_t y, std::span<const uint32_t> key) {
  const Color a = key[0], b = key[1];
  const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
  if (key[2] == 1) {
    s.SetCurrentX(fx);
    s.SetCurrentY(fy);
    s.SetForeColor(a);
    s.Print("Ab");
    return;
  }
  GradientRect(s.hDC(), x + 2, y + 1, 6, 4, ColorToVertex(a), ColorToVertex(b), GRADIENT_FILL_RECT_V);
  GradientRect(s.hDC(), x + 1, y + 6, 7, 3, ColorToVertex(b), ColorToVertex(a), GRADIENT_FILL_RECT_H);
  s.Line(fx, fy, fx + 10, fy, a);
  s.Line(fx + 10, fy, fx + 10, fy + 12, b);
  s.Line(fx, fy + 11, fx + 9, fy + 3, a ^ b);
  s.PSet(fx + 4, fy + 12, b);
  s.PSet(fx + static_cast<float>(key[2] % 7), fy + 10, a);
}

// Random repaints of one surface, as a control does them: a clear, now and then a clip, a line or
// a kept picture, and texts printed at the same places each time, some left out, some overlapping;
// against each step done the plain way: clears, lines and prints straight into a pixel buffer, a
// kept picture drawn by calling its drawing on a new surface holding the expected pixels.
TEST(KeptPicturesAndFreshRows, RepaintsGiveThePixelsOfDrawingEachStepPlainly) {
  FontFace& face = TextEngine::Instance().Resolve("DejaVu Sans", 8.0f, false, false);
  std::mt19937 rng(23);
  auto pick = [&](int32_t lo, int32_t hi) { return lo + static_cast<int32_t>(rng() % static_cast<uint32_t>(hi - lo + 1)); };
  auto f = [](int32_t v) { return static_cast<float>(v); };
  const Color backs[] = {0xFFFFFF, 0xFFFFFF, 0xF0F0F0};
  // Labels side by side, and one now and then over two of them.
  const struct {
    const char* text;
    PointL at;
    bool nowAndThen;
  } prints[] = {{"100", {3, 24}, false}, {"25", {30, 24}, false}, {"Ab", {46, 22}, false},
                {"0", {3, 2}, false},    {"7", {20, 4}, false},    {"55", {16, 26}, true}};
  for (int run = 0; run < 150; ++run) {
    TestSurface s(kW, kH);
    PixelBuffer expected(kW, kH, 0xFFFFFF);
    const Color fore = pick(0, 3) == 0 ? 0x0000C0 : 0x000000;
    // Half the runs are mostly the same repaint again, as hover ticks are, now and then disturbed.
    const int32_t rarely = run % 2 == 0 ? 2 : 12;
    // A row or a column anywhere, through the texts or not.
    auto line = [&] {
      const int32_t at = pick(-1, kW), end = pick(-1, kW + 2);
      const Color c = rng() & 0xFFFFFF;
      if (pick(0, 1)) {
        s->Line(-2, f(at % kH), f(end), f(at % kH), c);
        expected.Line(-2, at % kH, end, at % kH, c);
      } else {
        s->Line(f(at), -1, f(at), f(end % kH), c);
        expected.Line(at, -1, at, end % kH, c);
      }
    };
    for (int repaint = 0; repaint < 24; ++repaint) {
      if (pick(0, rarely * 2) == 0) {
        RectL clip{0, 0, kW, kH};
        if (pick(0, 1)) clip = RectL{pick(-2, kW / 2), pick(-2, kH / 2), pick(kW / 2, kW + 2), pick(kH / 2, kH + 2)};
        ASSERT_TRUE(s->ClipTo(clip));
        expected.SetClip(clip);
      }
      const Color back = pick(0, rarely) == 0 ? backs[pick(0, 2)] : backs[0];
      s->SetBackColor(back);
      expected.Fill(back);
      if (pick(0, rarely * 4) == 0) {  // another size, cleared to the back colour
        const int32_t h = expected.Height() == kH ? kH - 1 : kH;
        s->ResizePixels(kW, h);
        expected.Resize(kW, h, back);
      }
      // Now and then the texts in another colour, and one too long to be kept.
      const Color ink = pick(0, rarely) == 0 ? 0x00A000 : fore;
      if (pick(0, rarely * 2) == 0) {
        const std::string longText(70, 'i');
        s->SetForeColor(ink);
        s->SetCurrentX(0);
        s->SetCurrentY(14);
        s->Print(longText);
        face.Draw(expected, 0, 14, longText, ink);
      }
      const int32_t lineAt = pick(0, rarely) == 0 ? pick(0, 1) : -1;  // before the texts, after them, or none
      if (lineAt == 0) line();
      for (const auto& p : prints) {
        if (p.nowAndThen ? pick(0, 3) != 0 : pick(0, rarely + 2) == 0) continue;
        s->SetForeColor(ink);
        s->SetCurrentX(f(p.at.x));
        s->SetCurrentY(f(p.at.y));
        s->Print(p.text);
        face.Draw(expected, p.at.x, p.at.y, p.text, ink);
      }
      if (lineAt == 1) line();
      if (pick(0, rarely) == 0) {
        const uint32_t key[] = {pick(0, 1) ? 0x00C000u : 0x102030u, pick(0, 2) == 0 ? 0x0000FFu : 0xFF0000u,
                                static_cast<uint32_t>(pick(0, 12))};
        const int32_t x = pick(-12, kW), y = pick(-12, kH);
        s->PaintKept(&PaintTestPicture, key, x, y, RectL{0, 0, 11, 13});
        TestSurface plain(kW, expected.Height());
        for (int32_t j = 0; j < expected.Height(); ++j)
          for (int32_t i = 0; i < kW; ++i) plain->PSet(f(i), f(j), expected.Get(i, j));
        ASSERT_TRUE(plain->ClipTo(expected.Clip()));
        PaintTestPicture(*plain, x, y, key);
        plain->Unclip();
        const RectL clip = expected.Clip();
        expected = plain->Pixels();
        expected.SetClip(clip);
      }
      if (pick(0, rarely + 1) == 0) {
        ASSERT_TRUE(SamePicture(s->Pixels(), expected)) << "run " << run << " repaint " << repaint;
      }
    }
    ASSERT_TRUE(SamePicture(s->Pixels(), expected)) << "run " << run;
  }
}

}  // namespace
}  // namespace vorn
