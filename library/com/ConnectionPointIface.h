#pragma once
#include "library/com/ComObject.h"

namespace vorn {

/// The control's one connection point, made on first request (it holds the control's wrapper);
/// its reference count is raised.
IConnectionPoint* ConnectionPointFor(DispatchObject& control);

}  // namespace vorn
