#include "library/ControlClasses.h"

#include "controls/button/vornButton.h"
#include "controls/progress/vornProgressBar.h"
#include "controls/range/vornSlider.h"
#include "controls/button/vornXButton.h"
#include "controls/range/vornScrollBar.h"
#include "controls/textbox/vornTextBox.h"
#include "foundation/MemberTable.h"

namespace vorn {

namespace {
template <class T>
Ref<Control> Create(ControlSite& site) {
  return Ref<Control>(new T(site));
}

const ControlClass kClasses[] = {
    {"vornButton2.vornButton", "vornButton", &Create<vornButton>, true},
    {"vornButton2.vornProgressBar", "vornProgressBar", &Create<vornProgressBar>, true},
    {"vornButton2.vornSlider", "vornSlider", &Create<vornSlider>, true},
    {"vornButton2.vornScrollBar", "vornScrollBar", &Create<vornScrollBar>, true},
    {"vornButton2.vornTextBox", "vornTextBox", &Create<vornTextBox>, true},
    // Lives only inside the scroll bar.
    {"vornButton2.vornXButton", "vornXButton", &Create<vornXButton>, false},
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
