#include "controls/button/vornXButton.h"

#include "foundation/Convert.h"

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

}  // namespace vorn
