// A Windows C++ client of the registered vornbutton2.dll, as any program would use it: controls
// created with CoCreateInstance, the type library walked with ITypeLib/ITypeInfo and compared with
// `vornform typelib`'s listing, members called through GetIDsOfNames/Invoke with optional, named and
// by-reference arguments, errors read from EXCEPINFO and IErrorInfo, events through a connection
// point, and DllCanUnloadNow as the objects go.
// Usage: com_client LISTING (the listing `vornform typelib` wrote, as a Windows path)
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <oleauto.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Automation.h"
#include "Check.h"

namespace {

std::string Utf8(const wchar_t* w) {
  if (!w) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
  s.pop_back();
  return s;
}

std::string GuidText(const GUID& g) {
  wchar_t buf[64];
  StringFromGUID2(g, buf, 64);
  return Utf8(buf);
}

std::string Hex(long id) {
  char buf[16];
  if (id >= -1024 && id <= 0) return std::to_string(id);
  std::snprintf(buf, sizeof buf, "0x%08lX", static_cast<unsigned long>(id));
  return buf;
}

// ---- the type library as `vornform typelib` lists it ------------------------------------------

std::string Doc(ITypeInfo* ti, MEMBERID id, bool help) {
  BSTR name = nullptr, doc = nullptr;
  ti->GetDocumentation(id, &name, &doc, nullptr, nullptr);
  std::string s = Utf8(help ? doc : name);
  SysFreeString(name);
  SysFreeString(doc);
  return s;
}

std::string TypeName(ITypeInfo* ti, const TYPEDESC& td) {
  switch (td.vt) {
    case VT_I2: return "Integer";
    case VT_I4: return "Long";
    case VT_R4: return "Single";
    case VT_R8: return "Double";
    case VT_BOOL: return "Boolean";
    case VT_BSTR: return "String";
    case VT_VARIANT: return "Variant";
    case VT_DISPATCH: return "Object";
    case VT_UNKNOWN: return "IUnknown";
    case VT_PTR: return TypeName(ti, *td.lptdesc);
    case VT_USERDEFINED: {
      ITypeInfo* ref = nullptr;
      if (FAILED(ti->GetRefTypeInfo(td.hreftype, &ref))) return "?";
      std::string name = Doc(ref, MEMBERID_NIL, false);
      ref->Release();
      if (name == "IFontDisp") return "Font";
      // The library's own interfaces stand for their classes.
      if (name.size() > 1 && name[0] == '_' && name[1] != '_') return name.substr(1);
      return name;
    }
    default: return "vt" + std::to_string(td.vt);
  }
}

std::string Params(ITypeInfo* ti, const FUNCDESC* fd, int count) {
  BSTR names[32] = {};
  UINT got = 0;
  ti->GetNames(fd->memid, names, 32, &got);
  std::string s = "(";
  for (int i = 0; i < count; ++i) {
    const ELEMDESC& e = fd->lprgelemdescParam[i];
    const USHORT flags = e.paramdesc.wParamFlags;
    if (i) s += ", ";
    if (flags & PARAMFLAG_FOPT) s += "Optional ";
    s += e.tdesc.vt == VT_PTR ? "ByRef " : "ByVal ";
    s += (static_cast<UINT>(i + 1) < got ? Utf8(names[i + 1]) : std::string("?")) + " As " + TypeName(ti, e.tdesc);
    if (flags & PARAMFLAG_FHASDEFAULT) {
      const VARIANT& v = e.paramdesc.pparamdescex->varDefaultValue;
      if (v.vt == VT_BOOL) {
        s += v.boolVal ? " = True" : " = False";
      } else if (v.vt == VT_BSTR) {
        s += " = \"" + Utf8(v.bstrVal) + "\"";
      } else {
        VARIANT n;
        VariantInit(&n);
        VariantChangeType(&n, const_cast<VARIANT*>(&v), 0, VT_I4);
        s += " = " + std::to_string(n.lVal);
      }
    }
  }
  for (UINT i = 0; i < got; ++i) SysFreeString(names[i]);
  return s + ")";
}

std::string Flags(WORD f, bool events) {
  std::string s = events ? "dispatch only" : (f & TYPEFLAG_FDUAL ? "dual" : "");
  if (f & TYPEFLAG_FHIDDEN) s += ", hidden";
  if (f & TYPEFLAG_FNONEXTENSIBLE) s += ", non-extensible";
  return s;
}

void ListMembers(ITypeInfo* ti, std::ostringstream& out) {
  TYPEATTR* ta = nullptr;
  ti->GetTypeAttr(&ta);
  struct Member {
    MEMBERID id;
    std::string name, params, type, help;
    bool method = false, get = false, let = false, set = false, hidden = false;
  };
  std::vector<Member> members;
  for (UINT f = 0; f < ta->cFuncs; ++f) {
    FUNCDESC* fd = nullptr;
    ti->GetFuncDesc(f, &fd);
    if (!(fd->wFuncFlags & FUNCFLAG_FRESTRICTED)) {  // IUnknown's and IDispatch's own
      Member* m = nullptr;
      for (Member& x : members) {
        if (x.id == fd->memid) m = &x;
      }
      if (!m) {
        m = &members.emplace_back();
        m->id = fd->memid;
        m->name = Doc(ti, fd->memid, false);
        m->help = Doc(ti, fd->memid, true);
      }
      m->hidden |= (fd->wFuncFlags & FUNCFLAG_FHIDDEN) != 0;
      // The value a put takes or a retval parameter returns is not one of the member's parameters;
      // the dispatch view of a dual interface already gives a get's result as the return type.
      const bool put = fd->invkind == INVOKE_PROPERTYPUT || fd->invkind == INVOKE_PROPERTYPUTREF;
      const bool retval =
          fd->cParams > 0 && (fd->lprgelemdescParam[fd->cParams - 1].paramdesc.wParamFlags & PARAMFLAG_FRETVAL);
      const int own = put || retval ? fd->cParams - 1 : fd->cParams;
      if (own > 0) m->params = Params(ti, fd, own);
      if (fd->invkind == INVOKE_FUNC) m->method = true;
      if (fd->invkind == INVOKE_PROPERTYGET) m->get = true;
      if (fd->invkind == INVOKE_PROPERTYPUT) m->let = true;
      if (fd->invkind == INVOKE_PROPERTYPUTREF) m->set = true;
      if (put || retval) {
        m->type = TypeName(ti, fd->lprgelemdescParam[fd->cParams - 1].tdesc);
      } else if (fd->elemdescFunc.tdesc.vt != VT_VOID && fd->elemdescFunc.tdesc.vt != VT_HRESULT) {
        m->type = TypeName(ti, fd->elemdescFunc.tdesc);
      }
    }
    ti->ReleaseFuncDesc(fd);
  }
  for (const Member& m : members) {
    std::string access;
    for (auto [on, what] : {std::pair{m.method, "method"}, {m.get, "get"}, {m.let, "let"}, {m.set, "set"}}) {
      if (on) access += (access.empty() ? "" : "/") + std::string(what);
    }
    if ((static_cast<unsigned long>(m.id) >> 16) == 0x4003) access += " (field)";  // public fields' series
    if (m.hidden) access += " (hidden)";
    out << "    " << Hex(m.id) << "  " << m.name << m.params << "  " << access;
    if (!m.type.empty()) out << "  As " << m.type;
    if (!m.help.empty()) out << "  \"" << m.help << "\"";
    out << "\n";
  }
  ti->ReleaseTypeAttr(ta);
}

void ListEvents(ITypeInfo* ti, std::ostringstream& out) {
  TYPEATTR* ta = nullptr;
  ti->GetTypeAttr(&ta);
  for (UINT f = 0; f < ta->cFuncs; ++f) {
    FUNCDESC* fd = nullptr;
    ti->GetFuncDesc(f, &fd);
    if (!(fd->wFuncFlags & FUNCFLAG_FRESTRICTED)) {
      out << "    event " << fd->memid << "  " << Doc(ti, fd->memid, false) << Params(ti, fd, fd->cParams);
      const std::string help = Doc(ti, fd->memid, true);
      if (!help.empty()) out << "  \"" << help << "\"";
      out << "\n";
    }
    ti->ReleaseFuncDesc(fd);
  }
  ti->ReleaseTypeAttr(ta);
}

std::string DescribeTypeLib(ITypeLib* lib) {
  std::ostringstream out;
  TLIBATTR* la = nullptr;
  lib->GetLibAttr(&la);
  BSTR name = nullptr, help = nullptr;
  lib->GetDocumentation(-1, &name, &help, nullptr, nullptr);
  char lcid[16];
  std::snprintf(lcid, sizeof lcid, "0x%04lX", static_cast<unsigned long>(la->lcid));
  out << "library " << Utf8(name) << " " << la->wMajorVerNum << "." << la->wMinorVerNum << ", locale " << lcid
      << ", help \"" << Utf8(help) << "\" " << GuidText(la->guid) << "\n";
  SysFreeString(name);
  SysFreeString(help);
  lib->ReleaseTLibAttr(la);
  const UINT n = lib->GetTypeInfoCount();
  for (UINT i = 0; i < n; ++i) {  // the enumerations first, as the listing has them
    TYPEKIND kind;
    lib->GetTypeInfoType(i, &kind);
    if (kind != TKIND_ENUM) continue;
    ITypeInfo* ti = nullptr;
    lib->GetTypeInfo(i, &ti);
    TYPEATTR* ta = nullptr;
    ti->GetTypeAttr(&ta);
    out << "\nenum " << Doc(ti, MEMBERID_NIL, false) << "\n";
    for (UINT v = 0; v < ta->cVars; ++v) {
      VARDESC* vd = nullptr;
      ti->GetVarDesc(v, &vd);
      out << "  " << Doc(ti, vd->memid, false) << " = " << vd->lpvarValue->lVal << "\n";
      ti->ReleaseVarDesc(vd);
    }
    ti->ReleaseTypeAttr(ta);
    ti->Release();
  }
  for (UINT i = 0; i < n; ++i) {
    TYPEKIND kind;
    lib->GetTypeInfoType(i, &kind);
    if (kind != TKIND_COCLASS) continue;
    ITypeInfo* ti = nullptr;
    lib->GetTypeInfo(i, &ti);
    TYPEATTR* ta = nullptr;
    ti->GetTypeAttr(&ta);
    out << "\nclass " << Doc(ti, MEMBERID_NIL, false) << " ("
        << (ta->wTypeFlags & TYPEFLAG_FCONTROL ? "control" : "class")
        << (ta->wTypeFlags & TYPEFLAG_FCANCREATE ? ", creatable" : ", not creatable by hosts") << ") "
        << GuidText(ta->guid) << "\n";
    ITypeInfo* iface = nullptr;
    ITypeInfo* events = nullptr;
    for (UINT k = 0; k < ta->cImplTypes; ++k) {
      INT flags = 0;
      HREFTYPE ref = 0;
      ti->GetImplTypeFlags(k, &flags);
      ti->GetRefTypeOfImplType(k, &ref);
      ti->GetRefTypeInfo(ref, (flags & IMPLTYPEFLAG_FSOURCE) ? &events : &iface);
      CHECK((flags & IMPLTYPEFLAG_FDEFAULT) != 0);
    }
    for (auto [info, label] : {std::pair{iface, "interface"}, {events, "events"}}) {
      if (!info) continue;
      TYPEATTR* a = nullptr;
      info->GetTypeAttr(&a);
      out << "  " << label << " " << Doc(info, MEMBERID_NIL, false) << " " << GuidText(a->guid) << " ("
          << Flags(a->wTypeFlags, info == events) << ")\n";
      info->ReleaseTypeAttr(a);
    }
    if (iface) ListMembers(iface, out);
    if (events) ListEvents(events, out);
    if (iface) iface->Release();
    if (events) events->Release();
    ti->ReleaseTypeAttr(ta);
    ti->Release();
  }
  return out.str();
}

// The listing as the type library can carry it: property-browser categories, toolbox pictures and
// default extents live elsewhere (the registry, the controls), and widl 8 writes neither a
// dispinterface's nonextensible flag nor a string default on a by-reference parameter (the
// library applies that default itself).
std::string WhatTheTypeLibraryCarries(std::istream& in) {
  std::string out, line;
  while (std::getline(in, line)) {
    if (line.rfind("  toolbox picture ", 0) == 0) continue;
    for (const char* cat : {"  [Darstellung]", "  [Verhalten]", "  [Schriftart]", "  [Verschiedenes]"}) {
      if (const size_t at = line.find(cat); at != std::string::npos) line.erase(at, std::string(cat).size());
    }
    if (line.rfind("  events ", 0) == 0) {
      if (const size_t at = line.find(", non-extensible)"); at != std::string::npos) line.replace(at, 17, ")");
    }
    for (size_t at; (at = line.find(" As String = \"\"")) != std::string::npos;) line.erase(at + 10, 5);
    out += line + "\n";
  }
  return out;
}

void TypeLibraryMatchesTheListing(const char* listingPath) {
  ITypeLib* lib = nullptr;
  GUID libid{};
  CLSIDFromString(L"{39B2765F-E250-4437-A229-0739C8D883F3}", &libid);
  CHECK_HR(LoadRegTypeLib(libid, 1, 0, 0x0409, &lib), S_OK);
  if (!lib) return;
  const std::string got = DescribeTypeLib(lib);
  lib->Release();
  std::ifstream in(listingPath);
  CHECK_MSG(in.good(), listingPath);
  const std::string want = WhatTheTypeLibraryCarries(in);
  if (!CHECK(got == want)) {
    std::istringstream g(got), w(want);
    std::string gl, wl;
    for (int n = 1; std::getline(w, wl); ++n) {
      if (!std::getline(g, gl)) gl = "(nothing)";
      if (gl != wl) {
        std::printf("  listing line %d\n    want: %s\n    got:  %s\n", n, wl.c_str(), gl.c_str());
        break;
      }
    }
  }
}

// ---- calling members -------------------------------------------------------------------------

using wintest::I4;
using wintest::IdOf;
using wintest::Put;
using wintest::Str;

IDispatch* Create(const wchar_t* progId) {
  CLSID clsid{};
  IDispatch* d = nullptr;
  if (!CHECK(SUCCEEDED(CLSIDFromProgID(progId, &clsid)))) return nullptr;
  CHECK_HR(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&d)), S_OK);
  return d;
}

