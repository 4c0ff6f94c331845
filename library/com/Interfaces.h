#pragma once
// The shared interfaces' function tables and the tests that say which objects answer them, for
// the platforms' lists of interfaces (ObjectInterfaces).
#include "library/com/ComObject.h"

namespace vorn {

extern const IDispatchVtbl kDispatchVtbl;
extern const IConnectionPointContainerVtbl kConnectionPointContainerVtbl;

/// Controls answer IConnectionPointContainer.
bool AnswersConnectionPoints(const DispatchObject& object, const IID& iid);

/// A class factory for one creatable control class; one reference.
IClassFactory* NewClassFactory(const LibraryClass& cls);

}  // namespace vorn
