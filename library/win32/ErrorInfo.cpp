// Errors as automation reports them on Windows: DISP_E_EXCEPTION with EXCEPINFO filled and the
// thread's error information set, the run-time error's number in the control facility.
#include "library/com/ComPlatform.h"
#include "library/win32/Utf16.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

constexpr const char* kSource = "vornButton2";

HRESULT ControlScode(const RuntimeError& e) {
  return static_cast<HRESULT>(0x800A0000u | static_cast<uint32_t>(e.Number() & 0xFFFF));
}

HRESULT VORN_COM_CALL SeInterfaceSupportsErrorInfo(ISupportErrorInfo* self, REFIID riid) {
  const DispatchObject* d = OwnerOf(self);
  return IsEqualIID(riid, IID_IDispatch) || (d->cls && IsEqualIID(riid, *d->cls->defaultIid)) ? S_OK : S_FALSE;
}

}  // namespace

const ISupportErrorInfoVtbl kSupportErrorInfoVtbl = {FacetQueryInterface<ISupportErrorInfo>,
                                                     FacetAddRef<ISupportErrorInfo>,
                                                     FacetRelease<ISupportErrorInfo>, SeInterfaceSupportsErrorInfo};

bool AnswersSupportErrorInfo(const DispatchObject&, const IID& iid) { return IsEqualIID(iid, IID_ISupportErrorInfo); }

void ClearErrorInfo() noexcept { SetErrorInfo(0, nullptr); }

HRESULT ErrorResult(const RuntimeError& e, EXCEPINFO* excep) {
  const std::wstring source = Utf16(kSource), text = Utf16(e.what());
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->lpVtbl->SetSource(create, const_cast<LPOLESTR>(source.c_str()));
    create->lpVtbl->SetDescription(create, const_cast<LPOLESTR>(text.c_str()));
    create->lpVtbl->SetGUID(create, GUID_NULL);
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->lpVtbl->QueryInterface(create, IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      SetErrorInfo(0, info);
      info->lpVtbl->Release(info);
    }
    create->lpVtbl->Release(create);
  }
  if (excep) {
    *excep = EXCEPINFO{};
    excep->bstrSource = SysAllocString(source.c_str());
    excep->bstrDescription = SysAllocString(text.c_str());
    excep->scode = ControlScode(e);
  }
  return DISP_E_EXCEPTION;
}

}  // namespace vorn
