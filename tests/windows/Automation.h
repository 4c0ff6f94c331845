#pragma once
// The harness of the Windows client and container tests: automation calls by member name, and an
// event sink that finds each event by the identifier of its row in the controls' event tables.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "controls/button/ButtonEvents.h"
#include "controls/menu/PUMenuEvents.h"
#include "controls/range/ScrollBarEvents.h"
#include "controls/range/SliderEvents.h"
#include "controls/toolbar/ToolbarEvents.h"

namespace wintest {

using vorn::ButtonEvents;
using vorn::PUMenuEvents;
using vorn::ScrollBarEvents;
using vorn::SliderEvents;
using vorn::ToolbarEvents;

// Automation by name.
DISPID IdOf(IDispatch* d, const wchar_t* name);
HRESULT Put(IDispatch* d, const wchar_t* name, VARIANT value);  // consumes value
HRESULT PutRef(IDispatch* d, const wchar_t* name, IDispatch* object);
VARIANT Get(IDispatch* d, const wchar_t* name);
long GetLong(IDispatch* d, const wchar_t* name);
std::wstring GetText(IDispatch* d, const wchar_t* name);
/// A method with arguments in the caller's order (consumed).
VARIANT Call(IDispatch* d, const wchar_t* name, std::vector<VARIANT> args = {});
VARIANT I4(long v);
VARIANT Bool(bool v);
VARIANT Str(const wchar_t* s);
/// A standard font (one reference).
IDispatch* NewFont(const wchar_t* name, double points, bool bold = false);

// COM interfaces have no virtual destructor; objects go through Release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
/// An event sink: records every event with its arguments (numbers and strings) in order. Tests ask
/// for events by the typed sink's member (controls/*/…Events.h), never by a number of their own.
class EventSink : public IDispatch {
 public:
  struct Event {
    DISPID id;
    std::vector<double> numbers;
    std::vector<std::wstring> strings;
  };
  std::vector<Event> events;
  ULONG refs = 1;  // the sink is the test's; a control gives back every reference it took

  /// Advises the sink on a control's events.
  void Connect(IUnknown* control);
  void Disconnect();
  /// The events a typed sink's member stands for, by the identifier of its row.
  template <auto Member>
  std::vector<Event> Of() const {
    return Of(vorn::EventId<Member>());
  }
  template <auto Member>
  bool Has() const {
    return !Of<Member>().empty();
  }
  /// The identifiers of the events, in order.
  std::vector<DISPID> Ids() const;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*, UINT*) override;

 private:
  std::vector<Event> Of(DISPID id) const;

  IConnectionPoint* point_ = nullptr;
  DWORD cookie_ = 0;
};
#pragma GCC diagnostic pop

}  // namespace wintest