// Arguments in the caller's order (reversed into rgvarg as automation passes them); named
// arguments, when given, name the first len(named) of them.
HRESULT Invoke(IDispatch* d, DISPID id, WORD flags, std::vector<VARIANT> args, VARIANT* result,
               std::vector<DISPID> named = {}, EXCEPINFO* excep = nullptr) {
  std::vector<VARIANT> rg(args.rbegin(), args.rend());
  if (!named.empty()) {  // named ones come first in rgvarg, in the order of their identifiers
    rg.assign(args.begin(), args.end());
  }
  DISPPARAMS p{rg.data(), named.empty() ? nullptr : named.data(), static_cast<UINT>(rg.size()),
               static_cast<UINT>(named.size())};
  if (result) VariantInit(result);
  EXCEPINFO local{};
  const HRESULT hr = d->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &p, result, excep ? excep : &local, nullptr);
  if (!excep) {
    SysFreeString(local.bstrSource);
    SysFreeString(local.bstrDescription);
  }
  return hr;
}

VARIANT Missing() {
  VARIANT x;
  VariantInit(&x);
  x.vt = VT_ERROR;
  x.scode = DISP_E_PARAMNOTFOUND;
  return x;
}

VARIANT Get(IDispatch* d, const wchar_t* name) {
  VARIANT r;
  CHECK_HR(Invoke(d, IdOf(d, name), DISPATCH_PROPERTYGET, {}, &r), S_OK);
  return r;
}

