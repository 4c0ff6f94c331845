// Painting of the toolbar: everything from scratch on every call.
//
// Implementation notes (W, H the surface's pixel size; lines exclude their end point; X an
// item's place in the painting walk, which starts at 15; ch the content band's height):
//   strip        the buttons' glass face: bands of entries 2 -> 3 -> 4, edges 5/6/7
//   frame        x X-7 .. X-7+width, y 3 .. 3+ch+6, both ends included: the fill covers
//                [X-7, X-7+width) x [3, 3+ch+6), the outline's right and bottom sides lie on
//                the far edges, and the bottom line runs one pixel further to close the corner
//   caption      at (X+2, 6) without image list; at X, or after the icon (X+IW+3), with one;
//                lowered to centre on images taller than the text
//   icon         at (X, 6 + ch/2 - IH/2), always in its normal state
//   separator    s = X + width/4: dark line x = s, y 6..6+ch-1; light line x = s+1, y 7..7+ch-1
//   arrow        a Webdings "6" 3 px after the caption and 3 px above it, in the caption colour
#include "controls/button/GlassFace.h"
#include "controls/toolbar/vornToolbar.h"
#include "foundation/Convert.h"
#include "foundation/Dispatch.h"
#include "foundation/Gradient.h"
#include "foundation/SkipOnError.h"

