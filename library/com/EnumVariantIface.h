#pragma once
#include "foundation/Enumerator.h"
#include "library/com/ComTypes.h"

namespace vorn {

/// IEnumVARIANT over an enumerator of the library (a collection's NewEnum); one reference.
IEnumVARIANT* NewEnumVariant(Ref<Enumerator> walker);

}  // namespace vorn
