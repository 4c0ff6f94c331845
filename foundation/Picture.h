#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "foundation/Object.h"

namespace vorn {

/// An icon or picture: straight-alpha pixels, each 0xAABBGGRR (red in the low byte, like Color).
/// What an image list's ExtractIcon hands out; drawn unscaled by DeviceContext::DrawState.
class Picture : public Object {
 public:
  Picture(int32_t width, int32_t height, std::vector<uint32_t> pixels);
  int32_t Width() const noexcept { return width_; }
  int32_t Height() const noexcept { return height_; }
  const uint32_t* Pixels() const noexcept { return pixels_.data(); }
  uint32_t At(int32_t x, int32_t y) const noexcept { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  const ClassInfo& Class() const override;
  int32_t get_Width() const { return width_; }
  int32_t get_Height() const { return height_; }

 private:
  int32_t width_;
  int32_t height_;
  std::vector<uint32_t> pixels_;
};

}  // namespace vorn
