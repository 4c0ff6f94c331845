// Painting of the popup menu, on the PUMenu surface: what a complete repaint gives, from scratch,
// within the part of the surface that is painted.
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
// Everything of a row lies in its band but the caption, whose glyphs may reach a line or two
// above its cell and any number of lines below it (a caption of several lines): a row is drawn
// when that reach meets the painted part, and otherwise only laid out, so that the rows after it
// keep their places, the bold state follows, and the errors of drawing it are still raised.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "controls/menu/PUMenuRowMetrics.h"
#include "controls/menu/vornPUMenu.h"
#include "foundation/Convert.h"
#include "foundation/Dispatch.h"
#include "foundation/Gradient.h"

namespace vorn {

namespace {
/// Drawing confined to a part of the surface, while it lives (nothing when the surface cannot).
class ClipScope {
 public:
  ClipScope(Surface& s, const RectL& area) : s_(s), on_(s.ClipTo(area)) {}
  ~ClipScope() {
    if (on_) s_.Unclip();
  }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;
  bool On() const noexcept { return on_; }

 private:
  Surface& s_;
  bool on_;
};

// The rows a caption's glyphs may reach, [first, second), from the top of its first line's cell
// and the height of a line: two lines beyond its cells, as the text engine assumes too.
std::pair<int32_t, int32_t> CaptionInk(const std::string& caption, double cellTop, double lineHeight) {
  const double lines = static_cast<double>(std::count(caption.begin(), caption.end(), '\n') + 1);
  return {AddCoord(static_cast<int64_t>(std::floor(cellTop - 2 * lineHeight)), 0),
          AddCoord(static_cast<int64_t>(std::ceil(cellTop + (lines + 2) * lineHeight)), 0)};
}

}  // namespace

// ---- Row metrics ----------------------------------------------------------------------------

float vornPUMenu::RowMetrics::TextHeightI(bool bold) {
  if (!haveTh_[bold]) {
    Surface& s = *menu_.PUMenu_;
    const bool was = s.FontBold();
    if (was != bold) s.SetFontBold(bold);
    th_[bold] = s.TextHeight("I");
    if (was != bold) s.SetFontBold(was);
    haveTh_[bold] = true;
  }
  return th_[bold];
}

int16_t vornPUMenu::RowMetrics::ImageWidth() {
  if (!haveIw_) {
    iw_ = GetMember(*menu_.Imagelist_, "ImageWidth").ToInteger();
    haveIw_ = true;
  }
  return iw_;
}

int16_t vornPUMenu::RowMetrics::ImageHeight() {
  if (!haveIh_) {
    ih_ = GetMember(*menu_.Imagelist_, "ImageHeight").ToInteger();
    haveIh_ = true;
  }
  return ih_;
}

int16_t vornPUMenu::RowMetrics::RowHeight(int32_t type, bool bold) {
  const int16_t t = ToInteger(TextHeightI(bold));
  const int16_t a = AddInteger(t, 8);
  if (type == itPlaceholder) return 3;
  const bool textRow = type == itNormal || type == itCheck;
  if (type != itTitle && !textRow) return a;
  const int16_t twoRows = CheckedInteger(2 * int32_t{a});
  if (!menu_.Imagelist_) return type == itTitle ? twoRows : a;
  const int16_t IH = ImageHeight();
  if (type == itTitle) return IH > a ? AddInteger(IH, 16) : twoRows;
  return IH > a ? AddInteger(IH, 4) : a;
}

bool vornPUMenu::RowMetrics::IconChecked(int16_t icon) const {
  return iconsCleared_ && icon >= 0 && static_cast<size_t>(icon) < menu_.iconChecked_.size() &&
         menu_.iconChecked_[static_cast<size_t>(icon)];
}

void vornPUMenu::RowMetrics::NoteIconChecked(int16_t icon) {
  if (icon < 0) return;
  std::vector<bool>& seen = menu_.iconChecked_;
  if (!iconsCleared_) {
    if (seen.empty()) seen.resize(32768);  // every positive 16-bit entry; once per menu
    std::fill(seen.begin(), seen.end(), false);
    iconsCleared_ = true;
  }
  seen[static_cast<size_t>(icon)] = true;
}

// ---- Painting -------------------------------------------------------------------------------

void vornPUMenu::DrawMenu(const std::string& group) {
  painted_.valid = false;
  RowMetrics metrics(*this);
  const bool clipped = PaintMenu(group, PUMenu_->Exposed(), metrics);
  NotePainted(group, clipped);
}

bool vornPUMenu::PaintMenu(const std::string& group, const RectL& area, RowMetrics& metrics, bool rowsOnly) {
  Surface& s = *PUMenu_;
  const ClipScope clip(s, area);
  s.Cls();
  const int16_t cw = Imagelist_ ? AddInteger(metrics.ImageWidth(), 18) : int16_t{18};
  const float SW = s.ScaleWidth();
  const float SH = s.ScaleHeight();
  const Color border = Scheme_[7];
  s.Line(0, 0, 0, SH, border);
  s.Line(TopGap_, 0, SW, 0, border);
  s.Line(SW - 1, 0, SW - 1, SH, border);
  s.Line(0, SH - 1, SW - 1, SH - 1, border);
  DrawHighlight();
  MenuItems& items = Items();
  auto drawRow = [&](const MenuItem& item, const RowPlace& row) {
    if (s.FontBold() != row.bold) s.SetFontBold(row.bold);
    switch (item.ItemType()) {
      case itNormal:
      case itCheck: DrawTextRow(item, row.position, row.top, row.height, cw, metrics); break;
      case itPlaceholder: LinearGradient(s.hDC(), 1, row.top + 1, Nearest(SW), 1, Scheme_[2], border); break;
      case itTitle: DrawTitleRow(item, row.top, row.height, cw, metrics); break;
      default: break;  // a type the menu does not know keeps its row blank
    }
  };
  auto reaches = [&](const RowPlace& row) { return !clip.On() || (row.inkTop < area.bottom && row.inkBottom > area.top); };

  if (rowsOnly) {
    // The rows are where the last complete paint placed them: from the first whose pixels can
    // reach the area to the last whose top is near enough.
    auto first = std::partition_point(places_.begin(), places_.end(),
                                      [&](const RowPlace& r) { return r.inkBottomSoFar <= area.top; });
    for (auto row = first; row != places_.end() && row->top - painted_.rise < area.bottom; ++row) {
      if (reaches(*row)) drawRow(items.At(row->position), *row);
    }
    if (s.FontBold() != painted_.finalBold) s.SetFontBold(painted_.finalBold);
    return clip.On();
  }

  places_.clear();
  int32_t rise = 0;
  int32_t inkBottomSoFar = INT32_MIN;
  const int32_t n = items.Count();
  int32_t y = 2;
  bool bold = s.FontBold();  // as a complete repaint leaves it after each row
  try {
    for (int32_t i = 1; i <= n; ++i) {
      const MenuItem& item = items.At(i);
      if (item.Group() != group) continue;
      const int16_t h = metrics.RowHeight(item.ItemType(), bold);
      y = AddLong(y, h);
      bold = item.Bold();
      RowPlace row{i, y - h, h, bold, y - h, y, 0};
      const int32_t type = item.ItemType();
      if (type == itNormal || type == itCheck || type == itTitle) {
        const double th = metrics.TextHeightI(bold);
        const double cellTop = type == itTitle ? row.top + 8.0 : row.top + Fix(h / 2.0) - Fix(th / 2.0);
        const auto [inkTop, inkBottom] = CaptionInk(item.Caption(), cellTop, th);
        row.inkTop = std::min(row.top, inkTop);
        row.inkBottom = std::max(y, inkBottom);
      }
      inkBottomSoFar = std::max(inkBottomSoFar, row.inkBottom);
      row.inkBottomSoFar = inkBottomSoFar;
      rise = std::max(rise, row.top - row.inkTop);
      places_.push_back(row);
      if (reaches(row)) {
        drawRow(item, row);
      } else {
        CheckRow(item, row.top, h, cw, metrics);
      }
    }
  } catch (...) {
    if (s.FontBold() != bold) s.SetFontBold(bold);
    throw;
  }
  if (s.FontBold() != bold) s.SetFontBold(bold);
  painted_.finalBold = bold;
  painted_.rise = rise;
  return clip.On();
}

void vornPUMenu::CheckRow(const MenuItem& item, int32_t t, int16_t h, int16_t cw, RowMetrics& metrics) {
  const int32_t type = item.ItemType();
  if (type != itNormal && type != itCheck && type != itTitle) return;
  const int16_t top = CheckedInteger(t);
  const int16_t icon = item.Icon();
  if (!Imagelist_ || icon == 0) return;
  const int16_t IW = metrics.ImageWidth();
  const int16_t IH = metrics.ImageHeight();
  CheckedInteger(int64_t{top} + Fix(h / 2.0) - Fix(IH / 2.0));
  CheckedInteger(int64_t{Fix((cw - 4) / 2.0)} - Fix(IW / 2.0));
  if (metrics.IconChecked(icon)) return;
  IconPicture(icon);
  metrics.NoteIconChecked(icon);
}

void vornPUMenu::DrawTextRow(const MenuItem& item, int32_t position, int32_t t, int16_t h, int16_t cw,
                             RowMetrics& metrics) {
  Surface& s = *PUMenu_;
  const int32_t y = t + h;  // the next row's top
  const float th = metrics.TextHeightI(s.FontBold());
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
  DrawIcon(CheckedInteger(t), cw, h, item.Icon(), metrics);
}

void vornPUMenu::DrawTitleRow(const MenuItem& item, int32_t t, int16_t h, int16_t cw, RowMetrics& metrics) {
  Surface& s = *PUMenu_;
  GradientRect(s.hDC(), 3, t + 1, Nearest(s.ScaleWidth() - 6), h - 2, ColorToVertex(Scheme_[4]),
               ColorToVertex(Scheme_[2]), GRADIENT_FILL_RECT_H);
  s.SetCurrentX(cw);
  s.SetCurrentY(static_cast<float>(t + 8));
  s.SetForeColor(Scheme_[7]);
  s.Print(item.Caption());
  DrawIcon(CheckedInteger(t), cw, h, item.Icon(), metrics);
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
  RowMetrics metrics(*this);
  DrawIcon(top, column, height, icon, metrics);
}

void vornPUMenu::DrawIcon(int16_t top, int16_t column, int16_t height, int16_t icon, RowMetrics& metrics) {
  if (!Imagelist_ || icon == 0) return;
  const int16_t IW = metrics.ImageWidth();
  const int16_t IH = metrics.ImageHeight();
  // Centred in the column left of the captions: with cw = IW + 18 the left edge is always x = 7.
  const int16_t y = CheckedInteger(int64_t{top} + Fix(height / 2.0) - Fix(IH / 2.0));
  const int16_t x = CheckedInteger(int64_t{Fix((column - 4) / 2.0)} - Fix(IW / 2.0));
  const Ref<Picture> picture = IconPicture(icon);
  PUMenu_->hDC().DrawState(picture.get(), x, y, IW, IH, DST_ICON);
}

Ref<Picture> vornPUMenu::IconPicture(int16_t icon) {
  Object& list = *Imagelist_;
  Variant index(icon);
  Variant image;
  try {
    image = InvokeMember(list, "ListImages", kGet | kMethod, std::span<Variant>(&index, 1));
  } catch (const RuntimeError& e) {
    Raise(e.Number(), "icon " + std::to_string(icon) + " of the image list: " + e.what());
  }
  Object* entry = image.ObjectValue();
  if (!entry) Raise(errObjectRequired, "ListImages(" + std::to_string(icon) + ") is Nothing");
  Ref<Picture> picture = RefCast<Picture>(GetMember(*entry, "ExtractIcon").ToObject());
  if (!picture) Raise(errTypeMismatch, "ExtractIcon gave no picture");
  return picture;
}

// ---- Partial repaints -----------------------------------------------------------------------

bool vornPUMenu::PaintedStateHolds() const {
  const Painted& p = painted_;
  const Surface& s = *PUMenu_;
  const Ref<Font> font = s.GetFont();
  return p.valid && p.items == MenuItem_.get() && p.edits == MenuEdits() && p.listings == Listings_.get() &&
         p.imageList == Imagelist_.get() && p.scheme == Scheme_ && p.back == s.BackColor() && p.topGap == TopGap_ &&
         p.group == OpenGroup_ && p.width == s.ScaleWidth() && p.height == s.ScaleHeight() &&
         p.exposed == s.Exposed() && p.font == font.get() && p.fontRevision == font->Revision();
}

void vornPUMenu::NotePainted(const std::string& group, bool clipped) {
  Painted& p = painted_;
  p.clipped = clipped;
  const Surface& s = *PUMenu_;
  const Ref<Font> font = s.GetFont();
  p.items = MenuItem_.get();
  p.edits = MenuEdits();
  p.listings = Listings_.get();
  p.imageList = Imagelist_.get();
  p.scheme = Scheme_;
  p.back = s.BackColor();
  p.topGap = TopGap_;
  p.group = group;
  p.width = s.ScaleWidth();
  p.height = s.ScaleHeight();
  p.exposed = s.Exposed();
  p.font = font.get();
  p.fontRevision = font->Revision();
  p.valid = true;
}

void vornPUMenu::RepaintRow(int16_t r, RowMetrics& metrics) {
  if (r <= 0 || !Listings_ || r > Listings_->Count()) return;
  const MenuItemListing& row = Listings_->At(r);
  const RectL band = Intersect(
      PUMenu_->Exposed(), RectL{0, row.Top(), static_cast<int32_t>(PUMenu_->ScaleWidth()), AddCoord(row.Top(), row.Height())});
  if (!IsEmpty(band)) PaintMenu(OpenGroup_, band, metrics, true);
}

}  // namespace vorn
