#include "controls/button/vornButton.h"

#include "foundation/Convert.h"
#include "foundation/Dispatch.h"
#include "foundation/SkipOnError.h"

namespace vorn {

void vornButton::DrawContent(const ColorScheme& scheme, bool enabled) {
  Ref<Font> font = UserControl().GetFont();
  // The icon and the caption both lay out by the picture size: read it once per repaint.
  const IconMetrics m = HasIcon() ? ReadMetrics() : IconMetrics{};
  DrawButtonIcon(0, !enabled, m);
  DrawButtonCaption(font, Caption_, enabled ? scheme[8] : scheme[7], 0, m);
}

vornButton::IconMetrics vornButton::ReadMetrics() const {
  IconMetrics m;
  SkipOnError([&] { m.IW = GetMember(*Imagelist_, "ImageWidth").ToLong(); });
  SkipOnError([&] { m.IH = GetMember(*Imagelist_, "ImageHeight").ToLong(); });
  return m;
}

void vornButton::DrawButtonIcon(int16_t offset, bool mono, const IconMetrics& m) {
  if (!HasIcon()) return;
  Surface& s = UserControl();
  const float SW = s.ScaleWidth();
  const float SH = s.ScaleHeight();
  float thI = 0;
  SkipOnError([&] { thI = s.TextHeight("I"); });
  int16_t x = 0;
  int16_t y = 0;
  if (Caption_.empty()) {
    SkipOnError([&] { x = CheckedInteger(int64_t{offset} + Fix(SW / 2.0 - m.IW / 2.0)); });
    SkipOnError([&] { y = CheckedInteger(int64_t{offset} + Fix(SH / 2.0 - m.IH / 2.0)); });
  } else if (m.IH + 1.7 * thI > SH - 6) {
    SkipOnError([&] { x = CheckedInteger(int64_t{offset} + 12); });
    SkipOnError([&] { y = CheckedInteger(int64_t{offset} + Fix(SH / 2.0 - m.IH / 2.0)); });
  } else {
    SkipOnError([&] { x = CheckedInteger(int64_t{offset} + Fix(SW / 2.0 - m.IW / 2.0)); });
    SkipOnError([&] { y = CheckedInteger(int64_t{offset} + Fix(SH / 2.0 - (m.IH + thI + 5) / 2.0)); });
  }
  SkipOnError([&] {
    Variant index(ImageIndex_);
    Variant image = InvokeMember(*Imagelist_, "ListImages", kGet | kMethod, std::span<Variant>(&index, 1));
    Object* entry = image.ObjectValue();
    if (!entry) Raise(errObjectRequired);
    Ref<Picture> icon = RefCast<Picture>(GetMember(*entry, "ExtractIcon").ToObject());
    if (!icon) Raise(errTypeMismatch);
    s.hDC().DrawState(icon.get(), x, y, m.IW, m.IH, mono ? (DST_ICON | DSS_MONO) : DST_ICON);
  });
}

void vornButton::DrawButtonCaption(const Ref<Font>& font, const std::string& text, Color colour, int16_t offset,
                                   const IconMetrics& m) {
  Surface& s = UserControl();
  s.SetFont(font);
  const float SW = s.ScaleWidth();
  const float SH = s.ScaleHeight();
  float TW = 0, TH = 0, thI = 0;
  SkipOnError([&] { TW = s.TextWidth(text); });
  SkipOnError([&] { TH = s.TextHeight(text); });
  if (!HasIcon()) {
    SkipOnError([&] { s.SetCurrentX(static_cast<float>(Fix(SW / 2.0 - TW / 2.0) + offset)); });
    SkipOnError([&] { s.SetCurrentY(static_cast<float>(Fix(SH / 2.0 - TH / 2.0) + offset)); });
  } else {
    SkipOnError([&] { thI = s.TextHeight("I"); });
    if (m.IH + 1.7 * thI > SH - 6) {
      SkipOnError([&] { s.SetCurrentX(static_cast<float>(Fix(m.IW + 24.0) + offset)); });
      SkipOnError([&] { s.SetCurrentY(static_cast<float>(Fix(SH / 2.0 - TH / 2.0) + offset)); });
    } else {
      SkipOnError([&] { s.SetCurrentX(static_cast<float>(Fix(SW / 2.0 - TW / 2.0) + offset)); });
      SkipOnError([&] { s.SetCurrentY(static_cast<float>(Fix(SH / 2.0 - (m.IH + thI + 5) / 2.0 + m.IH + 5) + offset)); });
    }
  }
  s.SetForeColor(colour);
  SkipOnError([&] { s.Print(text); });
}

}  // namespace vorn
