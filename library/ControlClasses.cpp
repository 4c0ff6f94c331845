#include "library/ControlClasses.h"

#include "controls/button/vornButton.h"
#include "controls/menu/vornPUMenu.h"
#include "foundation/MemberTable.h"

namespace vorn {

namespace {
template <class T>
Ref<Control> Create(ControlSite& site) {
  return Ref<Control>(new T(site));
}

const ControlClass kClasses[] = {
    {"vornButton2.vornButton", "vornButton", &Create<vornButton>, true},
    {"vornButton2.vornPUMenu", "vornPUMenu", &Create<vornPUMenu>, true},
};
}  // namespace

std::span<const ControlClass> ControlClasses() noexcept { return kClasses; }

const ControlClass* FindControlClass(std::string_view progId) noexcept {
  for (const ControlClass& c : kClasses) {
    if (NamesEqual(c.progId, progId)) return &c;
  }
  return nullptr;
}

}  // namespace vorn
