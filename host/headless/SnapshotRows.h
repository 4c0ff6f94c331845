#pragma once
#include "host/headless/HeadlessHost.h"
#include "host/raster/Png.h"

namespace vorn {

/// The screen within an area as HeadlessHost::Snapshot composes it, a band of rows at a time, for
/// writing a picture of it: the whole picture is never held (a short-lived tool spends more on
/// first touching the pages of a screen-sized picture than on composing it).
class SnapshotRows final : public PixelRows {
 public:
  SnapshotRows(const HeadlessHost& host, const RectL& area);
  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  const uint32_t* Row(int32_t y) override;

 private:
  static constexpr int32_t kBandRows = 32;
  const HeadlessHost& host_;
  RectL area_;
  int32_t width_;
  int32_t height_;
  PixelBuffer band_;
  int32_t bandTop_ = 0;  // the row of the area the band starts at (empty band: none yet)
};

}  // namespace vorn
