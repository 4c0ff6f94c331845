#include "foundation/CollectionEnumerator.h"

#include "foundation/MemberBinding.h"

namespace vorn {

CollectionEnumerator::CollectionEnumerator(Ref<Object> owner, Collection& list)
    : owner_(std::move(owner)), list_(list) {
  // While a walker is registered, removed entries leave their slots in place.
  list_.AddWalker();
}

CollectionEnumerator::~CollectionEnumerator() { list_.RemoveWalker(); }

bool CollectionEnumerator::Next(Variant& Item) {
  Ref<Object> next = NextItem();
  if (!next) return false;
  Item = Variant(std::move(next));
  return true;
}

bool CollectionEnumerator::Skip(int32_t Count) {
  if (Count < 0) Raise(errInvalidProcedureCall, "Skip needs a count of 0 or more");
  for (int32_t i = 0; i < Count; ++i) {
    if (!NextItem()) return false;
  }
  return true;
}

Ref<CollectionEnumerator> CollectionEnumerator::Clone() const {
  auto copy = MakeRef<CollectionEnumerator>(owner_, list_);
  copy->slot_ = slot_;
  return copy;
}

namespace {
const ParamInfo kNextParams[] = {{"Item", "Variant", true}};
const ParamInfo kSkipParams[] = {{"Count", "Long", true, DefInt(1)}};
const MemberInfo kMembers[] = {
    {"Next", 0x60030000, kMethod, "Boolean", kNextParams, &MethodThunk<&CollectionEnumerator::Next>},
    {"Skip", 0x60030001, kMethod, "Boolean", kSkipParams, &MethodThunk<&CollectionEnumerator::Skip>},
    {"Reset", 0x60030002, kMethod, "", {}, &MethodThunk<&CollectionEnumerator::Reset>},
    {"Clone", 0x60030003, kMethod, "Object", {}, &MethodThunk<&CollectionEnumerator::Clone>},
    {"Count", 0x68030000, kGet, "Long", {}, &PropertyThunk<&CollectionEnumerator::get_Count>},
};
const ClassInfo kClass{"Enumerator", kMembers};
}  // namespace

const ClassInfo& CollectionEnumerator::Class() const { return kClass; }

}  // namespace vorn
