// The registered type library as clients of every locale look it up, and the 32-bit DLL's type
// library as oleaut32 reads it in this 64-bit process (as data: it cannot load the DLL to run).
// Usage: typelib_test [X86DLL]
#include <windows.h>
#include <oleauto.h>

#include <string>

#include "Check.h"

namespace {

const GUID kLibId = {0x39B2765F, 0xE250, 0x4437, {0xA2, 0x29, 0x07, 0x39, 0xC8, 0xD8, 0x83, 0xF3}};

// The name, identifier, kind and member counts of every type, in order.
std::wstring Types(ITypeLib* lib) {
  std::wstring out;
  for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
    ITypeInfo* ti = nullptr;
    TYPEATTR* ta = nullptr;
    BSTR name = nullptr;
    if (FAILED(lib->GetTypeInfo(i, &ti)) || FAILED(ti->GetTypeAttr(&ta))) return L"(unreadable)";
    lib->GetDocumentation(static_cast<INT>(i), &name, nullptr, nullptr, nullptr);
    wchar_t guid[40];
    StringFromGUID2(ta->guid, guid, 40);
    out += std::wstring(guid) + L" " + name + L" " + std::to_wstring(ta->typekind) + L" " + std::to_wstring(ta->cFuncs) +
           L" " + std::to_wstring(ta->cVars) + L" " + std::to_wstring(ta->wTypeFlags) + L"\n";
    SysFreeString(name);
    ti->ReleaseTypeAttr(ta);
    ti->Release();
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  ITypeLib* registered = nullptr;
  for (LCID lcid : {0x0000u, 0x0407u, 0x0409u, 0x0411u, static_cast<unsigned>(LOCALE_USER_DEFAULT)}) {
    ITypeLib* lib = nullptr;
    CHECK_MSG(LoadRegTypeLib(kLibId, 1, 0, lcid, &lib) == S_OK, "for locale " + std::to_string(lcid));
    if (lib && !registered) registered = lib;
    else if (lib) lib->Release();
  }
  if (argc < 2) {  // no 32-bit DLL built
    if (registered) registered->Release();
    return wintest::Finish("typelib_test");
  }
  ITypeLib* x86 = nullptr;
  const std::wstring path(argv[1], argv[1] + strlen(argv[1]));
  CHECK_HR(LoadTypeLibEx(path.c_str(), REGKIND_NONE, &x86), S_OK);
  if (!registered || !x86) return wintest::Finish("typelib_test");
  TLIBATTR* a64 = nullptr;
  TLIBATTR* a32 = nullptr;
  registered->GetLibAttr(&a64);
  x86->GetLibAttr(&a32);
  CHECK(a64->lcid == 0 && a64->syskind == SYS_WIN64);
  CHECK(a32->lcid == 0 && a32->syskind == SYS_WIN32);
  CHECK(a32->guid == kLibId && a32->wMajorVerNum == 1 && a32->wMinorVerNum == 0);
  registered->ReleaseTLibAttr(a64);
  x86->ReleaseTLibAttr(a32);
  const std::wstring want = Types(registered), got = Types(x86);
  CHECK(want.size() > 1000 && got == want);
  registered->Release();
  x86->Release();
  return wintest::Finish("typelib_test");
}
