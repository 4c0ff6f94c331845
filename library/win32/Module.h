#pragma once
#include <string>

#include "library/com/ComTypes.h"

namespace vorn {

/// The DLL itself: its handle and its full path (what the registry names).
HMODULE ThisModule() noexcept;
std::wstring ModulePath();
/// The type library embedded in the DLL (resource 1); null with the failure in hr. One reference.
ITypeLib* ModuleTypeLib(HRESULT& hr);

}  // namespace vorn
