#pragma once
// Between the library's fonts and Windows' standard font objects (StdFont: IFont, IFontDisp),
// which containers give as their ambient font and keep in their property bags.
#include "foundation/Font.h"
#include "library/com/ComTypes.h"

namespace vorn {

/// The library's font with the look of a standard font object; null when the object is no font.
Ref<Font> FontFromOle(IUnknown* unknown);
/// A new standard font object (one reference) with a font's look.
IDispatch* NewOleFont(const Font& font);

}  // namespace vorn
