#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>

#include "host/desktop/GlobalPointer.h"
#include "host/desktop/RealTimeClock.h"
#include "host/desktop/SdlWindow.h"
#include "host/desktop/WindowCompositor.h"
#include "host/desktop/XErrorFilter.h"
#include "host/headless/HeadlessHost.h"

union SDL_Event;
struct SDL_Window;
struct SDL_WindowEvent;
struct SDL_KeyboardEvent;

namespace vorn {

/// The host on a real screen (SDL2). It keeps the headless host's window model (windows, z-order,
/// input routing with capture, focus, the Click rule, the platform calls) and drives it with real
/// input and real time: every visible top-level window gets a real window, whose picture is
/// composed from the window tree and sent to the screen where it changed; the pointer position and
/// the mouse buttons that controls ask for come from the global input state, so a press anywhere
/// on the screen is seen; timers fire by the real clock; DoEvents pumps the window system.
///
/// Either Run drives it, or a program with an SDL2 event loop of its own does, turn by turn:
///   if (SDL_WaitEventTimeout(&e, host->WaitMs()))
///     do { if (!host->HandleEvent(e)) MyHandle(e); } while (SDL_PollEvent(&e));
///   MyDraw();               // the program's own drawing, into its window's surface
///   host->RunDueTimers();
///   host->Present();        // the host's windows, and the controls in the program's windows
///   SDL_UpdateWindowSurface(myWindow);  // when the program drew
class DesktopHost final : public HeadlessHost {
 public:
  /// Opens the window system; null, with the reason in error, when there is none. In a program
  /// that has started SDL's video itself, the host shares it and leaves SDL's settings alone.
  static std::unique_ptr<DesktopHost> Open(std::string& error);
  ~DesktopHost() override;

  /// The title of a top-level window (a form's caption).
  void SetCaption(WindowHandle window, std::string caption);
  /// Shows the windows and handles events until a form's window is closed or the program is asked
  /// to quit (SIGINT, SIGTERM).
  void Run();
  bool Quitting() const noexcept { return quit_; }

  /// Hands the host one event of the program's loop. True when the event was the host's alone:
  /// input to its controls (a press on one, the keys while one has the focus, anything while one
  /// holds the capture) or an event of a window the host created. False when the program should
  /// handle it, also when the host took note of it (a program's window that moved or was covered).
  bool HandleEvent(const SDL_Event& event);
  /// Fires the timers that are due by the real clock.
  void RunDueTimers();
  /// Brings the screen up to date: the host's own windows get the pixels that changed, and the
  /// controls in a program's window are drawn into its surface again (the program may have drawn
  /// over them) and shown where they changed.
  void Present();
  /// How long the program's loop may wait for events before a timer is due, in milliseconds (0:
  /// one is due); -1 when no timer runs, so that an idle program sleeps.
  int WaitMs() const { return time_.WaitMs(); }
  /// Shows a top-level window of the host (a form) in a window the program created and keeps:
  /// the form takes the window's place and size and follows them (the program hands over the
  /// window's events), and only its controls are drawn there, through the window's surface
  /// (SDL_GetWindowSurface). Everything around the controls is the program's to draw.
  void ShowIn(HeadlessSurface& form, SDL_Window* window);
  /// The real window showing a top-level window, if it has one.
  const SdlWindow* RealWindow(WindowHandle window) const;

  // Platform: the global input state. GetAsyncKeyState's low bit says that the button went
  // down since the last question about it, as on the platform the controls were written for.
  PointL GetCursorPos() override;
  int16_t GetAsyncKeyState(int32_t virtualKey) override;

  /// Handles the pending window-system events, fires the due timers and brings the screen up to
  /// date; waits up to a millisecond when nothing happened, so that a handler polling for a
  /// button release does not spin. Inside a timer handler it only reads the window system's
  /// events into the queue: input is delivered between timer ticks, as in the headless host.
  void DoEvents() override;

 private:
  struct Shown {
    std::unique_ptr<SdlWindow> window;
    WindowCompositor compositor;
    bool exposed = true;  // the window system lost the picture: send all of it
  };

  DesktopHost(int32_t widthPx, int32_t heightPx);
  static uint64_t NowMs();
  bool PollAll();
  void Refresh();
  void SyncWindows();
  void PresentInProgramsWindow(HeadlessSurface& form, Shown& s);
  Shown* ShownById(uint32_t windowId, WindowHandle* handle = nullptr);

  // SDL events into the window model (DesktopInput.cpp).
  void Handle(const SDL_Event& e);
  void HandleWindowEvent(const SDL_WindowEvent& e);
  void HandleKey(const SDL_KeyboardEvent& e);
  void HandleText(const char* utf8);
  void PointerTo(uint32_t windowId, int32_t x, int32_t y);
  void ReleaseStaleModifiers();
  void MoveFocus(bool backward);
  bool Claims(const SDL_Event& e);
  bool OverControl(uint32_t windowId, int32_t x, int32_t y);

  std::unique_ptr<XErrorFilter> errorFilter_;  // from before SDL_Init until after SDL_Quit
  RealTimeClock time_;
  GlobalPointer globalPointer_;
  std::map<WindowHandle, Shown> shown_;
  std::map<WindowHandle, std::string> captions_;
  std::set<WindowHandle> failed_;  // windows the window system refused (reported once)
  std::map<WindowHandle, SDL_Window*> programs_;  // forms shown in windows of the program
  bool ownsSdl_ = true;  // SDL was started by the host, not by the program
  bool quit_ = false;
};

}  // namespace vorn
