#pragma once
#include "foundation/Picture.h"

namespace vorn {

/// Small icons drawn in code, so the gallery needs no picture files: a folder, a floppy disk, a
/// star and a gear, at any size from 12 pixels up.
Ref<Picture> FolderIcon(int32_t size);
Ref<Picture> DiskIcon(int32_t size);
Ref<Picture> StarIcon(int32_t size);
Ref<Picture> GearIcon(int32_t size);

}  // namespace vorn
