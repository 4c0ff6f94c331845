#include "controls/textbox/vornTextBox.h"

#include "controls/button/GlassFace.h"
#include "foundation/CodePage1252.h"
#include "foundation/InputCodes.h"

namespace vorn {

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
  } else if (KeyAscii == kAsciiBackspace || KeyAscii == kAsciiDelete) {
    typed_.clear();
  }
  RedrawTextBox();
}

}  // namespace vorn
