// The registry records of the DLL, one list for DllRegisterServer, DllUnregisterServer and the
// installer. Plain C++: the build machine prints it for the installer (tools/win32-registry).
#include <cstdio>
#include <string>
#include <string_view>

#include "library/TypeLibraryIdl.h"
#include "library/win32/Registration.h"

namespace vorn {

namespace {

// OLEMISC_ bits, by their values in oleidl.h (not included here).
constexpr uint32_t kRecomposeOnResize = 0x1;
constexpr uint32_t kCantLinkInside = 0x10;
constexpr uint32_t kInsideOut = 0x80;
constexpr uint32_t kActivateWhenVisible = 0x100;
constexpr uint32_t kSetClientSiteFirst = 0x20000;

// The system's marshallers: the automation marshaller for dual interfaces, IDispatch's own for
// dispinterfaces (the event interfaces).
constexpr const char* kDualProxyStub = "{00020424-0000-0000-C000-000000000046}";
constexpr const char* kDispatchProxyStub = "{00020420-0000-0000-C000-000000000046}";

std::string Version() {
  const TypeLibraryInfo& lib = TypeLibrary();
  return std::to_string(lib.majorVersion) + "." + std::to_string(lib.minorVersion);
}

}  // namespace

uint32_t MiscStatusOf(const LibraryClass&) noexcept {
  return kRecomposeOnResize | kCantLinkInside | kInsideOut | kActivateWhenVisible | kSetClientSiteFirst;
}

const char* SysKindName(DllArchitecture arch) noexcept { return arch == DllArchitecture::X86 ? "win32" : "win64"; }

std::string TypeLibraryVersionKey() { return "TypeLib\\" + GuidToString(*TypeLibrary().libid) + "\\" + Version(); }

std::vector<RegistryRecord> RegistryRecords(DllArchitecture arch, const std::string& module) {
  const TypeLibraryInfo& lib = TypeLibrary();
  const std::string libid = GuidToString(*lib.libid);
  const std::string version = Version();
  std::vector<RegistryRecord> out;
  const auto value = [&](const std::string& key, const std::string& name, const std::string& data) {
    out.push_back({key, name, data});
  };
  for (const LibraryClass& c : lib.classes) {
    if (c.kind != ClassKind::Control) continue;
    const std::string clsid = GuidToString(*c.clsid);
    const std::string name(c.name);
    const std::string progId = ProgIdOf(c);
    const std::string key = "CLSID\\" + clsid;
    value(progId, "", name);
    value(progId + "\\CLSID", "", clsid);
    value(key, "", name);
    value(key + "\\InprocServer32", "", module);
    value(key + "\\InprocServer32", "ThreadingModel", "Apartment");
    value(key + "\\ProgID", "", progId);
    out.push_back({key + "\\Control", "", "", true});
    value(key + "\\ToolboxBitmap32", "", module + ", " + std::to_string(c.toolboxBitmap));
    value(key + "\\MiscStatus", "", "0");
    value(key + "\\MiscStatus\\1", "", std::to_string(MiscStatusOf(c)));
    value(key + "\\TypeLib", "", libid);
    value(key + "\\Version", "", version);
  }
  const auto iface = [&](const GUID& iid, std::string_view name, const char* proxyStub) {
    const std::string key = "Interface\\" + GuidToString(iid);
    value(key, "", std::string(name));
    value(key + "\\ProxyStubClsid32", "", proxyStub);
    value(key + "\\TypeLib", "", libid);
    value(key + "\\TypeLib", "Version", version);
  };
  for (const LibraryClass& c : lib.classes) {
    iface(*c.defaultIid, c.defaultInterface, kDualProxyStub);
    if (c.eventIid) iface(*c.eventIid, c.eventInterface, kDispatchProxyStub);
  }
  const std::string typeLib = TypeLibraryVersionKey();
  value(typeLib, "", std::string(lib.helpString));
  char lcid[16];  // the locale's key is in hexadecimal, without a prefix
  std::snprintf(lcid, sizeof lcid, "%x", static_cast<unsigned>(kWindowsTypeLibraryLcid));
  value(typeLib + "\\" + lcid + "\\" + SysKindName(arch), "", module);
  value(typeLib + "\\FLAGS", "", "0");
  return out;
}

}  // namespace vorn
