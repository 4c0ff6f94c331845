#pragma once
// Whose COM types the library's objects are built on. On Windows they are Windows' own (windows.h
// with C-style interfaces, BSTR in UTF-16); on Linux hosts they are the library's C interface
// (vornbutton2.h, BSTR in UTF-8). The objects in library/com are written once against the names
// below; the few places where the two differ in substance are the functions of ComPlatform.h.
//
// A translation unit that includes this header must not include foundation/Platform.h (nor
// Control.h, ControlSite.h, Surface.h, DeviceContext.h): those name constants after the window
// system's macros. Steps that need a control go through ControlLifecycle.h.
#ifdef _WIN32
#ifndef CINTERFACE
#define CINTERFACE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <ocidl.h>
#include <olectl.h>

#define VORN_COM_CALL STDMETHODCALLTYPE

namespace vorn {
using ComRefIid = REFIID;
using ComCount = ULONG;  // reference counts, element counts of enumerators
using ComLcid = LCID;
using ComUint = UINT;
using ComBool = BOOL;
using ComCookie = DWORD;
using ComNames = LPOLESTR*;
using ComTypeInfoOut = ITypeInfo**;
using ComContainerOut = IConnectionPointContainer**;
using ComEnumConnectionsOut = IEnumConnections**;
using ComEnumPointsOut = IEnumConnectionPoints**;
inline const IID& IidArg(const IID& iid) noexcept { return iid; }
inline bool IsIid(REFIID riid, const IID& iid) noexcept { return IsEqualIID(riid, iid) != 0; }
inline const IID* IidPointer(REFIID riid) noexcept { return &riid; }
}  // namespace vorn

#else
#include "library/vornbutton2.h"

#define VORN_COM_CALL

namespace vorn {
using ComRefIid = const IID*;
using ComCount = uint32_t;
using ComLcid = uint32_t;
using ComUint = uint32_t;
using ComBool = int32_t;
using ComCookie = uint32_t;
using ComNames = const char**;
using ComTypeInfoOut = void**;
using ComContainerOut = void**;
using ComEnumConnectionsOut = void**;
using ComEnumPointsOut = void**;
inline const IID* IidArg(const IID& iid) noexcept { return &iid; }
bool IsIid(const IID* riid, const IID& iid) noexcept;
inline const IID* IidPointer(const IID* riid) noexcept { return riid; }
}  // namespace vorn
#endif
