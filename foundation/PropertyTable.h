#pragma once
// A control's property table: one row per member of its automation interface, in slot order. A
// property row also says where the value lives, its bag name and default, and what a change of it
// asks of the control. InitProperties, ReadProperties and WriteProperties, the member table that
// dispatch and the type library read, and every let that only stores, marks and repaints come from
// the rows; a member with behaviour of its own names its own accessors.
//
// The persisted rows are read and written in row order: for every control the bag's order is the
// slot order.
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <type_traits>

#include "foundation/Control.h"
#include "foundation/MemberBinding.h"
#include "foundation/PropertyBag.h"

namespace vorn {

/// What a control does after a let has stored a value and marked it changed.
enum class Change : uint8_t {
  None,      // stored only
  Repaint,   // the control's complete repaint
  Relayout,  // the size rule of the control, which repaints
  Recolour,  // a new scheme from the colours and the state, then the repaint
};

/// The property browser's categories.
inline constexpr std::string_view kLook = "Darstellung";
inline constexpr std::string_view kBehaviour = "Verhalten";
inline constexpr std::string_view kFontCategory = "Schriftart";
inline constexpr std::string_view kMisc = "Verschiedenes";

/// A property's default as the bag is given it, with the Variant type it has there.
struct BagDefault {
  enum Kind : uint8_t { Nothing, Integer, Long, Boolean, Text, AmbientFont, AmbientName } kind = Nothing;
  int32_t number = 0;
  std::string_view text{};

  Variant ToVariant(ControlSite& site) const;
};

namespace bag {
constexpr BagDefault Integer(int16_t v) { return {BagDefault::Integer, v}; }
constexpr BagDefault Long(int32_t v) { return {BagDefault::Long, v}; }
constexpr BagDefault Colour(Color c) { return {BagDefault::Long, static_cast<int32_t>(c)}; }
constexpr BagDefault Boolean(bool v) { return {BagDefault::Boolean, v ? 1 : 0}; }
constexpr BagDefault Text(std::string_view v) { return {BagDefault::Text, 0, v}; }
inline constexpr BagDefault Nothing{BagDefault::Nothing};
inline constexpr BagDefault AmbientFont{BagDefault::AmbientFont};  // the host's ambient font
inline constexpr BagDefault AmbientName{BagDefault::AmbientName};  // the control's name in its form
}  // namespace bag

/// Where a property's value lives, with its conversions: a field of the control, or the surface's
/// own Enabled or Font.
struct PropertySlot {
  enum Kind : uint8_t { None, Field, SurfaceEnabled, SurfaceFont } kind = None;
  Variant (*get)(const Control&) = nullptr;
  /// The let (or set): converts as automation does; a font cannot be Nothing.
  void (*put)(Control&, const Variant&) = nullptr;
  /// One bag entry: a value of the wrong type is reported to the bag and the default kept; a stored
  /// Nothing for a font keeps the ambient font.
  void (*read)(Control&, PropertyBag&, std::string_view name, const Variant& def) = nullptr;
  /// The field, by which the C++ setters find their row.
  const void* (*address)(const Control&) = nullptr;
  bool byReference = false;  // objects and fonts are set by reference, all else let
};

/// One member of a control's interface; for a property also its slot, bag entry and change.
struct PropertyRow {
  MemberInfo member;
  PropertySlot slot{};
  std::string_view bag{};  // "" for members the bag does not hold
  BagDefault def{};
  Change change = Change::None;
};

/// A control's rows; what Repaint, Relayout and Recolour mean for it (null where no row asks); and
/// what its InitProperties, and its ReadProperties and WriteProperties, end with.
struct PropertyTable {
  std::span<const PropertyRow> rows;
  void (*repaint)(Control&) = nullptr;
  void (*relayout)(Control&) = nullptr;
  void (*recolour)(Control&) = nullptr;
  void (*initialised)(Control&) = nullptr;
  void (*stored)(Control&) = nullptr;
};

/// The invoke function of the properties whose let the table makes.
Variant InvokeProperty(Object& self, const MemberInfo& member, uint16_t flags, std::span<Variant> args);

/// Every stored property to its default, in row order; the surface's Enabled stays as the host
/// made it (enabled).
void InitStoredProperties(Control& control);
/// Every stored property from the bag, in row order.
void ReadStoredProperties(Control& control, PropertyBag& bag);
/// Every stored property to the bag, in row order, each with its default.
void WriteStoredProperties(Control& control, PropertyBag& bag);

namespace slot {

template <class T, class C>
C OwnerOf(T C::*);

template <auto M, auto... More, class O>
auto& Reach(O& owner) {
  if constexpr (sizeof...(More) == 0) {
    return owner.*M;
  } else {
    return Reach<More...>(owner.*M);
  }
}

template <class T>
T FromLet(const Variant& v) {
  T value = VariantTraits<T>::From(v);
  if constexpr (std::is_same_v<T, Ref<Font>>) {
    if (!value) Raise(errInvalidProcedureCall, "Font cannot be Nothing");
  }
  return value;
}

template <class T>
T FromBag(PropertyBag& bag, std::string_view name, const Variant& def) {
  if constexpr (std::is_same_v<T, Ref<Font>>) {
    const Ref<Font> ambient = VariantTraits<Ref<Font>>::From(def);
    return ReadPropertyAs<Ref<Font>>(bag, name, def, [&](const Variant& v) {
      Ref<Font> f = VariantTraits<Ref<Font>>::From(v);
      return f ? f : ambient;
    });
  } else {
    return ReadPropertyAs<T>(bag, name, def, [](const Variant& v) { return VariantTraits<T>::From(v); });
  }
}

/// A field of the control, or a field of one of its members (Path = &C::member_, &M::field).
template <auto First, auto... More>
struct FieldOps {
  using C = decltype(OwnerOf(First));
  static const auto& Of(const Control& c) { return Reach<First, More...>(static_cast<const C&>(c)); }
  static auto& Of(Control& c) { return Reach<First, More...>(static_cast<C&>(c)); }
  using T = std::remove_cvref_t<decltype(Of(std::declval<Control&>()))>;

