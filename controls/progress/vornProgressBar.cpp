#include "controls/progress/vornProgressBar.h"

#include <algorithm>

#include "foundation/MemberBinding.h"
#include "foundation/SurfaceProperties.h"

namespace vorn {

// Every setter repaints, also when the value does not change.

void vornProgressBar::put_BackColor(Color c) {
  BackColor_ = c;
  Site().PropertyChanged("BackColor");
  Redraw();
}

bool vornProgressBar::get_Enabled() const { return UserControl().Enabled(); }

void vornProgressBar::put_Enabled(bool enabled) {
  UserControl().SetEnabled(enabled);
  Site().PropertyChanged("Enabled");
  Redraw();
}

Ref<Font> vornProgressBar::get_Font() const { return UserControl().GetFont(); }

void vornProgressBar::putref_Font(Ref<Font> font) {
  if (!font) Raise(errInvalidProcedureCall, "Font cannot be Nothing");
  UserControl().SetFont(std::move(font));
  Site().PropertyChanged("Font");
  Redraw();
}

void vornProgressBar::put_Orientation(int32_t orientation) {
  Orientation_ = orientation;
  Site().PropertyChanged("Orientation");
  Redraw();
}

void vornProgressBar::put_Style(int32_t style) {
  Style_ = style;
  Site().PropertyChanged("Style");
  Redraw();
}

void vornProgressBar::put_Value(int16_t value) {
  Value_ = std::clamp<int16_t>(value, 0, 100);
  Site().PropertyChanged("Value");
  Redraw();
}

void vornProgressBar::put_Caption(std::string caption) {
  Caption_ = std::move(caption);
  Site().PropertyChanged("Caption");
  Redraw();
}

void vornProgressBar::put_ForeColor(Color c) {
  ForeColor_ = c;
  Site().PropertyChanged("ForeColor");
  Redraw();
}

// The first resize paints.
void vornProgressBar::UserControl_InitProperties() {
  UserControl().SetFont(Site().AmbientFont());
  Orientation_ = pbHorizontal;
  Style_ = tNormal;
  Value_ = 50;
  Caption_ = "%";
  ForeColor_ = 0xC00000;
  BackColor_ = 0xFFFFFF;
}

void vornProgressBar::UserControl_ReadProperties(PropertyBag& bag) {
  auto color = [](const Variant& v) { return v.ToColor(); };
  auto number = [](const Variant& v) { return v.ToLong(); };
  BackColor_ = ReadPropertyAs<Color>(bag, "BackColor", Variant::FromColor(0xFFFFFF), color);
  ReadSurfaceProperties(bag, Site());
  Orientation_ = ReadPropertyAs<int32_t>(bag, "Orientation", Variant(int32_t{pbHorizontal}), number);
  Style_ = ReadPropertyAs<int32_t>(bag, "Style", Variant(int32_t{tNormal}), number);
  Value_ = ReadPropertyAs<int16_t>(bag, "Value", Variant(int16_t{50}), [](const Variant& v) { return v.ToInteger(); });
  Caption_ = ReadPropertyAs<std::string>(bag, "Caption", Variant("%"), [](const Variant& v) { return v.ToString(); });
  ForeColor_ = ReadPropertyAs<Color>(bag, "ForeColor", Variant::FromColor(0xC00000), color);
  Redraw();
}

void vornProgressBar::UserControl_WriteProperties(PropertyBag& bag) {
  bag.WriteProperty("BackColor", Variant::FromColor(BackColor_), Variant::FromColor(0xFFFFFF));
  WriteSurfaceProperties(bag, Site());
  bag.WriteProperty("Orientation", Variant(Orientation_), Variant(int32_t{pbHorizontal}));
  bag.WriteProperty("Style", Variant(Style_), Variant(int32_t{tNormal}));
  bag.WriteProperty("Value", Variant(Value_), Variant(int16_t{50}));
  bag.WriteProperty("Caption", Variant(Caption_), Variant("%"));
  bag.WriteProperty("ForeColor", Variant::FromColor(ForeColor_), Variant::FromColor(0xC00000));
  Redraw();
}

namespace {
const MemberInfo kMembers[] = {
    {"BackColor", 0x68030006, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornProgressBar::get_BackColor, &vornProgressBar::put_BackColor>},
    {"Enabled", 0x68030005, kGet | kLet, "Boolean", {},
     &PropertyThunk<&vornProgressBar::get_Enabled, &vornProgressBar::put_Enabled>},
    {"Font", kDispIdFont, kGet | kSet, "Font", {},
     &PropertyThunk<&vornProgressBar::get_Font, nullptr, &vornProgressBar::putref_Font>},
    {"Orientation", 0x68030004, kGet | kLet, "MyOrientation", {},
     &PropertyThunk<&vornProgressBar::get_Orientation, &vornProgressBar::put_Orientation>},
    {"Style", 0x68030003, kGet | kLet, "MyType", {},
     &PropertyThunk<&vornProgressBar::get_Style, &vornProgressBar::put_Style>},
    {"Value", 0x68030002, kGet | kLet, "Integer", {},
     &PropertyThunk<&vornProgressBar::get_Value, &vornProgressBar::put_Value>},
    {"Caption", 0x68030001, kGet | kLet, "String", {},
     &PropertyThunk<&vornProgressBar::get_Caption, &vornProgressBar::put_Caption>},
    {"ForeColor", 0x68030000, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornProgressBar::get_ForeColor, &vornProgressBar::put_ForeColor>},
};
const ClassInfo kClass{"vornProgressBar", kMembers};
}  // namespace

const ClassInfo& vornProgressBar::StaticClass() { return kClass; }

}  // namespace vorn
