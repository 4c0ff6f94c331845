#pragma once
#include <array>
#include <string>
#include <vector>

#include "foundation/Surface.h"
#include "host/pixels/PixelBuffer.h"
#include "host/raster/HaloPlan.h"
#include "host/raster/KeptPicture.h"
#include "host/text/FontFace.h"

namespace vorn {

/// The drawing half of a surface, on a pixel buffer: Cls, colours, lines, pixels, text and the
/// device context's gradient and icon calls. Hosts derive from it and add the window half
/// (position, visibility, enabled state, input).
///
/// Real coordinates become pixels by rounding halves up (floor(v + 0.5)), so lines placed on
/// half pixels, such as a thumb's grip lines, stay evenly spaced.
///
/// Implementation notes. Every repaint starts with Cls and then mostly covers the surface with a
/// gradient, so Cls is carried out lazily: the part still to be cleared waits in pendingClear_,
/// a gradient rectangle that covers a whole side of it takes that side off, and anything else
/// (another primitive, Pixels, Point) clears what is left first. Short texts are kept with the
/// pixels they were printed over and what those became (the last 32 printed), so that a repaint
/// prints a caption again only over other pixels: most repaints draw the same picture again. A
/// caption with a halo printed again over other pixels is drawn from a HaloPlan of it (the last
/// 4 kept). The pictures of PaintKept are KeptPictures (the last 8 kept). The surface knows which
/// rows of the whole width a clear left one colour (the fresh rows), but for the prints pasted
/// there since: a kept print over them is pasted without looking, and the next Cls leaves those
/// prints in place as ghosts, which the same print at the same place takes as they are.
class RasterSurface : public Surface, public DeviceContext {
 public:
  RasterSurface(int32_t widthPx, int32_t heightPx, Ref<Font> font);

  const PixelBuffer& Pixels() const noexcept {
    if (HasPendingClear()) Settle();
    if (ghostCount_ > 0) ClearGhosts(kAllRows);
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
    ForgetFresh();
    uniform_ = false;
    Touched();
  }
  /// After drawing within rows [top, bottom).
  void DrawnRows(int32_t top, int32_t bottom) {
    fresh_.Cut(top, bottom);
    uniform_ = false;
    Touched();
  }
  /// Before drawing within rows [top, bottom): what a Cls left to clear there is cleared.
  void Prepare(int32_t top, int32_t bottom) {
    if (HasPendingClear()) Settle();
    if (ghostCount_ > 0 && top < ghostRows_.bottom && bottom > ghostRows_.top) ClearGhosts(RowSpan{top, bottom});
  }
  bool HasPendingClear() const noexcept {
    return pendingClear_.left < pendingClear_.right && pendingClear_.top < pendingClear_.bottom;
  }
  /// Clears what a Cls left to clear.
  void Settle() const noexcept;
  /// Takes a rectangle that is about to be painted over off the part still to be cleared: while
  /// what is left stays a rectangle it waits, otherwise it is cleared now.
  void Cover(const RectL& r) noexcept;

  /// Print and PrintWithHalo (halo and offsets unused for a plain Print).
  void PrintText(std::string_view text, Color halo, std::span<const PointL> offsets);
  // A recent print: what was printed where, and once it was printed there twice, the pixels of
  // its area before and after.
  struct PrintMemo {
    const FontFace* face = nullptr;  // null: holds nothing
    std::string text;
    int32_t x = 0, y = 0;
    Color fore = 0, halo = 0;
    RectL clip{};
    std::vector<PointL> offsets;
    bool kept = false;    // before and after hold its last print
    int32_t misses = 0;   // prints here in a row over other pixels than kept
    int32_t resting = 0;  // prints to draw plainly before keeping again
    RectL area{};
    std::vector<uint32_t> before, after;  // before empty when it was one colour:
    bool beforeUniform = false;           // beforeColor
    uint32_t beforeColor = 0;
  };
  static constexpr size_t kMemoText = 64;     // bytes of text printed through the memo, at most
  static constexpr int64_t kMemoArea = 8192;  // pixels of its area, at most
  static constexpr int32_t kMemoMisses = 2;    // misses in a row before a place rests
  static constexpr int32_t kMemoRest = 16;     // prints a place then draws plainly
  // A caption with its halo printed again, over other pixels: printed twice, it is worked out
  // once (HaloPlan) and drawn from that from then on.
  struct HaloMemo {
    const FontFace* face = nullptr;  // null: holds nothing
    std::string text;
    std::vector<PointL> offsets;
    Color fore = 0, halo = 0;
    enum class State { Seen, Planned, Plain } state = State::Seen;
    HaloPlan plan;
  };
  /// face.DrawRepeated, through a kept plan where there is one.
  void DrawHalo(FontFace& face, int32_t x, int32_t y, std::string_view text, Color halo,
                std::span<const PointL> offsets, Color fore);
  void CopyArea(const RectL& area, std::vector<uint32_t>& out) const;
  void PasteArea(const RectL& area, const std::vector<uint32_t>& in);
  /// Keeps the pixels of m's area as they are before its print.
  void KeepBefore(PrintMemo& m) const;
  /// Pastes m's pixels after its print if its area holds the pixels KeepBefore kept; false,
  /// changing nothing, if not.
  bool PasteIfSameBefore(const PrintMemo& m);

