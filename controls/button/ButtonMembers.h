#pragma once
// What the push button and the glyph button declare alike: their first six properties and what a
// change asks of them (their events are ButtonEvents.h's).
#include "controls/button/ButtonBase.h"

namespace vorn {

// The library numbers properties from the last declared one back, so the identifiers of the six
// depend on how many the button declares after them.
constexpr std::array<PropertyRow, 6> ButtonBase::SharedRows(DispId first) {
  using B = ButtonBase;
  return {{
      BackColorRow(first, Change::Repaint),
      ForeColorRow(first - 1, Change::Repaint),
      EnabledRow(first - 2, Change::Repaint),
      FontRow(Change::Repaint),
      Property("Caption", first - 3, "String", Field<&B::Caption_>(), "Caption", bag::AmbientName, Change::Repaint,
               kLook),
      Property("TabSelectColor", first - 4, "OLE_COLOR", Field<&B::TabSelectColor_>(), "TabSelectColor",
               bag::Colour(0x96E7), Change::Repaint, kLook),
  }};
}

constexpr PropertyTable ButtonBase::Table(std::span<const PropertyRow> rows) {
  return {.rows = rows,
          .repaint = &Call<&ButtonBase::Redraw>,
          .initialised = &Call<&ButtonBase::Redraw>,
          .stored = &Call<&ButtonBase::Redraw>};
}

}  // namespace vorn
