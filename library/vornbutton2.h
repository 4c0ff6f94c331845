/* vornButton2: the C interface of the library's automation surface.
 *
 * Objects are reached through interface pointers whose first member is a table of functions, the
 * first three being QueryInterface, AddRef and Release. Strings are UTF-8, allocated with
 * vornSysAllocString and freed with vornSysFreeString. Arguments in DISPPARAMS run from last to
 * first, as automation passes them. */
#ifndef VORNBUTTON2_H
#define VORNBUTTON2_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t HRESULT;
typedef int32_t DISPID;
typedef uint16_t VARTYPE;
typedef char* BSTR;

typedef struct GUID {
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
} GUID;
typedef GUID IID;
typedef GUID CLSID;

#define S_OK ((HRESULT)0)
#define S_FALSE ((HRESULT)1)
#define E_NOTIMPL ((HRESULT)0x80004001)
#define E_NOINTERFACE ((HRESULT)0x80004002)
#define E_POINTER ((HRESULT)0x80004003)
#define E_FAIL ((HRESULT)0x80004005)
#define E_UNEXPECTED ((HRESULT)0x8000FFFF)
#define E_OUTOFMEMORY ((HRESULT)0x8007000E)
#define E_INVALIDARG ((HRESULT)0x80070057)
#define CLASS_E_NOAGGREGATION ((HRESULT)0x80040110)
#define CLASS_E_CLASSNOTAVAILABLE ((HRESULT)0x80040111)
#define CONNECT_E_NOCONNECTION ((HRESULT)0x80040200)
#define CONNECT_E_CANNOTCONNECT ((HRESULT)0x80040202)
#define SELFREG_E_TYPELIB ((HRESULT)0x80040200)
#define SELFREG_E_CLASS ((HRESULT)0x80040201)
#define DISP_E_UNKNOWNINTERFACE ((HRESULT)0x80020001)
#define DISP_E_MEMBERNOTFOUND ((HRESULT)0x80020003)
#define DISP_E_PARAMNOTFOUND ((HRESULT)0x80020004)
#define DISP_E_TYPEMISMATCH ((HRESULT)0x80020005)
#define DISP_E_UNKNOWNNAME ((HRESULT)0x80020006)
#define DISP_E_NONAMEDARGS ((HRESULT)0x80020007)
#define DISP_E_EXCEPTION ((HRESULT)0x80020009)
#define DISP_E_OVERFLOW ((HRESULT)0x8002000A)
#define DISP_E_BADPARAMCOUNT ((HRESULT)0x8002000E)
#define DISP_E_PARAMNOTOPTIONAL ((HRESULT)0x8002000F)

enum VARENUM {
  VT_EMPTY = 0, VT_NULL = 1, VT_I2 = 2, VT_I4 = 3, VT_R4 = 4, VT_R8 = 5, VT_BSTR = 8, VT_DISPATCH = 9,
  VT_ERROR = 10, VT_BOOL = 11, VT_VARIANT = 12, VT_UNKNOWN = 13, VT_BYREF = 0x4000
};
#define VARIANT_TRUE ((int16_t)-1)
#define VARIANT_FALSE ((int16_t)0)

#define DISPATCH_METHOD 1
#define DISPATCH_PROPERTYGET 2
#define DISPATCH_PROPERTYPUT 4
#define DISPATCH_PROPERTYPUTREF 8
#define DISPID_VALUE 0
#define DISPID_UNKNOWN (-1)
#define DISPID_PROPERTYPUT (-3)
#define DISPID_NEWENUM (-4)

struct IUnknown;
struct IDispatch;

typedef struct VARIANT {
  VARTYPE vt;
  uint16_t wReserved1, wReserved2, wReserved3;
  union {
    int16_t iVal;
    int32_t lVal;
    float fltVal;
    double dblVal;
    int16_t boolVal;
    int32_t scode;
    BSTR bstrVal;
    struct IUnknown* punkVal;
    struct IDispatch* pdispVal;
    int16_t* piVal;
    int32_t* plVal;
    float* pfltVal;
    double* pdblVal;
    int16_t* pboolVal;
    BSTR* pbstrVal;
    struct IDispatch** ppdispVal;
    struct VARIANT* pvarVal;
  };
} VARIANT;

typedef struct DISPPARAMS {
  VARIANT* rgvarg;
  DISPID* rgdispidNamedArgs;
  uint32_t cArgs;
  uint32_t cNamedArgs;
} DISPPARAMS;

typedef struct EXCEPINFO {
  uint16_t wCode;
  uint16_t wReserved;
  BSTR bstrSource;
  BSTR bstrDescription;
  BSTR bstrHelpFile;
  uint32_t dwHelpContext;
  void* pvReserved;
  void* pfnDeferredFillIn;
  int32_t scode;
} EXCEPINFO;

#define VORN_UNKNOWN_METHODS(T)                                   \
  HRESULT (*QueryInterface)(T* self, const IID* riid, void** ppv); \
  uint32_t (*AddRef)(T* self);                                     \
  uint32_t (*Release)(T* self);

typedef struct IUnknownVtbl { VORN_UNKNOWN_METHODS(struct IUnknown) } IUnknownVtbl;
typedef struct IUnknown { const IUnknownVtbl* lpVtbl; } IUnknown;

