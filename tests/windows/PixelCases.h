#pragma once
// The pictures the Windows host must paint as the headless host does. Each case is one control of
// a size, set up by steps, in a look; win32_references renders it in the headless host (Linux),
// container_test captures its window under Wine, and win32_references compares the two: pixel for
// pixel, and where a case holds text, pixel for pixel outside the text and with the ink of GDI's
// glyphs inside the box of FreeType's (the two rasterisers shape glyphs differently).
//
// Steps, separated by ';': "Name=Value" lets a property (the value as a string, converted as
// automation converts it); "Name:A,B" calls a method with string arguments; "Name.Member:A,B"
// calls a method of the object a property holds.
#include <string>
#include <vector>

namespace pixelcases {

enum class Look {
  Normal,
  Hot,      // the pointer rests at (x, y) and the hover timer has ticked
  Pressed,  // the left button is held at (x, y)
  Focused,  // the control has the keyboard focus
  Popup,    // the picture is the control's open popup menu, not its own window
};

struct Case {
  const char* name;
  const char* cls;  // after "vornButton2."
  int width;
  int height;
  const char* steps;
  Look look;
  int x;
  int y;
  const char* blank;  // steps that leave the text out (cases with text), else nullptr
};

inline constexpr Case kCases[] = {
    {"button-normal", "vornButton", 100, 30, "Caption=", Look::Normal, 0, 0, nullptr},
    {"button-hot", "vornButton", 100, 30, "Caption=", Look::Hot, 50, 15, nullptr},
    {"button-pressed", "vornButton", 100, 30, "Caption=", Look::Pressed, 50, 15, nullptr},
    {"button-focused", "vornButton", 100, 30, "Caption=", Look::Focused, 0, 0, nullptr},
    {"button-disabled", "vornButton", 100, 30, "Caption=;Enabled=False", Look::Normal, 0, 0, nullptr},
    {"button-caption", "vornButton", 100, 30, "Caption=Apply", Look::Normal, 0, 0, "Caption="},
    {"scrollbar-normal", "vornScrollBar", 20, 200, "Value=30", Look::Normal, 0, 0, nullptr},
    {"scrollbar-hot-arrow", "vornScrollBar", 20, 200, "Value=30", Look::Hot, 10, 8, nullptr},
    {"scrollbar-pressed-arrow", "vornScrollBar", 20, 200, "Value=30", Look::Pressed, 10, 8, nullptr},
    {"scrollbar-disabled", "vornScrollBar", 20, 200, "Value=30;Enabled=False", Look::Normal, 0, 0, nullptr},
    {"slider-normal", "vornSlider", 200, 40, "TickStyle=0", Look::Normal, 0, 0, nullptr},
    {"slider-hot", "vornSlider", 200, 40, "TickStyle=0", Look::Hot, 102, 10, nullptr},
    {"slider-pressed", "vornSlider", 200, 40, "TickStyle=0", Look::Pressed, 102, 10, nullptr},
    {"slider-focused", "vornSlider", 200, 40, "TickStyle=0", Look::Focused, 0, 0, nullptr},
    {"slider-disabled", "vornSlider", 200, 40, "TickStyle=0;Enabled=False", Look::Normal, 0, 0, nullptr},
    {"progress-normal", "vornProgressBar", 200, 24, "Caption=;Value=40", Look::Normal, 0, 0, nullptr},
    {"progress-disabled", "vornProgressBar", 200, 24, "Caption=;Value=40;Enabled=False", Look::Normal, 0, 0, nullptr},
    {"progress-caption", "vornProgressBar", 200, 24, "Value=40", Look::Normal, 0, 0, "Caption=;Value=40"},
    {"toolbar-normal", "vornToolbar", 200, 30, "Add:open;Add:save;Add:more,,0,3", Look::Normal, 0, 0, nullptr},
    {"toolbar-hot", "vornToolbar", 200, 30, "Add:open;Add:save;Add:more,,0,3", Look::Hot, 14, 12, nullptr},
    {"toolbar-pressed", "vornToolbar", 200, 30, "Add:open;Add:save;Add:more,,0,3", Look::Pressed, 14, 12, nullptr},
    {"toolbar-captions", "vornToolbar", 200, 30, "Add:open,Open;Add:save,Save", Look::Normal, 0, 0,
     "Add:open;Add:save"},
    {"textbox-normal", "vornTextBox", 120, 24, "Text=", Look::Normal, 0, 0, nullptr},
    {"textbox-focused", "vornTextBox", 120, 24, "Text=", Look::Focused, 0, 0, nullptr},
    {"textbox-disabled", "vornTextBox", 120, 24, "Text=;Enabled=False", Look::Normal, 0, 0, nullptr},
    {"pumenu-placeholder", "vornPUMenu", 60, 60, "", Look::Normal, 0, 0, nullptr},
    {"pumenu-open", "vornPUMenu", 60, 60, "MenuItem.Add:a;MenuItem.Add:b;MenuItem.Add:c,,0,True,,,3;CreateMenu:9000,4500",
     Look::Popup, 0, 0, nullptr},
};

/// One step of a case.
struct Step {
  std::string object;  // "" for the control itself
  std::string member;
  bool call = false;
  std::vector<std::string> args;  // the value of a let, or the arguments of a call
};

inline std::vector<std::string> Split(const std::string& s, char separator) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : s) {
    if (c == separator) {
      parts.push_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  parts.push_back(part);
  return parts;
}

inline std::vector<Step> Steps(const char* text) {
  std::vector<Step> steps;
  if (!text || !*text) return steps;
  for (const std::string& s : Split(text, ';')) {
    Step step;
    const size_t let = s.find('=');
    const size_t call = s.find(':');
    const bool isCall = call != std::string::npos && (let == std::string::npos || call < let);
    const size_t at = isCall ? call : let;
    std::string path = s.substr(0, at);
    if (const size_t dot = path.find('.'); dot != std::string::npos) {
      step.object = path.substr(0, dot);
      path = path.substr(dot + 1);
    }
    step.member = path;
    step.call = isCall;
    const std::string rest = at == std::string::npos ? std::string() : s.substr(at + 1);
    step.args = isCall && rest.empty() ? std::vector<std::string>{} : Split(rest, ',');
    steps.push_back(step);
  }
  return steps;
}

}  // namespace pixelcases
