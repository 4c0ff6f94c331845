#pragma once
#include <cstdint>
#include <string>

#include "foundation/Geometry.h"
#include "host/pixels/PixelBuffer.h"

namespace vorn {

/// How two pictures differ, for screenshot tests.
struct PictureDifference {
  /// Pixels that differ by more than the tolerance in some channel; where the sizes differ, every
  /// pixel that only one of the pictures has counts too.
  int64_t count = 0;
  /// The first differing pixel, row by row; meaningless when count is 0.
  PointL first{};
  bool sizesDiffer = false;
  /// Both pictures' area: matching pixels as a faint grey copy of the first picture, differing
  /// ones in red.
  PixelBuffer picture;

  bool Same() const noexcept { return count == 0; }
  /// "42 pixels differ, the first at (3, 7)", with the sizes when they differ.
  std::string Describe(const PixelBuffer& a, const PixelBuffer& b) const;
};

/// Compares a with b pixel by pixel; a pixel matches when no channel differs by more than
/// tolerance (0 to 255).
PictureDifference ComparePictures(const PixelBuffer& a, const PixelBuffer& b, int tolerance = 0);

/// Where the difference picture of a picture goes: beside it, NAME.diff.png.
std::string DiffPathFor(const std::string& picture);

}  // namespace vorn
