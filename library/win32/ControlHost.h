#pragma once
// What the OLE control interfaces need of the Windows host, which sits above them (host/win32
// implements it): a site in a window for a control a container hosts, a site without one for a
// control a client made on its own. Plain types only: the OLE interfaces include windows.h, the
// host's classes the host contract, and they meet here.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/Font.h"
#include "foundation/Geometry.h"

namespace vorn {

class Control;
class ControlSite;

/// What a hosted control's site asks of and tells its container (the OLE layer answers through
/// the container's client site). A container that has nothing to say leaves the host's defaults.
class ContainerSide {
 public:
  virtual ~ContainerSide() = default;
  virtual std::optional<std::string> AmbientDisplayName() = 0;
  /// The container's font, or null when it has none.
  virtual Ref<Font> AmbientFont() = 0;
  virtual void PropertyChanged(std::string_view bagName) = 0;
  /// The control's window got or lost the keyboard focus.
  virtual void FocusChanged(bool focused) = 0;
  /// Tab (Shift+Tab backwards) in the control: true when the container moved the focus itself.
  virtual bool TranslateTab(bool backward) = 0;
  /// The control gave itself another size (pixels).
  virtual void SizeChanged(int32_t widthPx, int32_t heightPx) = 0;
  /// The control's picture changed.
  virtual void PictureChanged() = 0;
};

/// The site of a control in a container: its window (parked in the host, hidden, until a
/// container shows it), its place and its picture.
class HostedSite {
 public:
  virtual ~HostedSite() = default;
  virtual void SetContainerSide(ContainerSide* side) = 0;
  /// The control's own window.
  virtual uint32_t Window() const = 0;
  /// In-place activation: the window becomes a child of parent at rect (parent's client pixels).
  virtual void ShowIn(uint32_t parent, RectL rect) = 0;
  /// Deactivation: the window goes back to the host, hidden.
  virtual void Park() = 0;
  virtual bool Parked() const = 0;
  /// A new place in the parent (pixels); a size the control holds to itself (a toolbar's row
  /// height) stays.
  virtual void Place(RectL rect) = 0;
  virtual RectL Placement() const = 0;
  virtual void Focus() = 0;
  /// The control with everything inside it, stretched over bounds of a device context.
  virtual void Draw(uintptr_t deviceContext, RectL bounds) = 0;
};

/// How to make a control of one class: the name its site goes by, its size and its constructor.
struct ControlRecipe {
  std::string_view name;
  int32_t widthTwips;
  int32_t heightTwips;
  Ref<Control> (*create)(ControlSite& site);
};

struct HostedControl {
  Ref<Object> control;  // owns its site
  ControlSite* site;
  HostedSite* hosted;
};

struct DetachedControl {
  Ref<Object> control;  // owns its site
  ControlSite* site;
};

/// A control on a new site of the Windows host, parked, at widthPx x heightPx (the recipe's size
/// when either is 0). Nothing of the opening sequence has run: the size is the control's from the
/// start, so that no Resize comes before Initialize.
HostedControl MakeHostedControl(const ControlRecipe& recipe, ContainerSide* side, int32_t widthPx, int32_t heightPx);

/// A control on a site without a window (a script's CreateObject): it works as an automation
/// object, its drawing goes nowhere, its timers stay still and the window services answer as for
/// a window that is not there. Nothing of the opening sequence has run.
DetachedControl MakeDetachedControl(const ControlRecipe& recipe);

}  // namespace vorn
