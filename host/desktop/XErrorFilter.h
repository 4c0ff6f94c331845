#pragma once

namespace vorn {

/// Keeps one harmless X error from ending the program. SDL wakes a waiting event loop by sending a
/// message to one of its windows over a second connection; when the window is destroyed before
/// the server gets to that message (closing the last window does exactly that), the server
/// answers BadWindow, and Xlib's default handler prints it and exits with status 1 while SDL
/// shuts down. Every other error goes to the handler that was there before.
///
/// Install it before SDL starts: SDL puts its own handler in front and, as it quits, puts back the
/// one it found, just before closing the connection where the error arrives.
class XErrorFilter {
 public:
  XErrorFilter();
  ~XErrorFilter();
  XErrorFilter(const XErrorFilter&) = delete;
  XErrorFilter& operator=(const XErrorFilter&) = delete;

 private:
  bool installed_ = false;
};

}  // namespace vorn
