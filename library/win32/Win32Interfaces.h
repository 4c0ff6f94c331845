#pragma once
// The interfaces only the Windows build's objects answer, each in a file of its own with its
// function table and the test of which objects answer it; ComPlatform.cpp lists them.
#include "library/com/ComObject.h"

namespace vorn {

extern const ISupportErrorInfoVtbl kSupportErrorInfoVtbl;
bool AnswersSupportErrorInfo(const DispatchObject& object, const IID& iid);

extern const IProvideClassInfo2Vtbl kProvideClassInfo2Vtbl;
bool AnswersProvideClassInfo(const DispatchObject& object, const IID& iid);

// The OLE control interfaces a container asks for (controls only).
extern const IOleObjectVtbl kOleObjectVtbl;
bool AnswersOleObject(const DispatchObject& object, const IID& iid);
extern const IOleInPlaceObjectVtbl kOleInPlaceObjectVtbl;
bool AnswersOleInPlaceObject(const DispatchObject& object, const IID& iid);
extern const IOleInPlaceActiveObjectVtbl kOleInPlaceActiveObjectVtbl;
bool AnswersOleInPlaceActiveObject(const DispatchObject& object, const IID& iid);
extern const IOleControlVtbl kOleControlVtbl;
bool AnswersOleControl(const DispatchObject& object, const IID& iid);
extern const IViewObject2Vtbl kViewObject2Vtbl;
bool AnswersViewObject(const DispatchObject& object, const IID& iid);
extern const IPersistStreamInitVtbl kPersistStreamInitVtbl;
bool AnswersPersistStream(const DispatchObject& object, const IID& iid);
extern const IPersistPropertyBagVtbl kPersistPropertyBagVtbl;
bool AnswersPersistPropertyBag(const DispatchObject& object, const IID& iid);

}  // namespace vorn
