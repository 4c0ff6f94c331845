#pragma once
#include <cstdint>
#include <vector>

#include "controls/menu/vornPUMenu.h"
#include "host/form/ImageList.h"
#include "support/ControlHarness.h"

namespace vorn::test {

/// The scheme of the default colours, PaletteNormal(&HFFFFFF, &HC00000, &H80FF), as the popup menu
/// and the toolbar paint it.
struct DefaultScheme {
  static constexpr Color kWhite = 0xFFFFFF;
  static constexpr Color kLight = 0xF9E6E6;      // entry 2
  static constexpr Color kTitleLeft = 0xEAAAAA;  // entry 4
  static constexpr Color kBorder = 0xDE7878;     // entry 7
  static constexpr Color kCaption = 0x570000;    // entry 8
  static constexpr Color kSelLight = 0xE6F3FF;   // entry 9
  static constexpr Color kSelStrong = 0xB4DAFF;  // entry 10
  static constexpr Color kSelCheck = 0x82C1FF;   // entry 11
};

/// A control of class T that opens a popup menu (the popup menu itself, or the toolbar with its
/// inner one), with the popup's window, the pointer on it and image lists to give it.
template <class T>
class PopupHarness : public Harness<T>, public DefaultScheme {
 public:
  using Harness<T>::Harness;

  HeadlessSurface& Popup() { return dynamic_cast<HeadlessSurface&>(Menu().PUMenu()); }
  RectL PopupRect() { return this->host.GetWindowRect(Popup().hWnd()); }
  /// Moves the pointer to a pixel of the popup (its screen place plus x, y).
  void MoveOnPopup(int32_t x, int32_t y) {
    const RectL r = PopupRect();
    this->host.MoveMouse({r.left + x, r.top + y});
  }
  void ClickOnPopup(int32_t x, int32_t y) {
    MoveOnPopup(x, y);
    this->Press();
    this->Release();
  }

  /// An image list of opaque solid pictures of one size, one colour (&HBBGGRR) each.
  static Ref<ImageList> SolidList(int16_t size, std::vector<Color> colours) {
    auto list = MakeRef<ImageList>("icons", size, size);
    for (Color c : colours) {
      list->Add(MakeRef<Picture>(size, size, std::vector<uint32_t>(static_cast<size_t>(size) * size, 0xFF000000u | c)));
    }
    return list;
  }

 protected:
  /// The popup menu whose popup this is.
  virtual vornPUMenu& Menu() = 0;
};

}  // namespace vorn::test