  // Rows of the whole width that hold one colour since a clear was done, but for the areas of
  // the prints pasted there since: a print kept over that colour is pasted there without looking.
  struct Pasted {
    RectL area;
    const PrintMemo* memo;  // whose after the area holds
  };
  struct Fresh {
    int32_t top = 0, bottom = 0;  // empty: knows nothing
    uint32_t color = 0;
    std::array<Pasted, 8> areas{};
    size_t pasted = 0;
    void Forget() noexcept { top = bottom = 0; }
    /// Whether every pixel of area is c.
    bool Holds(const RectL& area, uint32_t c) const noexcept;
    /// Rows [from, to) were drawn over.
    void Cut(int32_t from, int32_t to) noexcept;
  };

  // A print pasted into fresh rows that a Cls since has to clear. Its pixels are left as they are
  // until something needs them: printed there again, as every repaint does, it costs nothing.
  struct Ghost {
    RectL area;
    uint32_t color;  // what the Cls left there
    const PrintMemo* memo;
  };
  struct RowSpan {
    int32_t top, bottom;
  };
  static constexpr RowSpan kAllRows{INT32_MIN, INT32_MAX};
  /// Clears the ghosts that reach into rows.
  void ClearGhosts(RowSpan rows) const noexcept;
  /// Lets go of the fresh rows (clearing the ghosts, which need them no more than anything else).
  void ForgetFresh() const noexcept {
    if (ghostCount_ > 0) ClearGhosts(kAllRows);
    fresh_.Forget();
  }
  /// Notes that m's area, in the fresh rows, holds its print.
  void NotePasted(const PrintMemo& m) noexcept;
  /// Takes the ghost of m's last print at its place, whose pixels are those the print gives, when
  /// no other ghost reaches into it; false if there is none.
  bool TakeGhost(const PrintMemo& m) noexcept;

  mutable PixelBuffer pixels_;
  mutable Fresh fresh_;
  mutable std::array<Ghost, 8> ghosts_{};
  mutable size_t ghostCount_ = 0;
  mutable RowSpan ghostRows_{0, 0};  // the rows the ghosts reach into, or more
  mutable RectL pendingClear_{};  // empty when nothing waits
  Color pendingColor_ = 0;
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
  std::array<PrintMemo, 32> memos_;
  // Where each memo's text was printed, side by side: most prints find theirs by place alone.
  std::array<uint64_t, 32> memoPlaces_{};
  static uint64_t MemoPlace(int32_t x, int32_t y) noexcept {
    return uint64_t{static_cast<uint32_t>(x)} << 32 | static_cast<uint32_t>(y);
  }
  size_t nextMemo_ = 0;
  size_t lastMemo_ = 0;  // the last one found
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
  std::array<HaloMemo, 4> halos_;
  size_t nextHalo_ = 0;
  HaloPlan::Scratch haloScratch_;
};

/// Colour of a surface for the pixel primitives: system colour references are translated.
inline Color PaintColor(Color c) noexcept { return TranslateColor(c) & 0xFFFFFF; }

}  // namespace vorn
