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

/// Forwards the typed events to a connection point's generic sinks with their identifiers.
class PUMenuEventsDispatch final : public PUMenuEvents {
 public:
  explicit PUMenuEventsDispatch(ConnectionPoint& cp) : cp_(cp) {}
  void ItemClick(int16_t& index, std::string& key) override { cp_.Fire(1, index, key); }
  void Closed() override { cp_.Fire(2); }

 private:
  ConnectionPoint& cp_;
};

}  // namespace vorn
