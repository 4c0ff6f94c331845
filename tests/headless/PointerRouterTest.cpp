// The press, capture and Click rule on its own, row by row of the table in PointerRouter.h, with a
// seat that logs what the router asks of a host.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/headless/HeadlessHost.h"
#include "host/window/PointerRouter.h"

namespace vorn {
namespace {

struct Window final : WindowSurface {
  Window(const ScreenInfo& screen, Window* parent) : WindowSurface(screen, parent, RectL{0, 0, 4, 4}, true, nullptr) {}
  WindowHandle hWnd() const override { return 0; }
  void Resized() override {}
};

struct Seat final : PointerRouter::Seat {
  const WindowSurface* windows[3] = {};  // A, B, C
  std::string log;
  const WindowSurface* over = nullptr;
  Window* hideOnFocus = nullptr;
  std::string Name(const WindowSurface* w) const {
    for (int i = 0; i < 3; ++i) {
      if (w && windows[i] == w) return std::string(1, static_cast<char>('A' + i));
    }
    return "-";
  }
  void FocusOnPress(WindowSurface& w) override {
    log += "focus " + Name(&w) + "; ";
    if (hideOnFocus) hideOnFocus->SetVisible(false);
  }
  bool PointerOver(const WindowSurface* w) override { return w == over; }
  void CaptureMoved(WindowSurface*, WindowSurface* to) override { log += "capture " + Name(to) + "; "; }
};

// op: p press, r release (held: the buttons still down), d disable, f hide on the focus change,
// h hide, g gone; then the window the input reaches (A, B, or C inside A) and, for a release, the
// window under the pointer.
struct Step {
  char op;
  int16_t button;
  int16_t held;
  char target;
  char over;
};

struct Row {
  const char* rule;
  std::vector<Step> steps;
  const char* log;
};

const Row kRows[] = {
    {"a left press and release on one window clicks it",
     {{'p', 1, 1, 'A', 0}, {'r', 1, 0, 'A', 'A'}},
     "capture A; focus A; down A; capture -; up A; click A; "},
    {"no Click when the pointer left the window",
     {{'p', 1, 1, 'A', 0}, {'r', 1, 0, 'A', 'B'}},
     "capture A; focus A; down A; capture -; up A; "},
    {"no Click for the right button",
     {{'p', 2, 2, 'A', 0}, {'r', 2, 0, 'A', 'A'}},
     "capture A; focus A; down A; capture -; up A; "},
    {"a second button goes to the capture, which ends with the last",
     {{'p', 1, 1, 'A', 0}, {'p', 2, 3, 'A', 0}, {'r', 2, 1, 'A', 'A'}, {'r', 1, 0, 'A', 'A'}},
     "capture A; focus A; down A; focus A; down A; up A; capture -; up A; click A; "},
    {"a window gone holds neither the capture nor the note for Click",
     {{'p', 1, 1, 'A', 0}, {'g', 0, 0, 'A', 0}, {'r', 1, 0, 'B', 'B'}},
     "capture A; focus A; down A; up B; "},
    {"a disabled window takes neither the press nor the capture",
     {{'d', 0, 0, 'A', 0}, {'p', 1, 1, 'A', 0}, {'r', 1, 0, 'A', 'A'}},
     ""},
    {"a press whose focus change hid the window takes the capture but sends no MouseDown",
     {{'f', 0, 0, 'A', 0}, {'p', 1, 1, 'A', 0}},
     "capture A; focus A; "},
    {"hiding a window ends the capture a window inside it holds",
     {{'p', 1, 1, 'C', 0}, {'h', 0, 0, 'A', 0}},
     "capture C; focus C; down C; capture -; "},
};

TEST(PointerRouter, KeepsThePressCaptureAndClickRule) {
  for (const Row& row : kRows) {
    HeadlessHost screen;
    Window a(screen, nullptr), b(screen, nullptr), c(screen, &a);
    Window* windows[] = {&a, &b, &c};
    Seat seat;
    for (int i = 0; i < 3; ++i) seat.windows[i] = windows[i];
    auto find = [&](char n) { return n >= 'A' && n <= 'C' ? windows[n - 'A'] : nullptr; };
    PointerRouter router(seat);
    const char* events[] = {"down ", "up ", "click "};
    auto deliver = [&](WindowSurface& w, PointerRouter::Event e) {
      seat.log += events[static_cast<int>(e)] + seat.Name(&w) + "; ";
    };
    for (const Step& s : row.steps) {
      Window* target = find(s.target);
      seat.over = find(s.over);
      if (s.op == 'p') router.Press(s.button, router.Target([&] { return target; }), deliver);
      if (s.op == 'r') router.Release(s.button, s.held, router.Target([&] { return target; }), deliver);
      if (s.op == 'd') target->SetEnabled(false);
      if (s.op == 'f') seat.hideOnFocus = target;
      if (s.op == 'g') router.Forget(target);
      if (s.op == 'h') {
        target->SetVisible(false);
        router.Withdraw(*target);
      }
    }
    EXPECT_EQ(seat.log, row.log) << row.rule;
  }
}

}  // namespace
}  // namespace vorn
