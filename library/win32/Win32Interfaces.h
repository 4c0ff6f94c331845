#pragma once
// The interfaces only the Windows build's objects answer. A further interface (the OLE control
// interfaces a container asks for) is one more file with its table and test, listed here and in
// the table of ComPlatform.cpp.
#include "library/com/ComObject.h"

namespace vorn {

extern const ISupportErrorInfoVtbl kSupportErrorInfoVtbl;
bool AnswersSupportErrorInfo(const DispatchObject& object, const IID& iid);

extern const IProvideClassInfo2Vtbl kProvideClassInfo2Vtbl;
bool AnswersProvideClassInfo(const DispatchObject& object, const IID& iid);

}  // namespace vorn
