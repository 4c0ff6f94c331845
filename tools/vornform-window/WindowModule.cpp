// vornform's window system (see tools/vornform/WindowSystem.h): the desktop host, behind the
// table vornform looks up after loading this module.
#include "WindowSystem.h"
#include "host/desktop/DesktopHost.h"

namespace {

std::unique_ptr<vorn::HeadlessHost> Open(std::string& why) { return vorn::DesktopHost::Open(why); }

void Show(vorn::HeadlessHost& host, vorn::WindowHandle window, const std::string& caption) {
  auto& desktop = static_cast<vorn::DesktopHost&>(host);  // made by Open
  desktop.SetCaption(window, caption);
  desktop.Run();
}

}  // namespace

extern "C" __attribute__((visibility("default"))) const vorn::WindowSystem vornformWindowSystem{Open, Show};
