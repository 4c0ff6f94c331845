#pragma once
// The GUID type of the platform: Windows' own on Windows, the C interface's on Linux hosts.
#ifdef _WIN32
#include <guiddef.h>
#else
#include "library/vornbutton2.h"
#endif
