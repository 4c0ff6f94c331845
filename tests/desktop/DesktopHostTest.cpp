// The desktop host's event translation, focus keys, timers, real windows and presenting, on SDL's
// dummy video driver: no display needed. Events are pushed into SDL's queue as a window system
// would deliver them.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <memory>
#include <utility>

#include "host/desktop/DesktopHost.h"

namespace vorn {
namespace {

// Records what a window receives.
struct Recorder : SurfaceEvents {
  std::vector<std::string> got;
  void MouseDown(int16_t b, int16_t s, float x, float y) override { Add("down", b, s, x, y); }
  void MouseMove(int16_t b, int16_t s, float x, float y) override { Add("move", b, s, x, y); }
  void MouseUp(int16_t b, int16_t s, float x, float y) override { Add("up", b, s, x, y); }
  void Click() override { got.push_back("click"); }
  void GotFocus() override { got.push_back("focus"); }
  void LostFocus() override { got.push_back("blur"); }
  void KeyDown(int16_t& k, int16_t& s) override { got.push_back("keydown" + std::to_string(k) + "/" + std::to_string(s)); }
  void KeyUp(int16_t& k, int16_t& s) override { got.push_back("keyup" + std::to_string(k) + "/" + std::to_string(s)); }
  void KeyPress(int16_t& a) override { got.push_back("press" + std::to_string(a)); }
  void Add(const char* what, int16_t b, int16_t s, float x, float y) {
    got.push_back(std::string(what) + std::to_string(b) + "/" + std::to_string(s) + "@" +
                  std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
  }
};

struct DummyDesktop : testing::Test {
  std::string why;
  std::unique_ptr<DesktopHost> host;
  std::unique_ptr<HeadlessSurface> form, a, b, c;
  Recorder ra, rb, rc;

  void SetUp() override {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
    host = DesktopHost::Open(why);
    ASSERT_TRUE(host) << why;
    form = std::make_unique<HeadlessSurface>(*host, WindowKind::Form, "Form", nullptr, RectL{100, 100, 400, 300},
                                             MakeRef<Font>(), 0xF0F0F0);
    a = Child("A", {10, 10, 60, 40}, 0x0000FF, ra);
    b = Child("B", {100, 10, 150, 40}, 0x00FF00, rb);
    c = Child("C", {200, 10, 250, 40}, 0xFF0000, rc);
    c->SetEnabled(false);
    host->DoEvents();  // shows the form
  }
  void TearDown() override {
    c.reset();
    b.reset();
    a.reset();
    form.reset();
    host.reset();
  }
  std::unique_ptr<HeadlessSurface> Child(const char* name, RectL r, Color color, Recorder& rec) {
    auto w = std::make_unique<HeadlessSurface>(*host, WindowKind::Control, name, form.get(), r, MakeRef<Font>(), color);
    w->SetEventHandler(&rec);
    return w;
  }
  uint32_t FormId() const { return host->RealWindow(form->hWnd())->Id(); }
  static void Push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }
  void Motion(int32_t x, int32_t y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = FormId();
    e.motion.x = x;
    e.motion.y = y;
    Push(e);
  }
  void Button(bool down, int32_t x, int32_t y, uint8_t button = SDL_BUTTON_LEFT) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = FormId();
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    Push(e);
  }
  void Key(bool down, SDL_Keycode key, uint16_t mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.windowID = FormId();
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    Push(e);
  }
  void Text(const char* utf8) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    e.text.windowID = FormId();
    std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
    Push(e);
  }
  // The colour on the real window's surface, as &HBBGGRR.
  Color ScreenPixel(WindowHandle window, int32_t x, int32_t y) const {
    SDL_Surface* s = SDL_GetWindowSurface(SDL_GetWindowFromID(host->RealWindow(window)->Id()));
    uint32_t v = 0;
    std::memcpy(&v, static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel, 4);
    uint8_t r = 0, g = 0, bl = 0;
    SDL_GetRGB(v, s->format, &r, &g, &bl);
    return r | (g << 8) | (bl << 16);
  }
};

TEST_F(DummyDesktop, PointerEventsReachTheControlUnderThemInItsOwnPixels) {
  Motion(15, 15);
  Button(true, 15, 15);
  Button(false, 15, 15);
  host->DoEvents();
  const std::vector<std::string> want{"move0/0@5,5", "focus", "down1/0@5,5", "up1/0@5,5", "click"};
  EXPECT_EQ(ra.got, want);
  EXPECT_EQ(host->Pointer(), (PointL{115, 115}));  // screen pixels: the window is at (100, 100)
}

