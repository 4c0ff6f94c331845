#pragma once
// The conversion between the platform's VARIANTs and the library's own Variant: the one place
// where automation values cross into the library and back.
#include "foundation/Variant.h"
#include "library/com/ComTypes.h"

namespace vorn {

/// A VARIANT's value as a Variant (by-reference ones are read through); types the library does not
/// take raise Type mismatch.
Variant FromVARIANT(const VARIANT& v);
/// Fills a VARIANT (initialised or cleared) with a value: strings are allocated, objects wrapped
/// and their wrappers' reference counts raised.
void ToVARIANT(const Variant& value, VARIANT& out);
/// Writes a value back through a by-reference VARIANT, converted to the type it points to.
void WriteBack(const Variant& value, VARIANT& target);
/// Points ref at value as a by-reference argument of value's own type (VT_VARIANT for the others).
void MakeByRef(VARIANT& value, VARIANT& ref) noexcept;

}  // namespace vorn
