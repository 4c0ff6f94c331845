#include "foundation/MemberTable.h"

#include <strings.h>

namespace vorn {

Variant DefaultValue::ToVariant() const {
  switch (kind) {
    case Int: return Variant(i);
    case Bool: return Variant(i != 0);
    case Str: return Variant(s);
    case None: break;
  }
  return Variant::Missing();
}

bool NamesEqual(std::string_view a, std::string_view b) noexcept {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

const MemberInfo* ClassInfo::Find(std::string_view memberName) const noexcept {
  for (const MemberInfo& m : members) {
    if (NamesEqual(m.name, memberName)) return &m;
  }
  return nullptr;
}

const MemberInfo* ClassInfo::Find(DispId id) const noexcept {
  for (const MemberInfo& m : members) {
    if (m.id == id) return &m;
  }
  return nullptr;
}

const EventInfo* ClassInfo::FindEvent(DispId id) const noexcept {
  for (const EventInfo& e : events) {
    if (e.id == id) return &e;
  }
  return nullptr;
}

}  // namespace vorn
