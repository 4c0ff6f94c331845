#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "foundation/MemberBinding.h"

namespace vorn {

/// The generic event sink: receives an event as its dispatch identifier and its arguments,
/// all by reference (a sink may change them; the control reads them back).
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void OnEvent(Object& source, DispId id, std::span<Variant> args) = 0;
};

/// A control's connection point: the generic sinks advised on it.
class ConnectionPoint {
 public:
  explicit ConnectionPoint(Object& owner) : owner_(owner) {}

  /// Adds a sink; returns the cookie for Unadvise (never 0).
  uint32_t Advise(EventSink& sink);
  void Unadvise(uint32_t cookie);
  bool HasSinks() const noexcept { return !sinks_.empty(); }

  /// Raises an event to every sink with the arguments by reference.
  template <class... A>
  void Fire(DispId id, A&... args) {
    if (sinks_.empty()) return;
    std::array<Variant, sizeof...(A)> vs{VariantTraits<std::remove_cv_t<A>>::To(args)...};
    Deliver(id, vs);
    std::size_t i = 0;
    ((ReadBack(vs[i++], args)), ...);
  }

 private:
  template <class T>
  static void ReadBack(const Variant& v, T& target) {
    try {
      target = VariantTraits<T>::From(v);
    } catch (const RuntimeError&) {
      // A sink that stored a value of another type leaves the argument as it was.
    }
  }
  void Deliver(DispId id, std::span<Variant> args);

  struct Entry {
    uint32_t cookie;
    EventSink* sink;
  };
  Object& owner_;
  std::vector<Entry> sinks_;
  uint32_t nextCookie_ = 1;
};

}  // namespace vorn
