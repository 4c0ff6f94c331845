// Painting of the popup menu: everything from scratch on every call, on the PUMenu surface.
//
// Implementation notes (SW, SH the surface's pixel size; cw the icon column; lines exclude their
// end point; a row lies on [t, t + h)):
//   border       x = 0 and x = SW - 1 full height; y = SH - 1 from x = 0; y = 0 only from TopGap,
//                so the toolbar's button above the menu seems to open into it
//   highlight    band x 3..SW-4, y T+1..T+H-2 (selection tint, stronger at the left); frame on
//                x = 2, x = SW - 3, y = T, y = T + H - 1; painted before the rows, so captions
//                and icons lie on it
//   check box    fill x 5..cw-9, y t+2..t+h-2; frame x = 4 and x = cw - 9, y = t + 1 and
//                y = t + h - 2; the icon, drawn after it, lies on top
//   separator    one gradient line on y = t + 1 from x = 1 over the right border
//   title        band x 3..SW-4, y t+1..t+h-2; caption at (cw, t + 8) in the border colour
#include "controls/menu/vornPUMenu.h"

#include "foundation/Convert.h"
#include "foundation/Dispatch.h"
#include "foundation/Gradient.h"

namespace vorn {

void vornPUMenu::DrawMenu(const std::string& group) {
  Surface& s = *PUMenu_;
  s.Cls();
  const int16_t cw = IconColumnWidth();
  const float SW = s.ScaleWidth();
  const float SH = s.ScaleHeight();
  const Color border = Scheme_[7];
  s.Line(0, 0, 0, SH, border);
  s.Line(TopGap_, 0, SW, 0, border);
  s.Line(SW - 1, 0, SW - 1, SH, border);
  s.Line(0, SH - 1, SW - 1, SH - 1, border);
  int32_t y = 2;
  DrawHighlight();
  MenuItems& items = Items();
  const int32_t n = items.Count();
  for (int32_t i = 1; i <= n; ++i) {
    const MenuItem& item = items.At(i);
    if (item.Group() != group) continue;
    const int16_t h = MenuRowHeight(i);
    y = AddLong(y, h);
    const int32_t t = y - h;
    if (s.FontBold() != item.Bold()) s.SetFontBold(item.Bold());
    switch (item.ItemType()) {
      case itNormal:
      case itCheck: DrawTextRow(item, i, t, h, cw); break;
      case itPlaceholder: LinearGradient(s.hDC(), 1, t + 1, Nearest(SW), 1, Scheme_[2], border); break;
      case itTitle: DrawTitleRow(item, t, h, cw); break;
      default: break;  // a type the menu does not know keeps its row blank
    }
  }
}

void vornPUMenu::DrawTextRow(const MenuItem& item, int32_t position, int32_t t, int16_t h, int16_t cw) {
  Surface& s = *PUMenu_;
  const int32_t y = t + h;  // the next row's top
  const float th = s.TextHeight("I");
  s.SetCurrentX(cw);
  s.SetCurrentY(static_cast<float>(t + Fix(h / 2.0) - Fix(th / 2.0)));
  s.SetForeColor(Scheme_[8]);
  s.Print(item.Caption());
  if (item.ItemType() == itCheck && item.Checked()) {
    const MenuItemListing* hovered = HoverListing();
    const Color fill = hovered && hovered->Index() == position ? Scheme_[11] : Scheme_[9];
    GradientRect(s.hDC(), 5, t + 2, cw - 13, h - 3, ColorToVertex(fill), ColorToVertex(fill), GRADIENT_FILL_RECT_H);
    const Color frame = Scheme_[7];
    s.Line(4, t + 1, cw - 9, t + 1, frame);
    s.Line(4, t + 1, 4, y - 1, frame);
    s.Line(4, y - 2, cw - 9, y - 2, frame);
    s.Line(cw - 9, y - 2, cw - 9, t, frame);
  }
  DrawRowIcon(CheckedInteger(t), cw, h, item.Icon());
}

void vornPUMenu::DrawTitleRow(const MenuItem& item, int32_t t, int16_t h, int16_t cw) {
  Surface& s = *PUMenu_;
  GradientRect(s.hDC(), 3, t + 1, Nearest(s.ScaleWidth() - 6), h - 2, ColorToVertex(Scheme_[4]),
               ColorToVertex(Scheme_[2]), GRADIENT_FILL_RECT_H);
  s.SetCurrentX(cw);
  s.SetCurrentY(static_cast<float>(t + 8));
  s.SetForeColor(Scheme_[7]);
  s.Print(item.Caption());
  DrawRowIcon(CheckedInteger(t), cw, h, item.Icon());
}

void vornPUMenu::DrawHighlight() {
  const MenuItemListing* row = HoverListing();
  if (!row) return;
  Surface& s = *PUMenu_;
  const float SW = s.ScaleWidth();
  const int32_t T = row->Top();
  const int32_t H = row->Height();
  GradientRect(s.hDC(), 3, T + 1, Nearest(SW - 6), H - 2, ColorToVertex(Scheme_[10]), ColorToVertex(Scheme_[9]),
               GRADIENT_FILL_RECT_H);
  const Color frame = Scheme_[7];
  const float top = static_cast<float>(T);
  const float bottom = static_cast<float>(T + H - 1);
  s.Line(2, top, SW - 2, top, frame);
  s.Line(2, top, 2, bottom, frame);
  s.Line(SW - 3, top, SW - 3, static_cast<float>(T + H), frame);
  s.Line(2, bottom, SW - 2, bottom, frame);
}

void vornPUMenu::DrawRowIcon(int16_t top, int16_t column, int16_t height, int16_t icon) {
  if (!Imagelist_ || icon == 0) return;
  Object& list = *Imagelist_;
  const int16_t IW = GetMember(list, "ImageWidth").ToInteger();
  const int16_t IH = GetMember(list, "ImageHeight").ToInteger();
  // Centred in the column left of the captions: with cw = IW + 18 the left edge is always x = 7.
  const int16_t y = CheckedInteger(int64_t{top} + Fix(height / 2.0) - Fix(IH / 2.0));
  const int16_t x = CheckedInteger(int64_t{Fix((column - 4) / 2.0)} - Fix(IW / 2.0));
  Variant index(icon);
  Variant image;
  try {
    image = InvokeMember(list, "ListImages", kGet | kMethod, std::span<Variant>(&index, 1));
  } catch (const RuntimeError& e) {
    Raise(e.Number(), "icon " + std::to_string(icon) + " of the image list: " + e.what());
  }
  Object* entry = image.ObjectValue();
  if (!entry) Raise(errObjectRequired, "ListImages(" + std::to_string(icon) + ") is Nothing");
  const Ref<Picture> picture = RefCast<Picture>(GetMember(*entry, "ExtractIcon").ToObject());
  if (!picture) Raise(errTypeMismatch, "ExtractIcon gave no picture");
  PUMenu_->hDC().DrawState(picture.get(), x, y, IW, IH, DST_ICON);
}

}  // namespace vorn
