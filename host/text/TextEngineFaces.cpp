// What the FreeType engine (Linux) and the GDI engine (Windows) share: one engine per process, and
// the faces it has loaded, looked up by family name (case-insensitive, as font names are), size
// and style, so that each face is loaded once.
#include <cctype>

#include "host/text/TextEngine.h"

namespace vorn {

bool SameFontName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

TextEngine& TextEngine::Instance() {
  static TextEngine engine;
  return engine;
}

FontFace& TextEngine::Resolve(const Font& font) {
  return Resolve(font.Name(), font.Size(), font.Bold(), font.Italic());
}

FontFace& TextEngine::Resolve(std::string_view name, float points, bool bold, bool italic) {
  for (Entry& e : faces_) {
    if (e.points == points && e.bold == bold && e.italic == italic && SameFontName(e.name, name)) return *e.face;
  }
  faces_.push_back(Entry{std::string(name), points, bold, italic, Load(name, points, bold, italic)});
  return *faces_.back().face;
}

}  // namespace vorn
