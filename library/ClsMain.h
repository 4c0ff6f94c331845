#pragma once
#include "foundation/Object.h"

namespace vorn {

struct ClassInfo;

/// The library's empty class: listed in the type library, with no members, and never created for
/// hosts.
class ClsMain final : public Object {
 public:
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }
};

}  // namespace vorn
