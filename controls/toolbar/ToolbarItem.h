#pragma once
#include <cstdint>
#include <string>

#include "controls/menu/MenuItems.h"

namespace vorn {

/// Styles of a toolbar item; any other value is stored unchanged, laid out like the others and
/// drawn with icon and caption, but the mouse does nothing with it.
enum eMenuItemType : int32_t {
  mitNormalButton = 1,  // push button: hover frame, pressed frame, ItemClicked
  mitCheckButton = 2,   // a push button framed while Checked
  mitMenu = 3,          // opens ToolbarMenuItems as a drop-down menu when pressed
  mitMenu2 = 4,         // the same, with a drop-down arrow after the caption
  mitPlaceholder = 5,   // its icon only; inert
  mitSeparator = 6,     // an etched vertical line; inert
  mitCaption = 7,       // icon and caption; inert
};

/// The record behind one button of a toolbar: a plain value holder that checks nothing and tells
/// nobody. A change to an item already on a toolbar shows at the toolbar's next repaint. The
/// toolbar never changes an item (a check button's host toggles Checked itself).
class ToolbarItem final : public ClassOf<ToolbarItem> {
 public:
  ToolbarItem();
  static const ClassInfo& StaticClass();

  /// Public field: the entries of the item's drop-down menu, shared by reference with whoever
  /// assigned them and with the toolbar's menu while it shows them. A new item has its own
  /// empty list.
  Ref<MenuItems> ToolbarMenuItems_;

  int32_t get_Style() const { return Style_; }
  void put_Style(int32_t v) { Style_ = v; }
  int16_t get_IconIndex() const { return IconIndex_; }
  void put_IconIndex(int16_t v) { IconIndex_ = v; }
  bool get_Checked() const { return Checked_; }
  void put_Checked(bool v) { Checked_ = v; }
  bool get_Enabled() const { return Enabled_; }
  void put_Enabled(bool v) { Enabled_ = v; }
  std::string get_Caption() const { return Caption_; }
  void put_Caption(std::string v) { Caption_ = std::move(v); }
  std::string get_sKey() const { return sKey_; }
  void put_sKey(std::string v) { sKey_ = std::move(v); }

  // Read without copies, for the toolbar's layout and painting.
  int32_t Style() const noexcept { return Style_; }
  int16_t IconIndex() const noexcept { return IconIndex_; }
  bool Checked() const noexcept { return Checked_; }
  bool Enabled() const noexcept { return Enabled_; }
  const std::string& Caption() const noexcept { return Caption_; }
  const std::string& sKey() const noexcept { return sKey_; }
  bool IsMenu() const noexcept { return Style_ == mitMenu || Style_ == mitMenu2; }

 private:
  int32_t Style_ = 0;
  int16_t IconIndex_ = 0;
  bool Checked_ = false;
  bool Enabled_ = false;
  std::string Caption_;
  std::string sKey_;
};

}  // namespace vorn
