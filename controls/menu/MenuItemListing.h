#pragma once
#include <cstdint>
#include <string>

#include "foundation/Object.h"

namespace vorn {

/// One row of an open popup menu: which item it shows (its position in the menu's MenuItems),
/// where the row lies on the popup (Top, Height in pixels) and whether it can be chosen.
class MenuItemListing final : public ClassOf<MenuItemListing> {
 public:
  static const ClassInfo& StaticClass();

  std::string get_Key() const { return Key_; }
  void put_Key(std::string v) { Key_ = std::move(v); }
  bool get_Selectable() const { return Selectable_; }
  void put_Selectable(bool v) { Selectable_ = v; }
  int32_t get_Height() const { return Height_; }
  void put_Height(int32_t v) { Height_ = v; }
  int32_t get_Top() const { return Top_; }
  void put_Top(int32_t v) { Top_ = v; }
  int16_t get_Index() const { return Index_; }
  void put_Index(int16_t v) { Index_ = v; }

  const std::string& Key() const noexcept { return Key_; }
  bool Selectable() const noexcept { return Selectable_; }
  int32_t Height() const noexcept { return Height_; }
  int32_t Top() const noexcept { return Top_; }
  int16_t Index() const noexcept { return Index_; }

 private:
  int16_t Index_ = 0;
  int32_t Top_ = 0;
  int32_t Height_ = 0;
  bool Selectable_ = false;
  std::string Key_;
};

}  // namespace vorn
