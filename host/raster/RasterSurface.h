#pragma once
#include <array>
#include <vector>

#include "foundation/Surface.h"
#include "host/pixels/PixelBuffer.h"
#include "host/raster/KeptPicture.h"
#include "host/raster/LazyClear.h"
#include "host/raster/PrintMemo.h"
#include "host/text/FontFace.h"

namespace vorn {

/// The drawing half of a surface, on a pixel buffer: Cls, colours, lines, pixels, text and the
/// device context's gradient and icon calls. Hosts derive from it and add the window half
/// (position, visibility, enabled state, input).
///
/// Real coordinates become pixels by rounding halves up (floor(v + 0.5)), so lines placed on
/// half pixels, such as a thumb's grip lines, stay evenly spaced.
///
/// Most repaints draw the same picture again, and three things make that cheap: Cls waits until
/// something needs its pixels (LazyClear), prints over the pixels they were printed over before
/// paste what they gave then (PrintMemo), and the pictures of PaintKept are KeptPictures (the
/// last 8 kept).
class RasterSurface : public Surface, public DeviceContext {
 public:
  RasterSurface(int32_t widthPx, int32_t heightPx, Ref<Font> font);

  const PixelBuffer& Pixels() const noexcept {
    clear_.Finish(pixels_);
    return pixels_;
  }
  /// Changes the pixel size; the picture is cleared to the back colour.
  void ResizePixels(int32_t widthPx, int32_t heightPx);
  /// Raises error 7 for a window size beyond the hosts' limits (foundation/Limits.h). A control sizes
  /// its popup from its content: a menu of long captions and many rows would ask for gigabytes.
  static void CheckWindowSize(int32_t widthPx, int32_t heightPx);

  float ScaleWidth() const override { return static_cast<float>(pixels_.Width()); }
  float ScaleHeight() const override { return static_cast<float>(pixels_.Height()); }
  DeviceContext& hDC() override { return *this; }

  void Cls() override;
  Color BackColor() const override { return backColor_; }
  void SetBackColor(Color c) override;
  Color ForeColor() const override { return foreColor_; }
  void SetForeColor(Color c) override { foreColor_ = c; }
  void Line(float x1, float y1, float x2, float y2, Color c) override;
  void PSet(float x, float y, Color c) override;
  Color Point(int32_t x, int32_t y) const override { return Pixels().Get(x, y); }
  float CurrentX() const override { return currentX_; }
  float CurrentY() const override { return currentY_; }
  void SetCurrentX(float x) override { currentX_ = x; }
  void SetCurrentY(float y) override { currentY_ = y; }
  void Print(std::string_view text) override;
  float TextWidth(std::string_view text) override;
  float TextHeight(std::string_view text) override;
  void PrintWithHalo(std::string_view text, Color halo, std::span<const PointL> offsets) override;
  void PaintKept(KeptDrawing draw, std::span<const uint32_t> key, int32_t x, int32_t y, const RectL& bounds) override;
  Ref<Font> GetFont() const override { return font_; }
  void SetFont(Ref<Font> font) override;

  bool ClipTo(const RectL& r) override;
  void Unclip() override;

  bool GradientFill(const TriVertex* vertices, uint32_t vertexCount, const GradientRectIndex* rects,
                    uint32_t rectCount, uint32_t mode) override;
  bool DrawState(const Picture* icon, int32_t x, int32_t y, int32_t cx, int32_t cy, uint32_t flags) override;

  /// The colour of icons drawn in mono mode.
  static constexpr Color kMonoIconColor = 0x6D6D6D;

 protected:
  /// Hook for hosts that track what changed (the desktop host repaints only dirty surfaces).
  virtual void Touched() {}

 private:
  FontFace& Face();
  static int32_t Pixel(float v) noexcept {
    const float r = v + 0.5f;
    if (!(r > -1e9f && r < 1e9f)) return r < 0 ? -1000000000 : 1000000000;
    // floor(r), without a call to the C library: truncation, one less for a negative fraction.
    const auto t = static_cast<int32_t>(r);
    return static_cast<float>(t) > r ? t - 1 : t;
  }
  /// Pixel of four values at once: a line's two end points, or a pixel's point twice.
  static void PixelsOf(float a, float b, float c, float d, int32_t (&out)[4]) noexcept;
  /// After drawing anywhere.
  void Drawn() {
    clear_.ForgetFresh(pixels_);
    uniform_ = false;
    Touched();
  }
  /// After drawing within rows [top, bottom).
  void DrawnRows(int32_t top, int32_t bottom) {
    clear_.CutFresh(top, bottom);
    uniform_ = false;
    Touched();
  }
  /// Before drawing within rows [top, bottom): what a Cls left to clear there is cleared.
  void Prepare(int32_t top, int32_t bottom) { clear_.Prepare(pixels_, top, bottom); }

  /// Print and PrintWithHalo (halo and offsets unused for a plain Print).
  void PrintText(std::string_view text, Color halo, std::span<const PointL> offsets);

  mutable PixelBuffer pixels_;
  mutable LazyClear clear_;
  Ref<Font> font_;
  const Font* faceFont_ = nullptr;
  uint32_t faceRevision_ = 0;
  FontFace* face_ = nullptr;
  bool uniform_ = true;  // every pixel is uniformColor_ (once the pending clear is done)
  Color uniformColor_ = 0xFFFFFF;
  Color backColor_ = 0xFFFFFF;
  Color foreColor_ = 0;
  float currentX_ = 0;
  float currentY_ = 0;
  PrintMemo prints_;
  // A picture of PaintKept: worked out the first time, copied from then on.
  struct KeptMemo {
    KeptDrawing draw = nullptr;  // null: holds nothing
    std::vector<uint32_t> key;
    RectL bounds{};
    bool kept = false;  // false: painted plainly every time
    KeptPicture picture;
  };
  static constexpr size_t kKeptKey = 32;  // words of a key, at most
  std::array<KeptMemo, 8> kept_;
  size_t nextKept_ = 0;
};

/// Colour of a surface for the pixel primitives: system colour references are translated.
inline Color PaintColor(Color c) noexcept { return TranslateColor(c) & 0xFFFFFF; }

}  // namespace vorn
