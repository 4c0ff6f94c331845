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
  s.Print(ShowablePart());
}

// Typing only appends and the typed text never breaks a line, so once a prefix reaches past the
// right edge by more than a glyph can reach back, the characters after it draw nothing. Printing
// only that prefix keeps the pixels and makes typing linear: a whole repaint per key would
// otherwise walk the whole text.
std::string_view vornTextBox::ShowablePart() {
  Surface& s = UserControl();
  const Ref<Font> font = s.GetFont();
  const float width = s.ScaleWidth();
  const uint32_t revision = font ? font->Revision() : 0;
  if (width != showWidth_ || font != showFont_ || revision != showRevision_) {
    showable_ = std::string::npos;
    showWidth_ = width;
    showFont_ = font;
    showRevision_ = revision;
  }
  const std::string_view text(typed_);
  if (showable_ != std::string::npos) return text.substr(0, showable_);
  // Two line heights is more than any glyph of the font reaches left of its pen position.
  const float reach = width + 2 * s.TextHeight("I");
  for (std::size_t n = 64;; n *= 2) {
    if (n >= text.size()) return text;  // everything may show; measure again after the next key
    while (n < text.size() && (static_cast<uint8_t>(text[n]) & 0xC0) == 0x80) ++n;  // whole characters
    if (s.TextWidth(text.substr(0, n)) > reach) {
      showable_ = n;
      return text.substr(0, n);
    }
  }
}

void vornTextBox::UserControl_KeyPress(int16_t& KeyAscii) {
  if ((KeyAscii >= 32 && KeyAscii <= 126) || (KeyAscii >= 128 && KeyAscii <= 255)) {
    const char32_t cp = FromCodePage1252(static_cast<uint8_t>(KeyAscii));
    // The five codes 1252 leaves unassigned become the control characters of the same value.
    AppendUtf8(typed_, cp ? cp : static_cast<char32_t>(KeyAscii));
  } else if (KeyAscii == kAsciiBackspace || KeyAscii == kAsciiDelete) {
    typed_.clear();
    showable_ = std::string::npos;
  }
  RedrawTextBox();
}

}  // namespace vorn
