#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/toolbar/vornToolbar.h"
#include "foundation/Gradient.h"
#include "support/PopupHarness.h"
#include "support/TestSurface.h"

namespace vorn::test {

/// A toolbar 300 pixels wide on a form of the headless host (the toolbar's surface at (20, 30)
/// of the form, the form at (100, 50) of the screen), with helpers to fill it, press its items
/// and reach its drop-down menu. With the form's default font (TH = 13) and no image list, an
/// item at painting X has its frame from X - 7, rows 3 to 22, and its hit area from X - 8.
class ToolbarFixture : public PopupHarness<vornToolbar> {
 public:
  explicit ToolbarFixture(PropertyBag* bag = nullptr) : PopupHarness(300, 40, bag) {}

  ToolbarItem& Add(const std::string& key, const std::string& caption, int16_t icon = 0,
                   int32_t style = mitNormalButton, bool checked = false, bool enabled = true) {
    return *control->Add(key, caption, icon, style, checked, enabled);
  }
  /// Presses the left button at (x, y) of the toolbar and lets it go: at once, or, when the
  /// press opened a menu, as the next input the menu's wait for the buttons takes in.
  void PressAndRelease(float x, float y) {
    MoveTo(x, y);
    bool released = false;
    host.SetPendingInput([&] {
      if (released) return false;
      released = true;
      Release();
      return true;
    });
    Press();
    host.SetPendingInput(nullptr);
    if (host.Buttons() & kLeftButton) Release();
  }

  RectL ToolbarRect() { return Window().ScreenRect(); }
  /// Whether the frame at L, width wide and height tall from row 3, is filled from top toward
  /// bottom as GradientRect fills it, judged on the column just inside its outline.
  bool FilledWith(int32_t L, int32_t width, Color top, Color bottom, int32_t height = 19) {
    TestSurface ref(L + width + 2, 3 + height + 2);
    GradientRect(ref->hDC(), L, 3, width, height, ColorToVertex(top), ColorToVertex(bottom), GRADIENT_FILL_RECT_V);
    for (int32_t y = 4; y < 3 + height; ++y) {
      if (Pixel(L + 1, y) != ref.At(L + 1, y)) return false;
    }
    return true;
  }
  int32_t TextWidth(const std::string& text) { return static_cast<int32_t>(Window().TextWidth(text)); }

 protected:
  vornPUMenu& Menu() override { return control->vornPUMenu1(); }
};

}  // namespace vorn::test
