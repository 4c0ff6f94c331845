#pragma once
// A control's events are declared once, as rows of an EventTable: the typed sink's member, the
// event's name and dispatch identifier, and its parameters as the type library gives them. The
// member table (ClassInfo::events), the type library, the IDL, the hosts' event names and the
// identifiers the generic sinks receive all come from those rows; a row whose parameters are not
// those of its member, an identifier out of order, or an event raised without a row does not
// compile.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
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

/// The parameters of the usual key and mouse events, and of an item chosen from a list, shared by
/// the controls' event tables.
inline constexpr ParamInfo kKeyParams[] = {{"KeyCode", "Integer"}, {"Shift", "Integer"}};
inline constexpr ParamInfo kKeyAsciiParams[] = {{"KeyAscii", "Integer"}};
inline constexpr ParamInfo kMouseParams[] = {
    {"Button", "Integer"}, {"Shift", "Integer"}, {"X", "Single"}, {"Y", "Single"}};
inline constexpr ParamInfo kItemParams[] = {{"ItemIndex", "Integer"}, {"ItemKey", "String"}};

namespace events {

/// The automation type an event argument of a C++ type has ("" for none an event may carry).
template <class T>
inline constexpr std::string_view kTypeName{};
template <>
inline constexpr std::string_view kTypeName<int16_t> = "Integer";
template <>
inline constexpr std::string_view kTypeName<int32_t> = "Long";
template <>
inline constexpr std::string_view kTypeName<float> = "Single";
template <>
inline constexpr std::string_view kTypeName<double> = "Double";
template <>
inline constexpr std::string_view kTypeName<bool> = "Boolean";
template <>
inline constexpr std::string_view kTypeName<std::string> = "String";
template <>
inline constexpr std::string_view kTypeName<Variant> = "Variant";

/// Whether the parameters are the member's: as many, each by reference as the member takes it and
/// of the automation type of its C++ type.
template <auto Member>
consteval bool ParamsMatch(std::span<const ParamInfo> params) {
  using Args = typename binding::FnTraits<decltype(Member)>::Args;
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return params.size() == sizeof...(I) &&
           ((params[I].byRef == binding::kByRef<std::tuple_element_t<I, Args>> &&
             params[I].type == kTypeName<binding::Stored<std::tuple_element_t<I, Args>>>) &&
            ...);
  }(std::make_index_sequence<std::tuple_size_v<Args>>{});
}

}  // namespace events

/// One event: the typed sink's member that raises it, its name, its dispatch identifier and its
/// parameters. Parameters that are not the member's stop the build.
template <auto Member>
struct EventRow {
  consteval EventRow(std::string_view name, DispId id, std::span<const ParamInfo> params = {})
      : info{name, id, params} {
    if (!events::ParamsMatch<Member>(params)) throw "an event's parameters must be its sink member's";
  }
  EventInfo info;
};

/// A typed sink's events in identifier order, one row per member. Rows() serves ClassInfo::events;
/// Id<Member>() gives a member's identifier at compile time. Each sink names its table for EventId
/// with an overload `constexpr const auto& EventsOf(const Sink*)` beside it.
template <auto... Members>
class EventTable {
 public:
  consteval EventTable(EventRow<Members>... rows) : rows_{rows.info...} {
    for (std::size_t i = 1; i < rows_.size(); ++i) {
      if (rows_[i].id <= rows_[i - 1].id) throw "events must come in ascending order of their identifiers";
    }
    std::size_t position = 0;
    if (!((IndexOf<Members>() == position++) && ...)) throw "each member of the sink has one row";
  }
  constexpr std::span<const EventInfo> Rows() const noexcept { return rows_; }

  template <auto Member>
  constexpr DispId Id() const noexcept {
    constexpr std::size_t i = IndexOf<Member>();
    static_assert(i < sizeof...(Members), "the sink's member has no row in its event table");
    return rows_[i].id;
  }

 private:
  template <auto Member>
  static consteval std::size_t IndexOf() {
    std::size_t i = 0;
    const bool found = ((std::is_same_v<EventRow<Member>, EventRow<Members>> || (++i, false)) || ...);
    return found ? i : sizeof...(Members);
  }

  std::array<EventInfo, sizeof...(Members)> rows_;
};

/// The dispatch identifier of a typed sink's member, from the sink's event table.
template <auto Member>
constexpr DispId EventId() {
  using Sink = typename binding::FnTraits<decltype(Member)>::Class;
  return EventsOf(static_cast<const Sink*>(nullptr)).template Id<Member>();
}

/// The base through which a control raises the events of its typed sink: to the host's typed sink
/// when one is set, else to the generic sinks of the control's connection point with the identifier
/// of the member's row.
template <class Sink>
class TypedEvents {
 public:
  /// Sets the host's typed sink; null sends the events to the generic sinks again.
  void SetEventSink(Sink* sink) noexcept { sink_ = sink; }

 protected:
  using Events = Sink;
  explicit TypedEvents(ConnectionPoint& cp) noexcept : cp_(cp) {}

  template <auto Member, class... A>
  void RaiseEvent(A&... args) {
    static_assert(std::is_same_v<decltype(Member), void (Sink::*)(A&...)>, "the arguments must be the member's");
    constexpr DispId id = EventId<Member>();
    if (sink_) {
      (sink_->*Member)(args...);
    } else {
      cp_.Fire(id, args...);
    }
  }

 private:
  ConnectionPoint& cp_;
  Sink* sink_ = nullptr;
};

}  // namespace vorn
