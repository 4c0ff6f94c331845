#include "host/win32/Win32Site.h"

#include "foundation/Control.h"
#include "foundation/RuntimeError.h"
#include "host/win32/Win32Platform.h"

namespace vorn {

namespace {

// A new control window starts in the button-face system colour, as an unpainted control does.
constexpr Color kButtonFace = 0x8000000F;

// A thread timer of a control. A tick that runs while the same timer's previous tick still pumps
// messages (DoEvents) is skipped: ticks never nest.
class Win32Timer final : public Timer, private win32::TimerClient {
 public:
  Win32Timer(Win32Site& site, std::string name, uint32_t interval, std::function<void()> onTick)
      : site_(site), name_(std::move(name)), interval_(interval), onTick_(std::move(onTick)) {}
  ~Win32Timer() override { win32::StopTimer(id_); }
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;

  bool Enabled() const override { return id_ != 0; }
  void SetEnabled(bool enabled) override {
    if (enabled == Enabled()) return;
    if (enabled) {
      id_ = win32::StartTimer(interval_, this);
    } else {
      win32::StopTimer(std::exchange(id_, 0));
    }
  }
  uint32_t Interval() const override { return interval_; }
  void SetInterval(uint32_t ms) override {
    interval_ = ms;
    if (Enabled()) {  // counted anew from now
      SetEnabled(false);
      SetEnabled(true);
    }
  }

 private:
  void Tick() override {
    if (running_) return;
    const Ref<Object> keep = site_.KeepAlive();
    running_ = true;
    try {
      onTick_();
    } catch (const std::exception& e) {
      site_.Report(name_, e);
    }
    running_ = false;
  }

  Win32Site& site_;
  std::string name_;
  uint32_t interval_;
  std::function<void()> onTick_;
  uintptr_t id_ = 0;
  bool running_ = false;
};

class ParkingClient final : public win32::WindowClient {
 public:
  void MouseButton(int16_t, bool, int16_t, int16_t, int32_t, int32_t) override {}
  void MouseMove(int16_t, int16_t, int32_t, int32_t) override {}
  void Key(int16_t, bool, int16_t) override {}
  void Char(int16_t) override {}
  void Focus(bool) override {}
  win32::PixelsView Picture() const override { return {}; }
  void Destroyed() override {}
};

}  // namespace

// The hidden top-level window that holds the windows of the controls no container shows; made
// with the first such control, destroyed with the last.
class Win32Site::Parking {
 public:
  static std::shared_ptr<Parking> Get() {
    static std::weak_ptr<Parking> current;
    std::shared_ptr<Parking> p = current.lock();
    if (!p) {
      p = std::make_shared<Parking>();
      current = p;
    }
    return p;
  }
  Parking() : window_(win32::CreateHostWindow(win32::WindowKind::Parking, &client_, 0, RectL{}, false)) {}
  ~Parking() { win32::DestroyHostWindow(window_); }
  Parking(const Parking&) = delete;
  Parking& operator=(const Parking&) = delete;
  WindowHandle Window() const noexcept { return window_; }

