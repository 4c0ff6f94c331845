#pragma once
#include <cstdint>
#include <string>

#include "foundation/Events.h"

namespace vorn {

/// Events of the toolbar (event interface __vornToolbar); arguments by reference. ItemIndex is
/// the toolbar's own HotItem (ItemClicked) or MenuOwner (MenuItemClicked), so a handler that
/// assigns to it changes that member.
class ToolbarEvents {
 public:
  virtual ~ToolbarEvents() = default;
  /// The left button was released after a press on the toolbar, with an item hot.
  virtual void ItemClicked(int16_t& /*ItemIndex*/, std::string& /*ItemKey*/) {}
  /// An entry of an item's drop-down menu was chosen: the item, then the entry's position in
  /// the item's list and the key the menu reports (always "").
  virtual void MenuItemClicked(int16_t& /*ItemIndex*/, std::string& /*ItemKey*/, int16_t& /*MenuItemIndex*/,
                               std::string& /*MenuItemKey*/) {}
};

/// The events of __vornToolbar.
inline constexpr ParamInfo kMenuItemClickedParams[] = {
    {"ItemIndex", "Integer"}, {"ItemKey", "String"}, {"MenuItemIndex", "Integer"}, {"MenuItemKey", "String"}};
inline constexpr EventTable kToolbarEvents{
    EventRow<&ToolbarEvents::ItemClicked>("ItemClicked", 1, kItemParams),
    EventRow<&ToolbarEvents::MenuItemClicked>("MenuItemClicked", 2, kMenuItemClickedParams),
};
constexpr const auto& EventsOf(const ToolbarEvents*) { return kToolbarEvents; }

}  // namespace vorn
