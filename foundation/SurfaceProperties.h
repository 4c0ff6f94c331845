#pragma once
#include "foundation/ControlSite.h"
#include "foundation/PropertyBag.h"

namespace vorn {

/// "Enabled" (default True) and "Font" (default the ambient font), which controls keep on their
/// surface rather than in fields: read from the bag into the surface, in that order. A stored
/// Nothing for the font keeps the ambient font; a value of the wrong type is reported to the bag.
void ReadSurfaceProperties(PropertyBag& bag, ControlSite& site);
/// Writes the same two names from the surface, in the same order with the same defaults.
void WriteSurfaceProperties(PropertyBag& bag, ControlSite& site);

}  // namespace vorn
