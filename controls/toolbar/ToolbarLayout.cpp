#include "controls/toolbar/ToolbarLayout.h"

#include "foundation/Convert.h"

namespace vorn {

int32_t ToolbarMetrics::ContentHeight() const { return TallImages() ? Nearest(IH) : Nearest(TH); }

int16_t ToolbarMetrics::RowHeight() const { return ToInteger(TallImages() ? IH + 14.0 : TH + 14.0); }

int32_t ToolbarMetrics::CaptionTop() const { return TallImages() ? Nearest(6 + IH / 2.0 - TH / 2.0) : 6; }

ItemBox MeasureItem(const ToolbarMetrics& m, const ToolbarItem& item, int32_t X, float TW) {
  ItemBox b;
  b.X = X;
  if (m.hasList && item.IconIndex() != 0) {
    b.width = Nearest(TW + 15.0 + m.IW);
    b.next = Nearest(static_cast<double>(X) + TW + 15 + m.IW + 3);
  } else {
    b.width = Nearest(TW + 15.0);
    b.next = Nearest(static_cast<double>(X) + TW + 15);
  }
  if (item.Style() == mitMenu2) b.width = Nearest(static_cast<double>(b.width) + m.arrowRoom);
  b.height = m.ContentHeight();
  return b;
}

int32_t CaptionLeft(const ToolbarMetrics& m, const ToolbarItem& item, int32_t X) {
  if (!m.hasList) return X + 2;
  if (item.IconIndex() == 0) return X;
  return Nearest(static_cast<double>(X) + m.IW + 3);
}

}  // namespace vorn
