#pragma once
#include "controls/button/ButtonBase.h"

namespace vorn {

/// The push button: glass face, caption and an optional icon from the host's image list (reached
/// by member name: ListImages(i).ExtractIcon, ImageWidth, ImageHeight). Click on a left release
/// after a press and on Space or Enter.
///
/// Icon and caption layout (SW, SH the scale size; IW, IH the image size; TH_I = TextHeight("I")):
///   no icon         caption centred
///   side by side    IH + 1.7 TH_I > SH - 6: icon at x 12, caption 12 px right of it, both centred
///                   vertically
///   stacked         otherwise: icon above the caption, 5 px apart, centred together
class vornButton final : public ClassOf<vornButton, ButtonBase> {
 public:
  explicit vornButton(ControlSite& site) : ClassOf(site) {}
  static const ClassInfo& StaticClass();

  Ref<Object> get_Imagelist() const { return Imagelist_; }
  void putref_Imagelist(Ref<Object> imageList) { Let(Imagelist_, std::move(imageList)); }
  int16_t get_ImageIndex() const { return ImageIndex_; }
  void put_ImageIndex(int16_t index) { Let(ImageIndex_, index); }

 private:
  struct Members;  // the member table (vornButtonMembers.cpp)

  void DrawContent(const ColorScheme& scheme, bool enabled) override;
  /// The image list's picture size, read by member name (0 for a member it lacks).
  struct IconMetrics {
    int32_t IW = 0;
    int32_t IH = 0;
  };
  IconMetrics ReadMetrics() const;
  void DrawButtonIcon(int16_t offset, bool mono, const IconMetrics& m);
  void DrawButtonCaption(const Ref<Font>& font, const std::string& text, Color colour, int16_t offset,
                         const IconMetrics& m);
  bool HasIcon() const noexcept { return Imagelist_ && ImageIndex_ != 0; }

  Ref<Object> Imagelist_;
  int16_t ImageIndex_ = 0;
};

}  // namespace vorn
