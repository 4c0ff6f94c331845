#pragma once
#include <cstdint>
#include <string>

#include "foundation/Events.h"

namespace vorn {

/// Events of the popup menu (event interface __vornPUMenu); arguments by reference.
class PUMenuEvents {
 public:
  virtual ~PUMenuEvents() = default;
  /// A selectable row was clicked: the item's position in MenuItem and the row's key ("").
  virtual void ItemClick(int16_t& /*ItemIndex*/, std::string& /*ItemKey*/) {}
  /// The popup has gone; MenuVisible is already False.
  virtual void Closed() {}
};

/// The events of __vornPUMenu.
inline constexpr EventTable kPUMenuEvents{
    EventRow<&PUMenuEvents::ItemClick>("ItemClick", 1, kItemParams),
    EventRow<&PUMenuEvents::Closed>("Closed", 2),
};
constexpr const auto& EventsOf(const PUMenuEvents*) { return kPUMenuEvents; }

}  // namespace vorn
