#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "foundation/Variant.h"

namespace vorn {

using DispId = int32_t;
constexpr DispId kDispIdValue = 0;
constexpr DispId kDispIdNewEnum = -4;
constexpr DispId kDispIdFont = -512;

/// Invocation kinds, with the bit values automation gives them.
enum DispatchFlags : uint16_t { kMethod = 1, kGet = 2, kLet = 4, kSet = 8 };

/// A literal default of an optional parameter.
struct DefaultValue {
  enum Kind : uint8_t { None, Int, Bool, Str } kind = None;
  int32_t i = 0;
  std::string_view s{};
  Variant ToVariant() const;
};
constexpr DefaultValue NoDefault() { return {}; }
constexpr DefaultValue DefInt(int32_t v) { return {DefaultValue::Int, v, {}}; }
constexpr DefaultValue DefBool(bool v) { return {DefaultValue::Bool, v ? -1 : 0, {}}; }
constexpr DefaultValue DefStr(std::string_view v) { return {DefaultValue::Str, 0, v}; }

struct ParamInfo {
  std::string_view name;
  std::string_view type;  // automation type name: "Long", "String", "Variant", "eItemType", ...
  bool optional = false;
  DefaultValue def{};
  bool byRef = true;
};

struct MemberInfo;
struct PropertyTable;
using InvokeFn = Variant (*)(Object& self, const MemberInfo& member, uint16_t flags, std::span<Variant> args);

/// One member of a class's automation interface: the single place a member is declared.
struct MemberInfo {
  std::string_view name;
  DispId id;
  uint16_t access;        // DispatchFlags the member answers
  std::string_view type;  // property type or method result type ("" for none)
  std::span<const ParamInfo> params{};
  InvokeFn invoke = nullptr;
  bool hidden = false;
  bool field = false;  // a public field rather than a property procedure
  std::string_view category{};  // the property browser's category ("" for none)
};

struct EventInfo {
  std::string_view name;
  DispId id;
  std::span<const ParamInfo> params{};
};

/// The member table of a class: its name, members in slot order and events in identifier order;
/// for a control also the property table the members come from (foundation/PropertyTable.h).
struct ClassInfo {
  std::string_view name;
  std::span<const MemberInfo> members;
  std::span<const EventInfo> events{};
  const PropertyTable* properties = nullptr;

  const MemberInfo* Find(std::string_view memberName) const noexcept;  // case-insensitive
  const MemberInfo* Find(DispId id) const noexcept;
  const EventInfo* FindEvent(DispId id) const noexcept;
};

bool NamesEqual(std::string_view a, std::string_view b) noexcept;

}  // namespace vorn
