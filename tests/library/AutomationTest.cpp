#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "AutomatedControl.h"
#include "controls/button/vornButton.h"
#include "library/LibraryIds.h"
#include "library/TypeLibrary.h"
#include "library/com/ComObjects.h"

namespace vorn {
namespace {

using test::Automated;
using test::Long;
using test::Text;

TEST(Automation, NamesResolveWithoutRegardToCase) {
  Automated a(kClsid_vornButton);
  EXPECT_EQ(a.Id("backcolor"), 0x68030006);
  EXPECT_EQ(a.Id("FONT"), -512);
  DISPID id = 0;
  const char* names[] = {"Nope"};
  EXPECT_EQ(a.disp->lpVtbl->GetIDsOfNames(a.disp, nullptr, names, 1, 0x409, &id), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
}

TEST(Automation, ArgumentsConvertAsAutomationConvertsThem) {
  Automated a(kClsid_vornButton);
  VARIANT s = Text("7");
  EXPECT_EQ(a.Put("ImageIndex", s), S_OK);  // a numeric string becomes an Integer
  vornVariantClear(&s);
  VARIANT out;
  ASSERT_EQ(a.Get("ImageIndex", out), S_OK);
  EXPECT_EQ(out.vt, VT_I2);
  EXPECT_EQ(out.iVal, 7);
  EXPECT_EQ(a.Put("ImageIndex", Long(40000)), DISP_E_OVERFLOW);
  int32_t number = 0;
  BSTR why = nullptr;
  ASSERT_EQ(vornGetErrorInfo(&number, &why), S_OK);
  EXPECT_EQ(number, 6);
  EXPECT_STREQ(why, "Overflow");
  vornSysFreeString(why);
  EXPECT_EQ(a.Put("ImageIndex", Long(40000)), DISP_E_OVERFLOW);
  EXPECT_EQ(a.Put("ImageIndex", Long(7)), S_OK);  // a later call that works leaves nothing behind
  EXPECT_EQ(vornGetErrorInfo(&number, &why), S_FALSE);
  VARIANT bad = Text("seven");
  EXPECT_EQ(a.Put("ImageIndex", bad), DISP_E_TYPEMISMATCH);
  vornVariantClear(&bad);
  ASSERT_EQ(a.Get("ImageIndex", out), S_OK);
  EXPECT_EQ(out.iVal, 7);  // failed puts left the value
  VARIANT cap = Text("Hello");
  EXPECT_EQ(a.Put("Caption", cap), S_OK);
  vornVariantClear(&cap);
  ASSERT_EQ(a.Get("Caption", out), S_OK);
  EXPECT_STREQ(out.bstrVal, "Hello");
  vornVariantClear(&out);
}

TEST(Automation, WrongAccessAndCountsAreErrorResults) {
  Automated a(kClsid_vornButton);
  // Font is set by reference only.
  VARIANT n = Long(1);
  EXPECT_EQ(a.Put("Font", n), DISP_E_MEMBERNOTFOUND);
  DISPPARAMS two{nullptr, nullptr, 0, 0};
  VARIANT args[2] = {Long(1), Long(2)};
  two.rgvarg = args;
  two.cArgs = 2;
  VARIANT out;
  vornVariantInit(&out);
  EXPECT_EQ(a.disp->lpVtbl->Invoke(a.disp, a.Id("Caption"), nullptr, 0x409, DISPATCH_PROPERTYGET, &two, &out, nullptr,
                                   nullptr),
            DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(a.disp->lpVtbl->Invoke(a.disp, 0x12345, nullptr, 0x409, DISPATCH_PROPERTYGET, &two, &out, nullptr, nullptr),
            DISP_E_MEMBERNOTFOUND);
}

TEST(Automation, ObjectsCrossByReferenceAndKeepTheirIdentity) {
  Automated a(kClsid_vornButton);
  VARIANT font;
  ASSERT_EQ(a.Get("Font", font), S_OK);
  ASSERT_EQ(font.vt, VT_DISPATCH);
  // Setting the font back by reference keeps the same object on the surface.
  Object* before = ObjectBehind(reinterpret_cast<IUnknown*>(font.pdispVal));
  EXPECT_EQ(a.Put("Font", font, DISPATCH_PROPERTYPUTREF), S_OK);
  VARIANT again;
  ASSERT_EQ(a.Get("Font", again), S_OK);
  EXPECT_EQ(again.pdispVal, font.pdispVal);
  EXPECT_EQ(ObjectBehind(reinterpret_cast<IUnknown*>(again.pdispVal)), before);
  vornVariantClear(&again);
  vornVariantClear(&font);
}

// A host's sink that zeroes the key code of Space, as a VB handler might.
struct ZeroSpaceSink {
  const IDispatchVtbl* lpVtbl;
  int refs = 1;
  std::vector<DISPID> seen;
};
HRESULT SinkQi(IDispatch* self, const IID*, void** ppv) {
  *ppv = self;
  ++reinterpret_cast<ZeroSpaceSink*>(self)->refs;
  return S_OK;
}
uint32_t SinkAddRef(IDispatch* self) { return ++reinterpret_cast<ZeroSpaceSink*>(self)->refs; }
uint32_t SinkRelease(IDispatch* self) { return --reinterpret_cast<ZeroSpaceSink*>(self)->refs; }
HRESULT SinkCount(IDispatch*, uint32_t* n) { return *n = 0, S_OK; }
HRESULT SinkInfo(IDispatch*, uint32_t, uint32_t, void**) { return E_NOTIMPL; }
HRESULT SinkIds(IDispatch*, const IID*, const char**, uint32_t, uint32_t, DISPID*) { return E_NOTIMPL; }
HRESULT SinkInvoke(IDispatch* self, DISPID id, const IID*, uint32_t, uint16_t, DISPPARAMS* p, VARIANT*, EXCEPINFO*,
                   uint32_t*) {
  reinterpret_cast<ZeroSpaceSink*>(self)->seen.push_back(id);
  // KeyDown(KeyCode, Shift): KeyCode is the last in rgvarg, passed by reference.
  if (id == 2 && p->cArgs == 2 && p->rgvarg[1].vt == (VT_I2 | VT_BYREF) && *p->rgvarg[1].piVal == 32) {
    *p->rgvarg[1].piVal = 0;
  }
  return S_OK;
}
const IDispatchVtbl kZeroSpaceVtbl = {SinkQi, SinkAddRef, SinkRelease, SinkCount, SinkInfo, SinkIds, SinkInvoke};

TEST(AutomationEvents, ASinkThatChangesAnArgumentChangesWhatTheControlReads) {
  Automated a(kClsid_vornButton);
  IConnectionPointContainer* cpc = nullptr;
  ASSERT_EQ(a.control->lpVtbl->QueryInterface(a.control, &IID_IConnectionPointContainer,
                                              reinterpret_cast<void**>(&cpc)),
            S_OK);
  IConnectionPoint* cp = nullptr;
  ASSERT_EQ(cpc->lpVtbl->FindConnectionPoint(cpc, &kIidEvents_vornButton, &cp), S_OK);
  IID iid;
  cp->lpVtbl->GetConnectionInterface(cp, &iid);
  EXPECT_TRUE(SameGuid(iid, kIidEvents_vornButton));
  ZeroSpaceSink sink{&kZeroSpaceVtbl, 1, {}};
  uint32_t cookie = 0;
  ASSERT_EQ(cp->lpVtbl->Advise(cp, reinterpret_cast<IUnknown*>(&sink), &cookie), S_OK);
  a.host.SetFocus(&a.Window());
  a.host.KeyDown(32);  // zeroed by the sink: no Click
  a.host.KeyDown(13);  // Enter clicks
  EXPECT_EQ(sink.seen, (std::vector<DISPID>{2, 2, 1}));
  EXPECT_EQ(cp->lpVtbl->Unadvise(cp, cookie), S_OK);
  EXPECT_EQ(cp->lpVtbl->Unadvise(cp, cookie), CONNECT_E_NOCONNECTION);
  a.host.KeyDown(13);
  EXPECT_EQ(sink.seen.size(), 3u);
  EXPECT_EQ(sink.refs, 1);
  cp->lpVtbl->Release(cp);
  cpc->lpVtbl->Release(cpc);
}

TEST(ClassObjects, OnlyThePublicControlsHaveFactories) {
  void* f = nullptr;
  for (const GUID* id : {&kClsid_ClsMain, &kClsid_MenuItems, &kClsid_MenuItem, &kClsid_MenuItemListings,
                         &kClsid_MenuItemListing, &kClsid_ToolbarItem, &kIid_vornButton}) {
    EXPECT_EQ(DllGetClassObject(id, &IID_IClassFactory, &f), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(f, nullptr);
  }
  EXPECT_EQ(DllGetClassObject(&kClsid_vornButton, &IID_IDispatch, &f), E_NOINTERFACE);
  EXPECT_EQ(FindLibraryClass("vornButton2.vornXButton"), nullptr);
}

TEST(ClassObjects, TheLibraryCanUnloadOnlyWhenNothingIsAlive) {
  EXPECT_EQ(DllCanUnloadNow(), S_OK);
  IClassFactory* f = nullptr;
  ASSERT_EQ(DllGetClassObject(&kClsid_vornButton, &IID_IClassFactory, reinterpret_cast<void**>(&f)), S_OK);
  EXPECT_EQ(DllCanUnloadNow(), S_FALSE);
  f->lpVtbl->LockServer(f, 1);
  f->lpVtbl->Release(f);
  EXPECT_EQ(DllCanUnloadNow(), S_FALSE);  // locked
  ASSERT_EQ(DllGetClassObject(&kClsid_vornButton, &IID_IClassFactory, reinterpret_cast<void**>(&f)), S_OK);
  f->lpVtbl->LockServer(f, 0);
  IUnknown* instance = nullptr;
  EXPECT_EQ(f->lpVtbl->CreateInstance(f, reinterpret_cast<IUnknown*>(f), &IID_IUnknown,
                                      reinterpret_cast<void**>(&instance)),
            CLASS_E_NOAGGREGATION);
  ASSERT_EQ(f->lpVtbl->CreateInstance(f, nullptr, &IID_IUnknown, reinterpret_cast<void**>(&instance)), S_OK);
  f->lpVtbl->Release(f);
  EXPECT_EQ(DllCanUnloadNow(), S_FALSE);  // an unsited control is alive
  instance->lpVtbl->Release(instance);
  EXPECT_EQ(DllCanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace vorn

#include "controls/menu/MenuItemListings.h"
#include "controls/menu/MenuItems.h"

namespace vorn {
namespace {

using test::Call;
using test::Captions;

TEST(AutomationCollections, MenuItemsIndexThroughTheValueMemberAndEnumerate) {
  Automated a(kClsid_vornPUMenu);
  VARIANT list;
  ASSERT_EQ(a.Get("MenuItem", list), S_OK);
  ASSERT_EQ(list.vt, VT_DISPATCH);
  IDispatch* items = list.pdispVal;
  const DISPID add = 0x60030001;
  for (const char* key : {"open", "save", "close"}) {
    VARIANT k = Text(key), c = Text((std::string("Caption ") + key).c_str());
    VARIANT r;
    ASSERT_EQ(Call(items, add, DISPATCH_METHOD, {k, c}, &r), S_OK);
    vornVariantClear(&r);
  }
  VARIANT r;
  ASSERT_EQ(Call(items, DISPID_VALUE, DISPATCH_PROPERTYGET, {Text("SAVE")}, &r), S_OK);  // by key, any case
  ASSERT_EQ(r.vt, VT_DISPATCH);
  vornVariantClear(&r);
  ASSERT_EQ(Call(items, DISPID_VALUE, DISPATCH_PROPERTYGET, {Text("")}, &r), S_OK);  // empty: Nothing
  EXPECT_EQ(r.vt, VT_DISPATCH);
  EXPECT_EQ(r.pdispVal, nullptr);
  EXPECT_EQ(Call(items, add, DISPATCH_METHOD, {Text("Open")}, &r), DISP_E_EXCEPTION);  // duplicate key
  EXPECT_EQ(Captions(items), (std::vector<std::string>{"Caption open", "Caption save", "Caption close"}));
  vornVariantClear(&list);
}

TEST(AutomationCollections, MenuItemListingsEnumerateButFailOnAnEmptyIndex) {
  auto rows = MakeRef<MenuItemListings>();
  rows->Add("", 2, 2, 21, true);
  rows->Add("", 5, 23, 3, false);
  IDispatch* d = DispatchObject::Wrap(rows);
  VARIANT r;
  ASSERT_EQ(Call(d, DISPID_VALUE, DISPATCH_PROPERTYGET, {Long(2)}, &r), S_OK);
  vornVariantClear(&r);
  EXPECT_EQ(Call(d, DISPID_VALUE, DISPATCH_PROPERTYGET, {Text("")}, &r), DISP_E_EXCEPTION);
  VARIANT e;
  ASSERT_EQ(Call(d, DISPID_NEWENUM, DISPATCH_PROPERTYGET, {}, &e), S_OK);
  IEnumVARIANT* walker = reinterpret_cast<IEnumVARIANT*>(e.punkVal);
  VARIANT two[2];
  uint32_t got = 0;
  EXPECT_EQ(walker->lpVtbl->Next(walker, 2, two, &got), S_OK);
  EXPECT_EQ(got, 2u);
  vornVariantClear(&two[0]);
  vornVariantClear(&two[1]);
  EXPECT_EQ(walker->lpVtbl->Next(walker, 1, two, &got), S_FALSE);
  EXPECT_EQ(got, 0u);
  walker->lpVtbl->Reset(walker);
  EXPECT_EQ(walker->lpVtbl->Skip(walker, 3), S_FALSE);
  vornVariantClear(&e);
  d->lpVtbl->Release(d);
}

}  // namespace
}  // namespace vorn
