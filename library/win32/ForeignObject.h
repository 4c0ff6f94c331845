#pragma once
// An object from outside the library (a form's ImageList control) that a control holds and uses
// by member name: the members the controls ask of an image list reach the object's own
// IDispatch, and the icons it hands out become pictures the controls can draw.
#include "foundation/Object.h"
#include "library/com/ComTypes.h"

namespace vorn {

/// The library's stand-in for an object from outside: it holds the object's IDispatch.
Ref<Object> WrapForeign(IDispatch* object);
/// The IDispatch of an object from outside behind a stand-in (one reference); null for the
/// library's own objects.
IDispatch* ForeignDispatchOf(const Object& object);

}  // namespace vorn
