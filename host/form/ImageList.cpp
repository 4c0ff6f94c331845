#include "host/form/ImageList.h"

#include "foundation/MemberBinding.h"

namespace vorn {

ImageList::ImageList(std::string name, int16_t imageWidth, int16_t imageHeight)
    : name_(std::move(name)), width_(imageWidth), height_(imageHeight) {}

void ImageList::Add(Ref<Picture> picture) {
  images_.push_back(MakeRef<ListImage>(Count() + 1, std::move(picture)));
}

ImageList::~ImageList() {
  if (listImages_) listImages_->owner_ = nullptr;
}

Ref<ListImages> ImageList::get_ListImages() {
  if (!listImages_) listImages_ = MakeRef<ListImages>(this);
  return listImages_;
}

int32_t ListImages::get_Count() const { return owner_ ? owner_->Count() : 0; }

Ref<ListImage> ListImages::Item(Variant index) {
  if (!owner_) Raise(errObjectRequired, "The image list has gone");
  if (index.IsString()) Raise(errSubscriptOutOfRange);
  const int32_t i = index.ToLong();
  if (i < 1 || i > owner_->Count()) Raise(errSubscriptOutOfRange);
  return owner_->images_[static_cast<size_t>(i - 1)];
}

Ref<Picture> ListImage::ExtractIcon() {
  if (!picture_) Raise(errInvalidProcedureCall, "The picture of this image could not be loaded");
  return picture_;
}

namespace {
const ParamInfo kIndexParam[] = {{"Index", "Variant"}};
const MemberInfo kImageListMembers[] = {
    {"ImageWidth", 0x60030000, kGet, "Integer", {}, &PropertyThunk<&ImageList::get_ImageWidth>},
    {"ImageHeight", 0x60030001, kGet, "Integer", {}, &PropertyThunk<&ImageList::get_ImageHeight>},
    {"ListImages", 0x60030002, kGet, "ListImages", {}, &PropertyThunk<&ImageList::get_ListImages>},
};
const MemberInfo kListImagesMembers[] = {
    {"Item", 0, kGet | kMethod, "ListImage", kIndexParam, &MethodThunk<&ListImages::Item>},
    {"Count", 0x60030001, kGet, "Long", {}, &PropertyThunk<&ListImages::get_Count>},
};
const MemberInfo kListImageMembers[] = {
    {"ExtractIcon", 0x60030000, kGet | kMethod, "Picture", {}, &MethodThunk<&ListImage::ExtractIcon>},
    {"Index", 0x60030001, kGet, "Long", {}, &PropertyThunk<&ListImage::get_Index>},
};
const ClassInfo kImageListClass{"ImageList", kImageListMembers};
const ClassInfo kListImagesClass{"ListImages", kListImagesMembers};
const ClassInfo kListImageClass{"ListImage", kListImageMembers};
}  // namespace

const ClassInfo& ImageList::Class() const { return kImageListClass; }
const ClassInfo& ListImages::Class() const { return kListImagesClass; }
const ClassInfo& ListImage::Class() const { return kListImageClass; }

}  // namespace vorn
