#include "library/win32/Module.h"

namespace vorn {

HMODULE ThisModule() noexcept {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(ThisModule(), path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

ITypeLib* ModuleTypeLib(HRESULT& hr) {
  // oleaut32 keeps a loaded type library cached, so loading it per request costs little.
  ITypeLib* lib = nullptr;
  hr = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, &lib);
  return SUCCEEDED(hr) ? lib : nullptr;
}

}  // namespace vorn
