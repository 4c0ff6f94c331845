#include "library/ToolboxPicture.h"

#include <vector>

#include "foundation/Variant.h"

namespace vorn {

namespace {

constexpr Color kPalette[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                                0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

// A raised glass button with a caption line, one character per pixel: the palette index in hex,
// '.' for the grey background.
constexpr const char* kRows[15] = {
    "................", "................", ".FFFFFFFFFFFFF8.", ".F7777777777778.",
    ".F7CCCCCCCCCC78.", ".F7C77777777C78.", ".F7C70000007C78.", ".F7C77777777C78.",
    ".F7CCCCCCCCCC78.", ".F7777777777778.", ".F7777777777778.", ".888888888888880",
    "..00000000000000", "................", "................",
};

}  // namespace

const Color* StandardColors16() { return kPalette; }

Ref<Picture> ToolboxPicture(int32_t resourceId) {
  if (resourceId < 30000 || resourceId > 30006) return nullptr;
  std::vector<uint32_t> px;
  px.reserve(16 * 15);
  for (const char* row : kRows) {
    for (int x = 0; x < 16; ++x) {
      const char c = row[x];
      const int index = c == '.' ? 7 : (c <= '9' ? c - '0' : c - 'A' + 10);
      px.push_back(0xFF000000u | kPalette[index]);
    }
  }
  return MakeRef<Picture>(16, 15, std::move(px));
}

std::string ToolboxBitmapFile(int32_t resourceId) {
  Ref<Picture> p = ToolboxPicture(resourceId);
  if (!p) return {};
  constexpr uint32_t kRowBytes = 8;  // 16 pixels of 4 bits, already a multiple of 4
  constexpr uint32_t kBitsAt = 14 + 40 + 16 * 4;
  const uint32_t size = kBitsAt + kRowBytes * static_cast<uint32_t>(p->Height());
  std::string f;
  const auto u16 = [&](uint32_t v) { f += static_cast<char>(v & 0xFF), f += static_cast<char>((v >> 8) & 0xFF); };
  const auto u32 = [&](uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
  f += "BM";
  u32(size), u32(0), u32(kBitsAt);                                 // file header
  u32(40), u32(static_cast<uint32_t>(p->Width())), u32(static_cast<uint32_t>(p->Height()));  // info header
  u16(1), u16(4), u32(0), u32(size - kBitsAt), u32(0), u32(0), u32(16), u32(0);
  for (Color c : kPalette) {
    f += static_cast<char>((c >> 16) & 0xFF), f += static_cast<char>((c >> 8) & 0xFF);
    f += static_cast<char>(c & 0xFF), f += '\0';
  }
  const auto index = [](uint32_t pixel) {
    for (uint32_t i = 0; i < 16; ++i) {
      if (kPalette[i] == (pixel & 0xFFFFFF)) return i;
    }
    return 0u;
  };
  for (int32_t y = p->Height() - 1; y >= 0; --y) {  // bottom-up
    for (int32_t x = 0; x < p->Width(); x += 2) {
      f += static_cast<char>((index(p->At(x, y)) << 4) | index(p->At(x + 1, y)));
    }
  }
  return f;
}

}  // namespace vorn
