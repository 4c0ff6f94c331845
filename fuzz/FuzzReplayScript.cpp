// Any bytes as a replay script, run against a small form holding every public control (with
// menus, toolbar items, an image list and handlers). A syntax fault is a ScriptError naming the
// line; everything else runs to its end without a crash, a hang or a leak. Files the script would
// write go to the sandbox.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"

using namespace vorn;

namespace {

const char* const kForm = R"json({ "vornform": 1,
  "form": { "name": "Fuzz", "width": 420, "height": 260 },
  "controls": [
    { "class": "vornButton2.vornToolbar", "name": "vornToolbar1", "left": 0, "top": 0, "width": 420, "height": 30,
      "properties": { "Imagelist": { "imageList": "icons" }, "MenuImageList": { "imageList": "icons" } } },
    { "class": "vornButton2.vornButton", "name": "vornButton1", "left": 10, "top": 40, "width": 100, "height": 30,
      "properties": { "ImageList": { "imageList": "icons" }, "ImageIndex": 1 } },
    { "class": "vornButton2.vornSlider", "name": "vornSlider1", "left": 10, "top": 80, "width": 220, "height": 41,
      "properties": { "TickStyle": 4 } },
    { "class": "vornButton2.vornScrollBar", "name": "HScroll1", "left": 10, "top": 130, "width": 200, "height": 17 },
    { "class": "vornButton2.vornProgressBar", "name": "vornProgressBar1", "left": 10, "top": 160, "width": 200, "height": 20 },
    { "class": "vornButton2.vornTextBox", "name": "Text1", "left": 10, "top": 190, "width": 200, "height": 24 },
    { "class": "vornButton2.vornPUMenu", "name": "vornPUMenu1", "left": 370, "top": 210, "width": 47, "height": 47,
      "properties": { "ImageList": { "imageList": "icons" } } } ],
  "onLoad": [
    "call vornToolbar1.Add(\"open\", \"Open\", 1, 3)",
    "call vornToolbar1.Item(\"open\").ToolbarMenuItems.Add(\"file\", \"Open file...\", 1)",
    "call vornToolbar1.Item(\"open\").ToolbarMenuItems.Add(\"\", \"\", 0, true, \"\", \"\", 3)",
    "call vornToolbar1.Add(\"wrap\", \"Wrap\", 0, 2, true)",
    "call vornToolbar1.Add(\"view\", \"View\", 2, 4)",
    "call vornToolbar1.Item(\"view\").ToolbarMenuItems.Add(\"zoom\", \"Zoom\")",
    "call vornToolbar1.Add(\"sep\", \"\", 0, 6)",
    "call vornPUMenu1.MenuItem.Add(\"file\", \"File\", 0, true, \"\", \"\", 4)",
    "call vornPUMenu1.MenuItem.Add(\"open\", \"Open...\", 1)",
    "call vornPUMenu1.MenuItem.Add(\"wrap\", \"Word wrap\", 0, true, \"\", \"\", 2, true)",
    "call vornPUMenu1.MenuItem.Add(\"recent\", \"Recent\", 2, true, \"\", \"recent\")" ],
  "handlers": {
    "vornButton1.Click": [ "call vornPUMenu1.CreateMenu()" ],
    "vornSlider1.ValueChange": [ "get vornSlider1.Value" ],
    "vornPUMenu1.ItemClick": [ "let vornProgressBar1.Value 50" ] } })json";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<ScriptCommand> commands;
  try {
    commands = ParseScript(text, "fuzz.txt");
  } catch (const ScriptError&) {
    return 0;
  }
  fuzz::SandboxOutputs(commands);
  std::vector<std::string> errors;
  auto icons = MakeRef<ImageList>("icons", int16_t{16}, int16_t{16});
  icons->Add(fuzz::MakePicture(16, 16, 1));
  icons->Add(fuzz::MakePicture(16, 16, 2));
  HeadlessHost host;
  Form form(host, ParseFormDocument(kForm, "fuzz.json", errors), nullptr, errors, {icons});
  if (!errors.empty() || form.RunOnLoad(errors) != 0) std::abort();  // the form itself must load cleanly
  form.RunScript(commands);
  return 0;
}
