#pragma once
#include <span>
#include <string_view>

#include "foundation/MemberTable.h"

namespace vorn {

/// Calls a member of an object by name (case-insensitive) or by dispatch identifier, as a late-bound
/// automation client would: a get with arguments on a property without parameters applies the
/// result's default member to them (so ListImages(i) works). Errors arrive as RuntimeError.
Variant InvokeMember(Object& obj, std::string_view name, uint16_t flags, std::span<Variant> args);
Variant InvokeMember(Object& obj, DispId id, uint16_t flags, std::span<Variant> args);
Variant InvokeMember(Object& obj, const MemberInfo& m, uint16_t flags, std::span<Variant> args);

/// Short forms for the common cases.
Variant GetMember(Object& obj, std::string_view name);
Variant GetMember(Object& obj, std::string_view name, Variant arg);
void LetMember(Object& obj, std::string_view name, Variant value);
void SetMember(Object& obj, std::string_view name, Variant value);

}  // namespace vorn
