#pragma once
#include "controls/button/ButtonBase.h"

namespace vorn {

/// The private arrow button of the scroll bar: the push button's looks, hover, mouse and keys,
/// without an icon and without the focused look. Its caption (one glyph in a symbol font) is
/// centred one pixel higher than the push button's, and a failure while drawing it is not
/// swallowed: it ends the repaint and reaches the caller.
class vornXButton final : public ClassOf<vornXButton, ButtonBase> {
 public:
  explicit vornXButton(ControlSite& site) : ClassOf(site) {}
  static const ClassInfo& StaticClass();

 private:
  struct Members;  // the member table (vornXButtonMembers.cpp)

  void DrawContent(const ColorScheme& scheme, bool enabled) override;
  int32_t FocusFlagOnEnter() const override { return 0; }
  void DrawButtonCaption(const Ref<Font>& font, const std::string& text, Color colour, int16_t offset);
};

}  // namespace vorn
