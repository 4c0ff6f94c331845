#pragma once
// The site of a control that a client created without a container (a script's CreateObject): the
// control works as an automation object, its drawing goes nowhere until a host gives it a window,
// its timers stay still and the window services answer as for a window that is not there.
#include <memory>

#include "foundation/Object.h"
#include "library/TypeLibrary.h"

namespace vorn {

class ControlSite;

struct DetachedControl {
  Ref<Object> control;  // owns its site (Control::AdoptSite)
  ControlSite* site;
};

/// Makes a control of a class on a detached site of the class's default extent; the caller runs
/// Initialize and the rest of the opening sequence.
DetachedControl MakeDetachedControl(const LibraryClass& cls);

}  // namespace vorn
