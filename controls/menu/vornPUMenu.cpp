#include "controls/menu/vornPUMenu.h"

#include <algorithm>

#include "controls/menu/PUMenuRowMetrics.h"
#include "foundation/Convert.h"
#include "foundation/Dispatch.h"
#include "foundation/SkipOnError.h"
#include "foundation/WindowRoutines.h"

namespace vorn {

namespace {
constexpr int32_t kPlaceholderTwips = 705;
constexpr uint8_t kPopupAlpha = 230;
}  // namespace

/// Delivers the popup surface's input to the control's PUMenu_ handlers.
class vornPUMenu::PUMenuInput final : public SurfaceEvents {
 public:
  explicit PUMenuInput(vornPUMenu& menu) : menu_(menu) {}
  void MouseMove(int16_t b, int16_t s, float x, float y) override { menu_.PUMenu_MouseMove(b, s, x, y); }
  void Click() override { menu_.PUMenu_Click(); }
  void LostFocus() override { menu_.PUMenu_LostFocus(); }

 private:
  vornPUMenu& menu_;
};

vornPUMenu::vornPUMenu(ControlSite& site)
    : ClassOf(site),
      TypedEvents(connections_),
      input_(std::make_unique<PUMenuInput>(*this)),
      PUMenu_(site.CreatePictureSurface("PUMenu")),
      tmrFocus_(site.CreateTimer("tmrFocus", 1, [this] { tmrFocus_Timer(); })) {
  PUMenu_->SetEventHandler(input_.get());
}

vornPUMenu::~vornPUMenu() { PUMenu_->SetEventHandler(nullptr); }

MenuItems& vornPUMenu::Items() const {
  if (!MenuItem_) Raise(errObjectRequired, "MenuItem is Nothing");
  return *MenuItem_;
}

const MenuItemListing* vornPUMenu::HoverListing() const {
  if (HoverRow_ <= 0 || !Listings_ || HoverRow_ > Listings_->Count()) return nullptr;
  return &Listings_->At(HoverRow_);
}

// ---- Properties -----------------------------------------------------------------------------

void vornPUMenu::ApplyMenuPalette() {
  Scheme_ = PaletteNormal(BackColor_, ForeColor_, SelectionColor_);
  PUMenu_->SetBackColor(Scheme_[1]);
}

// ---- Metrics --------------------------------------------------------------------------------

int16_t vornPUMenu::IconColumnWidth() {
  if (!Imagelist_) return 18;
  return AddInteger(GetMember(*Imagelist_, "ImageWidth").ToInteger(), 18);
}

int16_t vornPUMenu::MenuRowHeight(int32_t position) {
  RowMetrics metrics(*this);
  const bool bold = PUMenu_->FontBold();
  return metrics.RowHeight(Items().At(position).ItemType(), bold);
}

int16_t vornPUMenu::MenuWidth() {
  Surface& s = *PUMenu_;
  MenuItems& items = Items();
  const Ref<Font> font = s.GetFont();
  CaptionWidths& w = widths_;
  // The captions are measured again only when the list or the font has changed since.
  if (!(w.items == &items && w.edits == MenuEdits() && w.font == font.get() && w.name == font->Name() &&
        w.size == font->Size() && w.italic == font->Italic())) {
    w.items = nullptr;
    int32_t widest = 0;
    const int32_t n = items.Count();
    for (int32_t i = 1; i <= n; ++i) {
      const MenuItem& item = items.At(i);
      if (s.FontBold() != item.Bold()) s.SetFontBold(item.Bold());
      widest = std::max(widest, Nearest(s.TextWidth(item.Caption())));
    }
    w = CaptionWidths{&items, MenuEdits(), font.get(), font->Name(), font->Size(), font->Italic(), widest, n > 0,
                      n > 0 && items.At(n).Bold()};
  } else if (w.any && s.FontBold() != w.lastBold) {
    s.SetFontBold(w.lastBold);  // where measuring leaves it: the bold state of the last item
  }
  return ToInteger((static_cast<double>(IconColumnWidth()) + w.widest + 32) * Site().Screen().TwipsPerPixelX());
}

// ---- Opening and closing --------------------------------------------------------------------

// Every step is skipped when it fails; CreateMenu itself never fails.
void vornPUMenu::CreateMenu(int32_t& X, int32_t& Y, std::string sGroup, int16_t M_Width) {
  Surface& pu = *PUMenu_;
  const ScreenInfo& screen = Site().Screen();
  Platform& platform = Site().GetPlatform();
  if (X == 0 && Y == 0) {
    SkipOnError([&] {
      const PointL p = platform.GetCursorPos();
      X = Nearest(static_cast<double>(p.x) * screen.TwipsPerPixelX());
      Y = Nearest(static_cast<double>(p.y) * screen.TwipsPerPixelY());
    });
  }
  TopGap_ = M_Width;
  OpenGroup_ = sGroup;

  // The row table: rows follow each other from y = 2.
  int32_t y = 2;
  int16_t total = 0;
  Listings_ = MakeRef<MenuItemListings>();
  SkipOnError([&] {
    MenuItems& items = Items();
    RowMetrics metrics(*this);
    const bool bold = pu.FontBold();
    int16_t h = 0;
    const int32_t n = items.Count();
    for (int32_t i = 1; i <= n; ++i) {
      const MenuItem& item = items.At(i);
      if (item.Group() != sGroup) continue;
      SkipOnError([&] { h = metrics.RowHeight(item.ItemType(), bold); });
      SkipOnError([&] { y = AddLong(y, h); });
      SkipOnError([&] { total = AddInteger(total, h); });
      const bool selectable = item.ItemType() == itNormal || item.ItemType() == itCheck;
      SkipOnError([&] { Listings_->Add("", CheckedInteger(i), SubLong(y, h), h, selectable); });
    }
  });

  SkipOnError([&] { pu.SetWidth(MenuWidth()); });
  SkipOnError([&] { pu.SetHeight(CheckedLong(int64_t{AddInteger(total, 4)} * screen.TwipsPerPixelY())); });
  SkipOnError([&] { DrawMenu(sGroup); });

  // Open to the left of (or above) the point where the menu would pass the screen's right (or
  // bottom) edge. The sums are single precision, as the screen test always was.
  SkipOnError([&] {
    if (static_cast<float>(pu.Width()) + static_cast<float>(X) > static_cast<float>(screen.Width())) {
      X = SubLong(X, pu.Width());
    }
  });
  SkipOnError([&] {
    if (static_cast<float>(pu.Height()) + static_cast<float>(Y) > static_cast<float>(screen.Height())) {
      Y = SubLong(Y, pu.Height());
    }
  });
  SkipOnError([&] { pu.Move(X, Y, pu.Width(), pu.Height()); });
  SkipOnError([&] { platform.SetWindowPos(pu.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); });
  SkipOnError([&] { Redraw(); });
  SkipOnError([&] { pu.SetVisible(true); });
  SkipOnError([&] { SetWindowAlpha(platform, pu.hWnd(), kPopupAlpha); });
  MenuVisible_ = true;

  // Wait until both buttons are up, so that the press that opened the menu (on a toolbar button,
  // say) is not taken for a press outside it by the first tick.
  bool left = false;
  bool right = false;
  do {
    SkipOnError([&] { Site().DoEvents(); });
    SkipOnError([&] { left = platform.GetAsyncKeyState(VK_LBUTTON) != 0; });
    SkipOnError([&] { right = platform.GetAsyncKeyState(VK_RBUTTON) != 0; });
  } while (left || right);
  SkipOnError([&] { tmrFocus_->SetEnabled(true); });
}

void vornPUMenu::KillMenu() { PUMenu_->SetVisible(false); }

void vornPUMenu::ClearItems() {
  MenuItem_ = MakeRef<MenuItems>();
  HoverRow_ = 0;
}

// ---- Pointer, click, focus and the timer ----------------------------------------------------

void vornPUMenu::PUMenu_MouseMove(int16_t, int16_t, float, float Y) {
  // The row whose band holds y, both edges excluded; x is not tested, so the borders belong to
  // the rows too.
  const int16_t was = HoverRow_;
  HoverRow_ = 0;
  const int32_t n = Listings_ ? Listings_->Count() : 0;
  for (int32_t r = 1; r <= n; ++r) {
    const MenuItemListing& row = Listings_->At(r);
    const double top = row.Top();
    if (top < Y && Y < top + row.Height() && row.Selectable()) HoverRow_ = CheckedInteger(r);
  }
  // While nothing else the picture comes from has changed, only the rows of the old and the new
  // highlight differ from it; with the same highlight, no pixel does.
  if (PaintedStateHolds() && (HoverRow_ == was || painted_.clipped)) {
    if (HoverRow_ == was) return;
    RowMetrics metrics(*this);
    painted_.valid = false;
    RepaintRow(was, metrics);
    RepaintRow(HoverRow_, metrics);
    NotePainted(OpenGroup_, true);
    return;
  }
  Redraw();
}

void vornPUMenu::PUMenu_Click() {
  if (const MenuItemListing* row = HoverListing()) {
    int16_t index = row->Index();
    std::string key = row->Key();
    RaiseEvent<&Events::ItemClick>(index, key);
  }
  PUMenu_->SetVisible(false);
  HoverRow_ = 0;
}

void vornPUMenu::PUMenu_LostFocus() {
  tmrFocus_->SetEnabled(true);
  PUMenu_->SetVisible(false);
}

void vornPUMenu::tmrFocus_Timer() {
  CheckOutsideClick();
  if (!PUMenu_->Visible()) {
    tmrFocus_->SetEnabled(false);
    MenuVisible_ = false;
    RaiseEvent<&Events::Closed>();
    return;
  }
  if (!MenuVisible_) MenuVisible_ = true;
}

void vornPUMenu::CheckOutsideClick() {
  Platform& platform = Site().GetPlatform();
  const PointL p = platform.GetCursorPos();
  const RectL r = platform.GetWindowRect(PUMenu_->hWnd());
  const bool left = platform.GetAsyncKeyState(VK_LBUTTON) != 0;
  const bool right = platform.GetAsyncKeyState(VK_RBUTTON) != 0;
  const bool inside = r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom;
  if (!inside && (left || right)) PUMenu_->SetVisible(false);
}

// ---- Lifecycle ------------------------------------------------------------------------------

void vornPUMenu::UserControl_Initialize() {
  MenuVisible_ = false;
  MenuItem_ = MakeRef<MenuItems>();
  SkipOnError([&] { EnableDropShadow(Site().GetPlatform(), PUMenu_->hWnd()); });
}

void vornPUMenu::UserControl_Resize() {
  // The placeholder keeps its size whatever the host asks for.
  UserControl().SetHeight(kPlaceholderTwips);
  UserControl().SetWidth(kPlaceholderTwips);
}

void vornPUMenu::UserControl_Show() { WindowSetup(); }

// Detach the popup surface from the form: a borderless tool window (no taskbar button) owned by
// the container, at the top level of the screen. Repeating the steps changes nothing.
void vornPUMenu::WindowSetup() {
  Platform& platform = Site().GetPlatform();
  const WindowHandle hwnd = PUMenu_->hWnd();
  int32_t ex = 0;
  SkipOnError([&] { ex = platform.GetWindowLong(hwnd, GWL_EXSTYLE); });
  SkipOnError([&] { platform.SetWindowLong(hwnd, GWL_EXSTYLE, ex | WS_EX_TOOLWINDOW); });
  SkipOnError([&] {
    platform.SetWindowPos(hwnd, hwnd, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  });
  SkipOnError([&] { platform.SetWindowLong(hwnd, GWL_HWNDPARENT, static_cast<int32_t>(Site().ContainerHwnd())); });
  SkipOnError([&] { platform.SetParent(hwnd, 0); });
}

void vornPUMenu::UserControl_Terminate() {
  MenuItem_ = nullptr;
  Listings_ = nullptr;
  tmrFocus_->SetEnabled(false);  // no Closed after the control has gone
  SkipOnError([&] { ClearWindowAlpha(Site().GetPlatform(), PUMenu_->hWnd()); });
}

}  // namespace vorn
