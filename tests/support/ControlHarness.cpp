#include "support/ControlHarness.h"

#include "host/raster/Png.h"

namespace vorn::test {

HarnessBase::HarnessBase(int32_t width, int32_t height, int32_t formWidth, int32_t formHeight) {
  ambient = std::make_shared<FormAmbient>();
  ambient->font = MakeRef<Font>("DejaVu Sans", 8.0f);
  form = std::make_unique<HeadlessSurface>(host, WindowKind::Form, "Form1", nullptr,
                                           RectL{kFormLeft, kFormTop, kFormLeft + formWidth, kFormTop + formHeight},
                                           ambient->font->Clone(), 0xF0F0F0);
  site = std::make_unique<HeadlessSite>(host, form.get(), "Control1",
                                        RectL{kControlLeft, kControlTop, kControlLeft + width, kControlTop + height},
                                        ambient);
  host.SetNoteSink([this](const std::string& line) { notes.push_back(line); });
}

HarnessBase::~HarnessBase() = default;

PointL HarnessBase::ToScreen(float x, float y) {
  const RectL r = Window().ScreenRect();
  return {r.left + static_cast<int32_t>(x), r.top + static_cast<int32_t>(y)};
}

void HarnessBase::MoveTo(float x, float y) { host.MoveMouse(ToScreen(x, y)); }

void HarnessBase::ClickAt(float x, float y) {
  MoveTo(x, y);
  Press();
  Release();
}

void HarnessBase::SavePng(const std::string& path) { WritePng(Window().Pixels(), path); }

}  // namespace vorn::test
