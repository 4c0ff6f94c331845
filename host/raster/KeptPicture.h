#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "foundation/Geometry.h"
#include "foundation/Surface.h"
#include "host/pixels/PixelBuffer.h"

namespace vorn {

/// A picture of Surface::PaintKept worked out once: painted over black and over white in a
/// scratch surface, the pixels that come out the same in both are its own and the others show
/// what lies below. Its own pixels are kept as runs along the rows and copied in place from then
/// on, which costs a copy a row instead of a call a line or a pixel.
class KeptPicture {
 public:
  /// Paints draw(key) within bounds (relative to its origin); false, keeping nothing, when bounds
  /// exceed kMaxArea pixels or a pixel is neither the picture's own nor what lies below (a blend,
  /// which the picture cannot keep).
  bool Build(KeptDrawing draw, std::span<const uint32_t> key, const RectL& bounds);
  /// Its own pixels with its origin at (x, y), within the buffer's clip rectangle.
  void Draw(PixelBuffer& to, int32_t x, int32_t y) const noexcept;

  static constexpr int64_t kMaxArea = 64 * 64;

 private:
  struct Run {
    int32_t dx, dy;  // from the origin
    int32_t length;
    uint32_t first;  // in colours_
  };
  std::vector<Run> runs_;
  std::vector<uint32_t> colours_;
};

}  // namespace vorn
