#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/Font.h"
#include "host/text/FontFace.h"

struct FT_LibraryRec_;

namespace vorn {

/// Finds and keeps the faces fonts resolve to: fontconfig picks the file, FreeType renders it;
/// "Webdings" falls back to the built-in symbol face when the system has none. One engine serves
/// the whole process, so glyphs are rendered once for every surface.
class TextEngine {
 public:
  static TextEngine& Instance();
  ~TextEngine();
  TextEngine(const TextEngine&) = delete;
  TextEngine& operator=(const TextEngine&) = delete;

  /// The face of a font's look; never null.
  FontFace& Resolve(const Font& font);
  FontFace& Resolve(std::string_view name, float points, bool bold, bool italic);

 private:
  TextEngine();
  std::unique_ptr<FontFace> Load(std::string_view name, float points, bool bold, bool italic);

  struct Entry {
    std::string name;
    float points;
    bool bold;
    bool italic;
    std::unique_ptr<FontFace> face;
  };
  FT_LibraryRec_* library_ = nullptr;
  std::vector<Entry> faces_;
};

/// Whether two font family names are the same, as font names compare: ignoring ASCII case.
bool SameFontName(std::string_view a, std::string_view b);

}  // namespace vorn
