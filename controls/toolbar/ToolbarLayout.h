#pragma once
#include <cstdint>

#include "controls/toolbar/ToolbarItem.h"

namespace vorn {

/// What the per-item arithmetic of a toolbar needs, read once per walk: TH = TextHeight("I") and
/// the room of the drop-down arrow in the surface font, and the image list's image size.
struct ToolbarMetrics {
  float TH = 0;
  float arrowRoom = 0;  // 3 + TextWidth("6")
  bool hasList = false;
  int16_t IW = 0;
  int16_t IH = 0;

  /// The images set the height of the row when they are taller than the text.
  bool TallImages() const noexcept { return hasList && IH > TH; }
  /// Height of every item's content band: nearest(IH) for tall images, else nearest(TH).
  int32_t ContentHeight() const;
  /// Height the toolbar makes itself: the content band and 14 pixels.
  int16_t RowHeight() const;
  /// Top of every caption: 6, lowered to centre it on tall images.
  int32_t CaptionTop() const;
};

/// One item's place in a walk over the items. Hit tests walk from x = 7, painting from x = 15,
/// with the same arithmetic, so the painted frame (from X - 7) lies one pixel right of the hit
/// area (which starts after X).
///
///   no image list          width = TW + 15        next = X + TW + 15
///   list, no icon          width = TW + 15        next = X + TW + 15
///   list and icon          width = TW + 15 + IW   next = X + TW + 15 + IW + 3
///   mitMenu2               width grows by the arrow room; next does not, so the frame reaches
///                          into the following item's area (the hit test finds the menu first)
struct ItemBox {
  int32_t X = 0;
  int32_t width = 0;
  int32_t next = 0;
  int32_t height = 0;  // the content band

  /// Hit area, every edge excluded: X < x < X + width and 6 < y < height + 6.
  bool Contains(float x, float y) const noexcept {
    return X < x && x < X + width && 6 < y && y < height + 6;
  }
};

/// The box of an item at X whose caption is TW pixels wide.
ItemBox MeasureItem(const ToolbarMetrics& m, const ToolbarItem& item, int32_t X, float TW);

/// Left edge of an item's caption: after the icon (3 pixels on) when it has one.
int32_t CaptionLeft(const ToolbarMetrics& m, const ToolbarItem& item, int32_t X);

}  // namespace vorn
