#pragma once
#include <memory>
#include <string>
#include <vector>

#include "controls/ColouredControl.h"
#include "controls/menu/vornPUMenu.h"
#include "controls/toolbar/ToolbarEvents.h"
#include "controls/toolbar/ToolbarItem.h"
#include "controls/toolbar/ToolbarLayout.h"
#include "foundation/Collection.h"
#include "foundation/CollectionEnumerator.h"
#include "foundation/ColorScheme.h"
#include "foundation/Geometry.h"
#include "foundation/HoverTracker.h"
#include "foundation/Picture.h"

namespace vorn {

/// The looks of a toolbar item's frame.
enum ItemFrame : uint8_t {
  ifHover,         // the hot item
  ifCheckedHover,  // the hot item, a checked check button
  ifPressed,       // the hot item with the left button down
  ifMenuOpen,      // the hot menu item with the left button down: its menu is open
  ifChecked,       // a checked check button that is not hot
};

/// A one-row strip of ToolbarItem buttons, filled by the host through Add, that makes itself one
/// row tall. Items of the two menu styles open their ToolbarMenuItems in the inner popup menu
/// vornPUMenu1 (a child control), under the button. Raises ItemClicked when the left button is
/// released with an item hot (also for a menu item, whose menu is then open) and MenuItemClicked
/// when an entry of a drop-down menu is chosen.
///
/// Mouse (TrackMouse runs on every move and on a left press; it never repaints):
///   left down            ButtonDown; TrackMouse
///   any move             TrackMouse: HotItem = 0 unless a menu is open, then by the item hit:
///     menu item          becomes HotItem and MenuOwner (unless it is HotItem); opens its menu
///                        when ButtonDown (the item's Enabled is not consulted)
///     enabled button     becomes HotItem (closing an open menu); hit again while a menu is
///                        open, HotItem = 0
///     inert item         HotItem = 0, closing an open menu
///   any button up        HotItem set: ItemClicked when ButtonDown; ButtonDown ends unless the
///                        item is a menu item (so moving onto another menu item opens its menu)
///   menu Closed          ButtonDown ends, HotItem = 0, repaint
/// Hover (HoverTracker; every move anchors): each tick repaints, and the timer stops once the cursor
/// is 2 pixels or more from where the last move saw it. The press shows from ButtonDown, so the
/// toolbar holds nothing.
class vornToolbar final : public ClassOf<vornToolbar, ColouredControl<kSurfaceEnabled | kSurfaceFont>>,
                          public TypedEvents<ToolbarEvents> {
 public:
  explicit vornToolbar(ControlSite& site);
  ~vornToolbar() override;
  static const ClassInfo& StaticClass();

  // Properties. Each let is the property table's (vornToolbarMembers.cpp): store, mark, then the
  // colours, the font's name and the menu image list go on to the inner menu and the toolbar
  // repaints.
  Color get_SelectionColor() const { return SelectionColor_; }
  void put_SelectionColor(Color c) { Let(SelectionColor_, c); }
  Ref<Object> get_MenuImageList() const { return MenuImageList_; }
  void putref_MenuImageList(Ref<Object> imageList);
  Ref<Object> get_Imagelist() const { return Imagelist_; }
  void putref_Imagelist(Ref<Object> imageList);

  // The items (errors are the collection's: 457 duplicate key, 9 bad position, 5 missing key).
  /// Appends a new item under Key (none when empty) and repaints.
  Ref<ToolbarItem> Add(std::string Key, std::string Caption, int16_t IconIndex, int32_t Style, bool Checked,
                       bool Enabled);
  /// The item at a position or with a key; every call repaints the toolbar.
  Ref<ToolbarItem> Item(Variant vntIndexKey);
  int32_t get_Count() const { return Items_.Count(); }
  void Remove(Variant vntIndexKey);
  Ref<CollectionEnumerator> get_NewEnum();

  // Host events.
  void UserControl_Initialize() override;
  void UserControl_ReadProperties(PropertyBag& bag) override;
  void UserControl_Resize() override;
  void UserControl_MouseDown(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseMove(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_MouseUp(int16_t Button, int16_t Shift, float X, float Y) override;
  void UserControl_Terminate() override;
  void MousePos_Timer();
  void vornPUMenu1_ItemClick(int16_t& ItemIndex, std::string& ItemKey);
  void vornPUMenu1_Closed();

  // Painting (vornToolbarDrawing.cpp).
  /// Repaints everything: strip, border, and every item's frame, icon, caption or line.
  void Redraw();
  void DrawHotFrame(int32_t T, int32_t L, int32_t height, int32_t width);
  void DrawCheckedFrame(int32_t T, int32_t L, int32_t height, int32_t width);
  /// The look of the hot item's frame.
  ItemFrame HotFrame() const;
  void DrawItemIcon(int32_t top, int32_t left, int32_t height, int16_t index);

  // State, for hosts and tests that look inside.
  int16_t HotItem() const noexcept { return HotItem_; }
  bool ButtonDown() const noexcept { return ButtonDown_; }
  int16_t MenuOwner() const noexcept { return MenuOwner_; }
  int16_t MenuLeft() const noexcept { return MenuLeft_; }
  int16_t MenuDrop() const noexcept { return MenuDrop_; }
  int16_t RowHeight() const noexcept { return RowHeight_; }
  const ColorScheme& Scheme() const noexcept { return Scheme_; }
  Timer& MousePos() noexcept { return hover_.MousePos(); }
  vornPUMenu& vornPUMenu1() const noexcept { return *menu_; }
  /// The item at a position, or null outside 1..Count.
  ToolbarItem* ItemAt(int32_t position) const;

 private:
  struct Members;  // the member table (vornToolbarMembers.cpp)
  /// Turns the inner menu's events into the toolbar's.
  struct MenuEvents final : PUMenuEvents {
    vornToolbar* bar = nullptr;
    void ItemClick(int16_t& index, std::string& key) override { bar->vornPUMenu1_ItemClick(index, key); }
    void Closed() override { bar->vornPUMenu1_Closed(); }
  };

  void ApplyColors();
  /// What every property set and collection change ends with.
  void Refresh() {
    ApplyColors();
    Redraw();
  }
  void TrackMouse(float X, float Y);
  void OpenItemMenu(ToolbarItem& item, int32_t width);
  /// The walk's measures: text and image sizes (an image list lacking them counts as 0 x 0).
  ToolbarMetrics ReadMetrics();
  void DrawItem(ToolbarItem& item, int32_t position, const ToolbarMetrics& m, const ItemBox& box);
  void DrawFrame(ItemFrame look, int32_t T, int32_t L, int32_t height, int32_t width);
  void DrawDropArrow(int32_t captionLeft, int32_t captionTop, float captionWidth);
  /// The picture of an image of the image list; looked up once per list and index.
  Ref<Picture> IconPicture(int16_t index);

  Color SelectionColor_ = 0x80FF;
  Ref<Object> MenuImageList_;
  Ref<Object> Imagelist_;
  Collection Items_;
  ColorScheme Scheme_{};
  int16_t RowHeight_ = 0;
  int16_t HotItem_ = 0;
  bool ButtonDown_ = false;
  int16_t MenuOwner_ = 0;
  int16_t MenuLeft_ = 0;
  int16_t MenuDrop_ = 0;
  std::vector<Ref<Picture>> icons_;  // by image index - 1; null until drawn once
  std::string savedFontName_;        // the caption font's name while the arrow is printed

  MenuEvents menuEvents_;
  std::unique_ptr<ControlSite> menuSite_;
  Ref<vornPUMenu> menu_;
  HoverTracker hover_;
};

}  // namespace vorn
