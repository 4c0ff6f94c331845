#pragma once
// What the push button and the glyph button declare alike: their first six properties and their
// events.
#include "controls/button/ButtonBase.h"
#include "foundation/EventParams.h"

namespace vorn {

/// The events of __vornButton, in identifier order (the glyph button's too; the text box declares
/// the first four).
inline constexpr EventInfo kButtonEvents[] = {
    {"Click", 1},
    {"KeyDown", 2, kKeyParams},
    {"KeyPress", 3, kKeyAsciiParams},
    {"KeyUp", 4, kKeyParams},
    {"MouseDown", 5, kMouseParams},
    {"MouseMove", 6, kMouseParams},
    {"MouseUp", 7, kMouseParams},
};

// The library numbers properties from the last declared one back, so the identifiers of the six
// depend on how many the button declares after them.
constexpr std::array<PropertyRow, 6> ButtonBase::SharedRows(DispId first) {
  using B = ButtonBase;
  return {{
      Property("BackColor", first, "OLE_COLOR", Field<&B::BackColor_>(), "BackColor", bag::Colour(0xFFFFFF),
               Change::Repaint, kLook),
      Property("ForeColor", first - 1, "OLE_COLOR", Field<&B::ForeColor_>(), "ForeColor", bag::Colour(0xC00000),
               Change::Repaint, kLook),
      Property("Enabled", first - 2, "Boolean", SurfaceEnabled, "Enabled", bag::Boolean(true), Change::Repaint,
               kBehaviour),
      Property("Font", kDispIdFont, "Font", SurfaceFont, "Font", bag::AmbientFont, Change::Repaint, kFontCategory),
      Property("Caption", first - 3, "String", Field<&B::Caption_>(), "Caption", bag::AmbientName, Change::Repaint,
               kLook),
      Property("TabSelectColor", first - 4, "OLE_COLOR", Field<&B::TabSelectColor_>(), "TabSelectColor",
               bag::Colour(0x96E7), Change::Repaint, kLook),
  }};
}

}  // namespace vorn
