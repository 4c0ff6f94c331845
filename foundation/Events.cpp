#include "foundation/Events.h"

#include <algorithm>

namespace vorn {

uint32_t ConnectionPoint::Advise(EventSink& sink) {
  sinks_.push_back({nextCookie_, &sink});
  return nextCookie_++;
}

void ConnectionPoint::Unadvise(uint32_t cookie) {
  std::erase_if(sinks_, [cookie](const Entry& e) { return e.cookie == cookie; });
}

void ConnectionPoint::Deliver(DispId id, std::span<Variant> args) {
  // By index: a sink may advise or unadvise while it handles the event.
  for (std::size_t i = 0; i < sinks_.size(); ++i) sinks_[i].sink->OnEvent(owner_, id, args);
}

}  // namespace vorn