long GetLong(IDispatch* d, const wchar_t* name) {
  VARIANT r = Get(d, name);
  VariantChangeType(&r, &r, 0, VT_I4);
  return r.lVal;
}

std::string GetText(IDispatch* d, const wchar_t* name) {
  VARIANT r = Get(d, name);
  const std::string s = r.vt == VT_BSTR ? Utf8(r.bstrVal) : "(not a string)";
  VariantClear(&r);
  return s;
}

void OptionalNamedAndByReferenceArguments() {
  IDispatch* menu = Create(L"vornButton2.vornPUMenu");
  if (!menu) return;
  VARIANT items = Get(menu, L"MenuItem");
  IDispatch* list = items.pdispVal;
  CHECK(items.vt == VT_DISPATCH && list);
  // Add(Key, ..., Group = "g", ..., Bold = True) with the last two by name.
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"Add"), const_cast<LPOLESTR>(L"Group"), const_cast<LPOLESTR>(L"bold")};
  DISPID ids[3] = {};
  CHECK_HR(list->GetIDsOfNames(IID_NULL, names, 3, 0, ids), S_OK);
  CHECK(ids[1] == 5 && ids[2] == 8);
  VARIANT bold;
  VariantInit(&bold);
  bold.vt = VT_BOOL;
  bold.boolVal = VARIANT_TRUE;
  VARIANT item;
  CHECK_HR(Invoke(list, ids[0], DISPATCH_METHOD, {Str(L"g"), bold, Str(L"k1")}, &item, {ids[1], ids[2]}), S_OK);
  if (CHECK(item.vt == VT_DISPATCH)) {
    CHECK(GetText(item.pdispVal, L"Group") == "g" && GetText(item.pdispVal, L"Caption").empty());
    CHECK(GetLong(item.pdispVal, L"Bold") == -1 && GetLong(item.pdispVal, L"Enabled") == -1);
    CHECK(GetLong(item.pdispVal, L"ItemType") == 1);  // defaults of the optional ones
    VariantClear(&item);
  }
  // A missing argument in the middle takes its default; a by-reference string comes back intact.
  BSTR key = SysAllocString(L"Schlüssel");
  VARIANT byRefKey;
  VariantInit(&byRefKey);
  byRefKey.vt = VT_BSTR | VT_BYREF;
  byRefKey.pbstrVal = &key;
  CHECK_HR(Invoke(list, ids[0], DISPATCH_METHOD, {byRefKey, Str(L"Zwei"), Missing(), I4(0)}, &item), S_OK);
  CHECK(Utf8(key) == "Schlüssel");
  if (CHECK(item.vt == VT_DISPATCH)) {
    CHECK(GetLong(item.pdispVal, L"Icon") == 0 && GetLong(item.pdispVal, L"Enabled") == 0);
    CHECK(GetText(item.pdispVal, L"Key") == "Schlüssel");
    VariantClear(&item);
  }
  SysFreeString(key);
  CHECK(GetLong(list, L"Count") == 2);

  // CreateMenu(X, Y) writes the position it used back: past the screen's right edge it opens to
  // the left, so X comes back smaller; Y is left as it was.
  long x = GetSystemMetrics(SM_CXSCREEN) * 15 - 15, y = 300;
  VARIANT rx, ry;
  VariantInit(&rx);
  VariantInit(&ry);
  rx.vt = ry.vt = VT_I4 | VT_BYREF;
  rx.plVal = &x;
  ry.plVal = &y;
  const long before = x;
  CHECK_HR(Invoke(menu, IdOf(menu, L"CreateMenu"), DISPATCH_METHOD, {rx, ry}, nullptr), S_OK);
  CHECK_MSG(x < before && x > 0 && y == 300, std::to_string(before) + " -> " + std::to_string(x));
  CHECK(GetLong(menu, L"MenuVisible") == -1);
  CHECK_HR(Invoke(menu, IdOf(menu, L"KillMenu"), DISPATCH_METHOD, {}, nullptr), S_OK);
  list->Release();
  menu->Release();
}

