#pragma once
// The seam between the library's COM objects and the platform they run on. Each platform
// implements these once (library/linux, library/win32); everything else in library/com is shared.
#include <span>
#include <string>
#include <string_view>

#include "foundation/RuntimeError.h"
#include "foundation/Variant.h"
#include "library/com/ComObject.h"

namespace vorn {

// ---- strings and variants -------------------------------------------------------------------

/// A new BSTR holding UTF-8 text (UTF-16 on Windows, UTF-8 on Linux hosts).
BSTR NewBstr(std::string_view utf8);
/// The UTF-8 text of a BSTR (a null BSTR is "").
std::string BstrText(const BSTR text);
void FreeBstr(BSTR text) noexcept;
void InitVariant(VARIANT& v) noexcept;
void ClearVariant(VARIANT& v) noexcept;
/// Name i of the names a caller of GetIDsOfNames passed, as UTF-8 (false for a null name).
bool NameAt(ComNames names, ComUint i, std::string& out);
/// A value of a VARTYPE the shared conversion does not know (by-reference ones already read
/// through): converted as the platform's automation runtime converts it, or Type mismatch.
Variant FromOtherVariant(const VARIANT& v);
/// An object from outside this library passed as an argument: a Variant the library can use,
/// or Type mismatch.
Variant FromForeignObject(IUnknown* unknown);
/// The caller's own object behind what FromForeignObject made of it (one reference), so that it
/// goes back to the caller as itself; null for the library's own objects.
IDispatch* OriginalDispatch(const Object& object);

// ---- errors ---------------------------------------------------------------------------------

/// Forgets the error information of the last call on this thread (every call starts with it).
void ClearErrorInfo() noexcept;
/// The result of a member that failed with a run-time error; records the error information
/// and fills excep (when given) as automation reports errors on this platform.
HRESULT ErrorResult(const RuntimeError& e, EXCEPINFO* excep);

// ---- the objects ----------------------------------------------------------------------------

/// The interfaces the library's objects answer beside IDispatch, in the order they are asked.
std::span<const InterfaceEntry> ObjectInterfaces() noexcept;
/// What a control does when it is used before any host placed it: nothing on Linux (it waits for
/// SetSite); on Windows it starts on a site of its own, as a container's InitNew would start it.
void StartWithoutSite(DispatchObject& control);
/// A connection point of a control besides the one of its events (Windows: property change
/// notifications); CONNECT_E_NOCONNECTION where the platform has none.
HRESULT OtherConnectionPoint(DispatchObject& control, ComRefIid riid, IConnectionPoint** point);
/// IDispatch::GetTypeInfoCount and GetTypeInfo.
ComUint TypeInfoCount(const DispatchObject& object) noexcept;
HRESULT TypeInfoOf(const DispatchObject& object, ComUint index, ComTypeInfoOut info);

}  // namespace vorn
