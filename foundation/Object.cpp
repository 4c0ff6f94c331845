#include "foundation/Object.h"

namespace vorn {

namespace {
int32_t g_liveObjects = 0;
}

Object::Object() noexcept { ++g_liveObjects; }
Object::~Object() { --g_liveObjects; }
int32_t Object::LiveObjects() noexcept { return g_liveObjects; }

}  // namespace vorn