void ErrorsAsAutomationReportsThem() {
  IDispatch* bar = Create(L"vornButton2.vornToolbar");
  if (!bar) return;
  ISupportErrorInfo* support = nullptr;
  CHECK_HR(bar->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)), S_OK);
  if (support) {
    CHECK_HR(support->InterfaceSupportsErrorInfo(IID_IDispatch), S_OK);
    support->Release();
  }
  struct Case {
    std::vector<VARIANT> args;
    long number;
    const char* text;
  };
  VARIANT item;
  CHECK_HR(Invoke(bar, IdOf(bar, L"Add"), DISPATCH_METHOD, {Str(L"open")}, &item), S_OK);
  VariantClear(&item);
  for (Case& c : std::vector<Case>{
           {{Str(L"OPEN")}, 457, "This key is already associated with an element of this collection"},
           {{Str(L"new"), Str(L"New"), Str(L"three")}, 13, "Type mismatch"},
           {{Str(L"big"), Str(L"Big"), I4(70000)}, 6, "Overflow"}}) {
    EXCEPINFO e{};
    CHECK_HR(Invoke(bar, IdOf(bar, L"Add"), DISPATCH_METHOD, c.args, &item, {}, &e), DISP_E_EXCEPTION);
    CHECK(e.scode == static_cast<HRESULT>(0x800A0000u | static_cast<unsigned long>(c.number)));
    CHECK(Utf8(e.bstrDescription) == c.text && Utf8(e.bstrSource) == "vornButton2");
    IErrorInfo* info = nullptr;
    if (CHECK(GetErrorInfo(0, &info) == S_OK && info)) {
      BSTR d = nullptr;
      info->GetDescription(&d);
      CHECK(Utf8(d) == c.text);
      SysFreeString(d);
      info->Release();
    }
    SysFreeString(e.bstrSource);
    SysFreeString(e.bstrDescription);
    for (VARIANT& v : c.args) VariantClear(&v);
  }
  CHECK(GetLong(bar, L"Count") == 1);  // nothing was added by the failed calls
  EXCEPINFO e{};
  CHECK_HR(Invoke(bar, IdOf(bar, L"Item"), DISPATCH_PROPERTYGET, {I4(5)}, &item, {}, &e), DISP_E_EXCEPTION);
  CHECK(e.scode == static_cast<HRESULT>(0x800A0009));
  SysFreeString(e.bstrSource);
  SysFreeString(e.bstrDescription);
  bar->Release();
}

