#pragma once
#include <functional>
#include <string>
#include <vector>

#include "foundation/Events.h"

namespace vorn::test {

/// A generic sink that records events as "Name(arg, ...)" and can run a handler that changes the
/// arguments (as a host's event handler may).
class EventLog final : public EventSink {
 public:
  std::vector<std::string> lines;
  std::function<void(const std::string& name, std::span<Variant> args)> handler;

  void OnEvent(Object& source, DispId id, std::span<Variant> args) override;
  void Clear() { lines.clear(); }
  int Count(const std::string& name) const;
  std::string Joined() const;  // lines separated by "; "
};

}  // namespace vorn::test
