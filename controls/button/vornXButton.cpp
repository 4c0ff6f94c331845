#include "controls/button/vornXButton.h"

#include "controls/button/ButtonMembers.h"
#include "foundation/Convert.h"
#include "foundation/MemberBinding.h"

namespace vorn {

void vornXButton::DrawContent(const ColorScheme& scheme, bool enabled) {
  DrawButtonCaption(UserControl().GetFont(), Caption_, enabled ? scheme[8] : scheme[7], 0);
}

void vornXButton::DrawButtonCaption(const Ref<Font>& font, const std::string& text, Color colour, int16_t offset) {
  Surface& s = UserControl();
  s.SetFont(font);
  const double SW = s.ScaleWidth();
  const double SH = s.ScaleHeight();
  const double TW = s.TextWidth(text);
  const double TH = s.TextHeight(text);
  // A glyph sits low in its cell; one pixel up centres it on the button.
  s.SetCurrentX(static_cast<float>(Fix(SW / 2.0 - TW / 2.0) + offset));
  s.SetCurrentY(static_cast<float>(Fix(SH / 2.0 - TH / 2.0) + offset - 1));
  s.SetForeColor(colour);
  s.Print(text);
}

void vornXButton::UserControl_InitProperties() {
  InitCommonProperties();
  Redraw();
}

void vornXButton::UserControl_ReadProperties(PropertyBag& bag) {
  ReadCommonProperties(bag);
  Redraw();
}

void vornXButton::UserControl_WriteProperties(PropertyBag& bag) {
  WriteCommonProperties(bag);
  Redraw();
}

namespace {
// Not part of the type library; the identifiers follow the library's numbering of properties from
// the last declared one back.
const MemberInfo kMembers[] = {
    {"BackColor", 0x68030004, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornXButton::get_BackColor, &vornXButton::put_BackColor>},
    {"ForeColor", 0x68030003, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornXButton::get_ForeColor, &vornXButton::put_ForeColor>},
    {"Enabled", 0x68030002, kGet | kLet, "Boolean", {},
     &PropertyThunk<&vornXButton::get_Enabled, &vornXButton::put_Enabled>},
    {"Font", kDispIdFont, kGet | kSet, "Font", {},
     &PropertyThunk<&vornXButton::get_Font, nullptr, &vornXButton::putref_Font>},
    {"Caption", 0x68030001, kGet | kLet, "String", {},
     &PropertyThunk<&vornXButton::get_Caption, &vornXButton::put_Caption>},
    {"TabSelectColor", 0x68030000, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornXButton::get_TabSelectColor, &vornXButton::put_TabSelectColor>},
};
const ClassInfo kClass{"vornXButton", kMembers, ButtonEventTable()};
}  // namespace

const ClassInfo& vornXButton::StaticClass() { return kClass; }

}  // namespace vorn