typedef struct IDispatchVtbl {
  VORN_UNKNOWN_METHODS(struct IDispatch)
  HRESULT (*GetTypeInfoCount)(struct IDispatch* self, uint32_t* count);
  HRESULT (*GetTypeInfo)(struct IDispatch* self, uint32_t index, uint32_t lcid, void** info);
  HRESULT (*GetIDsOfNames)(struct IDispatch* self, const IID* riid, const char** names, uint32_t count,
                           uint32_t lcid, DISPID* ids);
  HRESULT (*Invoke)(struct IDispatch* self, DISPID id, const IID* riid, uint32_t lcid, uint16_t flags,
                    DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep, uint32_t* argErr);
} IDispatchVtbl;
typedef struct IDispatch { const IDispatchVtbl* lpVtbl; } IDispatch;

typedef struct IClassFactory IClassFactory;
typedef struct IClassFactoryVtbl {
  VORN_UNKNOWN_METHODS(IClassFactory)
  HRESULT (*CreateInstance)(IClassFactory* self, IUnknown* outer, const IID* riid, void** ppv);
  HRESULT (*LockServer)(IClassFactory* self, int32_t lock);
} IClassFactoryVtbl;
struct IClassFactory { const IClassFactoryVtbl* lpVtbl; };

typedef struct IConnectionPoint IConnectionPoint;
typedef struct IConnectionPointVtbl {
  VORN_UNKNOWN_METHODS(IConnectionPoint)
  HRESULT (*GetConnectionInterface)(IConnectionPoint* self, IID* iid);
  HRESULT (*GetConnectionPointContainer)(IConnectionPoint* self, void** container);
  HRESULT (*Advise)(IConnectionPoint* self, IUnknown* sink, uint32_t* cookie);
  HRESULT (*Unadvise)(IConnectionPoint* self, uint32_t cookie);
  HRESULT (*EnumConnections)(IConnectionPoint* self, void** connections);
} IConnectionPointVtbl;
struct IConnectionPoint { const IConnectionPointVtbl* lpVtbl; };

typedef struct IConnectionPointContainer IConnectionPointContainer;
typedef struct IConnectionPointContainerVtbl {
  VORN_UNKNOWN_METHODS(IConnectionPointContainer)
  HRESULT (*EnumConnectionPoints)(IConnectionPointContainer* self, void** points);
  HRESULT (*FindConnectionPoint)(IConnectionPointContainer* self, const IID* riid, IConnectionPoint** point);
} IConnectionPointContainerVtbl;
struct IConnectionPointContainer { const IConnectionPointContainerVtbl* lpVtbl; };

typedef struct IEnumVARIANT IEnumVARIANT;
typedef struct IEnumVARIANTVtbl {
  VORN_UNKNOWN_METHODS(IEnumVARIANT)
  HRESULT (*Next)(IEnumVARIANT* self, uint32_t count, VARIANT* items, uint32_t* fetched);
  HRESULT (*Skip)(IEnumVARIANT* self, uint32_t count);
  HRESULT (*Reset)(IEnumVARIANT* self);
  HRESULT (*Clone)(IEnumVARIANT* self, IEnumVARIANT** copy);
} IEnumVARIANTVtbl;
struct IEnumVARIANT { const IEnumVARIANTVtbl* lpVtbl; };

/* A control is placed on its host's site before anything else: SetSite binds it to a host site
 * (an opaque pointer the host library gives out), InitNew gives it its defaults, Load its stored
 * properties from a host property bag (opaque), Save writes them. */
typedef struct IVornControl IVornControl;
typedef struct IVornControlVtbl {
  VORN_UNKNOWN_METHODS(IVornControl)
  HRESULT (*SetSite)(IVornControl* self, void* site);
  HRESULT (*InitNew)(IVornControl* self);
  HRESULT (*Load)(IVornControl* self, void* propertyBag);
  HRESULT (*Save)(IVornControl* self, void* propertyBag);
} IVornControlVtbl;
struct IVornControl { const IVornControlVtbl* lpVtbl; };

extern const IID IID_IUnknown;
extern const IID IID_IDispatch;
extern const IID IID_IClassFactory;
extern const IID IID_IConnectionPoint;
extern const IID IID_IConnectionPointContainer;
extern const IID IID_IEnumVARIANT;
extern const IID IID_IVornControl;

/* The four in-process server entry points. */
HRESULT DllRegisterServer(void);
HRESULT DllUnregisterServer(void);
HRESULT DllGetClassObject(const CLSID* clsid, const IID* riid, void** ppv);
HRESULT DllCanUnloadNow(void);

/* The run-time error behind the last failed call on this thread (its number and text), as
 * automation's error information gives it; S_FALSE when there is none. Reading it clears it. */
HRESULT vornGetErrorInfo(int32_t* number, BSTR* description);

/* The 16 x 15 toolbox picture of a control (resource identifiers 30000 to 30006, as the registry's
 * ToolboxBitmap32 entries name them), row by row, each pixel &HBBGGRR. E_INVALIDARG for another id. */
HRESULT vornGetToolboxPicture(int32_t resourceId, uint32_t pixels[16 * 15]);

/* Strings and variants. */
BSTR vornSysAllocString(const char* text);
void vornSysFreeString(BSTR text);
void vornVariantInit(VARIANT* v);
HRESULT vornVariantClear(VARIANT* v);

#ifdef __cplusplus
}
#endif

#endif
