#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "foundation/Color.h"
#include "foundation/Geometry.h"
#include "foundation/Picture.h"

namespace vorn {

/// A 32-bit picture in &HBBGGRR (red in the low byte), with the primitives the hosts draw with.
/// Every drawing primitive (Fill to DrawPicture) clips to the clip rectangle, the whole buffer
/// unless SetClip narrows it; Composite takes its own. Nothing allocates after Resize but the
/// first gradient's ramp table.
class PixelBuffer {
 public:
  PixelBuffer() = default;
  PixelBuffer(int32_t width, int32_t height, Color fill = 0) { Resize(width, height, fill); }

  /// New size; the picture is refilled with fill and the clip rectangle is the whole buffer.
  void Resize(int32_t width, int32_t height, Color fill);
  /// Confines the drawing primitives to r (right and bottom exclusive), within the buffer.
  void SetClip(RectL r) noexcept;
  void ClearClip() noexcept { clip_ = RectL{0, 0, width_, height_}; }
  const RectL& Clip() const noexcept { return clip_; }
  int32_t Width() const noexcept { return width_; }
  int32_t Height() const noexcept { return height_; }
  uint32_t* Row(int32_t y) noexcept { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Row(int32_t y) const noexcept { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint32_t* Data() const noexcept { return pixels_.data(); }

  Color Get(int32_t x, int32_t y) const noexcept {
    return Contains(x, y) ? pixels_[static_cast<size_t>(y) * width_ + x] : 0;
  }
  bool Contains(int32_t x, int32_t y) const noexcept { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  /// Fills the clip rectangle.
  void Fill(Color c) noexcept;
  /// Fills [x0, x1) x [y0, y1), clipped.
  void FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Color c) noexcept;
  void SetPixel(int32_t x, int32_t y, Color c) noexcept {
    if (x >= clip_.left && y >= clip_.top && x < clip_.right && y < clip_.bottom) {
      pixels_[static_cast<size_t>(y) * width_ + x] = c;
    }
  }
  /// One-pixel line from (x1, y1) toward (x2, y2), the end point excluded (Bresenham); end points
  /// beyond +-1e9 are brought to it. Costs what shows, however far away the line starts.
  /// Inline up to the lines across or along the rows, most of what the controls draw.
  void Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color c) noexcept {
    // End points lie within +-1e9, as RasterSurface rounds them, so Diagonal's products fit 64 bits.
    constexpr int32_t kFar = 1000000000;
    x1 = std::clamp(x1, -kFar, kFar);
    y1 = std::clamp(y1, -kFar, kFar);
    x2 = std::clamp(x2, -kFar, kFar);
    y2 = std::clamp(y2, -kFar, kFar);
    if (y1 == y2) {  // horizontal: [min, max) toward the end point
      if (y1 < clip_.top || y1 >= clip_.bottom || x1 == x2) return;
      FillRect(x1 < x2 ? x1 : x2 + 1, y1, x1 < x2 ? x2 : x1 + 1, y1 + 1, c);
    } else if (x1 == x2) {
      if (x1 < clip_.left || x1 >= clip_.right) return;
      FillRect(x1, y1 < y2 ? y1 : y2 + 1, x1 + 1, y1 < y2 ? y2 : y1 + 1, c);
    } else {
      Diagonal(x1, y1, x2, y2, c);
    }
  }

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
  /// Line's Bresenham walk, for end points within +-1e9 on neither the same row nor column.
  void Diagonal(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Color c) noexcept;
  /// The colours of n steps of a ramp from step first on (see GradientRect): repaints draw the
  /// same gradients again and again (a hover tick repaints the same face every millisecond), so a
  /// ramp is worked out once and its colours kept in a small table, which the first ramp drawn
  /// allocates. Longer ramps are worked out every time.
  const uint32_t* Ramp(const uint16_t c0[3], const uint16_t c1[3], int64_t span, int64_t first, size_t n) noexcept;

  struct RampKey {
    uint16_t c0[3]{}, c1[3]{};
    uint32_t n = 0;  // 0: an empty slot
    int64_t span = 0;
    int64_t first = 0;
    bool operator==(const RampKey&) const = default;
  };
  static constexpr size_t kRampSlots = 16;
  static constexpr size_t kRampLength = 1024;

  int32_t width_ = 0;
  int32_t height_ = 0;
  RectL clip_{};
  std::vector<uint32_t> pixels_;
  std::vector<uint32_t> scratch_;  // a ramp too long for the table
  std::array<RampKey, kRampSlots> rampKeys_{};
  size_t nextRamp_ = 0;
  size_t lastRamp_ = 0;                         // the slot of the ramp found or made last
  std::array<uint8_t, kRampSlots> rampAfter_{};  // per slot, the slot asked for after it last time
  std::vector<uint32_t> ramps_;  // kRampSlots rows of min(longest side, kRampLength) colours
};

}  // namespace vorn
