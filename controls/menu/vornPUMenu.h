#pragma once
#include <memory>
#include <string>

#include "controls/menu/MenuItemListings.h"
#include "controls/menu/MenuItems.h"
#include "controls/menu/PUMenuEvents.h"
#include "foundation/ColorScheme.h"
#include "foundation/Control.h"
#include "foundation/SurfaceEvents.h"

namespace vorn {

/// The popup menu. The control itself is a 705 x 705 twips placeholder; the menu is drawn on its
/// inner picture surface PUMenu, which the first show detaches into a borderless, owned,
/// top-level tool window (drop shadow, opacity 230/255, topmost while open). CreateMenu lays out
/// the rows of one group of MenuItem, shows the popup at a screen point and returns once both
/// mouse buttons are up; the popup reports a click on a selectable row with ItemClick and its
/// going away with Closed, one tmrFocus tick later.
///
/// Open state (the popup's visibility; tmrFocus 1 ms, off at start):
///   state      popup    tmrFocus   MenuVisible
///   Closed     hidden   off        False
///   Opening    shown    as it was  True from CreateMenu step 13
///   Open       shown    on         True (a tick sets it back if a host cleared it)
///   Hidden     hidden   on         True       <- click on the popup (ItemClick first when a
///                                                selectable row is highlighted), a press outside
///                                                seen by a tick, focus loss, KillMenu
///   Hidden --next tick--> Closed: timer off, MenuVisible False, then Closed raised.
///
/// HoverRow survives closing; only pointer moves over the popup, a click and ClearItems change it.
/// A HoverRow beyond the rows of the current table (left from a longer menu) counts as no
/// highlight. Later repaints draw the group CreateMenu opened.
class vornPUMenu final : public Control {
 public:
  explicit vornPUMenu(ControlSite& site);
  ~vornPUMenu() override;
  static const ClassInfo& StaticClass();
  const ClassInfo& Class() const override { return StaticClass(); }

  /// Replaces the typed event sink (null restores the one that feeds the generic sinks).
  void SetEventSink(PUMenuEvents* sink) noexcept { events_ = sink ? sink : &dispatch_; }

  // Public fields (hosts read and write them directly).
  Ref<MenuItems> MenuItem_;
  bool MenuVisible_ = false;

  // Methods.
  /// Opens group sGroup at screen point (X, Y) in twips ((0, 0): at the pointer); X and Y come back
  /// as the position used. M_Width becomes TopGap. Never fails; returns when both buttons are up.
  void CreateMenu(int32_t& X, int32_t& Y, std::string sGroup, int16_t M_Width);
  void KillMenu();
  void ClearItems();

  // Properties; each let is the property table's (vornPUMenuMembers.cpp).
  Color get_BackColor() const { return BackColor_; }
  void put_BackColor(Color c) { Let(BackColor_, c); }
  Color get_ForeColor() const { return ForeColor_; }
  void put_ForeColor(Color c) { Let(ForeColor_, c); }
  Color get_SelectionColor() const { return SelectionColor_; }
  void put_SelectionColor(Color c) { Let(SelectionColor_, c); }
  Ref<Object> get_Imagelist() const { return Imagelist_; }
  void putref_Imagelist(Ref<Object> imageList) { Let(Imagelist_, std::move(imageList)); }
  /// Stored and persisted only: the popup draws with its surface's own font.
  Ref<Font> get_Font() const { return Font_; }
  void putref_Font(Ref<Font> font) { Let(Font_, std::move(font)); }

  // Host events.
  void UserControl_Initialize() override;
  void UserControl_Resize() override;
  void UserControl_Show() override;
  void UserControl_Terminate() override;
  void PUMenu_MouseMove(int16_t Button, int16_t Shift, float X, float Y);
  void PUMenu_Click();
  void PUMenu_LostFocus();
  void tmrFocus_Timer();

  // Painting (vornPUMenuDrawing.cpp).
  void DrawMenu(const std::string& group);
  void DrawHighlight();
  void DrawRowIcon(int16_t top, int16_t column, int16_t height, int16_t icon);

  // Layout metrics.
  int16_t IconColumnWidth();
  int16_t MenuRowHeight(int32_t position);
  /// Twips: fits the widest caption of the whole list, whatever its group.
  int16_t MenuWidth();

  // State, for hosts and tests that look inside.
  int16_t HoverRow() const noexcept { return HoverRow_; }
  int16_t TopGap() const noexcept { return TopGap_; }
  MenuItemListings* Listings() const noexcept { return Listings_.get(); }
  const ColorScheme& Scheme() const noexcept { return Scheme_; }
  const std::string& OpenGroup() const noexcept { return OpenGroup_; }
  Surface& PUMenu() noexcept { return *PUMenu_; }
  Timer& tmrFocus() noexcept { return *tmrFocus_; }

 private:
  struct Members;  // the member table (vornPUMenuMembers.cpp)
  class PUMenuInput;
  void ApplyMenuPalette();
  void CheckOutsideClick();
  void WindowSetup();
  /// The repaint after the opening one: the group CreateMenu opened.
  void Redraw() { DrawMenu(OpenGroup_); }
  /// The highlighted row, or null when none is (or HoverRow lies beyond the table).
  const MenuItemListing* HoverListing() const;
  MenuItems& Items() const;
  void DrawTextRow(const MenuItem& item, int32_t position, int32_t top, int16_t height, int16_t column);
  void DrawTitleRow(const MenuItem& item, int32_t top, int16_t height, int16_t column);

  Color BackColor_ = 0xFFFFFF;
  Color ForeColor_ = 0xC00000;
  Color SelectionColor_ = 0x80FF;
  Ref<Object> Imagelist_;
  Ref<Font> Font_;
  ColorScheme Scheme_{};
  Ref<MenuItemListings> Listings_;
  int16_t HoverRow_ = 0;
  int16_t TopGap_ = 0;
  std::string OpenGroup_;
  PUMenuEventsDispatch dispatch_;
  PUMenuEvents* events_;
  std::unique_ptr<PUMenuInput> input_;
  std::unique_ptr<Surface> PUMenu_;
  std::unique_ptr<Timer> tmrFocus_;
};

}  // namespace vorn
