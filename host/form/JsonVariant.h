#pragma once
#include <functional>
#include <string>

#include "foundation/Variant.h"
#include "host/form/FormDocument.h"

namespace vorn {

/// Finds an image list of the form by name (null when there is none).
using ImageListResolver = std::function<Ref<Object>(const std::string&)>;
/// Names an image list of the form ("" for an object that is not one).
using ImageListNamer = std::function<std::string(const Object*)>;

/// A document value as a Variant: whole numbers become Long (Double beyond 32 bits), reals Double,
/// true/false Boolean, null Nothing, { "imageList": NAME } the image list, a font object a new
/// Font. Anything else raises Type mismatch naming what was wrong.
Variant JsonToVariant(const Json& j, const ImageListResolver& lists);

/// A Variant as a document value; objects other than fonts and the form's image lists raise
/// Type mismatch.
Json VariantToJson(const Variant& v, const ImageListNamer& names);

/// Whether a written value equals its default (fonts compare by look, other objects by identity).
bool SameStoredValue(const Variant& a, const Variant& b);

}  // namespace vorn
