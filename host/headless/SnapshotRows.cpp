#include "host/headless/SnapshotRows.h"

#include <algorithm>

namespace vorn {

SnapshotRows::SnapshotRows(const HeadlessHost& host, const RectL& area)
    : host_(host),
      area_(area),
      width_(std::max(0, AddCoord(area.right, -int64_t{area.left}))),
      height_(std::max(0, AddCoord(area.bottom, -int64_t{area.top}))) {}

const uint32_t* SnapshotRows::Row(int32_t y) {
  if (band_.Height() == 0 || y < bandTop_ || y >= bandTop_ + band_.Height()) {
    bandTop_ = y;
    const int32_t top = AddCoord(area_.top, y);
    band_ = host_.Snapshot(RectL{area_.left, top, AddCoord(area_.left, width_),
                                 AddCoord(top, std::min(kBandRows, height_ - y))});
  }
  return band_.Row(y - bandTop_);
}

}  // namespace vorn
