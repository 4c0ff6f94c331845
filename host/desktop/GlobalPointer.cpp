#include "host/desktop/GlobalPointer.h"

#include <SDL.h>

#include <cstring>

#if VORN_DESKTOP_X11
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#endif

namespace vorn {

namespace {
uint32_t MaskOfButton(unsigned int button) {
  switch (button) {
    case 1: return SDL_BUTTON_LMASK;
    case 2: return SDL_BUTTON_MMASK;
    case 3: return SDL_BUTTON_RMASK;
    default: return 0;
  }
}
}  // namespace

GlobalPointer::GlobalPointer() {
#if VORN_DESKTOP_X11
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "x11") != 0) return;
  auto* d = XOpenDisplay(nullptr);
  display_ = d;
  if (!d) return;
  // Raw button presses reach this connection from every window, also during another
  // program's grab.
  int event = 0;
  int error = 0;
  int major = 2;
  int minor = 0;
  if (!XQueryExtension(d, "XInputExtension", &inputOpcode_, &event, &error) ||
      XIQueryVersion(d, &major, &minor) != Success) {
    inputOpcode_ = -1;
    return;
  }
  unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
  XISetMask(bits, XI_RawButtonPress);
  XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
  XISelectEvents(d, DefaultRootWindow(d), &mask, 1);
  XFlush(d);
#endif
}

GlobalPointer::~GlobalPointer() {
#if VORN_DESKTOP_X11
  if (display_) XCloseDisplay(static_cast<Display*>(display_));
#endif
}

void GlobalPointer::ReadPresses() {
#if VORN_DESKTOP_X11
  if (!display_ || inputOpcode_ < 0) return;
  auto* d = static_cast<Display*>(display_);
  while (XPending(d) > 0) {
    XEvent e;
    XNextEvent(d, &e);
    XGenericEventCookie* cookie = &e.xcookie;
    if (cookie->type != GenericEvent || cookie->extension != inputOpcode_ || !XGetEventData(d, cookie)) continue;
    if (cookie->evtype == XI_RawButtonPress) {
      pressed_ |= MaskOfButton(static_cast<unsigned int>(static_cast<XIRawEvent*>(cookie->data)->detail));
    }
    XFreeEventData(d, cookie);
  }
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

PointL GlobalPointer::Position() {
  PointL p;
  Query(p);
  return p;
}

uint32_t GlobalPointer::Held() {
  PointL unused;
  return Query(unused);
}

bool GlobalPointer::PressedSinceAsked(uint32_t button) {
  ReadPresses();
  const bool pressed = (pressed_ & button) != 0;
  pressed_ &= ~button;
  return pressed;
}

}  // namespace vorn
