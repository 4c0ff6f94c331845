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

}  // namespace vorn
