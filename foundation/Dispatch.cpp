#include "foundation/Dispatch.h"

#include "foundation/RuntimeError.h"

namespace vorn {

Variant InvokeMember(Object& obj, const MemberInfo& m, uint16_t flags, std::span<Variant> args) {
  if (flags & (kLet | kSet)) {
    const uint16_t put = flags & (kLet | kSet);
    if (!(m.access & put)) Raise(errNotSupported);
    return m.invoke(obj, m, put, args);
  }
  if (m.access & kMethod) return m.invoke(obj, m, kMethod, args);
  if (!(m.access & kGet)) Raise(errNotSupported);
  if (m.params.empty() && !args.empty()) {
    // obj.Prop(args): read the property, then index its value through its default member.
    Variant value = m.invoke(obj, m, kGet, {});
    Object* inner = value.ObjectValue();
    if (!inner) Raise(value.IsObject() ? errObjectRequired : errWrongArgumentCount);
    Ref<Object> keep(inner);
    return InvokeMember(*inner, kDispIdValue, kGet | kMethod, args);
  }
  return m.invoke(obj, m, kGet, args);
}

Variant InvokeMember(Object& obj, std::string_view name, uint16_t flags, std::span<Variant> args) {
  const MemberInfo* m = obj.Class().Find(name);
  if (!m) Raise(errNotSupported);
  return InvokeMember(obj, *m, flags, args);
}

Variant InvokeMember(Object& obj, DispId id, uint16_t flags, std::span<Variant> args) {
  const MemberInfo* m = obj.Class().Find(id);
  if (!m) Raise(errNotSupported);
  return InvokeMember(obj, *m, flags, args);
}

Variant GetMember(Object& obj, std::string_view name) { return InvokeMember(obj, name, kGet, {}); }

Variant GetMember(Object& obj, std::string_view name, Variant arg) {
  return InvokeMember(obj, name, kGet | kMethod, std::span<Variant>(&arg, 1));
}

void LetMember(Object& obj, std::string_view name, Variant value) {
  InvokeMember(obj, name, kLet, std::span<Variant>(&value, 1));
}

void SetMember(Object& obj, std::string_view name, Variant value) {
  InvokeMember(obj, name, kSet, std::span<Variant>(&value, 1));
}

}  // namespace vorn
