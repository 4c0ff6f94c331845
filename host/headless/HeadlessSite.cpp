#include "host/headless/HeadlessSite.h"

namespace vorn {

namespace {
// A new control surface starts in the button-face system colour, as an unpainted control does.
constexpr Color kButtonFace = 0x8000000F;
}  // namespace

HeadlessSite::HeadlessSite(HeadlessHost& host, HeadlessSurface* parent, std::string name, RectL rect,
                           std::shared_ptr<FormAmbient> ambient)
    : host_(host), name_(std::move(name)), ambient_(std::move(ambient)) {
  Ref<Font> font = ambient_ && ambient_->font ? ambient_->font->Clone() : MakeRef<Font>();
  surface_ = std::make_unique<HeadlessSurface>(host_, WindowKind::Control, name_, parent, rect, font, kButtonFace);
  surface_->SetEventHandler(&adapter_);
}

HeadlessSite::~HeadlessSite() { surface_->SetEventHandler(nullptr); }

Ref<Font> HeadlessSite::AmbientFont() {
  return ambient_ && ambient_->font ? ambient_->font->Clone() : MakeRef<Font>();
}

void HeadlessSite::PropertyChanged(std::string_view name) {
  if (ambient_ && ambient_->propertyChanged) ambient_->propertyChanged(name_, name);
}

std::unique_ptr<Timer> HeadlessSite::CreateTimer(std::string_view name, uint32_t intervalMs,
                                                 std::function<void()> onTick) {
  return host_.CreateTimer(name_ + "." + std::string(name), intervalMs, std::move(onTick));
}

std::unique_ptr<ControlSite> HeadlessSite::CreateChildSite(std::string_view name, int16_t index) {
  std::string childName = std::string(name) + "(" + std::to_string(index) + ")";
  // Children report property changes nowhere: they are stored with their parent.
  auto childAmbient = std::make_shared<FormAmbient>();
  childAmbient->font = ambient_ ? ambient_->font : Ref<Font>();
  auto site = std::make_unique<HeadlessSite>(host_, surface_.get(), std::move(childName), RectL{}, childAmbient);
  site->name_ = std::string(name);
  return site;
}

std::unique_ptr<Surface> HeadlessSite::CreatePictureSurface(std::string_view name) {
  return std::make_unique<HeadlessSurface>(host_, WindowKind::Picture, name_ + "." + std::string(name),
                                           surface_.get(), RectL{}, AmbientFont(), kButtonFace);
}

WindowHandle HeadlessSite::ContainerHwnd() {
  HeadlessSurface* p = surface_->Parent();
  return p ? p->hWnd() : 0;
}

void HeadlessSite::Attach(Control* control) { adapter_.Bind(control); }

}  // namespace vorn
