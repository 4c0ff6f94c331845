#pragma once
#include "foundation/RuntimeError.h"

namespace vorn {

/// Runs one statement of a routine that skips a failing statement and goes on with the next
/// (window setup, image-list access, a popup's opening steps): a run-time error ends only it.
template <class F>
void SkipOnError(F&& statement) {
  try {
    statement();
  } catch (const RuntimeError&) {
  }
}

}  // namespace vorn
