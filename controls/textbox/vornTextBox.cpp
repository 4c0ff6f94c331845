#include "controls/textbox/vornTextBox.h"

#include "controls/button/ButtonMembers.h"
#include "controls/button/GlassFace.h"
#include "foundation/CodePage1252.h"
#include "foundation/MemberBinding.h"

namespace vorn {

namespace {
constexpr Color kBackColor = 0xFFFFFF;
constexpr Color kForeColor = 0xC00000;
constexpr Color kSelectionColor = 0x80FF;
constexpr Color kTabSelectColor = 0x96E7;
}  // namespace

template <class T>
void vornTextBox::Store(T& field, T value, std::string_view bagName) {
  field = std::move(value);
  Site().PropertyChanged(bagName);
  RedrawTextBox();
}

void vornTextBox::put_BackColor(Color c) { Store(BackColor_, c, "BackColor"); }
void vornTextBox::put_ForeColor(Color c) { Store(ForeColor_, c, "ForeColor"); }
void vornTextBox::put_Enabled(bool enabled) { Store(Enabled_, enabled, "Enabled"); }

void vornTextBox::putref_Font(Ref<Font> font) {
  if (!font) Raise(errInvalidProcedureCall, "Font cannot be Nothing");
  Store(Font_, std::move(font), "Font");
}

void vornTextBox::put_SelectionColor(Color c) { Store(SelectionColor_, c, "SelectionColor"); }
void vornTextBox::put_Alignment(int16_t v) { Store(Alignment_, v, "Alignment"); }
void vornTextBox::put_SelStart(int16_t v) { Store(SelStart_, v, "SelStart"); }
void vornTextBox::put_SelLenght(int16_t v) { Store(SelLenght_, v, "SelLenght"); }
void vornTextBox::put_Text(Variant v) { Store(Text_, std::move(v), "Text"); }
void vornTextBox::put_PasswordChar(bool v) { Store(PasswordChar_, v, "PasswordChar"); }
void vornTextBox::put_MultiLine(bool v) { Store(MultiLine_, v, "MultiLine"); }
void vornTextBox::put_Scrollbars(int16_t v) { Store(Scrollbars_, v, "Scrollbars"); }
void vornTextBox::put_TabSelectColor(Color c) { Store(TabSelectColor_, c, "TabSelectColor"); }

void vornTextBox::RedrawTextBox() {
  Scheme_ = PaletteNormal(BackColor_, ForeColor_, SelectionColor_);
  Surface& s = UserControl();
  s.SetBackColor(BackColor_);
  s.Cls();
  DrawGlassFace(s, Scheme_, 2);
  // Printed in the surface's own font and fore colour, which the text box never changes.
  s.SetCurrentX(0);
  s.SetCurrentY(0);
  s.Print(typed_);
}

void vornTextBox::UserControl_KeyPress(int16_t& KeyAscii) {
  if ((KeyAscii >= 32 && KeyAscii <= 126) || (KeyAscii >= 128 && KeyAscii <= 255)) {
    const char32_t cp = FromCodePage1252(static_cast<uint8_t>(KeyAscii));
    // The five codes 1252 leaves unassigned become the control characters of the same value.
    AppendUtf8(typed_, cp ? cp : static_cast<char32_t>(KeyAscii));
  } else if (KeyAscii == 8 || KeyAscii == 127) {
    typed_.clear();
  }
  RedrawTextBox();
}

void vornTextBox::UserControl_InitProperties() {
  BackColor_ = kBackColor;
  ForeColor_ = kForeColor;
  Enabled_ = false;
  Font_ = Site().AmbientFont();
  SelectionColor_ = kSelectionColor;
  Alignment_ = 0;
  SelStart_ = 0;
  SelLenght_ = 0;
  Text_ = Variant(Site().AmbientDisplayName());
  PasswordChar_ = false;
  MultiLine_ = false;
  Scrollbars_ = 0;
  TabSelectColor_ = kTabSelectColor;
  RedrawTextBox();
}

void vornTextBox::UserControl_ReadProperties(PropertyBag& bag) {
  auto color = [](const Variant& v) { return v.ToColor(); };
  auto integer = [](const Variant& v) { return v.ToInteger(); };
  auto boolean = [](const Variant& v) { return v.ToBool(); };
  BackColor_ = ReadPropertyAs<Color>(bag, "BackColor", Variant::FromColor(kBackColor), color);
  ForeColor_ = ReadPropertyAs<Color>(bag, "ForeColor", Variant::FromColor(kForeColor), color);
  // Stored as a number by older documents: the default is the Integer 0.
  Enabled_ = ReadPropertyAs<bool>(bag, "Enabled", Variant(int16_t{0}), boolean);
  Ref<Font> ambient = Site().AmbientFont();
  Font_ = ReadPropertyAs<Ref<Font>>(bag, "Font", Variant(ambient), [&](const Variant& v) {
    Ref<Font> f = VariantTraits<Ref<Font>>::From(v);
    return f ? f : ambient;
  });
  SelectionColor_ = ReadPropertyAs<Color>(bag, "SelectionColor", Variant::FromColor(kSelectionColor), color);
  Alignment_ = ReadPropertyAs<int16_t>(bag, "Alignment", Variant(int16_t{0}), integer);
  SelStart_ = ReadPropertyAs<int16_t>(bag, "SelStart", Variant(int16_t{0}), integer);
  SelLenght_ = ReadPropertyAs<int16_t>(bag, "SelLenght", Variant(int16_t{0}), integer);
  Text_ = bag.ReadProperty("Text", Variant(Site().AmbientDisplayName()));
  PasswordChar_ = ReadPropertyAs<bool>(bag, "PasswordChar", Variant(false), boolean);
  MultiLine_ = ReadPropertyAs<bool>(bag, "MultiLine", Variant(false), boolean);
  Scrollbars_ = ReadPropertyAs<int16_t>(bag, "Scrollbars", Variant(int16_t{0}), integer);
  TabSelectColor_ = ReadPropertyAs<Color>(bag, "TabSelectColor", Variant::FromColor(kTabSelectColor), color);
  RedrawTextBox();
}

void vornTextBox::UserControl_WriteProperties(PropertyBag& bag) {
  bag.WriteProperty("BackColor", Variant::FromColor(BackColor_), Variant::FromColor(kBackColor));
  bag.WriteProperty("ForeColor", Variant::FromColor(ForeColor_), Variant::FromColor(kForeColor));
  bag.WriteProperty("Enabled", Variant(Enabled_), Variant(int16_t{0}));
  bag.WriteProperty("Font", Variant(Font_), Variant(Site().AmbientFont()));
  bag.WriteProperty("SelectionColor", Variant::FromColor(SelectionColor_), Variant::FromColor(kSelectionColor));
  bag.WriteProperty("Alignment", Variant(Alignment_), Variant(int16_t{0}));
  bag.WriteProperty("SelStart", Variant(SelStart_), Variant(int16_t{0}));
  bag.WriteProperty("SelLenght", Variant(SelLenght_), Variant(int16_t{0}));
  bag.WriteProperty("Text", Text_, Variant(Site().AmbientDisplayName()));
  bag.WriteProperty("PasswordChar", Variant(PasswordChar_), Variant(false));
  bag.WriteProperty("MultiLine", Variant(MultiLine_), Variant(false));
  bag.WriteProperty("Scrollbars", Variant(Scrollbars_), Variant(int16_t{0}));
  bag.WriteProperty("TabSelectColor", Variant::FromColor(TabSelectColor_), Variant::FromColor(kTabSelectColor));
  RedrawTextBox();
}

namespace {
const MemberInfo kMembers[] = {
    {"BackColor", 0x6803000B, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornTextBox::get_BackColor, &vornTextBox::put_BackColor>},
    {"ForeColor", 0x6803000A, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornTextBox::get_ForeColor, &vornTextBox::put_ForeColor>},
    {"Enabled", 0x68030009, kGet | kLet, "Boolean", {},
     &PropertyThunk<&vornTextBox::get_Enabled, &vornTextBox::put_Enabled>},
    {"Font", kDispIdFont, kGet | kSet, "Font", {},
     &PropertyThunk<&vornTextBox::get_Font, nullptr, &vornTextBox::putref_Font>},
    {"SelectionColor", 0x68030008, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornTextBox::get_SelectionColor, &vornTextBox::put_SelectionColor>},
    {"Alignment", 0x68030007, kGet | kLet, "Integer", {},
     &PropertyThunk<&vornTextBox::get_Alignment, &vornTextBox::put_Alignment>},
    {"SelStart", 0x68030006, kGet | kLet, "Integer", {},
     &PropertyThunk<&vornTextBox::get_SelStart, &vornTextBox::put_SelStart>},
    {"SelLenght", 0x68030005, kGet | kLet, "Integer", {},
     &PropertyThunk<&vornTextBox::get_SelLenght, &vornTextBox::put_SelLenght>},
    {"Text", 0x68030004, kGet | kLet, "Variant", {},
     &PropertyThunk<&vornTextBox::get_Text, &vornTextBox::put_Text>},
    {"PasswordChar", 0x68030003, kGet | kLet, "Boolean", {},
     &PropertyThunk<&vornTextBox::get_PasswordChar, &vornTextBox::put_PasswordChar>},
    {"MultiLine", 0x68030002, kGet | kLet, "Boolean", {},
     &PropertyThunk<&vornTextBox::get_MultiLine, &vornTextBox::put_MultiLine>},
    {"Scrollbars", 0x68030001, kGet | kLet, "Integer", {},
     &PropertyThunk<&vornTextBox::get_Scrollbars, &vornTextBox::put_Scrollbars>},
    {"TabSelectColor", 0x68030000, kGet | kLet, "OLE_COLOR", {},
     &PropertyThunk<&vornTextBox::get_TabSelectColor, &vornTextBox::put_TabSelectColor>},
};
// Declared on __vornTextBox as the buttons' first four (Click, KeyDown, KeyPress, KeyUp); the text
// box never raises them.
const ClassInfo kClass{"vornTextBox", kMembers, ButtonEventTable().first(4)};
}  // namespace

const ClassInfo& vornTextBox::StaticClass() { return kClass; }

}  // namespace vorn
