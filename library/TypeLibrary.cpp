#include "library/TypeLibrary.h"

#include <cstdio>
#include <vector>

#include "controls/button/vornButton.h"
#include "controls/menu/MenuItem.h"
#include "controls/menu/MenuItemListing.h"
#include "controls/menu/MenuItemListings.h"
#include "controls/menu/MenuItems.h"
#include "controls/menu/vornPUMenu.h"
#include "controls/progress/vornProgressBar.h"
#include "controls/range/vornSlider.h"
#include "controls/range/vornScrollBar.h"
#include "controls/textbox/vornTextBox.h"
#include "controls/toolbar/ToolbarItem.h"
#include "controls/toolbar/vornToolbar.h"
#include "library/ClsMain.h"
#include "library/LibraryIds.h"

namespace vorn {

namespace {

template <class T>
const ClassInfo& TableOf() {
  return T::StaticClass();
}

template <class T>
Ref<Control> Create(ControlSite& site) {
  return Ref<Control>(new T(site));
}

constexpr int32_t kExtentX = 4800, kExtentY = 3600;

const LibraryClass kClasses[] = {
    {"vornButton", ClassKind::Control, &kClsid_vornButton, "_vornButton", &kIid_vornButton, "__vornButton",
     &kIidEvents_vornButton, &TableOf<vornButton>, &Create<vornButton>, 30000, kExtentX, kExtentY},
    {"vornProgressBar", ClassKind::Control, &kClsid_vornProgressBar, "_vornProgressBar", &kIid_vornProgressBar,
     "__vornProgressBar", &kIidEvents_vornProgressBar, &TableOf<vornProgressBar>, &Create<vornProgressBar>, 30001, kExtentX, kExtentY},
    {"vornSlider", ClassKind::Control, &kClsid_vornSlider, "_vornSlider", &kIid_vornSlider, "__vornSlider",
     &kIidEvents_vornSlider, &TableOf<vornSlider>, &Create<vornSlider>, 30002, 5265, 1815},
    {"ClsMain", ClassKind::Class, &kClsid_ClsMain, "_ClsMain", &kIid_ClsMain, "", nullptr, &TableOf<ClsMain>,
     nullptr, 0, 0, 0},
    {"vornPUMenu", ClassKind::Control, &kClsid_vornPUMenu, "_vornPUMenu", &kIid_vornPUMenu, "__vornPUMenu",
     &kIidEvents_vornPUMenu, &TableOf<vornPUMenu>, &Create<vornPUMenu>, 30003, kExtentX, kExtentY},
    {"vornScrollBar", ClassKind::Control, &kClsid_vornScrollBar, "_vornScrollBar", &kIid_vornScrollBar,
     "__vornScrollBar", &kIidEvents_vornScrollBar, &TableOf<vornScrollBar>, &Create<vornScrollBar>, 30004, kExtentX,
     kExtentY},
    {"MenuItems", ClassKind::Class, &kClsid_MenuItems, "_MenuItems", &kIid_MenuItems, "", nullptr, &TableOf<MenuItems>, nullptr,
     0, 0, 0},
    {"MenuItem", ClassKind::Class, &kClsid_MenuItem, "_MenuItem", &kIid_MenuItem, "", nullptr, &TableOf<MenuItem>, nullptr, 0, 0,
     0},
    {"MenuItemListings", ClassKind::Class, &kClsid_MenuItemListings, "_MenuItemListings", &kIid_MenuItemListings, "",
     nullptr, &TableOf<MenuItemListings>, nullptr, 0, 0, 0},
    {"MenuItemListing", ClassKind::Class, &kClsid_MenuItemListing, "_MenuItemListing", &kIid_MenuItemListing, "",
     nullptr, &TableOf<MenuItemListing>, nullptr, 0, 0, 0},
    {"vornToolbar", ClassKind::Control, &kClsid_vornToolbar, "_vornToolbar", &kIid_vornToolbar, "__vornToolbar",
     &kIidEvents_vornToolbar, &TableOf<vornToolbar>, &Create<vornToolbar>, 30005, kExtentX, kExtentY},
    {"ToolbarItem", ClassKind::Class, &kClsid_ToolbarItem, "_ToolbarItem", &kIid_ToolbarItem, "", nullptr, &TableOf<ToolbarItem>,
     nullptr, 0, 0, 0},
    {"vornTextBox", ClassKind::Control, &kClsid_vornTextBox, "_vornTextBox", &kIid_vornTextBox, "__vornTextBox",
     &kIidEvents_vornTextBox, &TableOf<vornTextBox>, &Create<vornTextBox>, 30006, kExtentX, kExtentY},
};

const EnumMember kMyType[] = {{"tNormal", 0}, {"tSearch", 1}};
const EnumMember kTickStyles[] = {
    {"Tick_None", 0}, {"Tick_Half", 1}, {"Tick_Four", 2}, {"Tick_Half_Value", 3}, {"Tick_Four_Value", 4}};
const EnumMember kMyOrientation[] = {{"pbHorizontal", 1}, {"pbVertical", 2}};
const EnumMember kItemType[] = {{"itNormal", 1}, {"itCheck", 2}, {"itPlaceholder", 3}, {"itTitle", 4}};
const EnumMember kMenuItemType[] = {{"mitNormalButton", 1}, {"mitCheckButton", 2}, {"mitMenu", 3},    {"mitMenu2", 4},
                                    {"mitPlaceholder", 5},  {"mitSeparator", 6},   {"mitCaption", 7}};
const LibraryEnum kEnums[] = {
    {"MyType", kMyType},     {"TickStyles", kTickStyles},     {"MyOrientation", kMyOrientation},
    {"eItemType", kItemType}, {"eMenuItemType", kMenuItemType},
};

constexpr std::string_view kBack =
    "Gibt die Hintergrundfarbe zurück, die verwendet wird, um Text und Grafik in einem Objekt anzuzeigen, oder legt "
    "diese fest.";
constexpr std::string_view kFore =
    "Gibt die Vordergrundfarbe zurück, die zum Anzeigen von Text und Grafiken in einem Objekt verwendet wird, oder "
    "legt diese fest.";
constexpr std::string_view kEnabled =
    "Gibt einen Wert zurück, der bestimmt, ob ein Objekt auf vom Benutzer erzeugte Ereignisse reagieren kann, oder "
    "legt diesen fest.";
constexpr std::string_view kFont = "Gibt ein Font-Objekt zurück.";
constexpr std::string_view kClick = "Tritt auf, wenn der Benutzer eine Maustaste über einem Objekt drückt und wieder losläßt.";
constexpr std::string_view kKeyDown = "Tritt auf, wenn der Benutzer eine Taste drückt, während ein Objekt den Fokus besitzt.";
constexpr std::string_view kKeyPress = "Tritt auf, wenn der Benutzer eine ANSI-Taste drückt und losläßt.";
constexpr std::string_view kKeyUp = "Tritt auf, wenn der Benutzer eine Taste losläßt, während ein Objekt den Fokus hat.";
constexpr std::string_view kMouseDown =
    "Tritt auf, wenn der Benutzer die Maustaste drückt, während ein Objekt den Fokus hat.";
constexpr std::string_view kMouseMove = "Tritt auf, wenn der Benutzer die Maus bewegt.";
constexpr std::string_view kMouseUp =
    "Tritt auf, wenn der Benutzer die Maustaste losläßt, während ein Objekt den Fokus hat.";

const HelpString kHelp[] = {
    {"vornButton", "BackColor", false, kBack},
    {"vornButton", "ForeColor", false, kFore},
    {"vornButton", "Enabled", false, kEnabled},
    {"vornButton", "Font", false, kFont},
    {"vornButton", "KeyDown", true, kKeyDown},
    {"vornButton", "KeyPress", true, kKeyPress},
    {"vornButton", "KeyUp", true, kKeyUp},
    {"vornButton", "MouseDown", true, kMouseDown},
    {"vornButton", "MouseMove", true, kMouseMove},
    {"vornButton", "MouseUp", true, kMouseUp},
    {"vornProgressBar", "BackColor", false, kBack},
    {"vornProgressBar", "Enabled", false, kEnabled},
    {"vornProgressBar", "Font", false, kFont},
    {"vornProgressBar", "ForeColor", false, kFore},
    {"vornSlider", "BackColor", false, kBack},
    {"vornSlider", "ForeColor", false, kFore},
    {"vornSlider", "Enabled", false, kEnabled},
    {"vornSlider", "Font", false, kFont},
    {"vornSlider", "Click", true, kClick},
    {"vornSlider", "KeyDown", true, kKeyDown},
    {"vornSlider", "KeyPress", true, kKeyPress},
    {"vornSlider", "KeyUp", true, kKeyUp},
    {"vornPUMenu", "BackColor", false, kBack},
    {"vornPUMenu", "ForeColor", false, kFore},
    {"vornPUMenu", "Font", false, kFont},
    {"vornScrollBar", "Enabled", false, kEnabled},
    {"vornScrollBar", "BackColor", false, kBack},
    {"vornScrollBar", "Click", true, kClick},
    {"vornScrollBar", "KeyPress", true, kKeyPress},
    {"vornScrollBar", "KeyUp", true, kKeyUp},
    {"vornScrollBar", "KeyDown", true, kKeyDown},
    {"vornToolbar", "BackColor", false, kBack},
    {"vornToolbar", "ForeColor", false, kFore},
    {"vornToolbar", "Enabled", false, kEnabled},
    {"vornToolbar", "Font", false, kFont},
    {"vornTextBox", "BackColor", false, kBack},
    {"vornTextBox", "ForeColor", false, kFore},
    {"vornTextBox", "Enabled", false, kEnabled},
    {"vornTextBox", "Font", false, kFont},
    {"vornTextBox", "Click", true, kClick},
    {"vornTextBox", "KeyDown", true, kKeyDown},
    {"vornTextBox", "KeyPress", true, kKeyPress},
    {"vornTextBox", "KeyUp", true, kKeyUp},
};

// The categories are the controls' own: each property row names its category, and the member
// table carries it.
std::vector<PropertyCategory> Categories() {
  std::vector<PropertyCategory> categories;
  for (const LibraryClass& c : kClasses) {
    for (const MemberInfo& m : c.table().members) {
      if (!m.category.empty()) categories.push_back({c.name, m.category, m.name});
    }
  }
  return categories;
}

}  // namespace

const TypeLibraryInfo& TypeLibrary() {
  static const std::vector<PropertyCategory> categories = Categories();
  static const TypeLibraryInfo info{"vornButton2", "vornButton2", 1, 0, 0x0409, &kLibId,
                                    kClasses,      kEnums,        kHelp, categories};
  return info;
}

std::string ProgIdOf(const LibraryClass& cls) { return "vornButton2." + std::string(cls.name); }

const LibraryClass* FindLibraryClass(std::string_view progId) {
  for (const LibraryClass& c : kClasses) {
    if (NamesEqual(ProgIdOf(c), progId)) return &c;
  }
  return nullptr;
}

const LibraryClass* FindLibraryClass(const GUID& clsid) {
  for (const LibraryClass& c : kClasses) {
    if (SameGuid(*c.clsid, clsid)) return &c;
  }
  return nullptr;
}

std::string_view HelpStringOf(std::string_view cls, std::string_view member, bool event) {
  for (const HelpString& h : kHelp) {
    if (h.cls == cls && h.event == event && NamesEqual(h.member, member)) return h.text;
  }
  return {};
}

std::string GuidToString(const GUID& g) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", static_cast<unsigned>(g.Data1), static_cast<unsigned>(g.Data2), static_cast<unsigned>(g.Data3),
                g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return buf;
}