 private:
  ParkingClient client_;
  WindowHandle window_;
};

Win32Site::Win32Site(std::string name, Win32Site* parent, ContainerSide* side, RectL rect)
    : parking_(Parking::Get()),
      name_(std::move(name)),
      parent_(parent),
      root_(parent ? parent->root_ : this),
      side_(side) {
  surface_ = std::make_unique<Win32Surface>(Win32Surface::Kind::Control, *this, parent ? parent->surface_.get() : nullptr,
                                            rect, AmbientFont(), kButtonFace);
  surface_->SetEventHandler(&adapter_);
}

Win32Site::~Win32Site() { surface_->SetEventHandler(nullptr); }

std::string Win32Site::AmbientDisplayName() {
  if (!parent_ && side_) {
    if (std::optional<std::string> name = side_->AmbientDisplayName()) return *name;
  }
  return name_;
}

Ref<Font> Win32Site::AmbientFont() {
  if (parent_) return parent_->AmbientFont();
  if (side_) {
    if (Ref<Font> font = side_->AmbientFont()) return font;
  }
  return DefaultAmbientFont();
}

const ScreenInfo& Win32Site::Screen() { return Win32Platform::Instance(); }
Platform& Win32Site::GetPlatform() { return Win32Platform::Instance(); }

void Win32Site::DoEvents() {
  const Ref<Object> keep = KeepAlive();
  // Nothing pending: wait a moment for something, so that a handler polling for the mouse
  // buttons does not spin.
  if (!win32::PumpMessages()) win32::WaitForMessages(1);
}

void Win32Site::PropertyChanged(std::string_view name) {
  // A child control's properties are stored with its parent's.
  if (!parent_ && side_) side_->PropertyChanged(name);
}

std::unique_ptr<Timer> Win32Site::CreateTimer(std::string_view name, uint32_t intervalMs, std::function<void()> onTick) {
  return std::make_unique<Win32Timer>(*this, name_ + "." + std::string(name), intervalMs, std::move(onTick));
}

std::unique_ptr<ControlSite> Win32Site::CreateChildSite(std::string_view name, int16_t) {
  return std::make_unique<Win32Site>(std::string(name), this, nullptr, RectL{});
}

std::unique_ptr<Surface> Win32Site::CreatePictureSurface(std::string_view) {
  return std::make_unique<Win32Surface>(Win32Surface::Kind::Picture, *this, surface_.get(), RectL{}, AmbientFont(),
                                        kButtonFace);
}

WindowHandle Win32Site::ContainerHwnd() {
  const WindowHandle parent = win32::ParentWindow(surface_->hWnd());
  return parent == ParkingWindow() ? 0 : parent;
}

void Win32Site::Attach(Control* control) {
  adapter_.Bind(control);
  control_ = control;
}

void Win32Site::ShowIn(uint32_t parent, RectL rect) {
  placing_ = true;
  win32::MoveIntoParent(surface_->hWnd(), parent);
  surface_->MovePx(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  placing_ = false;
}

void Win32Site::Park() {
  if (!Parked()) win32::MoveIntoParent(surface_->hWnd(), ParkingWindow());
}

bool Win32Site::Parked() const {
  const WindowHandle w = surface_->hWnd();
  return !w || win32::ParentWindow(w) == ParkingWindow();
}

void Win32Site::Place(RectL rect) {
  placing_ = true;
  surface_->MovePx(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  placing_ = false;
}

void Win32Site::Focus() {
  if (surface_->hWnd()) win32::FocusWindow(surface_->hWnd());
}

void Win32Site::Draw(uintptr_t deviceContext, RectL bounds) {
  PixelBuffer picture(surface_->Pixels().Width(), surface_->Pixels().Height());
  surface_->Compose(picture, 0, 0);
  win32::DrawPixels(deviceContext, {picture.Data(), picture.Width(), picture.Height()}, bounds);
}

Ref<Object> Win32Site::KeepAlive() const {
  Control* control = root_->control_;
  // Not while the control is being made or ended: a reference then would end it once more.
  return control && control->RefCount() > 0 ? Ref<Object>(control) : Ref<Object>();
}

WindowHandle Win32Site::ParkingWindow() const { return parking_->Window(); }

void Win32Site::TabFrom(bool backward) {
  Win32Site& root = *root_;
  if (root.side_ && root.side_->TranslateTab(backward)) return;
  win32::FocusNextTabStop(root.surface_->hWnd(), backward);
}

void Win32Site::FocusChanged(const Win32Surface& surface, bool gained) {
  if (&surface == root_->surface_.get() && root_->side_) root_->side_->FocusChanged(gained);
}

void Win32Site::PictureChanged() {
  if (root_->side_) root_->side_->PictureChanged();
}

void Win32Site::SizeChanged(const Win32Surface& surface) {
  if (&surface != surface_.get() || parent_ || placing_ || !side_) return;
  side_->SizeChanged(surface.Pixels().Width(), surface.Pixels().Height());
}

void Win32Site::Report(std::string_view source, const std::exception& e) const {
  std::string line = std::string(source) + ": " + e.what();
  if (auto* re = dynamic_cast<const RuntimeError*>(&e)) line += " (" + std::to_string(re->Number()) + ")";
  win32::DebugReport(line);
}

HostedControl MakeHostedControl(const ControlRecipe& recipe, ContainerSide* side, int32_t widthPx, int32_t heightPx) {
  const Win32Platform& screen = Win32Platform::Instance();
  if (widthPx <= 0 || heightPx <= 0) {
    widthPx = recipe.widthTwips / screen.TwipsPerPixelX();
    heightPx = recipe.heightTwips / screen.TwipsPerPixelY();
  }
  auto site = std::make_unique<Win32Site>(std::string(recipe.name), nullptr, side, RectL{0, 0, widthPx, heightPx});
  Win32Site* raw = site.get();
  Ref<Control> control = recipe.create(*raw);
  control->AdoptSite(std::move(site));
  return {control, raw, raw};
}

Ref<Font> DefaultAmbientFont() { return MakeRef<Font>("MS Sans Serif", 8.0f); }

}  // namespace vorn
