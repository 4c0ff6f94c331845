// The text engine of the Windows host: the faces of fonts as GDI renders them. "Webdings" falls
// back to the built-in symbol face when the system has none, as on the Linux hosts: a text font
// standing in for a symbol font would draw digits where arrows belong.
#include "host/text/SymbolFace.h"
#include "host/text/TextEngine.h"
#include "host/win32/GdiFace.h"

namespace vorn {

TextEngine::TextEngine() = default;

TextEngine::~TextEngine() { faces_.clear(); }

std::unique_ptr<FontFace> TextEngine::Load(std::string_view name, float points, bool bold, bool italic) {
  bool found = false;
  auto face = std::make_unique<GdiFace>(name, points, bold, italic, found);
  if (SameFontName(name, "Webdings") && !found) return std::make_unique<SymbolFace>(points);
  return face;
}

}  // namespace vorn
