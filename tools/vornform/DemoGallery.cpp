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
    { "class": "vornButton2.vornTextBox", "name": "txtName", "left": 12, "top": 132, "width": 210, "height": 24 },
    { "class": "vornButton2.vornScrollBar", "name": "hsbLevel", "left": 12, "top": 168, "width": 210, "height": 17,
      "properties": { "Orientation": 1, "Value": 30 } },
    { "class": "vornButton2.vornScrollBar", "name": "vsbLevel", "left": 530, "top": 12, "width": 17, "height": 176 }
  ],
  "onLoad": [ "focus txtName", "type \"Typed text\"", "focus btnFocused" ]
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
# Step the horizontal scroll bar with its end arrow, then drag its thumb to the end.
click 214 176
get hsbLevel.Value
move 70 176
down
move 300 176
up
get hsbLevel.Value
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
