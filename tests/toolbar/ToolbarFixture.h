#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/toolbar/vornToolbar.h"
#include "host/form/ImageList.h"
#include "foundation/Gradient.h"
#include "support/ControlHarness.h"
#include "support/TestSurface.h"

namespace vorn::test {

/// A toolbar 300 pixels wide on a form of the headless host (the toolbar's surface at (20, 30)
/// of the form, the form at (100, 50) of the screen), with helpers to fill it, press its items
/// and reach its drop-down menu. With the form's default font (TH = 13) and no image list, an
/// item at painting X has its frame from X - 7, rows 3 to 22, and its hit area from X - 8.
class ToolbarFixture : public Harness<vornToolbar> {
 public:
  explicit ToolbarFixture(PropertyBag* bag = nullptr) : Harness(300, 40, bag) {}

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

  HeadlessSurface& Popup() { return dynamic_cast<HeadlessSurface&>(control->vornPUMenu1().PUMenu()); }
  RectL PopupRect() { return host.GetWindowRect(Popup().hWnd()); }
  RectL ToolbarRect() { return Window().ScreenRect(); }
  void MoveOnPopup(int32_t x, int32_t y) {
    const RectL r = PopupRect();
    host.MoveMouse({r.left + x, r.top + y});
  }
  void ClickOnPopup(int32_t x, int32_t y) {
    MoveOnPopup(x, y);
    Press();
    Release();
  }
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

  /// An image list of opaque solid pictures of one size, one colour each.
  static Ref<ImageList> SolidList(int16_t size, std::vector<Color> colours) {
    auto list = MakeRef<ImageList>("icons", size, size);
    for (Color c : colours) {
      list->Add(MakeRef<Picture>(size, size, std::vector<uint32_t>(static_cast<size_t>(size) * size, 0xFF000000u | c)));
    }
    return list;
  }

  // PaletteNormal(&HFFFFFF, &HC00000, &H80FF), the default colours.
  static constexpr Color kLight = 0xF9E6E6;    // entry 2
  static constexpr Color kLine = 0xDE7878;     // entry 7
  static constexpr Color kCaption = 0x570000;  // entry 8
  static constexpr Color kSel9 = 0xE6F3FF;     // entry 9
  static constexpr Color kSel10 = 0xB4DAFF;    // entry 10
  static constexpr Color kSel11 = 0x82C1FF;    // entry 11
};

}  // namespace vorn::test
