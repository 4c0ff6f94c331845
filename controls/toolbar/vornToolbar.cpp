#include "controls/toolbar/vornToolbar.h"

#include "foundation/Convert.h"
#include "foundation/Dispatch.h"
#include "foundation/InputCodes.h"
#include "foundation/SkipOnError.h"
#include "foundation/PropertyTable.h"

namespace vorn {

namespace {
// Where the inner menu's placeholder was left on the toolbar at design time, in pixels: below
// the row, so that Initialize's move to (-Left - 10, -Top - 10) puts all of it (47 x 47) out of
// the toolbar.
constexpr int32_t kMenuDesignLeft = 40;
constexpr int32_t kMenuDesignTop = 40;
constexpr int32_t kMenuPlaceholderTwips = 705;
}  // namespace

vornToolbar::vornToolbar(ControlSite& site)
    : ClassOf(site),
      TypedEvents(connections_),
      hover_(site, [this] { MousePos_Timer(); }) {
  menuEvents_.bar = this;
  menuSite_ = site.CreateChildSite("vornPUMenu1", 0);
  const int32_t tx = site.Screen().TwipsPerPixelX();
  const int32_t ty = site.Screen().TwipsPerPixelY();
  menuSite_->UserControl().Move(kMenuDesignLeft * tx, kMenuDesignTop * ty, kMenuPlaceholderTwips,
                                kMenuPlaceholderTwips);
  menu_ = Ref<vornPUMenu>(new vornPUMenu(*menuSite_));
  // The menu's events reach the toolbar only: the host sees them as the toolbar's own events.
  menu_->SetEventSink(&menuEvents_);
  StartControl(*menu_, nullptr);
  menu_->UserControl_Show();
}

vornToolbar::~vornToolbar() {
  // The menu goes before the site it lives on.
  menu_ = nullptr;
}

ToolbarItem* vornToolbar::ItemAt(int32_t position) const {
  if (position < 1 || position > Items_.Count()) return nullptr;
  return static_cast<ToolbarItem*>(Items_.At(position).get());
}

// ---- Properties -----------------------------------------------------------------------------

void vornToolbar::putref_MenuImageList(Ref<Object> imageList) {
  menu_->putref_Imagelist(imageList);
  Let(MenuImageList_, std::move(imageList));
}

// Another list, or the same one set again, is looked up afresh.
void vornToolbar::putref_Imagelist(Ref<Object> imageList) {
  icons_.clear();
  Let(Imagelist_, std::move(imageList));
}

// The toolbar has one look: PaletteNormal, also while disabled.
void vornToolbar::ApplyColors() {
  Scheme_ = PaletteNormal(BackColor_, ForeColor_, SelectionColor_);
  Surface& s = UserControl();
  s.SetBackColor(Scheme_[1]);
  menu_->put_BackColor(BackColor_);
  menu_->put_ForeColor(ForeColor_);
  menu_->put_SelectionColor(SelectionColor_);
  // Only the name goes over; setting the same name again would only make text caches look again.
  const Ref<Font> menuFont = menu_->get_Font();
  if (menuFont && menuFont->Name() != s.GetFont()->Name()) menuFont->SetName(s.GetFont()->Name());
}

// ---- Items ----------------------------------------------------------------------------------

Ref<ToolbarItem> vornToolbar::Add(std::string Key, std::string Caption, int16_t IconIndex, int32_t Style,
                                  bool Checked, bool Enabled) {
  auto item = MakeRef<ToolbarItem>();
  item->put_Caption(std::move(Caption));
  item->put_IconIndex(IconIndex);
  item->put_Style(Style);
  item->put_sKey(Key);
  item->put_Checked(Checked);
  item->put_Enabled(Enabled);
  Items_.Add(item, Key);  // a key already present fails here, before anything is stored
  Refresh();
  return item;
}

Ref<ToolbarItem> vornToolbar::Item(Variant vntIndexKey) {
  Ref<ToolbarItem> item(static_cast<ToolbarItem*>(Items_.Item(vntIndexKey).get()));
  Refresh();
  return item;
}

void vornToolbar::Remove(Variant vntIndexKey) {
  const Object* removed = Items_.Item(vntIndexKey).get();  // a bad index raises here, changing nothing
  int16_t position = 0;
  for (const Ref<Object>& item : Items_) {
    ++position;
    if (item.get() == removed) break;
  }
  Items_.Remove(vntIndexKey);
  // The hot item and the menu owner are positions: they follow the items they name, and name
  // none once their item is gone, so a later release or menu choice never reports another item.
  auto follow = [position](int16_t& p) {
    if (p == position) {
      p = 0;
    } else if (p > position) {
      --p;
    }
  };
  follow(HotItem_);
  follow(MenuOwner_);
  Refresh();
}

Ref<CollectionEnumerator> vornToolbar::get_NewEnum() {
  return MakeRef<CollectionEnumerator>(Ref<Object>(this), Items_);
}

// ---- Mouse, hover and the menu --------------------------------------------------------------

void vornToolbar::UserControl_MouseDown(int16_t Button, int16_t, float X, float Y) {
  if (Button != kLeftButton) return;
  ButtonDown_ = true;
  TrackMouse(X, Y);
}

void vornToolbar::UserControl_MouseMove(int16_t, int16_t, float X, float Y) { TrackMouse(X, Y); }

void vornToolbar::UserControl_MouseUp(int16_t, int16_t, float, float) {
  // A hot position that no longer names an item (the host removed it) counts as none, so that
  // the press ends rather than leaving the toolbar believing a button is held.
  if (ItemAt(HotItem_)) {
    if (ButtonDown_) {
      std::string key = ItemAt(HotItem_)->sKey();
      RaiseEvent<&Events::ItemClicked>(HotItem_, key);
    }
    // The handler may have moved HotItem; the item it now names decides.
    const ToolbarItem* hot = ItemAt(HotItem_);
    if (!hot || !hot->IsMenu()) ButtonDown_ = false;
  } else {
    ButtonDown_ = false;
  }
}

void vornToolbar::TrackMouse(float X, float Y) {
  hover_.Anchor();
  vornPUMenu& menu = *menu_;
  if (!menu.MenuVisible_) HotItem_ = 0;
  if (Items_.Count() == 0) return;
  const ToolbarMetrics m = ReadMetrics();
  Surface& s = UserControl();
  int32_t x = 7;
  int32_t position = 0;
  for (const Ref<Object>& o : Items_) {
    ++position;
    auto& item = static_cast<ToolbarItem&>(*o);
    const ItemBox box = MeasureItem(m, item, x, s.TextWidth(item.Caption()));
    x = box.next;
    if (!box.Contains(X, Y)) continue;
    switch (item.Style()) {
      case mitMenu:
      case mitMenu2:
        if (position == HotItem_) break;
        HotItem_ = MenuOwner_ = CheckedInteger(position);
        MenuLeft_ = CheckedInteger(box.X);
        MenuDrop_ = CheckedInteger(int64_t{box.height} + 6);
        if (ButtonDown_) {
          // Opening pumps host events, which may change the list: nothing below looks at it.
          Ref<ToolbarItem> keep(&item);
          OpenItemMenu(item, box.width);
        }
        break;
      case mitNormalButton:
      case mitCheckButton:
        if (!item.Enabled()) break;
        HotItem_ = position == HotItem_ ? int16_t{0} : CheckedInteger(position);
        if (menu.MenuVisible_) menu.KillMenu();
        break;
      case mitPlaceholder:
      case mitSeparator:
      case mitCaption:
        if (menu.MenuVisible_) menu.KillMenu();
        HotItem_ = 0;
        break;
      default: break;
    }
    return;
  }
}

void vornToolbar::OpenItemMenu(ToolbarItem& item, int32_t width) {
  vornPUMenu& menu = *menu_;
  menu.ClearItems();
  // A list the host set to Nothing opens as an empty menu, like an empty list.
  if (item.ToolbarMenuItems_ && item.ToolbarMenuItems_->Count() != 0) menu.MenuItem_ = item.ToolbarMenuItems_;
  // Under the button: the left and bottom edges of its painted frame, on the screen, in twips.
  const ScreenInfo& screen = Site().Screen();
  const RectL r = Site().GetPlatform().GetWindowRect(UserControl().hWnd());
  int32_t X = CheckedLong((int64_t{MenuLeft_} + r.left + 1) * screen.TwipsPerPixelX());
  int32_t Y = CheckedLong((int64_t{r.top} + MenuDrop_ + 3) * screen.TwipsPerPixelY());
  menu.CreateMenu(X, Y, "", CheckedInteger(width));
}

void vornToolbar::MousePos_Timer() {
  hover_.Tick(false, [this](Hover) { Redraw(); });
}

void vornToolbar::vornPUMenu1_ItemClick(int16_t& ItemIndex, std::string& ItemKey) {
  // An owner the host has removed meanwhile is reported with an empty key: the menu still closes.
  const ToolbarItem* owner = ItemAt(MenuOwner_);
  std::string ownerKey = owner ? owner->sKey() : std::string();
  RaiseEvent<&Events::MenuItemClicked>(MenuOwner_, ownerKey, ItemIndex, ItemKey);
}

void vornToolbar::vornPUMenu1_Closed() {
  ButtonDown_ = false;
  HotItem_ = 0;
  Redraw();
}

// ---- Lifecycle ------------------------------------------------------------------------------

void vornToolbar::UserControl_Initialize() {
  HotItem_ = 0;
  MenuOwner_ = 0;
  RowHeight_ = ToInteger(UserControl().TextHeight("I") + 21.0);
  // Out of sight: the placeholder goes as far left and up of the toolbar as it was right and down.
  Surface& m = menuSite_->UserControl();
  const int32_t tx = Site().Screen().TwipsPerPixelX();
  const int32_t ty = Site().Screen().TwipsPerPixelY();
  m.SetTop(-m.Top() - 10 * ty);
  m.SetLeft(-m.Left() - 10 * tx);
}

void vornToolbar::UserControl_ReadProperties(PropertyBag& bag) {
  ReadStoredProperties(*this, bag);
  icons_.clear();
  // A stored menu image list reaches the menu too, so that a loaded toolbar's menus show their
  // icons as they did when it was saved.
  menu_->putref_Imagelist(MenuImageList_);
  Refresh();
}

void vornToolbar::UserControl_Resize() {
  // One row tall, whatever the host asked for; the width is the host's.
  UserControl().SetHeight(CheckedLong(int64_t{RowHeight_} * Site().Screen().TwipsPerPixelY()));
  Refresh();
}

void vornToolbar::UserControl_Terminate() {
  hover_.MousePos().SetEnabled(false);
  while (Items_.Count() > 0) Items_.RemoveAt(Items_.Count());
  icons_.clear();
  menu_->UserControl_Terminate();
}

}  // namespace vorn
