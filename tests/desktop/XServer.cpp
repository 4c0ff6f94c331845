#include "XServer.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <stdexcept>
#include <thread>

namespace vorn::test {

namespace {

using Clock = std::chrono::steady_clock;

int Channel(uint32_t pixel, unsigned long mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1)) ++shift;
  const unsigned long v = (pixel & mask) >> shift;
  const unsigned long max = mask >> shift;
  return static_cast<int>(v * 255 / max);
}

// A window property as Xlib hands it out, freed with this.
struct Property {
  unsigned char* data = nullptr;
  unsigned long count = 0;
  int format = 0;
  Property(Display* d, Window w, const char* name, Atom type, long maxItems) {
    Atom actual = 0;
    unsigned long after = 0;
    if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, maxItems, False, type, &actual, &format, &count,
                           &after, &data) != Success) {
      data = nullptr;
    }
    if (!data) count = 0;
  }
  ~Property() {
    if (data) XFree(data);
  }
  Property(const Property&) = delete;
  Property& operator=(const Property&) = delete;
};

}  // namespace

Xvfb::Xvfb(int width, int height) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("cannot create a pipe");
  ChildProcess::Launch launch;
  launch.argv = {"Xvfb", "-displayfd", "3", "-screen", "0", std::to_string(width) + "x" + std::to_string(height) + "x24",
               "-nolisten", "tcp", "-noreset"};
  launch.passFd = fds[1];
  try {
    server_ = std::make_unique<ChildProcess>(launch);
  } catch (...) {
    close(fds[0]);
    close(fds[1]);
    throw;
  }
  close(fds[1]);
  // Xvfb writes the display number it took once it accepts clients.
  std::string number;
  const auto deadline = Clock::now() + std::chrono::seconds(30);
  while (number.find('\n') == std::string::npos && Clock::now() < deadline) {
    pollfd p{fds[0], POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char buf[32];
    const ssize_t n = read(fds[0], buf, sizeof buf);
    if (n <= 0) break;
    number.append(buf, static_cast<size_t>(n));
  }
  close(fds[0]);
  if (number.find('\n') == std::string::npos) {
    throw std::runtime_error("Xvfb did not start: " + server_->Errors());
  }
  display_ = ":" + number.substr(0, number.find('\n'));
}

XScreen::XScreen(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
  if (!display_) throw std::runtime_error("cannot connect to the X server " + display);
}

XScreen::~XScreen() { XCloseDisplay(static_cast<Display*>(display_)); }

std::string XScreen::Title(unsigned long window) {
  const Property p(static_cast<Display*>(display_), window, "_NET_WM_NAME", AnyPropertyType, 1024);
  return std::string(reinterpret_cast<const char*>(p.data), p.data ? p.count : 0);
}

unsigned long XScreen::WaitForWindow(const std::string& title, milliseconds timeout) {
  auto* d = static_cast<Display*>(display_);
  const auto deadline = Clock::now() + timeout;
  while (true) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int n = 0;
    Window found = 0;
    if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &n)) {
      for (unsigned int i = 0; i < n && !found; ++i) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable && Title(children[i]) == title) {
          found = children[i];
        }
      }
      if (children) XFree(children);
    }
    if (found) return found;
    if (Clock::now() >= deadline) return 0;
    std::this_thread::sleep_for(milliseconds(50));
  }
}

RectL XScreen::Geometry(unsigned long window) {
  auto* d = static_cast<Display*>(display_);
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, window, &a)) return {};
  int x = 0;
  int y = 0;
  Window child = 0;
  XTranslateCoordinates(d, window, DefaultRootWindow(d), 0, 0, &x, &y, &child);
  return {x, y, x + a.width, y + a.height};
}

PixelBuffer XScreen::Grab(const RectL& area) {
  auto* d = static_cast<Display*>(display_);
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  PixelBuffer out(w, h, 0);
  XImage* image = XGetImage(d, DefaultRootWindow(d), area.left, area.top, static_cast<unsigned>(w),
                            static_cast<unsigned>(h), AllPlanes, ZPixmap);
  if (!image) throw std::runtime_error("cannot read the screen");
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const auto p = static_cast<uint32_t>(XGetPixel(image, x, y));
      const int r = Channel(p, image->red_mask);
      const int g = Channel(p, image->green_mask);
      const int b = Channel(p, image->blue_mask);
      out.SetPixel(x, y, static_cast<Color>(r | (g << 8) | (b << 16)));
    }
  }
  XDestroyImage(image);
  return out;
}

void XScreen::RequestClose(unsigned long window) {
  auto* d = static_cast<Display*>(display_);
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, window, False, NoEventMask, &e);
  XFlush(d);
}

bool XScreen::Unmanaged(unsigned long window) {
  XWindowAttributes a;
  return XGetWindowAttributes(static_cast<Display*>(display_), window, &a) && a.override_redirect;
}

std::vector<std::string> XScreen::Atoms(unsigned long window, const std::string& property) {
  auto* d = static_cast<Display*>(display_);
  const Property p(d, window, property.c_str(), XA_ATOM, 64);
  std::vector<std::string> names;
  for (unsigned long i = 0; i < p.count; ++i) {
    if (char* name = XGetAtomName(d, reinterpret_cast<const Atom*>(p.data)[i])) {
      names.emplace_back(name);
      XFree(name);
    }
  }
  return names;
}

std::optional<uint32_t> XScreen::Cardinal(unsigned long window, const std::string& property) {
  const Property p(static_cast<Display*>(display_), window, property.c_str(), XA_CARDINAL, 1);
  if (p.count != 1 || p.format != 32) return std::nullopt;
  return static_cast<uint32_t>(*reinterpret_cast<const unsigned long*>(p.data));
}

void XScreen::ProvokeBadWindow(bool send) {
  auto* d = static_cast<Display*>(display_);
  const Window missing = 0x1FFFFFFF;
  if (send) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = missing;
    e.xclient.format = 32;
    XSendEvent(d, missing, False, NoEventMask, &e);
  } else {
    XMapWindow(d, missing);
  }
  XSync(d, False);
}

namespace {
int errorCount = 0;
XErrorHandler replaced = nullptr;
int CountError(Display*, XErrorEvent*) {
  ++errorCount;
  return 0;
}
}  // namespace

XErrorCounter::XErrorCounter() {
  errorCount = 0;
  replaced = XSetErrorHandler(CountError);
}

XErrorCounter::~XErrorCounter() { XSetErrorHandler(replaced); }

int XErrorCounter::Count() const noexcept { return errorCount; }

}  // namespace vorn::test
