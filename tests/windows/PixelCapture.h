#pragma once
#include <windows.h>

namespace wintest {

/// Captures every case of PixelCases.h into folder as NAME.png: the control in the project's
/// container, in its look made with real input.
void CapturePixelCases(const char* folder);
/// The showing popup window of the host's, or null.
HWND ShownPopup();

}  // namespace wintest
