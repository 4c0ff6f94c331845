#include "host/raster/Png.h"

#include <png.h>

#include <stdexcept>
#include <vector>

#include "host/Limits.h"
#include "host/files/UserFile.h"

namespace vorn {

namespace {
// Encodes interleaved 8-bit channels (3 or 4 a pixel, red first) and replaces the file with them.
void WriteChannels(const std::vector<uint8_t>& data, int32_t w, int32_t h, bool alpha, const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(w);
  image.height = static_cast<png_uint_32>(h);
  image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, data.data(), 0, nullptr)) {
    throw std::runtime_error(path + ": cannot write PNG: " + image.message);
  }
  std::vector<uint8_t> encoded(size);
  if (!png_image_write_to_memory(&image, encoded.data(), &size, 0, data.data(), 0, nullptr)) {
    throw std::runtime_error(path + ": cannot write PNG: " + image.message);
  }
  ReplaceUserFile(path, std::string_view(reinterpret_cast<const char*>(encoded.data()), size));
}

std::vector<uint8_t> RgbOf(const PixelBuffer& buffer) {
  std::vector<uint8_t> rgb(static_cast<size_t>(buffer.Width()) * buffer.Height() * 3);
  size_t k = 0;
  for (int32_t y = 0; y < buffer.Height(); ++y) {
    const uint32_t* row = buffer.Row(y);
    for (int32_t x = 0; x < buffer.Width(); ++x) {
      rgb[k++] = row[x] & 0xFF;
      rgb[k++] = (row[x] >> 8) & 0xFF;
      rgb[k++] = (row[x] >> 16) & 0xFF;
    }
  }
  return rgb;
}
}  // namespace

void WritePng(const PixelBuffer& buffer, const std::string& path) {
  WriteChannels(RgbOf(buffer), buffer.Width(), buffer.Height(), false, path);
}

std::string EncodePng(const PixelBuffer& buffer) {
  const std::vector<uint8_t> rgb = RgbOf(buffer);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(buffer.Width());
  image.height = static_cast<png_uint_32>(buffer.Height());
  image.format = PNG_FORMAT_RGB;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, rgb.data(), 0, nullptr)) {
    throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
  }
  std::string bytes(size, '\0');
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, rgb.data(), 0, nullptr)) {
    throw std::runtime_error(std::string("cannot encode PNG: ") + image.message);
  }
  bytes.resize(size);
  return bytes;
}

void WritePicturePng(const Picture& picture, const std::string& path) {
  std::vector<uint8_t> rgba;
  rgba.reserve(static_cast<size_t>(picture.Width()) * picture.Height() * 4);
  for (int32_t y = 0; y < picture.Height(); ++y) {
    for (int32_t x = 0; x < picture.Width(); ++x) {
      const uint32_t p = picture.At(x, y);
      for (int s = 0; s < 32; s += 8) rgba.push_back(static_cast<uint8_t>(p >> s));
    }
  }
  WriteChannels(rgba, picture.Width(), picture.Height(), true, path);
}

namespace {
// Reads a file a user named, or bytes in memory when given them (path then only names them).
std::vector<uint8_t> ReadRgba(const std::string& path, png_uint_32& w, png_uint_32& h,
                              const std::string* bytes = nullptr) {
  const std::string file = bytes ? std::string() : ReadUserFile(path, limits::kImageBytes);
  const std::string& data = bytes ? *bytes : file;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
    throw std::runtime_error(path + ": " + image.message);
  }
  image.format = PNG_FORMAT_RGBA;
  // The header alone says how large the picture is: a small file can unpack to gigabytes.
  if (uint64_t{image.width} * image.height > limits::kPicturePixels) {
    png_image_free(&image);
    throw std::runtime_error(path + ": the picture is " + std::to_string(image.width) + " x " +
                             std::to_string(image.height) + " pixels; the limit is " +
                             std::to_string(limits::kPicturePixels) + " pixels");
  }
  std::vector<uint8_t> rgba(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
    throw std::runtime_error(path + ": " + image.message);
  }
  w = image.width;
  h = image.height;
  return rgba;
}
}  // namespace

Ref<Picture> ReadPng(const std::string& path) {
  png_uint_32 w = 0, h = 0;
  std::vector<uint8_t> rgba = ReadRgba(path, w, h);
  std::vector<uint32_t> px(static_cast<size_t>(w) * h);
  for (size_t i = 0; i < px.size(); ++i) {
    const uint8_t* p = &rgba[i * 4];
    px[i] = uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
  }
  return MakeRef<Picture>(static_cast<int32_t>(w), static_cast<int32_t>(h), std::move(px));
}

PixelBuffer ReadPngBuffer(const std::string& path) { return DecodePngBuffer(path, nullptr); }

PixelBuffer DecodePngBuffer(const std::string& name, const std::string* bytes) {
  png_uint_32 w = 0, h = 0;
  std::vector<uint8_t> rgba = ReadRgba(name, w, h, bytes);
  PixelBuffer b(static_cast<int32_t>(w), static_cast<int32_t>(h));
  for (int32_t y = 0; y < b.Height(); ++y) {
    for (int32_t x = 0; x < b.Width(); ++x) {
      const uint8_t* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
      b.SetPixel(x, y, uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16));
    }
  }
  return b;
}

}  // namespace vorn
