#include "host/desktop/GlobalPointer.h"

#include <SDL.h>

#include <cstring>

#if VORN_DESKTOP_X11
#include <X11/Xlib.h>
#endif

namespace vorn {

GlobalPointer::GlobalPointer() {
#if VORN_DESKTOP_X11
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver && std::strcmp(driver, "x11") == 0) display_ = XOpenDisplay(nullptr);
#endif
}

GlobalPointer::~GlobalPointer() {
#if VORN_DESKTOP_X11
  if (display_) XCloseDisplay(static_cast<Display*>(display_));
#endif
}

uint32_t GlobalPointer::Query(PointL& position) {
#if VORN_DESKTOP_X11
  if (display_) {
    auto* d = static_cast<Display*>(display_);
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int winX = 0;
    int winY = 0;
    unsigned int mask = 0;
    if (XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rootX, &rootY, &winX, &winY, &mask)) {
      position = {rootX, rootY};
      uint32_t buttons = 0;
      if (mask & Button1Mask) buttons |= SDL_BUTTON_LMASK;
      if (mask & Button2Mask) buttons |= SDL_BUTTON_MMASK;
      if (mask & Button3Mask) buttons |= SDL_BUTTON_RMASK;
      return buttons;
    }
  }
#endif
  SDL_PumpEvents();  // SDL keeps its global state from the events it has read
  return SDL_GetGlobalMouseState(&position.x, &position.y);
}

}  // namespace vorn
