/* A C host of the library: loads it with dlopen, registers it into a registry file, finds a class
 * by its programmatic identifier there, creates the control on a headless site through the class
 * factory, sets a property through IDispatch::Invoke, receives an event through a connection
 * point, and checks when the library may be unloaded.
 *
 * usage: c_client LIBVORNBUTTON2 LIBVORNHEADLESS REGISTRY PROGID PROPERTY VALUE EVENT_DISPID */
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "host/headless/HeadlessApi.h"
#include "library/vornbutton2.h"

#define CHECK(cond, what)                                   \
  do {                                                      \
    if (!(cond)) {                                          \
      fprintf(stderr, "c_client: failed: %s (line %d)\n", what, __LINE__); \
      exit(1);                                              \
    }                                                       \
  } while (0)

typedef HRESULT (*DllFn)(void);
typedef HRESULT (*GetClassObjectFn)(const CLSID*, const IID*, void**);

/* ---- a minimal event sink: an IDispatch that counts the events it receives ---- */
typedef struct Sink {
  const IDispatchVtbl* lpVtbl;
  int refs;
  int events;
  DISPID last;
} Sink;

static HRESULT SinkQueryInterface(IDispatch* self, const IID* riid, void** ppv) {
  (void)riid;
  *ppv = self;
  ((Sink*)self)->refs++;
  return S_OK;
}
static uint32_t SinkAddRef(IDispatch* self) { return (uint32_t)++((Sink*)self)->refs; }
static uint32_t SinkRelease(IDispatch* self) { return (uint32_t)--((Sink*)self)->refs; }
static HRESULT SinkTypeInfoCount(IDispatch* self, uint32_t* n) {
  (void)self;
  *n = 0;
  return S_OK;
}
static HRESULT SinkTypeInfo(IDispatch* self, uint32_t i, uint32_t l, void** t) {
  (void)self, (void)i, (void)l;
  *t = NULL;
  return E_NOTIMPL;
}
static HRESULT SinkIds(IDispatch* self, const IID* r, const char** n, uint32_t c, uint32_t l, DISPID* ids) {
  (void)self, (void)r, (void)n, (void)c, (void)l, (void)ids;
  return DISP_E_UNKNOWNNAME;
}
static HRESULT SinkInvoke(IDispatch* self, DISPID id, const IID* r, uint32_t l, uint16_t f, DISPPARAMS* p,
                          VARIANT* res, EXCEPINFO* e, uint32_t* a) {
  (void)r, (void)l, (void)f, (void)p, (void)res, (void)e, (void)a;
  ((Sink*)self)->events++;
  ((Sink*)self)->last = id;
  return S_OK;
}
static const IDispatchVtbl kSinkVtbl = {SinkQueryInterface, SinkAddRef,   SinkRelease, SinkTypeInfoCount,
                                        SinkTypeInfo,       SinkIds,      SinkInvoke};

/* The class identifier stored under [HKEY_CLASSES_ROOT\PROGID\CLSID] in the registry file. */
static int FindClsid(const char* registry, const char* progId, char* out, size_t n) {
  char key[256], line[1024];
  snprintf(key, sizeof key, "[HKEY_CLASSES_ROOT\\%s\\CLSID]", progId);
  FILE* f = fopen(registry, "r");
  int found = 0, inKey = 0;
  if (!f) return 0;
  while (fgets(line, sizeof line, f)) {
    line[strcspn(line, "\r\n")] = 0;
    if (line[0] == '[') inKey = strcmp(line, key) == 0;
    else if (inKey && strncmp(line, "@=\"", 3) == 0) {
      snprintf(out, n, "%.*s", (int)(strlen(line) - 4), line + 3);
      found = 1;
    }
  }
  fclose(f);
  return found;
}

static int ParseGuid(const char* s, GUID* g) {
  unsigned a, b, c, d[8];
  if (sscanf(s, "{%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x}", &a, &b, &c, &d[0], &d[1], &d[2], &d[3], &d[4], &d[5],
             &d[6], &d[7]) != 11)
    return 0;
  g->Data1 = a;
  g->Data2 = (uint16_t)b;
  g->Data3 = (uint16_t)c;
  for (int i = 0; i < 8; ++i) g->Data4[i] = (uint8_t)d[i];
  return 1;
}

