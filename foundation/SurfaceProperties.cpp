#include "foundation/SurfaceProperties.h"

#include "foundation/MemberBinding.h"

namespace vorn {

void ReadSurfaceProperties(PropertyBag& bag, ControlSite& site) {
  Surface& s = site.UserControl();
  s.SetEnabled(ReadPropertyAs<bool>(bag, "Enabled", Variant(true), [](const Variant& v) { return v.ToBool(); }));
  Ref<Font> ambient = site.AmbientFont();
  s.SetFont(ReadPropertyAs<Ref<Font>>(bag, "Font", Variant(ambient), [&](const Variant& v) {
    Ref<Font> f = VariantTraits<Ref<Font>>::From(v);
    return f ? f : ambient;
  }));
}

void WriteSurfaceProperties(PropertyBag& bag, ControlSite& site) {
  Surface& s = site.UserControl();
  bag.WriteProperty("Enabled", Variant(s.Enabled()), Variant(true));
  bag.WriteProperty("Font", Variant(s.GetFont()), Variant(site.AmbientFont()));
}

}  // namespace vorn
