#include "DemoGallery.h"

#include "DemoIcons.h"

namespace vorn {

std::string DemoDocument() {
  return R"json({
  "vornform": 1,
  "form": { "name": "Gallery", "caption": "vornButton2 gallery", "left": 20, "top": 20, "width": 560, "height": 200,
            "backColor": 15790320, "font": { "name": "DejaVu Sans", "size": 8, "bold": false } },
  "controls": [
    { "class": "vornButton2.vornButton", "name": "btnDefault", "left": 12, "top": 12, "width": 100, "height": 30 },
    { "class": "vornButton2.vornButton", "name": "btnFocused", "left": 122, "top": 12, "width": 100, "height": 30,
      "properties": { "Caption": "Focused" } },
    { "class": "vornButton2.vornButton", "name": "btnDisabled", "left": 232, "top": 12, "width": 100, "height": 30,
      "properties": { "Caption": "Disabled", "Enabled": false } },
    { "class": "vornButton2.vornButton", "name": "btnGreen", "left": 342, "top": 12, "width": 100, "height": 30,
      "properties": { "Caption": "Green", "ForeColor": 32768, "BackColor": 15794160 } },
    { "class": "vornButton2.vornButton", "name": "btnOpen", "left": 12, "top": 52, "width": 110, "height": 40,
      "properties": { "Caption": "Open", "ImageList": { "imageList": "icons32" }, "ImageIndex": 1 } },
    { "class": "vornButton2.vornButton", "name": "btnSave", "left": 132, "top": 52, "width": 100, "height": 70,
      "properties": { "Caption": "Save", "ImageList": { "imageList": "icons32" }, "ImageIndex": 2 } },
    { "class": "vornButton2.vornButton", "name": "btnStar", "left": 242, "top": 52, "width": 40, "height": 40,
      "properties": { "Caption": "", "ImageList": { "imageList": "icons16" }, "ImageIndex": 3 } },
    { "class": "vornButton2.vornButton", "name": "btnGear", "left": 292, "top": 52, "width": 110, "height": 40,
      "properties": { "Caption": "Disabled", "Enabled": false, "ImageList": { "imageList": "icons32" }, "ImageIndex": 4 } },
    { "class": "vornButton2.vornButton", "name": "btnMenu", "left": 412, "top": 52, "width": 110, "height": 40,
      "properties": { "Caption": "Popup menu" } },
    { "class": "vornButton2.vornPUMenu", "name": "mnuDemo", "left": 501, "top": 340, "width": 47, "height": 47,
      "properties": { "ImageList": { "imageList": "icons16" } } }
  ],
  "onLoad": [
    "focus btnFocused",
    "call mnuDemo.MenuItem.Add(\"doc\", \"Document\", 0, true, \"\", \"\", 4)",
    "call mnuDemo.MenuItem.Add(\"open\", \"Open...\", 1)",
    "call mnuDemo.MenuItem.Add(\"save\", \"Save\", 2, true, \"\", \"\", 1, false, true)",
    "call mnuDemo.MenuItem.Add(\"\", \"\", 0, true, \"\", \"\", 3)",
    "call mnuDemo.MenuItem.Add(\"wrap\", \"Word wrap\", 0, true, \"\", \"\", 2, true)",
    "call mnuDemo.MenuItem.Add(\"ruler\", \"Ruler\", 0, true, \"\", \"\", 2)",
    "call mnuDemo.MenuItem.Add(\"\", \"\", 0, true, \"\", \"\", 3)",
    "call mnuDemo.MenuItem.Add(\"fav\", \"Add to favourites\", 3)",
    "call mnuDemo.MenuItem.Add(\"settings\", \"Settings\", 4)"
  ],
  "handlers": { "btnMenu.Click": [ "call mnuDemo.CreateMenu()" ] }
})json";
}

std::string DemoScript() {
  return R"(# Hover the default button, press it, drag out, release, then Space on the focused one.
move 40 25
tick 3
down
move 200 150
up
focus btnFocused
key down 32
key up 32
get btnDefault.Caption
# Open the popup menu at the pointer, rest on "Word wrap" (a picture of it), choose it.
click 460 70
move 480 170
tick 2
snapshot vornform-demo-menu.png
click 480 170
tick 1
)";
}

std::vector<Ref<ImageList>> DemoImageLists() {
  auto small = MakeRef<ImageList>("icons16", int16_t{16}, int16_t{16});
  auto large = MakeRef<ImageList>("icons32", int16_t{32}, int16_t{32});
  for (auto* make : {&FolderIcon, &DiskIcon, &StarIcon, &GearIcon}) {
    small->Add(make(16));
    large->Add(make(32));
  }
  return {small, large};
}

}  // namespace vorn
