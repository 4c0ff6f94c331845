#pragma once
#include "foundation/RuntimeError.h"

namespace vorn::test {

/// The run-time error number a call raises, or 0 when it raises none.
template <class F>
int ErrorOf(F&& call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace vorn::test
