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

/// Forwards the typed events to a connection point's generic sinks with their identifiers.
class ToolbarEventsDispatch final : public ToolbarEvents {
 public:
  explicit ToolbarEventsDispatch(ConnectionPoint& cp) : cp_(cp) {}
  void ItemClicked(int16_t& index, std::string& key) override { cp_.Fire(1, index, key); }
  void MenuItemClicked(int16_t& index, std::string& key, int16_t& menuIndex, std::string& menuKey) override {
    cp_.Fire(2, index, key, menuIndex, menuKey);
  }

 private:
  ConnectionPoint& cp_;
};

}  // namespace vorn
