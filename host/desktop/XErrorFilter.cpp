#include "host/desktop/XErrorFilter.h"

#if VORN_DESKTOP_X11
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#endif

namespace vorn {

#if VORN_DESKTOP_X11
namespace {

XErrorHandler previous = nullptr;

int Filter(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return previous ? previous(display, error) : 0;
}

}  // namespace
#endif

XErrorFilter::XErrorFilter() {
#if VORN_DESKTOP_X11
  previous = XSetErrorHandler(Filter);
  installed_ = true;
#endif
}

XErrorFilter::~XErrorFilter() {
#if VORN_DESKTOP_X11
  if (installed_) XSetErrorHandler(previous);
#endif
}

}  // namespace vorn