namespace vorn {

namespace {
// The fill's scheme entries, top to bottom, by ItemFrame.
struct FrameFill {
  int8_t top, bottom;
};
constexpr FrameFill kFrameFills[] = {{9, 10}, {9, 11}, {11, 9}, {2, 7}, {9, 10}};
}  // namespace

ToolbarMetrics vornToolbar::ReadMetrics() {
  Surface& s = UserControl();
  ToolbarMetrics m;
  m.TH = s.TextHeight("I");
  m.arrowRoom = 3 + s.TextWidth("6");
  if (Imagelist_) {
    m.hasList = true;
    Object& list = *Imagelist_;
    SkipOnError([&] { m.IW = GetMember(list, "ImageWidth").ToInteger(); });
    SkipOnError([&] { m.IH = GetMember(list, "ImageHeight").ToInteger(); });
  }
  return m;
}

void vornToolbar::Redraw() {
  Surface& s = UserControl();
  s.Cls();
  const ToolbarMetrics m = ReadMetrics();
  RowHeight_ = m.RowHeight();
  if (s.ScaleHeight() != RowHeight_) {
    s.SetHeight(CheckedLong(int64_t{RowHeight_} * Site().Screen().TwipsPerPixelY()));
  }
  DrawGlassFace(s, Scheme_, 3);
  if (Items_.Count() == 0) return;
  int32_t X = 15;
  int32_t position = 0;
  for (const Ref<Object>& o : Items_) {
    auto& item = static_cast<ToolbarItem&>(*o);
    const ItemBox box = MeasureItem(m, item, X, s.TextWidth(item.Caption()));
    DrawItem(item, ++position, m, box);
    X = box.next;
  }
}

void vornToolbar::DrawItem(ToolbarItem& item, int32_t position, const ToolbarMetrics& m, const ItemBox& box) {
  Surface& s = UserControl();
  s.SetForeColor(Scheme_[8]);
  const int32_t captionTop = m.CaptionTop();
  const int32_t captionLeft = CaptionLeft(m, item, box.X);
  const int32_t L = box.X - 7;
  const int32_t T = 3;
  const int32_t height = box.height + 6;
  if (position == HotItem_) {
    DrawHotFrame(T, L, height, box.width);
  } else if (item.Style() == mitCheckButton && item.Checked()) {
    DrawCheckedFrame(T, L, height, box.width);
  }
  switch (item.Style()) {
    case mitPlaceholder: DrawItemIcon(6, box.X, box.height, item.IconIndex()); break;
    case mitSeparator: {
      const auto x = static_cast<float>(box.X + Fix(box.width / 4.0));
      const auto ch = static_cast<float>(box.height);
      s.Line(x, 6, x, 6 + ch, Scheme_[7]);
      s.Line(x + 1, 7, x + 1, 7 + ch, Scheme_[2]);
      break;
    }
    default:
      DrawItemIcon(6, box.X, box.height, item.IconIndex());
      s.SetCurrentY(static_cast<float>(captionTop));
      s.SetCurrentX(static_cast<float>(captionLeft));
      s.SetForeColor(item.Enabled() ? Scheme_[8] : Scheme_[7]);
      s.Print(item.Caption());
      break;
  }
  if (item.Style() == mitMenu2) DrawDropArrow(captionLeft, captionTop, s.TextWidth(item.Caption()));
}

// The Webdings down-pointing triangle, printed in the surface's own font object under the
// symbol face's name, which is given back at once.
void vornToolbar::DrawDropArrow(int32_t captionLeft, int32_t captionTop, float captionWidth) {
  Surface& s = UserControl();
  const Ref<Font> font = s.GetFont();
  savedFontName_.assign(font->Name());
  s.SetCurrentY(static_cast<float>(captionTop - 3));
  s.SetCurrentX(static_cast<float>(captionLeft) + captionWidth + 3);
  font->SetName("WebDings");
  s.Print("6");
  font->SetName(savedFontName_);
}

ItemFrame vornToolbar::HotFrame() const {
  const ToolbarItem* hot = ItemAt(HotItem_);
  if (ButtonDown_) return hot && hot->IsMenu() ? ifMenuOpen : ifPressed;
  return hot && hot->Style() == mitCheckButton && hot->Checked() ? ifCheckedHover : ifHover;
}

void vornToolbar::DrawHotFrame(int32_t T, int32_t L, int32_t height, int32_t width) {
  DrawFrame(HotFrame(), T, L, height, width);
}

void vornToolbar::DrawCheckedFrame(int32_t T, int32_t L, int32_t height, int32_t width) {
  DrawFrame(ifChecked, T, L, height, width);
}

// A fill from top to bottom, and an outline in entry 7 whose right and bottom sides lie on the far
// edges; the bottom line runs one pixel further to close the corner.
void vornToolbar::DrawFrame(ItemFrame look, int32_t T, int32_t L, int32_t height, int32_t width) {
  Surface& s = UserControl();
  const FrameFill fill = kFrameFills[look];
  GradientRect(s.hDC(), L, T, width, height, ColorToVertex(Scheme_[fill.top]), ColorToVertex(Scheme_[fill.bottom]),
               GRADIENT_FILL_RECT_V);
  const Color line = Scheme_[7];
  const auto l = static_cast<float>(L);
  const auto t = static_cast<float>(T);
  const auto r = static_cast<float>(L + width);
  const auto b = static_cast<float>(T + height);
  s.Line(l, t, r, t, line);
  s.Line(l, t, l, b, line);
  s.Line(r, t, r, b, line);
  s.Line(l, b, r + 1, b, line);
}

// Touches the host's image list: a failing step is skipped.
void vornToolbar::DrawItemIcon(int32_t top, int32_t left, int32_t height, int16_t index) {
  if (!Imagelist_ || index == 0) return;
  int16_t IW = 0;
  int16_t IH = 0;
  SkipOnError([&] { IW = GetMember(*Imagelist_, "ImageWidth").ToInteger(); });
  SkipOnError([&] { IH = GetMember(*Imagelist_, "ImageHeight").ToInteger(); });
  const Ref<Picture> icon = IconPicture(index);
  if (!icon) return;
  const int32_t y = top + Fix(height / 2.0) - Fix(IH / 2.0);
  UserControl().hDC().DrawState(icon.get(), left, y, IW, IH, DST_ICON);
}

Ref<Picture> vornToolbar::IconPicture(int16_t index) {
  const auto slot = static_cast<size_t>(index - 1);
  if (index > 0 && slot < icons_.size() && icons_[slot]) return icons_[slot];
  Ref<Picture> picture;
  SkipOnError([&] {
    Variant i(index);
    const Variant image = InvokeMember(*Imagelist_, "ListImages", kGet | kMethod, std::span<Variant>(&i, 1));
    Object* entry = image.ObjectValue();
    if (!entry) Raise(errObjectRequired);
    picture = RefCast<Picture>(GetMember(*entry, "ExtractIcon").ToObject());
  });
  if (!picture || index < 1) return picture;
  if (icons_.size() <= slot) icons_.resize(slot + 1);
  icons_[slot] = picture;
  return picture;
}

}  // namespace vorn
