#include "host/raster/KeptPicture.h"

#include <algorithm>

#include "host/raster/RasterSurface.h"

namespace vorn {

namespace {

// A surface with nothing but pixels, to paint a picture in.
class Canvas final : public RasterSurface {
 public:
  Canvas(int32_t w, int32_t h) : RasterSurface(w, h, nullptr) {}
  int32_t Left() const override { return 0; }
  int32_t Top() const override { return 0; }
  int32_t Width() const override { return Pixels().Width(); }
  int32_t Height() const override { return Pixels().Height(); }
  void Move(int32_t, int32_t, int32_t, int32_t) override {}
  bool Visible() const override { return false; }
  void SetVisible(bool) override {}
  WindowHandle hWnd() const override { return 0; }
  bool Enabled() const override { return true; }
  void SetEnabled(bool) override {}
  void SetEventHandler(SurfaceEvents*) override {}
};

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;

}  // namespace

bool KeptPicture::Build(KeptDrawing draw, std::span<const uint32_t> key, const RectL& bounds) {
  runs_.clear();
  colours_.clear();
  const int64_t w = int64_t{bounds.right} - bounds.left;
  const int64_t h = int64_t{bounds.bottom} - bounds.top;
  if (w <= 0 || h <= 0 || w * h > kMaxArea) return false;
  Canvas overBlack(static_cast<int32_t>(w), static_cast<int32_t>(h));
  Canvas overWhite(static_cast<int32_t>(w), static_cast<int32_t>(h));
  overBlack.SetBackColor(kBlack);
  overWhite.SetBackColor(kWhite);
  draw(overBlack, -bounds.left, -bounds.top, key);
  draw(overWhite, -bounds.left, -bounds.top, key);
  const PixelBuffer& black = overBlack.Pixels();
  const PixelBuffer& white = overWhite.Pixels();
  for (int32_t y = 0; y < h; ++y) {
    const uint32_t* b = black.Row(y);
    const uint32_t* v = white.Row(y);
    for (int32_t x = 0; x < w;) {
      if (b[x] != v[x]) {
        if (b[x] != kBlack || v[x] != kWhite) {  // blended with what lies below
          runs_.clear();
          colours_.clear();
          return false;
        }
        ++x;
        continue;
      }
      const int32_t start = x;
      while (x < w && b[x] == v[x]) ++x;
      runs_.push_back(Run{start + bounds.left, y + bounds.top, x - start, static_cast<uint32_t>(colours_.size())});
      colours_.insert(colours_.end(), b + start, b + x);
    }
  }
  return true;
}

void KeptPicture::Draw(PixelBuffer& to, int32_t x, int32_t y) const noexcept {
  const RectL clip = to.Clip();
  for (const Run& r : runs_) {
    const int64_t py = int64_t{y} + r.dy;
    if (py < clip.top || py >= clip.bottom) continue;
    const int64_t left = std::max<int64_t>(int64_t{x} + r.dx, clip.left);
    const int64_t right = std::min<int64_t>(int64_t{x} + r.dx + r.length, clip.right);
    if (left >= right) continue;
    const uint32_t* from = colours_.data() + r.first + (left - (int64_t{x} + r.dx));
    uint32_t* row = to.Row(static_cast<int32_t>(py)) + left;
    std::copy_n(from, right - left, row);
  }
}

}  // namespace vorn
