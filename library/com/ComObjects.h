#pragma once
// The library's COM objects as C++ hosts and tests reach them: the wrapper behind an interface
// pointer, the library object behind it, and the counts DllCanUnloadNow reads.
#include "library/com/ComObject.h"
#include "library/com/Interfaces.h"
