// The registration entry points of the Linux build, on the library's own registry file, and the
// identifiers of the C interface.
#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "library/TypeLibrary.h"
#include "library/com/ComTypes.h"
#include "library/LibraryIds.h"
#include "library/Registry.h"
#include "library/ToolboxPicture.h"

extern "C" {

const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IDispatch = {0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IClassFactory = {0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IConnectionPoint = {0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
const IID IID_IConnectionPointContainer = {0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
const IID IID_IEnumVARIANT = {0x00020404, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IVornControl = {0x5BC665B9, 0xC60A, 0x48EE, {0xBB, 0x3C, 0x5C, 0xE2, 0x59, 0x0B, 0x86, 0x14}};

}  // extern "C"

namespace vorn {
namespace {

// Where this library was loaded from (the shared library, or the program it is linked into).
std::string ModulePath() {
  // Absolute, so that the record names the file from any working folder.
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&DllGetClassObject), &info) && info.dli_fname) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::weakly_canonical(std::filesystem::absolute(info.dli_fname, ec), ec);
    return ec ? std::string(info.dli_fname) : p.string();
  }
  return "vornbutton2";
}

std::string Root() { return "HKEY_CLASSES_ROOT\\"; }

void RemoveLibrary(Registry& reg) {
  const TypeLibraryInfo& lib = TypeLibrary();
  for (const LibraryClass& c : lib.classes) {
    reg.RemoveTree(Root() + "CLSID\\" + GuidToString(*c.clsid));
    reg.RemoveTree(Root() + ProgIdOf(c));
    reg.RemoveTree(Root() + "Interface\\" + GuidToString(*c.defaultIid));
    if (c.eventIid) reg.RemoveTree(Root() + "Interface\\" + GuidToString(*c.eventIid));
  }
  reg.RemoveTree(Root() + "TypeLib\\" + GuidToString(*lib.libid));
}

void AddLibrary(Registry& reg) {
  const TypeLibraryInfo& lib = TypeLibrary();
  const std::string module = ModulePath();
  const std::string libid = GuidToString(*lib.libid);
  const std::string version = std::to_string(lib.majorVersion) + "." + std::to_string(lib.minorVersion);
  const std::string tl = Root() + "TypeLib\\" + libid + "\\" + version;
  reg.Set(tl, "", std::string(lib.helpString));
  reg.Set(tl + "\\0\\linux64", "", module);
  reg.Set(tl + "\\FLAGS", "", "0");
  for (const LibraryClass& c : lib.classes) {
    const std::string clsid = GuidToString(*c.clsid);
    const std::string key = Root() + "CLSID\\" + clsid;
    reg.Set(key, "", std::string(c.name));
    reg.Set(key + "\\ProgID", "", ProgIdOf(c));
    reg.Set(key + "\\TypeLib", "", libid);
    reg.Set(key + "\\Version", "", version);
    if (c.kind == ClassKind::Control) {
      reg.Set(key + "\\InprocServer32", "", module);
      reg.Set(key + "\\InprocServer32", "ThreadingModel", "Apartment");
      reg.Touch(key + "\\Control");
      reg.Set(key + "\\ToolboxBitmap32", "", module + ", " + std::to_string(c.toolboxBitmap));
    }
    reg.Set(Root() + ProgIdOf(c), "", std::string(c.name));
    reg.Set(Root() + ProgIdOf(c) + "\\CLSID", "", clsid);
    const auto iface = [&](const GUID* iid, std::string_view name) {
      const std::string k = Root() + "Interface\\" + GuidToString(*iid);
      reg.Set(k, "", std::string(name));
      reg.Set(k + "\\TypeLib", "", libid);
      reg.Set(k + "\\TypeLib", "Version", version);
    };
    iface(c.defaultIid, c.defaultInterface);
    if (c.eventIid) iface(c.eventIid, c.eventInterface);
  }
}

HRESULT Update(bool add) {
  const std::string path = Registry::DefaultPath();
  try {
    // Nothing to remove from a registry that does not exist, and no file is made for it.
    std::error_code ec;
    if (!add && !std::filesystem::exists(std::filesystem::symlink_status(path, ec))) return S_OK;
    Registry reg = Registry::Load(path);
    RemoveLibrary(reg);  // so that registering twice gives the same file
    if (add) AddLibrary(reg);
    reg.Save(path);
    return S_OK;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vornButton2: %s\n", e.what());
    return SELFREG_E_CLASS;
  }
}

}  // namespace
}  // namespace vorn

extern "C" {

HRESULT DllRegisterServer(void) { return vorn::Update(true); }

HRESULT DllUnregisterServer(void) { return vorn::Update(false); }

HRESULT vornGetToolboxPicture(int32_t resourceId, uint32_t pixels[16 * 15]) {
  if (!pixels) return E_POINTER;
  vorn::Ref<vorn::Picture> p = vorn::ToolboxPicture(resourceId);
  if (!p) return E_INVALIDARG;
  for (int32_t i = 0; i < 16 * 15; ++i) pixels[i] = p->Pixels()[i] & 0xFFFFFF;
  return S_OK;
}

}  // extern "C"