bool ParseGuid(std::string_view t, GUID& out) {
  if (t.size() == 38 && t.front() == '{' && t.back() == '}') t = t.substr(1, 36);
  if (t.size() != 36 || t[8] != '-' || t[13] != '-' || t[18] != '-' || t[23] != '-') return false;
  auto hex = [&](size_t pos, size_t n, uint64_t& v) {
    v = 0;
    for (size_t i = pos; i < pos + n; ++i) {
      const char c = t[i];
      int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
      if (d < 0) return false;
      v = v * 16 + static_cast<uint64_t>(d);
    }
    return true;
  };
  uint64_t a, b, c, d, e;
  if (!hex(0, 8, a) || !hex(9, 4, b) || !hex(14, 4, c) || !hex(19, 4, d) || !hex(24, 12, e)) return false;
  out.Data1 = static_cast<uint32_t>(a);
  out.Data2 = static_cast<uint16_t>(b);
  out.Data3 = static_cast<uint16_t>(c);
  out.Data4[0] = static_cast<uint8_t>(d >> 8);
  out.Data4[1] = static_cast<uint8_t>(d);
  for (int i = 0; i < 6; ++i) out.Data4[2 + i] = static_cast<uint8_t>(e >> (8 * (5 - i)));
  return true;
}

bool SameGuid(const GUID& a, const GUID& b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i) {
    if (a.Data4[i] != b.Data4[i]) return false;
  }
  return true;
}

}  // namespace vorn
