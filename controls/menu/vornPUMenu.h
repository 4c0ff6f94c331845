#pragma once
#include <memory>
#include <string>
#include <vector>

#include "controls/ColouredControl.h"
#include "controls/menu/MenuItemListings.h"
#include "controls/menu/MenuItems.h"
#include "controls/menu/PUMenuEvents.h"
#include "foundation/ColorScheme.h"
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
///
/// Painting costs what shows: a repaint paints the part of the popup a screen can show (its
/// surface's Exposed part; only CreateMenu moves the popup, and it repaints after the move), and
/// a pointer move that changes the highlight, while nothing else the menu painted from has
/// changed, repaints the two rows alone. Those pixels are the ones a complete repaint gives.
class vornPUMenu final : public ClassOf<vornPUMenu, ColouredControl<kNoSurfaceProperties>>,
                         public TypedEvents<PUMenuEvents> {
 public:
  explicit vornPUMenu(ControlSite& site);
  ~vornPUMenu() override;
  static const ClassInfo& StaticClass();

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
  class RowMetrics;  // text heights and picture sizes, read once per layout or paint (PUMenuRowMetrics.h)
  void DrawTextRow(const MenuItem& item, int32_t position, int32_t top, int16_t height, int16_t column,
                   RowMetrics& metrics);
  void DrawTitleRow(const MenuItem& item, int32_t top, int16_t height, int16_t column, RowMetrics& metrics);
  void DrawIcon(int16_t top, int16_t column, int16_t height, int16_t icon, RowMetrics& metrics);
  /// Paints the part area of the menu of group exactly as a complete repaint does; rows whose
  /// pixels cannot reach area are only laid out and checked for the errors drawing them raises.
  /// False when the surface could not confine the painting, which then covered everything. A
  /// repaint of rows (again true) walks only the rows placed by the last complete paint that can
  /// reach area.
  bool PaintMenu(const std::string& group, const RectL& area, RowMetrics& metrics, bool rowsOnly = false);
  /// Raises what drawing a row at top would raise, without drawing it.
  void CheckRow(const MenuItem& item, int32_t top, int16_t height, int16_t column, RowMetrics& metrics);
  /// The picture of image-list entry icon; raises as DrawRowIcon does.
  Ref<Picture> IconPicture(int16_t icon);
  /// Repaints the band of row r of the table (nothing for 0 or a row beyond it).
  void RepaintRow(int16_t r, RowMetrics& metrics);
  bool PaintedStateHolds() const;
  void NotePainted(const std::string& group, bool clipped);

  // What the last complete paint drew from: while all of it holds, the picture is the one a
  // complete repaint gives, and a pointer move repaints only the rows whose highlight changed.
  struct Painted {
    bool valid = false;
    bool clipped = false;  // the surface confines painting, so rows can be repainted alone
    const MenuItems* items = nullptr;
    uint64_t edits = 0;
    const MenuItemListings* listings = nullptr;
    const Object* imageList = nullptr;
    ColorScheme scheme{};
    Color back = 0;
    int16_t topGap = 0;
    std::string group;
    float width = 0, height = 0;
    RectL exposed{};
    const Font* font = nullptr;
    uint32_t fontRevision = 0;
    bool finalBold = false;  // the font's bold state the paint left
    int32_t rise = 0;        // how far above its top a row's pixels reach, at most
  };
  // Where the last complete paint placed each row, and the rows its pixels can reach.
  struct RowPlace {
    int32_t position;
    int32_t top;
    int16_t height;
    bool bold;
    int32_t inkTop, inkBottom;
    int32_t inkBottomSoFar;  // the furthest down this row or any row above it reaches
  };

  Color SelectionColor_ = 0x80FF;
  Ref<Object> Imagelist_;
  Ref<Font> Font_;
  ColorScheme Scheme_{};
  Ref<MenuItemListings> Listings_;
  int16_t HoverRow_ = 0;
  int16_t TopGap_ = 0;
  std::string OpenGroup_;
  Painted painted_;
  // The widest caption MenuWidth measured, and what it measured.
  struct CaptionWidths {
    const MenuItems* items = nullptr;
    uint64_t edits = 0;
    const Font* font = nullptr;
    std::string name;
    float size = 0;
    bool italic = false;
    int32_t widest = 0;
    bool any = false;  // there were items, and measuring left the last one's bold state
    bool lastBold = false;
  };
  CaptionWidths widths_;
  std::vector<RowPlace> places_;
  std::vector<bool> iconChecked_;  // RowMetrics' note of the pictures found, by image-list entry
  std::unique_ptr<PUMenuInput> input_;
  std::unique_ptr<Surface> PUMenu_;
  std::unique_ptr<Timer> tmrFocus_;
};

}  // namespace vorn