int main(int argc, char** argv) {
  CHECK(argc == 8, "usage: c_client LIB HEADLESS REGISTRY PROGID PROPERTY VALUE EVENT");
  const char* progId = argv[4];
  const char* property = argv[5];
  const int32_t value = atoi(argv[6]);
  const DISPID expectedEvent = atoi(argv[7]);
  setenv("VORN_REGISTRY", argv[3], 1);
  remove(argv[3]);

  void* lib = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  CHECK(lib, dlerror());
  void* headless = dlopen(argv[2], RTLD_NOW | RTLD_LOCAL);
  CHECK(headless, dlerror());
  DllFn reg = (DllFn)dlsym(lib, "DllRegisterServer");
  DllFn unreg = (DllFn)dlsym(lib, "DllUnregisterServer");
  DllFn canUnload = (DllFn)dlsym(lib, "DllCanUnloadNow");
  GetClassObjectFn getClassObject = (GetClassObjectFn)dlsym(lib, "DllGetClassObject");
  const IID* iidFactory = (const IID*)dlsym(lib, "IID_IClassFactory");
  const IID* iidControl = (const IID*)dlsym(lib, "IID_IVornControl");
  const IID* iidDispatch = (const IID*)dlsym(lib, "IID_IDispatch");
  const IID* iidContainer = (const IID*)dlsym(lib, "IID_IConnectionPointContainer");
  CHECK(reg && unreg && canUnload && getClassObject && iidFactory && iidControl && iidDispatch && iidContainer,
        "entry points exported with C linkage");
  VornHeadless* (*create)(int32_t, int32_t) = dlsym(headless, "vornHeadlessCreate");
  void* (*createSite)(VornHeadless*, const char*, int32_t, int32_t, int32_t, int32_t) =
      dlsym(headless, "vornHeadlessCreateSite");
  void (*destroy)(VornHeadless*) = dlsym(headless, "vornHeadlessDestroy");
  CHECK(create && createSite && destroy, "headless host entry points");

  CHECK(reg() == S_OK, "DllRegisterServer");
  char text[64];
  GUID clsid;
  CHECK(FindClsid(argv[3], progId, text, sizeof text) && ParseGuid(text, &clsid), "class identifier in the registry");

  IClassFactory* factory = NULL;
  CHECK(getClassObject(&clsid, iidFactory, (void**)&factory) == S_OK && factory, "DllGetClassObject");
  IVornControl* control = NULL;
  CHECK(factory->lpVtbl->CreateInstance(factory, NULL, iidControl, (void**)&control) == S_OK, "CreateInstance");
  factory->lpVtbl->Release(factory);

  VornHeadless* host = create(400, 300);
  void* site = createSite(host, "Control1", 10, 10, 220, 41);
  CHECK(control->lpVtbl->SetSite(control, site) == S_OK, "SetSite");
  CHECK(control->lpVtbl->InitNew(control) == S_OK, "InitNew");

  IConnectionPointContainer* container = NULL;
  IConnectionPoint* point = NULL;
  Sink sink = {&kSinkVtbl, 1, 0, 0};
  uint32_t cookie = 0;
  CHECK(control->lpVtbl->QueryInterface(control, iidContainer, (void**)&container) == S_OK, "connection points");
  CHECK(container->lpVtbl->FindConnectionPoint(container, iidDispatch, &point) == S_OK, "FindConnectionPoint");
  CHECK(point->lpVtbl->Advise(point, (IUnknown*)&sink, &cookie) == S_OK, "Advise");

  IDispatch* disp = NULL;
  CHECK(control->lpVtbl->QueryInterface(control, iidDispatch, (void**)&disp) == S_OK, "IDispatch");
  DISPID id = 0;
  const char* names[1] = {property};
  CHECK(disp->lpVtbl->GetIDsOfNames(disp, NULL, names, 1, 0x0409, &id) == S_OK, "GetIDsOfNames");
  VARIANT arg;
  memset(&arg, 0, sizeof arg);
  arg.vt = VT_I4;
  arg.lVal = value;
  DISPID putId = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&arg, &putId, 1, 1};
  sink.events = 0;
  CHECK(disp->lpVtbl->Invoke(disp, id, NULL, 0x0409, DISPATCH_PROPERTYPUT, &params, NULL, NULL, NULL) == S_OK,
        "Invoke property put");
  VARIANT result;
  memset(&result, 0, sizeof result);
  DISPPARAMS none = {NULL, NULL, 0, 0};
  CHECK(disp->lpVtbl->Invoke(disp, id, NULL, 0x0409, DISPATCH_PROPERTYGET, &none, &result, NULL, NULL) == S_OK,
        "Invoke property get");
  CHECK((result.vt == VT_I4 && result.lVal == value) || (result.vt == VT_I2 && result.iVal == value),
        "the value reads back");
  if (expectedEvent) CHECK(sink.events >= 1 && sink.last == expectedEvent, "the event reached the sink");

  CHECK(canUnload() == S_FALSE, "the library stays loaded while the control lives");
  point->lpVtbl->Unadvise(point, cookie);
  point->lpVtbl->Release(point);
  container->lpVtbl->Release(container);
  disp->lpVtbl->Release(disp);
  control->lpVtbl->Release(control);
  CHECK(canUnload() == S_OK, "the library may unload once everything is released");
  CHECK(sink.refs == 1, "the sink was released");

  destroy(host);
  CHECK(unreg() == S_OK, "DllUnregisterServer");
  CHECK(!FindClsid(argv[3], progId, text, sizeof text), "unregistering removed the class");
  dlclose(headless);
  dlclose(lib);
  printf("c_client: %s: all checks passed\n", progId);
  return 0;
}
