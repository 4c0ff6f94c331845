#pragma once
#include "foundation/Object.h"
#include "foundation/Variant.h"

namespace vorn {

/// Walks a collection in order, as a host's for-each loop does (what a NewEnum member returns).
class Enumerator : public Object {
 public:
  /// The next item, or false at the end.
  virtual bool Next(Variant& item) = 0;
  virtual void Reset() = 0;
  /// Skips up to count items; false when the end came first.
  virtual bool Skip(uint32_t count) {
    Variant v;
    for (uint32_t i = 0; i < count; ++i) {
      if (!Next(v)) return false;
    }
    return true;
  }
  /// An independent enumerator at the same place.
  virtual Ref<Enumerator> Clone() const = 0;
};

}  // namespace vorn
