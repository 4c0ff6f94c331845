// An SDL2 program with its own window, drawing and event loop, and two of the library's controls
// in its window: a button that resets and a slider that sets the width of the program's own bar.
// The desktop host draws the controls and gets their input; the program gets everything else.
//
// It prints what happens ("btnReset.Click()", "sldLevel.Value = 7", "click at (X, Y)") and ends
// when its window is closed.
#include <SDL.h>

#include <cstdio>
#include <memory>
#include <string>

#include "controls/button/vornButton.h"
#include "controls/range/vornSlider.h"
#include "host/desktop/DesktopHost.h"
#include "host/desktop/XErrorFilter.h"
#include "host/headless/HeadlessSite.h"

using namespace vorn;

namespace {

constexpr int kWidth = 360;
constexpr int kHeight = 120;

// The program's state and its own drawing: a panel with a bar as wide as the slider says.
struct App {
  Ref<vornSlider> slider;
  int level = 5;
  bool redraw = true;

  void Draw(SDL_Surface* s) const {
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0x30, 0x38, 0x48));
    const SDL_Rect bar{20, 40, 14 * level, 40};
    SDL_FillRect(s, &bar, SDL_MapRGB(s->format, 0xE0, 0x90, 0x20));
  }
};

// The controls' events, as typed sinks.
struct ResetButton final : ButtonEvents {
  App& app;
  explicit ResetButton(App& a) : app(a) {}
  void Click() override {
    std::printf("btnReset.Click()\n");
    app.slider->put_Value(0);
  }
};

struct LevelSlider final : SliderEvents {
  App& app;
  explicit LevelSlider(App& a) : app(a) {}
  void ValueChange() override {
    app.level = app.slider->get_Value();
    std::printf("sldLevel.Value = %d\n", app.level);
    app.redraw = true;
  }
};

}  // namespace

int main() {
  // On X11, SDL's wake-up message to a window that is being destroyed draws a BadWindow error when
  // SDL quits, and Xlib's default handler ends the program with it: a filter installed before SDL
  // starts (SDL puts back the handler it found) keeps that one harmless error out.
  XErrorFilter xErrors;
  // The program draws into its window's surface: a plain one, not an OpenGL texture (for which SDL
  // would load a GL driver and create the window anew).
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "sdl-embed: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* window = SDL_CreateWindow("sdl-embed", 0, 0, kWidth, kHeight, 0);
  std::string why;
  std::unique_ptr<DesktopHost> host = window ? DesktopHost::Open(why) : nullptr;
  if (!host) {
    std::fprintf(stderr, "sdl-embed: %s\n", window ? why.c_str() : SDL_GetError());
    SDL_Quit();
    return 1;
  }
  {
    // A form of the host in the program's window, and a site per control on it.
    auto ambient = std::make_shared<FormAmbient>();
    ambient->font = MakeRef<Font>("DejaVu Sans", 8.0f);
    HeadlessSurface form(*host, WindowKind::Form, "Embed", nullptr, RectL{0, 0, kWidth, kHeight},
                         ambient->font->Clone(), 0x483830);
    HeadlessSite buttonSite(*host, &form, "btnReset", RectL{240, 20, 340, 50}, ambient);
    HeadlessSite sliderSite(*host, &form, "sldLevel", RectL{200, 70, 340, 100}, ambient);
    host->ShowIn(form, window);

    App app;
    ResetButton buttonEvents(app);
    LevelSlider sliderEvents(app);
    Ref<vornButton> button(new vornButton(buttonSite));
    button->SetEventSink(&buttonEvents);
    StartControl(*button, nullptr);
    button->put_Caption("Reset");
    app.slider = Ref<vornSlider>(new vornSlider(sliderSite));
    app.slider->SetEventSink(&sliderEvents);
    StartControl(*app.slider, nullptr);
    app.slider->put_Value(app.level);
    button->UserControl_Show();
    app.slider->UserControl_Show();

    for (bool running = true; running;) {
      SDL_Event e;
      if (SDL_WaitEventTimeout(&e, host->WaitMs())) {
        do {
          if (host->HandleEvent(e)) continue;  // the controls' input
          if (e.type == SDL_QUIT) running = false;
          if (e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_EXPOSED) app.redraw = true;
          if (e.type == SDL_MOUSEBUTTONDOWN) std::printf("click at (%d, %d)\n", e.button.x, e.button.y);
        } while (SDL_PollEvent(&e));
      }
      const bool drew = app.redraw;
      if (drew) app.Draw(SDL_GetWindowSurface(window));
      app.redraw = false;
      host->RunDueTimers();
      host->Present();  // the controls, over the program's drawing
      if (drew) SDL_UpdateWindowSurface(window);
      std::fflush(stdout);
    }
    app.slider->UserControl_Terminate();
    button->UserControl_Terminate();
  }
  host.reset();
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
