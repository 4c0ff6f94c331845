#include "host/raster/Png.h"

#include <png.h>

#include <stdexcept>
#include <vector>

#include "foundation/Limits.h"
#include "foundation/files/UserFile.h"

namespace vorn {

namespace {
// Encodes a picture as a PNG a row at a time (a picture is never copied whole: in a short-lived
// process every page first touched costs more than encoding it), once, unfiltered instead of
// libpng's trial of every filter on every row, at zlib's level 2: writing pictures took most of
// the time of 'vornform demo'. Pictures of controls are runs of flat colour and rows that repeat,
// which deflate finds as they are; on the gallery this is a third faster than the Sub filter at
// level 1 and packs smaller (a twenty-fifth). False when libpng fails (it reports by longjmp, so
// nothing with a destructor lives between here and the jump).
struct Sink {
  std::string* out;
  bool failed;
};

// fill(y, row) writes row y as interleaved 8-bit channels (3 or 4 a pixel, red first).
template <class FillRow>
bool EncodeRows(FillRow& fill, uint8_t* row, png_uint_32 w, png_uint_32 h, bool alpha, std::string& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  Sink sink{&out, false};
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(
      png, &sink,
      [](png_structp p, png_bytep bytes, png_size_t n) {
        auto* s = static_cast<Sink*>(png_get_io_ptr(p));
        try {
          if (!s->failed) s->out->append(reinterpret_cast<const char*>(bytes), n);
        } catch (...) {
          s->failed = true;  // no exception may cross libpng
        }
      },
      nullptr);
  png_set_IHDR(png, info, w, h, 8, alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 2);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
  png_write_info(png, info);
  for (png_uint_32 y = 0; y < h; ++y) {
    try {
      fill(static_cast<int32_t>(y), row);  // may compose the row first, and fail doing so
    } catch (...) {
      png_destroy_write_struct(&png, &info);
      throw;
    }
    png_write_row(png, row);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return !sink.failed;
}

template <class FillRow>
std::string Encode(FillRow fill, int32_t w, int32_t h, bool alpha, const std::string& what) {
  std::vector<uint8_t> row(static_cast<size_t>(w) * (alpha ? 4 : 3));
  std::string out;
  out.reserve(row.size() * static_cast<size_t>(h) / 4 + 1024);
  if (!EncodeRows(fill, row.data(), static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), alpha, out)) {
    throw std::runtime_error(what + "cannot encode PNG");
  }
  return out;
}

void RgbOf(const uint32_t* pixels, int32_t n, uint8_t* rgb) {
  for (int32_t x = 0; x < n; ++x, rgb += 3) {
    rgb[0] = pixels[x] & 0xFF;
    rgb[1] = (pixels[x] >> 8) & 0xFF;
    rgb[2] = (pixels[x] >> 16) & 0xFF;
  }
}

std::string EncodeRgb(PixelRows& rows, const std::string& what) {
  return Encode([&rows](int32_t y, uint8_t* rgb) { RgbOf(rows.Row(y), rows.Width(), rgb); }, rows.Width(),
                rows.Height(), false, what);
}

}  // namespace

void WritePng(PixelRows& rows, const std::string& path) {
  ReplaceUserFile(path, EncodeRgb(rows, path + ": "));
}

void WritePng(const PixelBuffer& buffer, const std::string& path) {
  BufferRows rows(buffer);
  WritePng(rows, path);
}

std::string EncodePng(PixelRows& rows) { return EncodeRgb(rows, ""); }

std::string EncodePng(const PixelBuffer& buffer) {
  BufferRows rows(buffer);
  return EncodePng(rows);
}

void WritePicturePng(const Picture& picture, const std::string& path) {
  const auto rgba = [&picture](int32_t y, uint8_t* out) {
    for (int32_t x = 0; x < picture.Width(); ++x) {
      for (int s = 0; s < 32; s += 8) *out++ = static_cast<uint8_t>(picture.At(x, y) >> s);
    }
  };
  ReplaceUserFile(path, Encode(rgba, picture.Width(), picture.Height(), true, path + ": "));
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
