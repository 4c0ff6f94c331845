#include "host/text/TextEngine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

#include "host/text/FreeTypeFace.h"
#include "host/text/SymbolFace.h"

namespace vorn {

namespace {
constexpr const char* kFallbackFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
}  // namespace

TextEngine::TextEngine() {
  if (FT_Init_FreeType(&library_) != 0) throw std::runtime_error("cannot start FreeType");
  FcInit();
}

TextEngine::~TextEngine() {
  faces_.clear();
  FT_Done_FreeType(library_);
  FcFini();  // fontconfig keeps its configuration until told to let it go
}

std::unique_ptr<FontFace> TextEngine::Load(std::string_view name, float points, bool bold, bool italic) {
  const std::string family(name);
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);

  std::string file = kFallbackFile;
  int index = 0;
  bool embolden = bold;
  bool familyFound = false;
  if (match) {
    FcChar8* path = nullptr;
    FcChar8* matchedFamily = nullptr;
    int weight = FC_WEIGHT_REGULAR;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) file = reinterpret_cast<char*>(path);
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    if (FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch) {
      embolden = bold && weight < FC_WEIGHT_DEMIBOLD;
    }
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &matchedFamily) == FcResultMatch; ++i) {
      if (SameFontName(reinterpret_cast<char*>(matchedFamily), name)) familyFound = true;
    }
    FcPatternDestroy(match);
  }
  // A symbol font cannot be stood in for by a text font: its letters mean other pictures.
  if (SameFontName(name, "Webdings") && !familyFound) return std::make_unique<SymbolFace>(points);
  try {
    return std::make_unique<FreeTypeFace>(library_, file, index, points, embolden);
  } catch (const std::runtime_error&) {
    try {
      return std::make_unique<FreeTypeFace>(library_, kFallbackFile, 0, points, bold);
    } catch (const std::runtime_error&) {
      // No usable text font at all: text still measures and draws nothing rather than failing.
      return std::make_unique<SymbolFace>(points);
    }
  }
}

}  // namespace vorn
