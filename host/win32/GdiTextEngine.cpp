// The text engine of the Windows host: the faces of fonts as GDI renders them. "Webdings" falls
// back to the built-in symbol face when the system has none, as on the Linux hosts: a text font
// standing in for a symbol font would draw digits where arrows belong.
#include <cctype>

#include "host/text/SymbolFace.h"
#include "host/text/TextEngine.h"
#include "host/win32/GdiFace.h"

namespace vorn {

namespace {
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}
}  // namespace

TextEngine& TextEngine::Instance() {
  static TextEngine engine;
  return engine;
}

TextEngine::TextEngine() = default;

TextEngine::~TextEngine() { faces_.clear(); }

FontFace& TextEngine::Resolve(const Font& font) {
  return Resolve(font.Name(), font.Size(), font.Bold(), font.Italic());
}

FontFace& TextEngine::Resolve(std::string_view name, float points, bool bold, bool italic) {
  for (Entry& e : faces_) {
    if (e.points == points && e.bold == bold && e.italic == italic && SameName(e.name, name)) return *e.face;
  }
  faces_.push_back(Entry{std::string(name), points, bold, italic, Load(name, points, bold, italic)});
  return *faces_.back().face;
}

std::unique_ptr<FontFace> TextEngine::Load(std::string_view name, float points, bool bold, bool italic) {
  bool found = false;
  auto face = std::make_unique<GdiFace>(name, points, bold, italic, found);
  if (SameName(name, "Webdings") && !found) return std::make_unique<SymbolFace>(points);
  return face;
}

}  // namespace vorn
