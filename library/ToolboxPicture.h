#pragma once
#include <string>

#include "foundation/Picture.h"
#include "foundation/Variant.h"

namespace vorn {

/// The toolbox picture of a public control (resource identifiers 30000 to 30006): 16 x 15 pixels
/// in the 16 standard colours. All seven controls show the same generic control picture; null for
/// any other identifier.
Ref<Picture> ToolboxPicture(int32_t resourceId);

/// The toolbox picture as a 16-colour (4 bits per pixel) BMP file, as the Windows build embeds it
/// among its bitmap resources; "" for an identifier that has none.
std::string ToolboxBitmapFile(int32_t resourceId);

/// The 16 standard colours (&HBBGGRR) the toolbox pictures are drawn in.
const Color* StandardColors16();

}  // namespace vorn
