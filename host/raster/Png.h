#pragma once
#include <string>

#include "foundation/Object.h"
#include "foundation/Picture.h"
#include "host/raster/PixelBuffer.h"

namespace vorn {

/// Writes an opaque RGB PNG, atomically (ReplaceUserFile). Throws std::runtime_error naming the
/// file when it cannot.
void WritePng(const PixelBuffer& buffer, const std::string& path);

/// The PNG file WritePng writes, as bytes (for standard output).
std::string EncodePng(const PixelBuffer& buffer);

/// Writes a picture with its alpha channel, atomically.
void WritePicturePng(const Picture& picture, const std::string& path);

/// Reads a PNG of any colour type into straight-alpha pixels, from a regular file within
/// limits::kImageBytes and limits::kPicturePixels. Throws std::runtime_error naming the file and
/// the reason.
Ref<Picture> ReadPng(const std::string& path);

/// Reads a PNG into an opaque pixel buffer (alpha dropped), for comparing pictures.
PixelBuffer ReadPngBuffer(const std::string& path);
/// The same from the bytes of a PNG file (standard input), or from the file name when bytes is null.
PixelBuffer DecodePngBuffer(const std::string& name, const std::string* bytes);

}  // namespace vorn
