#pragma once
#include <algorithm>
#include <string>

#include "controls/ColouredControl.h"
#include "foundation/ColorScheme.h"
#include "foundation/Orientation.h"

namespace vorn {

/// Styles of the progress bar; any other value draws no bar.
enum MyType : int32_t { tNormal = 0, tSearch = 1 };

/// A passive progress display: Value percent as a row of glass cells (pitch 8) in a bevelled
/// frame, from the left or from the bottom, with a centred caption on a halo of the back colour;
/// or, in the searching style, a trail of three fading blocks whose position follows Value. No
/// input, no events, no timer: it repaints completely on every property change, resize, read
/// and write.
///
/// Caption "%" reads "<Value> %" (tNormal) or "Searching..." (tSearch); any other caption is
/// shown as it is; vertical bars show none. The Value let keeps 0 .. 100; a stored value is used
/// as read.
class vornProgressBar final : public ClassOf<vornProgressBar, ColouredControl<kSurfaceEnabled | kSurfaceFont>> {
 public:
  explicit vornProgressBar(ControlSite& site) : ClassOf(site) {}
  static const ClassInfo& StaticClass();

  // Each let is the property table's (vornProgressBarMembers.cpp): store, mark, repaint, also when
  // the value does not change.
  int32_t get_Orientation() const { return Orientation_; }
  void put_Orientation(int32_t orientation) { Let(Orientation_, orientation); }
  int32_t get_Style() const { return Style_; }
  void put_Style(int32_t style) { Let(Style_, style); }
  int16_t get_Value() const { return Value_; }
  /// Held to 0 .. 100; a stored value is used as read.
  void put_Value(int16_t value) { Let(Value_, std::clamp<int16_t>(value, 0, 100)); }
  std::string get_Caption() const { return Caption_; }
  void put_Caption(std::string caption) { Let(Caption_, std::move(caption)); }

  void UserControl_Resize() override { Redraw(); }

  /// The one paint routine: frame and background, then (enabled only) bar and caption.
  void Redraw();
  /// Its last step, the caption with its halo over what is painted (public for the benchmarks).
  void DrawCaption();
  const ColorScheme& Scheme() const noexcept { return Scheme_; }

 private:
  struct Members;  // the member table (vornProgressBarMembers.cpp)
  // W and H: the scale size.
  void DrawCells(DeviceContext& dc, double W, double H);
  void DrawSearchTrail(DeviceContext& dc, double W, double H);

  std::string Caption_ = "%";
  int16_t Value_ = 50;
  int32_t Orientation_ = pbHorizontal;
  int32_t Style_ = tNormal;
  ColorScheme Scheme_{};
};

}  // namespace vorn
