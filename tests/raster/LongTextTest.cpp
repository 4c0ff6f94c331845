// Printing costs what shows of a text, however long it is (a text box reprints everything typed
// into it on every key).
#include <gtest/gtest.h>

#include "foundation/CodePage1252.h"
#include "host/text/FontFace.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

// A face of solid 3 x 5 glyphs, 6 pixels apart, that counts the glyphs it renders.
class CountingFace final : public FontFace {
 public:
  CountingFace() {
    ascent_ = 10;
    descent_ = 3;
  }
  int rendered = 0;

 protected:
  void Render(char32_t, Glyph& g, std::vector<uint8_t>& arena) override {
    ++rendered;
    g = Glyph{0, 2, 3, 5, 6, static_cast<uint32_t>(arena.size())};
    arena.insert(arena.end(), 15, 255);
  }
};

std::string DistinctGlyphs(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) AppendUtf8(s, static_cast<char32_t>(0x4E00 + i));
  return s;
}

TEST(LongText, PrintingStopsWhereNothingMoreCanShow) {
  CountingFace face;
  PixelBuffer all(100, 40, 0xFFFFFF);
  face.Draw(all, 0, 0, DistinctGlyphs(20000) + "\n" + DistinctGlyphs(20000) + std::string(20000, '\n') + "x", 0);
  // 100 pixels and the reach of a glyph back across the edge: a few dozen glyphs, not 40,001.
  EXPECT_LT(face.rendered, 30);
  // What shows is what the visible part alone draws.
  CountingFace again;
  PixelBuffer part(100, 40, 0xFFFFFF);
  again.Draw(part, 0, 0, DistinctGlyphs(20) + "\n" + DistinctGlyphs(20), 0);
  EXPECT_TRUE(test::SamePicture(all, part));
  // Far off in every direction, nothing is drawn and nothing overflows.
  again.Draw(part, INT32_MAX - 3, INT32_MIN, DistinctGlyphs(5), 0xFF);
  again.Draw(part, INT32_MIN, INT32_MAX - 3, "ab\nab", 0xFF);
  EXPECT_TRUE(test::SamePicture(all, part));
}

}  // namespace
}  // namespace vorn
