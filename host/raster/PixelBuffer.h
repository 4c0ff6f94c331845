#pragma once
#include <cstdint>
#include <vector>

#include "foundation/Color.h"
#include "foundation/Geometry.h"
#include "foundation/Picture.h"

namespace vorn {

/// A 32-bit picture in &HBBGGRR (red in the low byte), with the primitives the hosts draw with.
/// Every primitive clips to the buffer; nothing allocates after Resize.
class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(int32_t width, int32_t height, Color fill = 0) { Resize(width, height, fill); }

  /// New size; the picture is refilled with fill.
  void Resize(int32_t width, int32_t height, Color fill);
  int32_t Width() const noexcept { return width_; }
  int32_t Height() const noexcept { return height_; }
  uint32_t* Row(int32_t y) noexcept { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int32_t y) const noexcept { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Data() const noexcept { return pixels_.data(); }

  Color Get(int32_t x, int32_t y) const noexcept {
    return Contains(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : 0;
  }
  bool Contains(int32_t x, int32_t y) const noexcept { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  void Fill(Color c) noexcept;
  /// Fills [x0, x1) x [y0, y1), clipped.
  void FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Color c) noexcept;
  void SetPixel(int32_t x, int32_t y, Color c) noexcept {
    if (Contains(x, y)) pixels_[static_cast<size_t>(y) * width_ + x] = c;
  }
  /// One-pixel line from (x1, y1) toward (x2, y2), the end point excluded (Bresenham); end points
  /// beyond +-1e9 are brought to it. Costs what shows, however far away the line starts.
  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color c) noexcept;

  /// Linear gradient over [x0, x1) x [y0, y1) from c0 at the start edge toward c1 at the far,
  /// exclusive edge; channels are 16-bit (component x 256), interpolated in exact integers.
  void GradientRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, const uint16_t c0[3], const uint16_t c1[3],
                    bool vertical) noexcept;

  /// Blends an 8-bit coverage mask in colour c with its top-left corner at (x, y).
  void BlendMask(int32_t x, int32_t y, const uint8_t* mask, int32_t w, int32_t h, int32_t pitch, Color c) noexcept;

  /// Draws a picture unscaled, at most cx x cy of it, blending by its alpha; mono draws its shape
  /// in one colour.
  void DrawPicture(const Picture& p, int32_t x, int32_t y, int32_t cx, int32_t cy, bool mono, Color monoColor) noexcept;

  /// Copies (blending by alpha 0..255) another buffer onto this one at (x, y).
  void Composite(const PixelBuffer& src, int32_t x, int32_t y, uint8_t alpha) noexcept;
  /// The same, touching only the pixels inside clip (right and bottom exclusive).
  void Composite(const PixelBuffer& src, int32_t x, int32_t y, uint8_t alpha, RectL clip) noexcept;

 private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint32_t> pixels_;
  std::vector<uint32_t> scratch_;  // one gradient row
};

}  // namespace vorn