// ---- events ----------------------------------------------------------------------------------

using CanUnload = HRESULT(STDAPICALLTYPE*)();

void EventsClassInfoAndUnloading() {
  IDispatch* slider = Create(L"vornButton2.vornSlider");
  if (!slider) return;
  HMODULE dll = GetModuleHandleW(L"vornbutton2.dll");
  auto canUnload = reinterpret_cast<CanUnload>(reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")));
  if (!CHECK(canUnload)) return;
  CHECK_HR(canUnload(), S_FALSE);

  IProvideClassInfo2* info = nullptr;
  CHECK_HR(slider->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&info)), S_OK);
  GUID events{};
  if (info) {
    CHECK_HR(info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events), S_OK);
    ITypeInfo* coclass = nullptr;
    CHECK_HR(info->GetClassInfo(&coclass), S_OK);
    if (coclass) {
      CHECK(Doc(coclass, MEMBERID_NIL, false) == "vornSlider");
      coclass->Release();
    }
    info->Release();
  }
  CHECK(GuidText(events) == "{4AE3AF58-8C01-481E-900E-DDD34674FDE6}");
  ITypeInfo* ti = nullptr;
  CHECK_HR(slider->GetTypeInfo(0, 0, &ti), S_OK);
  if (ti) {
    CHECK(Doc(ti, MEMBERID_NIL, false) == "_vornSlider");
    ti->Release();
  }

  IConnectionPointContainer* container = nullptr;
  IConnectionPoint* point = nullptr;
  CHECK_HR(slider->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)), S_OK);
  if (container) CHECK_HR(container->FindConnectionPoint(events, &point), S_OK);
  wintest::EventSink sink;
  DWORD cookie = 0;
  if (point) CHECK_HR(point->Advise(&sink, &cookie), S_OK);
  CHECK_HR(Put(slider, L"Value", I4(8)), S_OK);
  CHECK_HR(Put(slider, L"Value", I4(8)), S_OK);  // the same value again reports no change
  CHECK_MSG(sink.Ids() == std::vector<DISPID>{vorn::EventId<&vorn::SliderEvents::ValueChange>()},
            std::to_string(sink.events.size()) + " events");
  if (point) {
    CHECK_HR(point->Unadvise(cookie), S_OK);
    CHECK_HR(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
  }
  CHECK(sink.refs == 1);  // the control let the sink go
  CHECK_HR(Put(slider, L"Value", I4(2)), S_OK);
  CHECK(sink.events.size() == 1);

  IClassFactory* factory = nullptr;
  CLSID clsid{};
  CLSIDFromProgID(L"vornButton2.vornSlider", &clsid);
  CHECK_HR(CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  if (factory) factory->LockServer(TRUE);
  if (point) point->Release();
  if (container) container->Release();
  slider->Release();
  if (factory) factory->Release();
  CHECK_HR(canUnload(), S_FALSE);  // no object left, but the server is locked
  factory = nullptr;
  CHECK_HR(CoGetClassObject(clsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  if (factory) {
    factory->LockServer(FALSE);
    factory->Release();
  }
  CHECK_HR(canUnload(), S_OK);
}

// The toolbar's NewEnum keeps the toolbar (and the site it made for itself) alive after the
// client let the toolbar go, which terminated it.
void AnEnumeratorOutlivesItsToolbar() {
  IDispatch* bar = Create(L"vornButton2.vornToolbar");
  if (!bar) return;
  VARIANT item;
  for (const wchar_t* key : {L"first", L"second"}) {
    CHECK_HR(Invoke(bar, IdOf(bar, L"Add"), DISPATCH_METHOD, {Str(key), Str(L"Caption")}, &item), S_OK);
    VariantClear(&item);
  }
  // An ordinary property here (the toolbar is walked by name): the enumerator as an object.
  VARIANT walker = Get(bar, L"NewEnum");
  if (!CHECK(walker.vt == VT_DISPATCH && walker.pdispVal)) return;
  IDispatch* e = walker.pdispVal;
  VARIANT slot, more;
  VariantInit(&slot);
  VARIANT ref;
  VariantInit(&ref);
  ref.vt = VT_VARIANT | VT_BYREF;
  ref.pvarVal = &slot;
  CHECK_HR(Invoke(e, IdOf(e, L"Next"), DISPATCH_METHOD, {ref}, &more), S_OK);
  CHECK(more.vt == VT_BOOL && more.boolVal == VARIANT_TRUE);
  if (CHECK(slot.vt == VT_DISPATCH)) CHECK(GetText(slot.pdispVal, L"sKey") == "first");
  VariantClear(&slot);
  bar->Release();
  CHECK_HR(Invoke(e, IdOf(e, L"Next"), DISPATCH_METHOD, {ref}, &more), S_OK);
  CHECK(more.vt == VT_BOOL);
  VariantClear(&slot);
  CHECK(GetLong(e, L"Count") >= 0);
  VariantClear(&walker);
}

// The ToolboxBitmap32 entries name resources 30000-30006 of the DLL: 16 x 15 pictures of a
// raised button on the standard grey.
void ToolboxBitmapsAreResourcesOfTheDll() {
  IDispatch* any = Create(L"vornButton2.vornButton");  // loads the DLL
  HMODULE dll = GetModuleHandleW(L"vornbutton2.dll");
  HDC dc = CreateCompatibleDC(nullptr);
  for (int id = 30000; id <= 30006; ++id) {
    HBITMAP b = static_cast<HBITMAP>(LoadImageW(dll, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP info{};
    if (!CHECK_MSG(b && GetObjectW(b, sizeof info, &info), std::to_string(id))) continue;
    CHECK(info.bmWidth == 16 && info.bmHeight == 15 && info.bmBitsPixel == 4);
    HGDIOBJ old = SelectObject(dc, b);
    CHECK(GetPixel(dc, 0, 0) == RGB(0xC0, 0xC0, 0xC0) && GetPixel(dc, 1, 2) == RGB(0xFF, 0xFF, 0xFF));
    SelectObject(dc, old);
    DeleteObject(b);
  }
  DeleteDC(dc);
  if (!any) return;
  // The button's font answers as the standard font dispatch interface.
  VARIANT font = Get(any, L"Font");
  IDispatch* fontDisp = nullptr;
  if (CHECK(font.vt == VT_DISPATCH && font.pdispVal)) {
    CHECK_HR(font.pdispVal->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(&fontDisp)), S_OK);
    if (fontDisp) fontDisp->Release();
  }
  VariantClear(&font);
  any->Release();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: com_client LISTING\n");
    return 2;
  }
  CoInitialize(nullptr);
  TypeLibraryMatchesTheListing(argv[1]);
  OptionalNamedAndByReferenceArguments();
  ErrorsAsAutomationReportsThem();
  ToolboxBitmapsAreResourcesOfTheDll();
  AnEnumeratorOutlivesItsToolbar();
  EventsClassInfoAndUnloading();
  CoUninitialize();
  return wintest::Finish("com_client");
}
