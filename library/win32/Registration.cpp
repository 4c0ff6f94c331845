// DllRegisterServer and DllUnregisterServer of the DLL: the programmatic identifiers and class
// keys of the seven public controls, and the embedded type library (which registers the
// interfaces). Registering removes the library's keys first, so both are idempotent; nothing else
// is touched.
#include "library/win32/Registration.h"

#include <string>

#include "library/com/ComTypes.h"
#include "library/win32/Module.h"
#include "library/win32/Utf16.h"

namespace vorn {

namespace {

std::wstring W(const std::string& s) { return Utf16(s); }

bool SetValue(const std::wstring& key, const wchar_t* name, const std::wstring& data) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const bool ok = RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  RegCloseKey(k);
  return ok;
}

bool MakeKey(const std::wstring& key) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(k);
  return true;
}

bool RemoveKey(const std::wstring& key) {
  const LSTATUS s = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());  // the key and all below it
  return s == ERROR_SUCCESS || s == ERROR_FILE_NOT_FOUND;
}

bool RemoveClasses() {
  bool ok = true;
  for (const LibraryClass& c : TypeLibrary().classes) {
    if (c.kind != ClassKind::Control) continue;
    ok &= RemoveKey(L"CLSID\\" + W(GuidToString(*c.clsid)));
    ok &= RemoveKey(W(ProgIdOf(c)));
  }
  return ok;
}

bool AddClasses() {
  const TypeLibraryInfo& lib = TypeLibrary();
  const std::wstring module = ModulePath();
  const std::wstring libid = W(GuidToString(*lib.libid));
  const std::wstring version = std::to_wstring(lib.majorVersion) + L"." + std::to_wstring(lib.minorVersion);
  bool ok = !module.empty();
  for (const LibraryClass& c : lib.classes) {
    // Only the controls are created by hosts; the item classes come from the controls.
    if (c.kind != ClassKind::Control) continue;
    const std::wstring clsid = W(GuidToString(*c.clsid));
    const std::wstring name = W(std::string(c.name));
    const std::wstring progId = W(ProgIdOf(c));
    const std::wstring key = L"CLSID\\" + clsid;
    ok &= SetValue(progId, nullptr, name);
    ok &= SetValue(progId + L"\\CLSID", nullptr, clsid);
    ok &= SetValue(key, nullptr, name);
    ok &= SetValue(key + L"\\InprocServer32", nullptr, module);
    ok &= SetValue(key + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
    ok &= SetValue(key + L"\\ProgID", nullptr, progId);
    ok &= MakeKey(key + L"\\Control");
    ok &= SetValue(key + L"\\ToolboxBitmap32", nullptr, module + L", " + std::to_wstring(c.toolboxBitmap));
    ok &= SetValue(key + L"\\MiscStatus", nullptr, L"0");
    ok &= SetValue(key + L"\\MiscStatus\\1", nullptr, std::to_wstring(MiscStatusOf(c)));
    ok &= SetValue(key + L"\\TypeLib", nullptr, libid);
    ok &= SetValue(key + L"\\Version", nullptr, version);
  }
  return ok;
}

HRESULT UnregisterTypeLibrary() {
  const TypeLibraryInfo& lib = TypeLibrary();
  // Not registered is what unregistering wants.
  HKEY k = nullptr;
  const std::wstring key = L"TypeLib\\" + W(GuidToString(*lib.libid));
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return S_OK;
  RegCloseKey(k);
  return UnRegisterTypeLib(*lib.libid, lib.majorVersion, lib.minorVersion, lib.lcid, SYS_WIN64);
}

}  // namespace

uint32_t MiscStatusOf(const LibraryClass&) noexcept {
  return OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
         OLEMISC_SETCLIENTSITEFIRST;
}

}  // namespace vorn

extern "C" {

HRESULT VORN_COM_CALL DllRegisterServer(void) {
  if (!vorn::RemoveClasses()) return SELFREG_E_CLASS;
  vorn::UnregisterTypeLibrary();
  if (!vorn::AddClasses()) return SELFREG_E_CLASS;
  HRESULT hr = S_OK;
  ITypeLib* lib = vorn::ModuleTypeLib(hr);
  if (!lib) return SELFREG_E_TYPELIB;
  std::wstring path = vorn::ModulePath();
  hr = RegisterTypeLib(lib, path.data(), nullptr);
  lib->lpVtbl->Release(lib);
  return SUCCEEDED(hr) ? S_OK : SELFREG_E_TYPELIB;
}

HRESULT VORN_COM_CALL DllUnregisterServer(void) {
  if (!vorn::RemoveClasses()) return SELFREG_E_CLASS;
  return SUCCEEDED(vorn::UnregisterTypeLibrary()) ? S_OK : SELFREG_E_TYPELIB;
}

}  // extern "C"
