#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "foundation/Font.h"
#include "foundation/Platform.h"
#include "foundation/Surface.h"
#include "foundation/Timer.h"

namespace vorn {

class Control;

/// The screen: its size in twips and the twips-per-pixel factors (15 on these hosts).
class ScreenInfo {
 public:
  virtual ~ScreenInfo() = default;
  virtual int32_t TwipsPerPixelX() const = 0;
  virtual int32_t TwipsPerPixelY() const = 0;
  virtual int32_t Width() const = 0;   // twips
  virtual int32_t Height() const = 0;  // twips
};

/// Everything a control needs from its host: its surface, ambient properties, the screen, timers,
/// event pumping, property-change notification, inner surfaces and child controls.
class ControlSite {
 public:
  virtual ~ControlSite() = default;

  virtual Surface& UserControl() = 0;
  /// The control's name in its form.
  virtual std::string AmbientDisplayName() = 0;
  /// The form's font (each call gives the control its own copy to keep).
  virtual Ref<Font> AmbientFont() = 0;
  virtual const ScreenInfo& Screen() = 0;
  virtual Platform& GetPlatform() = 0;
  /// Processes pending host events, then returns.
  virtual void DoEvents() = 0;
  /// Marks the stored properties dirty.
  virtual void PropertyChanged(std::string_view name) = 0;
  /// A timer of the control, disabled at start.
  virtual std::unique_ptr<Timer> CreateTimer(std::string_view name, uint32_t intervalMs,
                                             std::function<void()> onTick) = 0;
  /// The site of a child control placed on this control's surface (for example one element of
  /// a control array); the caller creates the control on it and owns both.
  virtual std::unique_ptr<ControlSite> CreateChildSite(std::string_view name, int16_t index) = 0;
  /// An inner picture surface on this control (hidden until shown).
  virtual std::unique_ptr<Surface> CreatePictureSurface(std::string_view name) = 0;

  /// The window of the control's container (the form, or the control that holds it).
  virtual WindowHandle ContainerHwnd() = 0;

  /// Called by the control's constructor and destructor: from then on the host delivers the
  /// surface's events to the control.
  virtual void Attach(Control* control) = 0;
};

}  // namespace vorn
