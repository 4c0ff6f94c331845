#include "host/raster/PictureDiff.h"

#include <algorithm>
#include <cstdlib>

namespace vorn {

namespace {

constexpr Color kDifferent = 0x0000FF;  // red in &HBBGGRR

bool Close(Color a, Color b, int tolerance) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    if (d > tolerance) return false;
  }
  return true;
}

// A matching pixel in the difference picture: its brightness, pale, so the red stands out.
Color Faint(Color c) {
  const uint32_t luma = ((c & 0xFF) * 77 + ((c >> 8) & 0xFF) * 150 + ((c >> 16) & 0xFF) * 29) >> 8;
  const uint32_t v = 255 - (255 - luma) / 4;
  return v | (v << 8) | (v << 16);
}

std::string Size(const PixelBuffer& p) { return std::to_string(p.Width()) + "x" + std::to_string(p.Height()); }

}  // namespace

PictureDifference ComparePictures(const PixelBuffer& a, const PixelBuffer& b, int tolerance) {
  PictureDifference d;
  d.sizesDiffer = a.Width() != b.Width() || a.Height() != b.Height();
  const int32_t w = std::max(a.Width(), b.Width());
  const int32_t h = std::max(a.Height(), b.Height());
  d.picture.Resize(w, h, kDifferent);
  for (int32_t y = 0; y < h; ++y) {
    uint32_t* out = d.picture.Row(y);
    for (int32_t x = 0; x < w; ++x) {
      const bool inBoth = a.Contains(x, y) && b.Contains(x, y);
      if (inBoth && Close(a.Get(x, y), b.Get(x, y), tolerance)) {
        out[x] = Faint(a.Get(x, y));
        continue;
      }
      out[x] = kDifferent;
      if (d.count++ == 0) d.first = {x, y};
    }
  }
  return d;
}

std::string DiffPathFor(const std::string& picture) {
  const bool png = picture.size() > 4 && picture.compare(picture.size() - 4, 4, ".png") == 0;
  return (png ? picture.substr(0, picture.size() - 4) : picture) + ".diff.png";
}

std::string PictureDifference::Describe(const PixelBuffer& a, const PixelBuffer& b) const {
  std::string text;
  if (sizesDiffer) text = "sizes " + Size(a) + " and " + Size(b) + "; ";
  text += std::to_string(count) + (count == 1 ? " pixel differs" : " pixels differ");
  if (count) text += ", the first at (" + std::to_string(first.x) + ", " + std::to_string(first.y) + ")";
  return text;
}

}  // namespace vorn
