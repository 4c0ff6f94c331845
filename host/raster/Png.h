#pragma once
#include <string>

#include "foundation/Object.h"
#include "foundation/Picture.h"
#include "host/pixels/PixelBuffer.h"

namespace vorn {

/// The rows of an opaque picture as they are encoded, top to bottom, so that a large picture can
/// be written without ever being held whole.
class PixelRows {
 public:
  virtual ~PixelRows() = default;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  /// Row y (Width() pixels), valid until the next call. Asked for in order, each row once.
  virtual const uint32_t* Row(int32_t y) = 0;
};

/// A pixel buffer's rows as they are.
class BufferRows final : public PixelRows {
 public:
  explicit BufferRows(const PixelBuffer& buffer) : buffer_(buffer) {}
  int32_t Width() const override { return buffer_.Width(); }
  int32_t Height() const override { return buffer_.Height(); }
  const uint32_t* Row(int32_t y) override { return buffer_.Row(y); }

 private:
  const PixelBuffer& buffer_;
};

/// Writes an opaque RGB PNG, atomically (ReplaceUserFile). Throws std::runtime_error naming the
/// file when it cannot.
void WritePng(const PixelBuffer& buffer, const std::string& path);
void WritePng(PixelRows& rows, const std::string& path);

/// The PNG file WritePng writes, as bytes (for standard output).
std::string EncodePng(const PixelBuffer& buffer);
std::string EncodePng(PixelRows& rows);

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
