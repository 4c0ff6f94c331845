// DllRegisterServer and DllUnregisterServer of the DLL: they write and remove the records of
// RegistryRecords for this build's architecture, in the registry view of the process that loads
// it (regsvr32 of SysWOW64 puts the 32-bit DLL's keys in the 32-bit view). Registering removes the
// library's keys first, so both are idempotent; nothing else is touched.
#include <string>
#include <vector>

#include "library/com/ComTypes.h"
#include "library/win32/Module.h"
#include "library/win32/Registration.h"
#include "library/win32/Utf16.h"

namespace vorn {

namespace {

constexpr DllArchitecture kArchitecture = sizeof(void*) == 8 ? DllArchitecture::X64 : DllArchitecture::X86;
static_assert(OLEMISC_RECOMPOSEONRESIZE == 0x1 && OLEMISC_CANTLINKINSIDE == 0x10 && OLEMISC_INSIDEOUT == 0x80 &&
              OLEMISC_ACTIVATEWHENVISIBLE == 0x100 && OLEMISC_SETCLIENTSITEFIRST == 0x20000);

bool Write(const RegistryRecord& r) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, Utf16(r.key).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  bool ok = true;
  if (!r.keyOnly) {
    const std::wstring name = Utf16(r.name), data = Utf16(r.data);
    ok = RegSetValueExW(k, name.empty() ? nullptr : name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }
  RegCloseKey(k);
  return ok;
}

bool RemoveTree(const std::wstring& key) {
  const LSTATUS s = RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());  // the key and all below it
  return s == ERROR_SUCCESS || s == ERROR_FILE_NOT_FOUND;
}

struct KeyContents {
  bool found = false;
  DWORD values = 0;
  std::vector<std::wstring> subkeys;
};

KeyContents Contents(const std::wstring& key) {
  KeyContents out;
  HKEY k = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return out;
  out.found = true;
  RegQueryInfoKeyW(k, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &out.values, nullptr, nullptr, nullptr,
                   nullptr);
  wchar_t name[256];
  for (DWORD i = 0, n = 256; RegEnumKeyExW(k, i, name, &n, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i, n = 256) {
    out.subkeys.emplace_back(name, n);
  }
  RegCloseKey(k);
  return out;
}

bool RemoveIfEmpty(const std::wstring& key) {
  const KeyContents c = Contents(key);
  return !c.found || c.values > 0 || !c.subkeys.empty() || RemoveTree(key);
}

// Windows keeps one HKCR\vornButton2.NAME for both registry views but a class key in each: a
// programmatic identifier stays while the other architecture's DLL still serves its class.
bool ServedInOtherView(const std::wstring& progId) {
  wchar_t clsid[64];
  DWORD size = sizeof clsid;
  if (RegGetValueW(HKEY_CLASSES_ROOT, (progId + L"\\CLSID").c_str(), nullptr, RRF_RT_REG_SZ, nullptr, clsid, &size) !=
      ERROR_SUCCESS) {
    return false;
  }
  const REGSAM other = kArchitecture == DllArchitecture::X64 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
  HKEY k = nullptr;
  const std::wstring server = L"CLSID\\" + std::wstring(clsid) + L"\\InprocServer32";
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, server.c_str(), 0, KEY_READ | other, &k) != ERROR_SUCCESS) return false;
  RegCloseKey(k);
  return true;
}

// This architecture's type library registration: its SYSKIND key under every locale (earlier
// builds registered under 409), then the keys left empty. The version key, which both
// architectures write, goes with the last of them.
bool RemoveTypeLibrary() {
  const std::wstring version = Utf16(TypeLibraryVersionKey());
  const std::wstring sysKind = Utf16(SysKindName(kArchitecture));
  bool ok = true, registered = false;
  for (const std::wstring& locale : Contents(version).subkeys) {
    if (locale.find_first_not_of(L"0123456789abcdefABCDEF") != std::wstring::npos) continue;  // FLAGS, HELPDIR
    ok &= RemoveTree(version + L"\\" + locale + L"\\" + sysKind) && RemoveIfEmpty(version + L"\\" + locale);
    registered |= Contents(version + L"\\" + locale).found;
  }
  if (!registered) ok &= RemoveTree(version);
  return ok && RemoveIfEmpty(version.substr(0, version.rfind(L'\\')));
}

// A class's or an interface's key, then a programmatic identifier, with all below it: the trees
// of the library's own that the records lie in (the type library's are shared and go apart).
bool RemoveClasses(const std::vector<RegistryRecord>& records) {
  bool ok = true;
  for (const bool progIds : {false, true}) {
    std::wstring last;
    for (const RegistryRecord& r : records) {
      if (r.key.starts_with("TypeLib\\")) continue;
      size_t end = r.key.find('\\');
      if (r.key.starts_with("CLSID\\") || r.key.starts_with("Interface\\")) end = r.key.find('\\', end + 1);
      const std::wstring tree = Utf16(std::string_view(r.key).substr(0, end));
      if (tree == last || progIds != (tree.find(L'\\') == std::wstring::npos)) continue;
      last = tree;
      if (!(progIds && ServedInOtherView(tree))) ok &= RemoveTree(tree);
    }
  }
  return ok;
}

std::vector<RegistryRecord> Records() {
  const std::wstring module = ModulePath();
  return RegistryRecords(kArchitecture, Utf8(module.c_str(), module.size()));
}

}  // namespace

}  // namespace vorn

extern "C" {

HRESULT VORN_COM_CALL DllRegisterServer(void) {
  HRESULT hr = S_OK;
  ITypeLib* lib = vorn::ModuleTypeLib(hr);  // registered only when it loads
  if (!lib) return SELFREG_E_TYPELIB;
  lib->lpVtbl->Release(lib);
  if (vorn::ModulePath().empty()) return SELFREG_E_CLASS;
  const std::vector<vorn::RegistryRecord> records = vorn::Records();
  if (!vorn::RemoveClasses(records)) return SELFREG_E_CLASS;
  if (!vorn::RemoveTypeLibrary()) return SELFREG_E_TYPELIB;
  for (const vorn::RegistryRecord& r : records) {
    if (!vorn::Write(r)) return r.key.starts_with("TypeLib\\") ? SELFREG_E_TYPELIB : SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT VORN_COM_CALL DllUnregisterServer(void) {
  if (!vorn::RemoveClasses(vorn::Records())) return SELFREG_E_CLASS;
  return vorn::RemoveTypeLibrary() ? S_OK : SELFREG_E_TYPELIB;
}

}  // extern "C"
