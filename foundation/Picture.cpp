#include "foundation/Picture.h"

#include "foundation/MemberBinding.h"

namespace vorn {

Picture::Picture(int32_t width, int32_t height, std::vector<uint32_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
  if (width_ < 0 || height_ < 0 || pixels_.size() != static_cast<size_t>(width_) * height_) {
    Raise(errInvalidProcedureCall, "Picture size does not match its pixels");
  }
}

namespace {
const MemberInfo kPictureMembers[] = {
    {"Width", 0x60020000, kGet, "Long", {}, &PropertyThunk<&Picture::get_Width>},
    {"Height", 0x60020001, kGet, "Long", {}, &PropertyThunk<&Picture::get_Height>},
};
const ClassInfo kPictureClass{"Picture", kPictureMembers};
}  // namespace

const ClassInfo& Picture::Class() const { return kPictureClass; }

}  // namespace vorn
