#include "DemoGallery.h"

#include "DemoIcons.h"
#include "foundation/Dispatch.h"

namespace vorn {

std::string DemoDocument() {
  return R"json({
  "vornform": 1,
  "form": { "name": "Gallery", "caption": "vornButton2 gallery", "left": 20, "top": 20, "width": 760, "height": 430,
            "backColor": 15790320, "font": { "name": "DejaVu Sans", "size": 8, "bold": false } },
  "controls": [
    { "class": "vornButton2.vornToolbar", "name": "tbrGallery", "left": 0, "top": 0, "width": 760, "height": 30,
      "properties": { "Imagelist": { "imageList": "icons16" }, "MenuImageList": { "imageList": "icons16" } } },
    { "class": "vornButton2.vornButton", "name": "btnDefault", "left": 12, "top": 42, "width": 100, "height": 30 },
    { "class": "vornButton2.vornButton", "name": "btnFocused", "left": 122, "top": 42, "width": 100, "height": 30,
      "properties": { "Caption": "Focused" } },
    { "class": "vornButton2.vornButton", "name": "btnDisabled", "left": 232, "top": 42, "width": 100, "height": 30,
      "properties": { "Caption": "Disabled", "Enabled": false } },
    { "class": "vornButton2.vornButton", "name": "btnGreen", "left": 342, "top": 42, "width": 100, "height": 30,
      "properties": { "Caption": "Green", "ForeColor": 32768, "BackColor": 15794160 } },
    { "class": "vornButton2.vornButton", "name": "btnOpen", "left": 12, "top": 82, "width": 110, "height": 40,
      "properties": { "Caption": "Open", "ImageList": { "imageList": "icons32" }, "ImageIndex": 1 } },
    { "class": "vornButton2.vornButton", "name": "btnSave", "left": 132, "top": 82, "width": 100, "height": 70,
      "properties": { "Caption": "Save", "ImageList": { "imageList": "icons32" }, "ImageIndex": 2 } },
    { "class": "vornButton2.vornButton", "name": "btnStar", "left": 242, "top": 82, "width": 40, "height": 40,
      "properties": { "Caption": "", "ImageList": { "imageList": "icons16" }, "ImageIndex": 3 } },
    { "class": "vornButton2.vornButton", "name": "btnGear", "left": 292, "top": 82, "width": 110, "height": 40,
      "properties": { "Caption": "Disabled", "Enabled": false, "ImageList": { "imageList": "icons32" }, "ImageIndex": 4 } },
    { "class": "vornButton2.vornSlider", "name": "sldPlain", "left": 12, "top": 165, "width": 220, "height": 25 },
    { "class": "vornButton2.vornSlider", "name": "sldHalf", "left": 12, "top": 195, "width": 220, "height": 25,
      "properties": { "TickStyle": 1, "Value": 3 } },
    { "class": "vornButton2.vornSlider", "name": "sldFour", "left": 12, "top": 225, "width": 220, "height": 25,
      "properties": { "TickStyle": 2, "Value": 8 } },
    { "class": "vornButton2.vornSlider", "name": "sldHalfValue", "left": 12, "top": 255, "width": 220, "height": 41,
      "properties": { "TickStyle": 3, "Min": -50, "Max": 50, "Value": 0 } },
    { "class": "vornButton2.vornSlider", "name": "sldFourValue", "left": 12, "top": 301, "width": 220, "height": 41,
      "properties": { "TickStyle": 4, "Max": 100, "Value": 75 } },
    { "class": "vornButton2.vornSlider", "name": "sldDisabled", "left": 12, "top": 347, "width": 220, "height": 25,
      "properties": { "TickStyle": 2, "Value": 4, "Enabled": false } },
    { "class": "vornButton2.vornSlider", "name": "sldVertical", "left": 250, "top": 165, "width": 60, "height": 200,
      "properties": { "Orientation": 2, "TickStyle": 4, "Max": 100, "Value": 40 } },
    { "class": "vornButton2.vornProgressBar", "name": "pgbNormal", "left": 332, "top": 165, "width": 200, "height": 24 },
    { "class": "vornButton2.vornProgressBar", "name": "pgbFull", "left": 332, "top": 199, "width": 200, "height": 24,
      "properties": { "Value": 100, "ForeColor": 32768 } },
    { "class": "vornButton2.vornProgressBar", "name": "pgbSearch", "left": 332, "top": 233, "width": 200, "height": 24,
      "properties": { "Style": 1, "Value": 40 } },
    { "class": "vornButton2.vornProgressBar", "name": "pgbCaption", "left": 332, "top": 267, "width": 200, "height": 24,
      "properties": { "Value": 70, "Caption": "Copying files" } },
    { "class": "vornButton2.vornProgressBar", "name": "pgbVertical", "left": 332, "top": 301, "width": 24, "height": 110,
      "properties": { "Orientation": 2, "Value": 65 } },
    { "class": "vornButton2.vornProgressBar", "name": "pgbVerticalSearch", "left": 366, "top": 301, "width": 24, "height": 110,
      "properties": { "Orientation": 2, "Style": 1, "Value": 50 } },
    { "class": "vornButton2.vornTextBox", "name": "txtName", "left": 560, "top": 42, "width": 188, "height": 24 },
    { "class": "vornButton2.vornScrollBar", "name": "hsbLevel", "left": 560, "top": 78, "width": 188, "height": 17,
      "properties": { "Orientation": 1, "Value": 30 } },
    { "class": "vornButton2.vornScrollBar", "name": "vsbLevel", "left": 560, "top": 110, "width": 17, "height": 160 },
    { "class": "vornButton2.vornButton", "name": "btnMenu", "left": 412, "top": 82, "width": 110, "height": 40,
      "properties": { "Caption": "Popup menu" } },
    { "class": "vornButton2.vornPUMenu", "name": "mnuDemo", "left": 501, "top": 370, "width": 47, "height": 47,
      "properties": { "ImageList": { "imageList": "icons16" } } }
  ],
  "onLoad": [
    "call tbrGallery.Add(\"open\", \"Open\", 1, 3)",
    "call tbrGallery.Item(\"open\").ToolbarMenuItems.Add(\"file\", \"Open file...\", 1)",
    "call tbrGallery.Item(\"open\").ToolbarMenuItems.Add(\"recent\", \"Recent\", 3)",
    "call tbrGallery.Item(\"open\").ToolbarMenuItems.Add(\"\", \"\", 0, true, \"\", \"\", 3)",
    "call tbrGallery.Item(\"open\").ToolbarMenuItems.Add(\"url\", \"Location...\")",
    "call tbrGallery.Add(\"save\", \"Save\", 2)",
    "call tbrGallery.Add(\"sep1\", \"\", 0, 6)",
    "call tbrGallery.Add(\"wrap\", \"Word wrap\", 0, 2, true)",
    "call tbrGallery.Add(\"ruler\", \"Ruler\", 0, 2)",
    "call tbrGallery.Add(\"sep2\", \"\", 0, 6)",
    "call tbrGallery.Add(\"view\", \"View\", 4, 4)",
    "call tbrGallery.Item(\"view\").ToolbarMenuItems.Add(\"zoomin\", \"Zoom in\")",
    "call tbrGallery.Item(\"view\").ToolbarMenuItems.Add(\"zoomout\", \"Zoom out\")",
    "call tbrGallery.Item(\"view\").ToolbarMenuItems.Add(\"status\", \"Status bar\", 0, true, \"\", \"\", 2, true)",
    "call tbrGallery.Add(\"fav\", \"\", 3, 5)",
    "call tbrGallery.Add(\"mode\", \"Gallery\", 0, 7)",
    "call tbrGallery.Add(\"print\", \"Print\", 2, 1, false, false)",
    "focus txtName",
    "type \"Typed text\"",
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
move 40 55
tick 3
down
move 200 180
up
focus btnFocused
key down 32
key up 32
get btnDefault.Caption
# Press the plain slider at its first quarter, drag the knob, step it with the arrow keys.
click 72 177
down
move 172 177
up
focus sldPlain
key down 39
get sldPlain.Value
# The searching bar steps along its run.
let pgbSearch.Value 60
let pgbNormal.Value 85
# Step the horizontal scroll bar with its end arrow, then drag its thumb to the end.
click 740 86
get hsbLevel.Value
move 620 86
down
move 900 86
up
get hsbLevel.Value
# Open the popup menu at the pointer, rest on "Word wrap" (a picture of it), choose it.
click 460 100
move 480 200
tick 2
snapshot vornform-demo-menu.png
click 480 200
tick 1
# The toolbar: press "Open" and take "Recent" from its menu. Then open "View" and, with its menu
# open, move onto "Open", which opens that menu instead (a picture of it); a press outside closes it.
move 30 15
down
up
click 40 58
tick 1
click 305 15
move 30 15
tick 2
snapshot vornform-demo-toolbar.png
move 200 400
down
tick 1
up
get tbrGallery.Count
)";
}

void StepGallery(Form& gallery) {
  // Through the controls' automation surface, as a host would drive them.
  for (auto [name, step] : {std::pair{"pgbNormal", 1}, {"pgbSearch", 2}, {"pgbVertical", 1}, {"pgbVerticalSearch", 2}}) {
    Ref<Object> bar = gallery.Resolve(name);
    if (!bar) continue;
    const int32_t value = GetMember(*bar, "Value").ToLong();
    LetMember(*bar, "Value", Variant(static_cast<int16_t>((value + step) % 101)));
  }
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
