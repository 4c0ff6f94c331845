#pragma once
// What the controls declare alike: BackColor and ForeColor, stored in the control, and for most
// the surface's own Enabled and Font; their C++ accessors, and their rows as the property tables
// write them (the identifier, the change and the category are each control's own).
#include <string_view>
#include <utility>

#include "foundation/Control.h"
#include "foundation/PropertyTable.h"

namespace vorn {

/// The surface's properties a control declares as its own.
enum SurfaceProperties : unsigned { kNoSurfaceProperties = 0, kSurfaceEnabled = 1, kSurfaceFont = 2 };

/// The base of the controls: the two colours every control stores, with C++ setters whose lets
/// are the property table's, and the accessors of the surface's Enabled and Font where the control
/// declares them (Surface, of SurfaceProperties).
template <unsigned Surface>
class ColouredControl : public Control {
  static constexpr bool kEnabled = (Surface & kSurfaceEnabled) != 0;
  static constexpr bool kFont = (Surface & kSurfaceFont) != 0;

 public:
  Color get_BackColor() const { return BackColor_; }
  void put_BackColor(Color c) { Let(BackColor_, c); }
  Color get_ForeColor() const { return ForeColor_; }
  void put_ForeColor(Color c) { Let(ForeColor_, c); }
  bool get_Enabled() const requires kEnabled { return UserControl().Enabled(); }
  void put_Enabled(bool enabled) requires kEnabled { LetEnabled(enabled); }
  Ref<Font> get_Font() const requires kFont { return UserControl().GetFont(); }
  void putref_Font(Ref<Font> font) requires kFont { LetFont(std::move(font)); }

 protected:
  using Control::Control;

  static constexpr PropertyRow BackColorRow(DispId id, Change change, std::string_view category = kLook) {
    return Property("BackColor", id, "OLE_COLOR", Field<&ColouredControl::BackColor_>(), "BackColor",
                    bag::Colour(0xFFFFFF), change, category);
  }
  static constexpr PropertyRow ForeColorRow(DispId id, Change change, std::string_view category = kLook) {
    return Property("ForeColor", id, "OLE_COLOR", Field<&ColouredControl::ForeColor_>(), "ForeColor",
                    bag::Colour(0xC00000), change, category);
  }
  static constexpr PropertyRow EnabledRow(DispId id, Change change) requires kEnabled {
    return Property("Enabled", id, "Boolean", SurfaceEnabled, "Enabled", bag::Boolean(true), change, kBehaviour);
  }
  static constexpr PropertyRow FontRow(Change change) requires kFont {
    return Property("Font", kDispIdFont, "Font", SurfaceFont, "Font", bag::AmbientFont, change, kFontCategory);
  }

  Color BackColor_ = 0xFFFFFF;
  Color ForeColor_ = 0xC00000;
};

}  // namespace vorn
