#pragma once
#include <string>
#include <vector>

#include "host/desktop/WindowPlan.h"
#include "host/pixels/PixelBuffer.h"

struct SDL_Window;

namespace vorn {

/// One real window showing a top-level window of the host: a form gets a framed window, a popup a
/// borderless one that the window manager leaves alone (no frame, no taskbar entry, no focus,
/// placed exactly where the program puts it).
class SdlWindow {
 public:
  /// Creates the window, hidden until Apply; throws std::runtime_error with the window system's
  /// reason.
  SdlWindow(const WindowPlan& plan, const std::string& title);
  /// A window the program created and keeps: the program places, sizes, shows and destroys it.
  explicit SdlWindow(SDL_Window* programs);
  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  uint32_t Id() const noexcept { return id_; }
  bool Programs() const noexcept { return !owned_; }
  /// False when the plan wants a kind of window this one cannot become (fixed at creation).
  bool Fits(const WindowPlan& plan) const noexcept;
  /// Shows the window where, how and as opaque as planned.
  void Apply(const WindowPlan& plan);
  void Hide();
  bool Shown() const noexcept { return shown_; }
  /// The plan last applied, with the position the window system last reported.
  const WindowPlan& Plan() const noexcept { return plan_; }
  /// The window system moved the window (a user dragged the form): keep it there.
  void Moved(PointL topLeft) noexcept;
  /// Where the window system has put the window now.
  PointL Position() const;
  void SetTitle(const std::string& title);
  /// Sends a rectangle of the picture (window pixels) to the screen.
  void Upload(const PixelBuffer& picture, const RectL& area);
  /// Copies a rectangle of the picture into the window's surface without showing it yet.
  void Draw(const PixelBuffer& picture, const RectL& area);
  /// Shows rectangles of the window's surface on the screen.
  void Show(const std::vector<RectL>& areas);

 private:
  SDL_Window* window_ = nullptr;
  uint32_t id_ = 0;
  WindowPlan plan_;
  bool shown_ = false;
  bool owned_ = true;
};

}  // namespace vorn
