#pragma once
#include "library/Guid.h"

namespace vorn {

extern const GUID kLibId;
extern const GUID kClsid_vornButton;
extern const GUID kClsid_vornProgressBar;
extern const GUID kClsid_vornSlider;
extern const GUID kClsid_ClsMain;
extern const GUID kClsid_vornPUMenu;
extern const GUID kClsid_vornScrollBar;
extern const GUID kClsid_MenuItems;
extern const GUID kClsid_MenuItem;
extern const GUID kClsid_MenuItemListings;
extern const GUID kClsid_MenuItemListing;
extern const GUID kClsid_vornToolbar;
extern const GUID kClsid_ToolbarItem;
extern const GUID kClsid_vornTextBox;
extern const GUID kIid_vornButton;
extern const GUID kIidEvents_vornButton;
extern const GUID kIid_vornProgressBar;
extern const GUID kIidEvents_vornProgressBar;
extern const GUID kIid_vornSlider;
extern const GUID kIidEvents_vornSlider;
extern const GUID kIid_ClsMain;
extern const GUID kIid_vornPUMenu;
extern const GUID kIidEvents_vornPUMenu;
extern const GUID kIid_vornScrollBar;
extern const GUID kIidEvents_vornScrollBar;
extern const GUID kIid_MenuItems;
extern const GUID kIid_MenuItem;
extern const GUID kIid_MenuItemListings;
extern const GUID kIid_MenuItemListing;
extern const GUID kIid_vornToolbar;
extern const GUID kIidEvents_vornToolbar;
extern const GUID kIid_ToolbarItem;
extern const GUID kIid_vornTextBox;
extern const GUID kIidEvents_vornTextBox;

}  // namespace vorn
