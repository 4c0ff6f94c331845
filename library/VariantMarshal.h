#pragma once
#include "foundation/Variant.h"
#include "library/vornbutton2.h"

namespace vorn {

/// A VARIANT's value as a Variant (by-reference ones are read through); unsupported types raise
/// Type mismatch.
Variant FromVARIANT(const VARIANT& v);
/// Fills a VARIANT (initialised or cleared) with a value: strings are allocated, objects wrapped
/// and their wrappers' reference counts raised.
void ToVARIANT(const Variant& value, VARIANT& out);
/// Writes a value back through a by-reference VARIANT, converted to the type it points to.
void WriteBack(const Variant& value, VARIANT& target);

}  // namespace vorn
