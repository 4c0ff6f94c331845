#include "host/headless/HeadlessApi.h"

#include <memory>
#include <vector>

#include "host/headless/HeadlessSite.h"

struct VornHeadless {
  vorn::HeadlessHost host;
  std::shared_ptr<vorn::FormAmbient> ambient = std::make_shared<vorn::FormAmbient>();
  std::unique_ptr<vorn::HeadlessSurface> form;
  std::vector<std::unique_ptr<vorn::HeadlessSite>> sites;
};

extern "C" {

VornHeadless* vornHeadlessCreate(int32_t formWidth, int32_t formHeight) {
  auto* h = new VornHeadless;
  h->ambient->font = vorn::MakeRef<vorn::Font>("DejaVu Sans", 8.0f);
  h->form = std::make_unique<vorn::HeadlessSurface>(h->host, vorn::WindowKind::Form, "Form1", nullptr,
                                                    vorn::RectL{0, 0, formWidth, formHeight},
                                                    h->ambient->font->Clone(), 0xF0F0F0);
  return h;
}

void vornHeadlessDestroy(VornHeadless* host) {
  if (!host) return;
  host->sites.clear();
  delete host;
}

void* vornHeadlessCreateSite(VornHeadless* host, const char* name, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (!host) return nullptr;
  host->sites.push_back(std::make_unique<vorn::HeadlessSite>(host->host, host->form.get(), name ? name : "Control1",
                                                             vorn::RectL{x, y, x + w, y + h}, host->ambient));
  return static_cast<vorn::ControlSite*>(host->sites.back().get());
}

void vornHeadlessAdvance(VornHeadless* host, uint32_t ms) {
  if (host) host->host.Advance(ms);
}

void vornHeadlessMove(VornHeadless* host, int32_t x, int32_t y) {
  if (host) host->host.MoveMouse({x, y});
}

void vornHeadlessPress(VornHeadless* host, int16_t button) {
  if (host) host->host.PressButton(button);
}

void vornHeadlessRelease(VornHeadless* host, int16_t button) {
  if (host) host->host.ReleaseButton(button);
}

uint32_t vornHeadlessPixel(void* site, int32_t x, int32_t y) {
  if (!site) return 0;
  return static_cast<vorn::ControlSite*>(site)->UserControl().Point(x, y);
}

}  // extern "C"
