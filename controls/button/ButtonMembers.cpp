#include "controls/button/ButtonMembers.h"

#include "foundation/EventParams.h"

namespace vorn {

namespace {
const EventInfo kEvents[] = {
    {"Click", 1},
    {"KeyDown", 2, kKeyParams},
    {"KeyPress", 3, kKeyAsciiParams},
    {"KeyUp", 4, kKeyParams},
    {"MouseDown", 5, kMouseParams},
    {"MouseMove", 6, kMouseParams},
    {"MouseUp", 7, kMouseParams},
};
}  // namespace

std::span<const EventInfo> ButtonEventTable() noexcept { return kEvents; }

}  // namespace vorn
