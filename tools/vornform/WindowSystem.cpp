#include "WindowSystem.h"

#include <dlfcn.h>
#include <unistd.h>

#include <vector>

namespace vorn {
namespace {

constexpr const char* kModuleFile = "vornform-window.so";

// The folder of the running program, with a trailing slash; empty when it cannot be told.
std::string ProgramFolder() {
  std::string path(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<size_t>(n) >= path.size()) return {};
  path.resize(static_cast<size_t>(n));
  return path.substr(0, path.rfind('/') + 1);
}

}  // namespace

const WindowSystem* LoadWindowSystem(std::string& why) {
  static const WindowSystem* loaded = nullptr;
  if (loaded) return loaded;
  const std::string folder = ProgramFolder();
  if (folder.empty()) {
    why = "cannot tell where vornform is, to find " + std::string(kModuleFile);
    return nullptr;
  }
  // VORN_WINDOW_MODULE_DIR: the module's install folder relative to the program's.
  const std::vector<std::string> places = {folder + kModuleFile,
                                           folder + VORN_WINDOW_MODULE_DIR + "/" + kModuleFile};
  for (const std::string& path : places) {
    if (::access(path.c_str(), F_OK) != 0) continue;
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
      why = ::dlerror();
      return nullptr;
    }
    loaded = static_cast<const WindowSystem*>(::dlsym(module, kWindowSystemSymbol));
    if (!loaded) why = path + " is not vornform's window system (it has no " + kWindowSystemSymbol + ")";
    return loaded;
  }
  why = "the window system is not installed (no " + places[0] + " or " + places[1] + ")";
  return nullptr;
}

}  // namespace vorn
