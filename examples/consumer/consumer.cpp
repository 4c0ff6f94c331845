// A program of your own, built outside this tree against an installed vornButton2: a form document
// with a button and a progress bar in the headless host, a click, a property, and a pixel.
// CMakeLists.txt builds it with find_package, Makefile with pkg-config.
#include <cstdio>
#include <string>
#include <vector>

#include "host/form/Form.h"

using namespace vorn;

constexpr const char* kDocument = R"({
  "vornform": 1,
  "form": { "name": "Consumer", "caption": "Consumer", "left": 0, "top": 0, "width": 240, "height": 90 },
  "controls": [
    { "class": "vornButton2.vornButton", "name": "btnGo", "left": 10, "top": 10, "width": 100, "height": 30,
      "properties": { "Caption": "Go" } },
    { "class": "vornButton2.vornProgressBar", "name": "prgDone", "left": 10, "top": 50, "width": 220, "height": 20 }
  ]
})";

int main() {
  std::vector<std::string> errors;
  HeadlessHost host;
  Form form(host, ParseFormDocument(kDocument, "consumer", errors),
            [](const std::string& line) { std::printf("%s\n", line.c_str()); }, errors);
  form.RunOnLoad(errors);
  const int failed = form.RunScript(ParseScript("click 50 25\nlet prgDone.Value 40\nget prgDone.Value\n", "consumer"));
  const PixelBuffer screen = host.Snapshot(form.SnapshotArea());
  std::printf("%dx%d pixels, &H%06X at the button's corner\n", screen.Width(), screen.Height(), screen.Get(10, 10));
  for (const std::string& e : errors) std::fprintf(stderr, "%s\n", e.c_str());
  return errors.empty() && failed == 0 ? 0 : 1;
}
