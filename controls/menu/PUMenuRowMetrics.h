#pragma once
#include "controls/menu/vornPUMenu.h"

namespace vorn {

/// What rows are laid out and painted with, read once per layout or paint instead of once per
/// row: the text height of "I" with the font bold and not, and the image list's picture size.
/// A read that fails is not kept, so every row that needs it raises as reading it there would.
class vornPUMenu::RowMetrics {
 public:
  explicit RowMetrics(vornPUMenu& menu) : menu_(menu) {}

  /// MenuRowHeight of an item of type, with the surface's font bold or not.
  int16_t RowHeight(int32_t type, bool bold);
  /// The surface's TextHeight("I") with its font bold or not (the bold state is left as it was).
  float TextHeightI(bool bold);
  int16_t ImageWidth();
  int16_t ImageHeight();
  /// Whether image-list entry icon was found to be a picture during this paint.
  bool IconChecked(int16_t icon) const;
  void NoteIconChecked(int16_t icon);

 private:
  vornPUMenu& menu_;
  float th_[2]{};
  bool haveTh_[2]{};
  int16_t iw_ = 0;
  int16_t ih_ = 0;
  bool haveIw_ = false;
  bool haveIh_ = false;
  bool iconsCleared_ = false;  // the menu's iconChecked_ is cleared for this paint
};

}  // namespace vorn
