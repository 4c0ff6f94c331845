#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/PopupHarness.h"

namespace vorn::test {

/// A popup menu on a form of the headless host (screen 1024 x 768 pixels, 15 twips each), with
/// helpers to fill it, open it and reach its popup window.
class PopupFixture : public PopupHarness<vornPUMenu> {
 public:
  PopupFixture() : PopupHarness(47, 47) {}

  MenuItem& Add(const std::string& caption, int32_t type = itNormal, const std::string& group = "",
                int16_t icon = 0, bool checked = false, bool bold = false) {
    return *control->MenuItem_->Add("", caption, icon, true, "", group, type, checked, bold);
  }
  /// CreateMenu with the given position in twips; returns the position it wrote back.
  PointL Open(int32_t x = 0, int32_t y = 0, const std::string& group = "", int16_t width = 0) {
    control->CreateMenu(x, y, group, width);
    return {x, y};
  }
  /// Opens at a fixed place away from the screen edges.
  void OpenAt300x200(const std::string& group = "", int16_t width = 0) { Open(300 * 15, 200 * 15, group, width); }

  int32_t SW() { return static_cast<int32_t>(Popup().ScaleWidth()); }
  int32_t SH() { return static_cast<int32_t>(Popup().ScaleHeight()); }
  Color At(int32_t x, int32_t y) { return Popup().Point(x, y); }
  /// Leftmost, topmost, rightmost and bottommost pixel inside the rectangle (right/bottom
  /// exclusive) that is not of colour bg; left > right when there is none.
  RectL InkIn(RectL area, Color bg) {
    RectL ink{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int32_t y = area.top; y < area.bottom; ++y) {
      for (int32_t x = area.left; x < area.right; ++x) {
        if (At(x, y) == bg) continue;
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x);
        ink.bottom = std::max(ink.bottom, y);
      }
    }
    return ink;
  }

 protected:
  vornPUMenu& Menu() override { return *control; }
};

}  // namespace vorn::test
