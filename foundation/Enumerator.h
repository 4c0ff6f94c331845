#pragma once
#include "foundation/Object.h"
#include "foundation/Variant.h"

namespace vorn {

/// Walks a collection in order, as a host's for-each loop does: what a member with the
/// enumerator identifier returns, and what the automation surface hands out as IEnumVARIANT.
class Enumerator : public Object {
 public:
  /// The next item, or false at the end.
  virtual bool Advance(Variant& item) = 0;
  virtual void Rewind() = 0;
  /// Moves past up to count items; false when the end came first.
  virtual bool Pass(uint32_t count) {
    Variant v;
    for (uint32_t i = 0; i < count; ++i) {
      if (!Advance(v)) return false;
    }
    return true;
  }
  /// An independent enumerator at the same place.
  virtual Ref<Enumerator> Copy() const = 0;
};

}  // namespace vorn
