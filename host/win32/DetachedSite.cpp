// The site without a window of MakeDetachedControl (library/win32/ControlHost.h).
#include "foundation/Control.h"
#include "foundation/ControlSite.h"
#include "host/text/TextEngine.h"
#include "host/win32/Win32Calls.h"
#include "host/win32/Win32Site.h"
#include "library/win32/ControlHost.h"

namespace vorn {

namespace {

constexpr int32_t kTwipsPerPixel = 15;

class StillTimer final : public Timer {
 public:
  explicit StillTimer(uint32_t interval) : interval_(interval) {}
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  uint32_t Interval() const override { return interval_; }
  void SetInterval(uint32_t ms) override { interval_ = ms; }

 private:
  bool enabled_ = false;
  uint32_t interval_;
};

class NoDeviceContext final : public DeviceContext {
 public:
  bool GradientFill(const TriVertex*, uint32_t, const GradientRectIndex*, uint32_t, uint32_t) override { return true; }
  bool DrawState(const Picture*, int32_t, int32_t, int32_t, int32_t, uint32_t) override { return true; }
};

// Keeps what a control reads back from its surface (size, colours, font, text position, state);
// drawing leaves no pixels.
class DetachedSurface final : public Surface {
 public:
  DetachedSurface(int32_t width, int32_t height, Ref<Font> font) : width_(width), height_(height), font_(std::move(font)) {}

  float ScaleWidth() const override { return static_cast<float>(width_ / kTwipsPerPixel); }
  float ScaleHeight() const override { return static_cast<float>(height_ / kTwipsPerPixel); }
  int32_t Left() const override { return left_; }
  int32_t Top() const override { return top_; }
  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  void Move(int32_t left, int32_t top, int32_t width, int32_t height) override {
    left_ = left, top_ = top, width_ = width, height_ = height;
  }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  DeviceContext& hDC() override { return dc_; }
  WindowHandle hWnd() const override { return 0; }
  void Cls() override { x_ = y_ = 0; }
  Color BackColor() const override { return back_; }
  void SetBackColor(Color c) override { back_ = c; }
  Color ForeColor() const override { return fore_; }
  void SetForeColor(Color c) override { fore_ = c; }
  void Line(float, float, float, float, Color) override {}
  void PSet(float, float, Color) override {}
  Color Point(int32_t, int32_t) const override { return 0; }
  float CurrentX() const override { return x_; }
  float CurrentY() const override { return y_; }
  void SetCurrentX(float x) override { x_ = x; }
  void SetCurrentY(float y) override { y_ = y; }
  void Print(std::string_view) override { y_ += TextHeight("I"); x_ = 0; }
  // Measured as the Windows host measures (GDI), so that a control's layout stays when it gets a window.
  float TextWidth(std::string_view text) override { return static_cast<float>(Face().MeasureWidth(text)); }
  float TextHeight(std::string_view text) override {
    return static_cast<float>(Face().LineHeight() * FontFace::LineCount(text));
  }
  Ref<Font> GetFont() const override { return font_; }
  void SetFont(Ref<Font> font) override {
    if (font) font_ = std::move(font);
  }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void SetEventHandler(SurfaceEvents*) override {}

 private:
  FontFace& Face() const { return TextEngine::Instance().Resolve(*font_); }
  int32_t left_ = 0, top_ = 0, width_, height_;
  bool visible_ = true, enabled_ = true;
  Color back_ = 0xFFFFFF, fore_ = 0;
  float x_ = 0, y_ = 0;
  Ref<Font> font_;
  NoDeviceContext dc_;
};

class WindowlessPlatform final : public Platform {
 public:
  PointL GetCursorPos() override { return {}; }
  int16_t GetAsyncKeyState(int32_t) override { return 0; }
  RectL GetWindowRect(WindowHandle) override { return {}; }
  bool SetWindowPos(WindowHandle, WindowHandle, int32_t, int32_t, int32_t, int32_t, uint32_t) override { return false; }
  int32_t GetWindowLong(WindowHandle, int32_t) override { return 0; }
  int32_t SetWindowLong(WindowHandle, int32_t, int32_t) override { return 0; }
  WindowHandle SetParent(WindowHandle, WindowHandle) override { return 0; }
  uint32_t GetClassLong(WindowHandle, int32_t) override { return 0; }
  uint32_t SetClassLong(WindowHandle, int32_t, uint32_t) override { return 0; }
  bool SetLayeredWindowAttributes(WindowHandle, Color, uint8_t, uint32_t) override { return false; }
  bool RedrawWindow(WindowHandle, const RectL*, uint32_t) override { return false; }
};

class Screen final : public ScreenInfo {
 public:
  Screen() : width_(win32::ScreenWidth()), height_(win32::ScreenHeight()) {}
  int32_t TwipsPerPixelX() const override { return kTwipsPerPixel; }
  int32_t TwipsPerPixelY() const override { return kTwipsPerPixel; }
  int32_t Width() const override { return width_ * kTwipsPerPixel; }
  int32_t Height() const override { return height_ * kTwipsPerPixel; }

 private:
  int32_t width_, height_;
};

class DetachedSite final : public ControlSite {
 public:
  DetachedSite(std::string name, int32_t width, int32_t height)
      : name_(std::move(name)), surface_(width, height, AmbientFont()) {}

  Surface& UserControl() override { return surface_; }
  std::string AmbientDisplayName() override { return name_; }
  Ref<Font> AmbientFont() override { return DefaultAmbientFont(); }
  const ScreenInfo& Screen() override { return screen_; }
  Platform& GetPlatform() override { return platform_; }
  void DoEvents() override {}
  void PropertyChanged(std::string_view) override {}
  std::unique_ptr<Timer> CreateTimer(std::string_view, uint32_t intervalMs, std::function<void()>) override {
    return std::make_unique<StillTimer>(intervalMs);
  }
  std::unique_ptr<ControlSite> CreateChildSite(std::string_view name, int16_t) override {
    return std::make_unique<DetachedSite>(std::string(name), 0, 0);
  }
  std::unique_ptr<Surface> CreatePictureSurface(std::string_view) override {
    return std::make_unique<DetachedSurface>(0, 0, AmbientFont());
  }
  WindowHandle ContainerHwnd() override { return 0; }
  void Attach(Control*) override {}

 private:
  std::string name_;
  DetachedSurface surface_;
  vorn::Screen screen_;
  WindowlessPlatform platform_;
};

}  // namespace

DetachedControl MakeDetachedControl(const ControlRecipe& recipe) {
  auto site = std::make_unique<DetachedSite>(std::string(recipe.name), recipe.widthTwips, recipe.heightTwips);
  ControlSite* raw = site.get();
  Ref<Control> control = recipe.create(*raw);
  control->AdoptSite(std::move(site));
  return {control, raw};
}

}  // namespace vorn