TEST_F(DummyDesktop, APressTakenOutsideTheWindowStaysWithThePressedControl) {
  Button(true, 15, 15);  // no motion first: the press itself carries the position
  Motion(-50, 300);      // beyond the window's left and bottom edges
  Button(false, -50, 300);
  host->DoEvents();
  const std::vector<std::string> want{"move0/0@5,5", "focus", "down1/0@5,5", "move1/0@-60,290", "up1/0@-60,290"};
  EXPECT_EQ(ra.got, want);
  EXPECT_TRUE(rb.got.empty());
}

TEST_F(DummyDesktop, OtherButtonsAreKnownByTheirOwnNumbers) {
  Button(true, 15, 15, SDL_BUTTON_RIGHT);
  Button(false, 15, 15, SDL_BUTTON_RIGHT);
  Button(true, 15, 15, SDL_BUTTON_X1);  // no such button for the controls
  host->DoEvents();
  const std::vector<std::string> want{"move0/0@5,5", "focus", "down2/0@5,5", "up2/0@5,5"};
  EXPECT_EQ(ra.got, want);
}

TEST_F(DummyDesktop, TabWalksTheEnabledControlsOfTheFormAndIsNotAKey) {
  Key(true, SDLK_TAB);
  Key(false, SDLK_TAB);
  host->DoEvents();
  EXPECT_EQ(host->Focus(), a.get());
  Key(true, SDLK_TAB);
  host->DoEvents();
  EXPECT_EQ(host->Focus(), b.get());
  Key(true, SDLK_TAB);  // c is disabled: back to a
  host->DoEvents();
  EXPECT_EQ(host->Focus(), a.get());
  Key(true, SDLK_TAB, KMOD_LSHIFT);
  host->DoEvents();
  EXPECT_EQ(host->Focus(), b.get());
  const std::vector<std::string> want{"focus", "blur", "focus", "blur"};
  EXPECT_EQ(ra.got, want);
}

TEST_F(DummyDesktop, KeysGiveKeyDownKeyPressAndKeyUpWithTheirShiftState) {
  host->SetFocus(a.get());
  ra.got.clear();
  Key(true, SDLK_RETURN);
  Key(false, SDLK_RETURN);
  Key(true, SDLK_a, KMOD_LSHIFT);
  Text("A\xC3\xA9\xE2\x82\xAC");  // A, e acute, euro sign
  Key(false, SDLK_a, KMOD_LSHIFT);
  Key(true, SDLK_F12, KMOD_LCTRL | KMOD_LALT);
  host->DoEvents();
  const std::vector<std::string> want{"keydown13/0", "press13", "keyup13/0", "keydown65/1", "press65",
                                      "press233", "press128", "keyup65/1", "keydown123/6"};
  EXPECT_EQ(ra.got, want);
}

TEST_F(DummyDesktop, ClosingTheFormsWindowEndsTheRun) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_CLOSE;
  e.window.windowID = FormId();
  Push(e);
  host->Run();  // returns, or the test times out
  EXPECT_TRUE(host->Quitting());
}

TEST_F(DummyDesktop, TimersFireByTheRealClock) {
  int ticks = 0;
  auto t = host->CreateTimer("t", 5, [&] { ++ticks; });
  t->SetEnabled(true);
  const uint64_t start = SDL_GetTicks64();
  while (ticks == 0 && SDL_GetTicks64() - start < 5000) host->DoEvents();
  EXPECT_EQ(ticks, 1);
  EXPECT_GE(SDL_GetTicks64() - start, 4u);  // not before its interval (ticks are whole milliseconds)
}

TEST_F(DummyDesktop, InputWaitsUntilTheTimerHandlerHasReturned) {
  bool seenInside = true;
  bool pushed = false;
  auto t = host->CreateTimer("t", 1, [&] {
    if (std::exchange(pushed, true)) return;
    Button(true, 15, 15);
    host->DoEvents();  // as a hover tick ends
    seenInside = !ra.got.empty();
  });
  t->SetEnabled(true);
  const uint64_t start = SDL_GetTicks64();
  while (ra.got.empty() && SDL_GetTicks64() - start < 5000) host->DoEvents();
  t->SetEnabled(false);
  EXPECT_FALSE(seenInside);
  ASSERT_FALSE(ra.got.empty());
  EXPECT_EQ(ra.got[0], "move0/0@5,5");
}