  static Variant Get(const Control& c) { return VariantTraits<T>::To(Of(c)); }
  static void Put(Control& c, const Variant& v) { Of(c) = FromLet<T>(v); }
  static void Read(Control& c, PropertyBag& bag, std::string_view name, const Variant& def) {
    Of(c) = FromBag<T>(bag, name, def);
  }
  static const void* Address(const Control& c) { return &Of(c); }
};

Variant GetEnabled(const Control& c);
void PutEnabled(Control& c, const Variant& v);
void ReadEnabled(Control& c, PropertyBag& bag, std::string_view name, const Variant& def);
Variant GetFont(const Control& c);
void PutFont(Control& c, const Variant& v);
void ReadFont(Control& c, PropertyBag& bag, std::string_view name, const Variant& def);

}  // namespace slot

template <auto... Path>
constexpr PropertySlot Field() {
  using Ops = slot::FieldOps<Path...>;
  using T = typename Ops::T;
  constexpr bool byRef = std::is_same_v<T, Ref<Object>> || std::is_same_v<T, Ref<Font>>;
  return {PropertySlot::Field, &Ops::Get, &Ops::Put, &Ops::Read, &Ops::Address, byRef};
}
inline constexpr PropertySlot SurfaceEnabled{PropertySlot::SurfaceEnabled, &slot::GetEnabled, &slot::PutEnabled,
                                             &slot::ReadEnabled};
inline constexpr PropertySlot SurfaceFont{PropertySlot::SurfaceFont, &slot::GetFont, &slot::PutFont, &slot::ReadFont,
                                          nullptr, true};

/// A stored property whose accessors are its own, for a let that does more than store, mark and
/// change; the change is the one Let gives when the accessor ends with it.
constexpr PropertyRow OwnProperty(std::string_view name, DispId id, std::string_view type, InvokeFn accessors,
                                  PropertySlot slot, std::string_view bagName, BagDefault def, Change change,
                                  std::string_view category = {}) {
  const uint16_t access = slot.byReference ? kGet | kSet : kGet | kLet;
  return {{name, id, access, type, {}, accessors, false, false, category}, slot, bagName, def, change};
}

/// A property whose let the table makes.
constexpr PropertyRow Property(std::string_view name, DispId id, std::string_view type, PropertySlot slot,
                               std::string_view bagName, BagDefault def, Change change,
                               std::string_view category = {}) {
  return OwnProperty(name, id, type, &InvokeProperty, slot, bagName, def, change, category);
}

/// A method, a public field or a property the bag does not hold: a member and nothing more.
constexpr PropertyRow Member(MemberInfo member) { return {member}; }

/// The member table of the rows, for ClassInfo.
template <std::size_t N>
constexpr std::array<MemberInfo, N> MemberTable(const std::array<PropertyRow, N>& rows) {
  std::array<MemberInfo, N> members{};
  for (std::size_t i = 0; i < N; ++i) members[i] = rows[i].member;
  return members;
}

/// Sets of rows one after the other (shared sets and a control's own).
template <std::size_t... N>
constexpr std::array<PropertyRow, (N + ...)> JoinRows(const std::array<PropertyRow, N>&... sets) {
  std::array<PropertyRow, (N + ...)> rows{};
  std::size_t i = 0;
  ((std::copy(sets.begin(), sets.end(), rows.begin() + i), i += N), ...);
  return rows;
}

/// A control's rows followed by members and nothing more (a collection's, for one).
template <std::size_t N, std::size_t M>
constexpr std::array<PropertyRow, N + M> JoinRows(const std::array<PropertyRow, N>& a,
                                                  const std::array<MemberInfo, M>& members) {
  std::array<PropertyRow, M> b{};
  for (std::size_t i = 0; i < M; ++i) b[i] = Member(members[i]);
  return JoinRows(a, b);
}

/// A control's no-argument member function as a change of its table.
template <auto F>
void Call(Control& c) {
  (static_cast<decltype(slot::OwnerOf(F))&>(c).*F)();
}

}  // namespace vorn
