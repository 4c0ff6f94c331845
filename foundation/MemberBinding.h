#pragma once
// Templates that turn C++ accessors and methods into the invoke functions of a member table,
// converting Variant arguments as automation does and writing by-reference arguments back.
#include <cstddef>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "foundation/MemberTable.h"
#include "foundation/RuntimeError.h"

namespace vorn {

template <class T>
struct VariantTraits;

template <>
struct VariantTraits<int16_t> {
  static int16_t From(const Variant& v) { return v.ToInteger(); }
  static Variant To(int16_t x) { return Variant(x); }
};
template <>
struct VariantTraits<int32_t> {
  static int32_t From(const Variant& v) { return v.ToLong(); }
  static Variant To(int32_t x) { return Variant(x); }
};
template <>
struct VariantTraits<uint32_t> {  // Color
  static uint32_t From(const Variant& v) { return v.ToColor(); }
  static Variant To(uint32_t x) { return Variant::FromColor(x); }
};
template <>
struct VariantTraits<float> {
  static float From(const Variant& v) { return v.ToSingle(); }
  static Variant To(float x) { return Variant(x); }
};
template <>
struct VariantTraits<double> {
  static double From(const Variant& v) { return v.ToDouble(); }
  static Variant To(double x) { return Variant(x); }
};
template <>
struct VariantTraits<bool> {
  static bool From(const Variant& v) { return v.ToBool(); }
  static Variant To(bool x) { return Variant(x); }
};
template <>
struct VariantTraits<std::string> {
  static std::string From(const Variant& v) { return v.ToString(); }
  static Variant To(const std::string& x) { return Variant(x); }
};
template <>
struct VariantTraits<Variant> {
  static Variant From(const Variant& v) { return v; }
  static Variant To(const Variant& x) { return x; }
};
template <class T>
struct VariantTraits<Ref<T>> {
  static Ref<T> From(const Variant& v) {
    Ref<Object> o = v.ToObject();
    if (!o) return Ref<T>();
    if constexpr (std::is_same_v<T, Object>) {
      return o;
    } else {
      Ref<T> t = RefCast<T>(o);
      if (!t) Raise(errTypeMismatch);
      return t;
    }
  }
  static Variant To(const Ref<T>& x) { return Variant(Ref<Object>(x.get())); }
};

namespace binding {

template <class F>
struct FnTraits;
template <class C, class R, class... A>
struct FnTraits<R (C::*)(A...)> {
  using Class = C;
  using Ret = R;
  using Args = std::tuple<A...>;
};
template <class C, class R, class... A>
struct FnTraits<R (C::*)(A...) const> {
  using Class = const C;
  using Ret = R;
  using Args = std::tuple<A...>;
};

template <class A>
using Stored = std::remove_cvref_t<A>;

template <class A>
constexpr bool kByRef = std::is_lvalue_reference_v<A> && !std::is_const_v<std::remove_reference_t<A>>;

template <class D>
D ArgAt(const MemberInfo& m, std::span<Variant> args, std::size_t i) {
  if (i < args.size() && !args[i].IsMissing()) return VariantTraits<D>::From(args[i]);
  if (i < m.params.size() && m.params[i].optional) {
    if (m.params[i].def.kind == DefaultValue::None) return D{};
    return VariantTraits<D>::From(m.params[i].def.ToVariant());
  }
  Raise(errArgumentNotOptional);
}

template <auto Fn, std::size_t... I>
Variant CallMethod(Object& self, [[maybe_unused]] const MemberInfo& m, [[maybe_unused]] std::span<Variant> args,
                   std::index_sequence<I...>) {
  using T = FnTraits<decltype(Fn)>;
  using Args = typename T::Args;
  auto& obj = static_cast<typename T::Class&>(self);
  std::tuple<Stored<std::tuple_element_t<I, Args>>...> vals{
      ArgAt<Stored<std::tuple_element_t<I, Args>>>(m, args, I)...};
  Variant result;
  if constexpr (std::is_void_v<typename T::Ret>) {
    (obj.*Fn)(std::get<I>(vals)...);
  } else {
    result = VariantTraits<Stored<typename T::Ret>>::To((obj.*Fn)(std::get<I>(vals)...));
  }
  // By-reference arguments go back to the caller's variants.
  (
      [&] {
        if constexpr (kByRef<std::tuple_element_t<I, Args>>) {
          if (I < args.size() && !args[I].IsMissing()) {
            args[I] = VariantTraits<Stored<std::tuple_element_t<I, Args>>>::To(std::get<I>(vals));
          }
        }
      }(),
      ...);
  return result;
}

}  // namespace binding

/// Invoke function of a method (or of a get with parameters, such as a collection's Item).
template <auto Fn>
Variant MethodThunk(Object& self, const MemberInfo& m, uint16_t, std::span<Variant> args) {
  using Args = typename binding::FnTraits<decltype(Fn)>::Args;
  constexpr std::size_t n = std::tuple_size_v<Args>;
  if (args.size() > n) Raise(errWrongArgumentCount);
  return binding::CallMethod<Fn>(self, m, args, std::make_index_sequence<n>{});
}

/// Invoke function of a property: getter, let and set-by-reference (nullptr where absent).
template <auto Getter, auto Letter = nullptr, auto Setter = nullptr>
Variant PropertyThunk(Object& self, const MemberInfo& m, uint16_t flags, std::span<Variant> args) {
  if (flags & (kGet | kMethod)) {
    if constexpr (!std::is_null_pointer_v<decltype(Getter)>) {
      if (!args.empty()) Raise(errWrongArgumentCount);
      return binding::CallMethod<Getter>(self, m, args, std::make_index_sequence<0>{});
    }
  } else if (flags & kLet) {
    if constexpr (!std::is_null_pointer_v<decltype(Letter)>) {
      if (args.size() != 1) Raise(errWrongArgumentCount);
      return binding::CallMethod<Letter>(self, m, args, std::make_index_sequence<1>{});
    }
  } else if (flags & kSet) {
    if constexpr (!std::is_null_pointer_v<decltype(Setter)>) {
      if (args.size() != 1) Raise(errWrongArgumentCount);
      return binding::CallMethod<Setter>(self, m, args, std::make_index_sequence<1>{});
    }
  }
  Raise(errNotSupported);
}

/// Invoke function of a public field (get and let or set, no logic).
template <class C, class T, T C::*Field>
Variant FieldThunk(Object& self, const MemberInfo&, uint16_t flags, std::span<Variant> args) {
  C& obj = static_cast<C&>(self);
  if (flags & (kGet | kMethod)) {
    if (!args.empty()) Raise(errWrongArgumentCount);
    return VariantTraits<T>::To(obj.*Field);
  }
  if (args.size() != 1) Raise(errWrongArgumentCount);
  obj.*Field = VariantTraits<T>::From(args[0]);
  return Variant();
}

}  // namespace vorn