TEST_F(DummyDesktop, APopupGetsABorderlessTopmostToolWindowAtItsScreenPlace) {
  HeadlessSurface popup(*host, WindowKind::Picture, "Popup", a.get(), RectL{0, 0, 80, 60}, MakeRef<Font>(), 0xFFFFFF);
  const WindowHandle h = popup.hWnd();
  host->SetWindowLong(h, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
  host->SetParent(h, 0);
  popup.Move(300 * 15, 200 * 15, 80 * 15, 60 * 15);
  host->SetWindowPos(h, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  popup.SetVisible(true);
  host->DoEvents();
  ASSERT_NE(host->RealWindow(h), nullptr);
  SDL_Window* w = SDL_GetWindowFromID(host->RealWindow(h)->Id());
  const uint32_t flags = SDL_GetWindowFlags(w);
  EXPECT_TRUE(flags & SDL_WINDOW_BORDERLESS);
  EXPECT_TRUE(flags & SDL_WINDOW_SKIP_TASKBAR);
  EXPECT_TRUE(flags & SDL_WINDOW_POPUP_MENU);
  EXPECT_TRUE(flags & SDL_WINDOW_ALWAYS_ON_TOP);
  EXPECT_FALSE(flags & SDL_WINDOW_HIDDEN);
  int x = 0, y = 0, cx = 0, cy = 0;
  SDL_GetWindowPosition(w, &x, &y);
  SDL_GetWindowSize(w, &cx, &cy);
  EXPECT_EQ(x, 300);
  EXPECT_EQ(y, 200);
  EXPECT_EQ(cx, 80);
  EXPECT_EQ(cy, 60);
  EXPECT_FALSE(SDL_GetWindowFlags(SDL_GetWindowFromID(FormId())) & SDL_WINDOW_BORDERLESS);

  // Moved by its control while open: the real window follows.
  popup.Move(320 * 15, 210 * 15, 90 * 15, 60 * 15);
  host->DoEvents();
  SDL_GetWindowPosition(w, &x, &y);
  SDL_GetWindowSize(w, &cx, &cy);
  EXPECT_EQ(x, 320);
  EXPECT_EQ(cx, 90);

  popup.SetVisible(false);
  host->DoEvents();
  ASSERT_NE(host->RealWindow(h), nullptr);  // kept for the next opening
  EXPECT_TRUE(SDL_GetWindowFlags(w) & SDL_WINDOW_HIDDEN);
  host->SetParent(h, a->hWnd());
  host->DoEvents();
  EXPECT_EQ(host->RealWindow(h), nullptr);
}

TEST_F(DummyDesktop, TheScreenShowsTheComposedPictureAndOnlyChangesAreSent) {
  EXPECT_EQ(ScreenPixel(form->hWnd(), 0, 0), 0xF0F0F0u);
  EXPECT_EQ(ScreenPixel(form->hWnd(), 15, 15), 0x0000FFu);  // red, not blue: channels in order
  EXPECT_EQ(ScreenPixel(form->hWnd(), 105, 15), 0x00FF00u);
  // Scribble on the real window's pixels outside a; a change inside a must not send them again.
  SDL_Surface* s = SDL_GetWindowSurface(SDL_GetWindowFromID(FormId()));
  const uint32_t black = SDL_MapRGB(s->format, 0, 0, 0);
  std::memcpy(static_cast<uint8_t*>(s->pixels) + 5 * s->pitch + 250 * 4, &black, 4);
  a->PSet(3, 4, 0x00FFFF);
  host->DoEvents();
  EXPECT_EQ(ScreenPixel(form->hWnd(), 13, 14), 0x00FFFFu);
  EXPECT_EQ(ScreenPixel(form->hWnd(), 250, 5), 0u);
  // An exposure sends the whole picture again.
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_EXPOSED;
  e.window.windowID = FormId();
  Push(e);
  host->DoEvents();
  EXPECT_EQ(ScreenPixel(form->hWnd(), 250, 5), 0xF0F0F0u);
}

TEST_F(DummyDesktop, AFormMovedByTheWindowManagerMovesItsControlsOnTheScreen) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = SDL_WINDOWEVENT_MOVED;
  e.window.windowID = FormId();
  e.window.data1 = 140;
  e.window.data2 = 90;
  Push(e);
  host->DoEvents();
  EXPECT_EQ(host->GetWindowRect(a->hWnd()), (RectL{150, 100, 200, 130}));
  Motion(15, 15);  // event positions are relative to the window where it is now
  host->DoEvents();
  EXPECT_EQ(host->Pointer(), (PointL{155, 105}));
  ASSERT_FALSE(ra.got.empty());
  EXPECT_EQ(ra.got.back(), "move0/0@5,5");
}

}  // namespace
}  // namespace vorn
