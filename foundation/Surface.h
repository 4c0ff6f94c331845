#pragma once
#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "foundation/DeviceContext.h"
#include "foundation/Font.h"
#include "foundation/Geometry.h"
#include "foundation/SurfaceEvents.h"
#include "foundation/Variant.h"

namespace vorn {

using WindowHandle = uint32_t;  // 0 = no window

class Surface;
/// Paints a picture with its origin at (x, y) from nothing but key (see Surface::PaintKept).
using KeptDrawing = void (*)(Surface& s, int32_t x, int32_t y, std::span<const uint32_t> key);

/// A drawing surface that keeps its picture until drawn over: a control's own surface or an inner
/// picture surface. Drawing is in pixels from the top-left corner; outer sizes are in twips.
class Surface {
 public:
  virtual ~Surface() = default;

  // Inner size in pixels.
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;

  // Outer position and size in twips (of the container, or of the screen for a top-level window).
  virtual int32_t Left() const = 0;
  virtual int32_t Top() const = 0;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  virtual void Move(int32_t left, int32_t top, int32_t width, int32_t height) = 0;
  void SetWidth(int32_t twips) { Move(Left(), Top(), twips, Height()); }
  void SetHeight(int32_t twips) { Move(Left(), Top(), Width(), twips); }
  void SetLeft(int32_t twips) { Move(twips, Top(), Width(), Height()); }
  void SetTop(int32_t twips) { Move(Left(), twips, Width(), Height()); }
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;

  virtual DeviceContext& hDC() = 0;
  virtual WindowHandle hWnd() const = 0;

  // Drawing.
  virtual void Cls() = 0;
  virtual Color BackColor() const = 0;
  /// Setting the back colour also fills the surface with it.
  virtual void SetBackColor(Color c) = 0;
  virtual Color ForeColor() const = 0;
  virtual void SetForeColor(Color c) = 0;
  /// One-pixel line, end point excluded.
  virtual void Line(float x1, float y1, float x2, float y2, Color c) = 0;
  virtual void PSet(float x, float y, Color c) = 0;
  /// The pixel at (x, y) as &HBBGGRR (0 outside the surface).
  virtual Color Point(int32_t x, int32_t y) const = 0;
  virtual float CurrentX() const = 0;
  virtual float CurrentY() const = 0;
  virtual void SetCurrentX(float x) = 0;
  virtual void SetCurrentY(float y) = 0;
  /// Draws text at (CurrentX, CurrentY) in Font and ForeColor, background untouched; then moves
  /// the text position to the start of the next line.
  virtual void Print(std::string_view text) = 0;
  virtual float TextWidth(std::string_view text) = 0;
  virtual float TextHeight(std::string_view text) = 0;
  /// Print at each of the offsets (dx, dy) from (CurrentX, CurrentY) in order in colour halo, then
  /// once in ForeColor at the position itself: a caption with a halo. The text position ends as
  /// the last Print leaves it. Hosts may do it in one pass; the pixels are those of the Prints.
  virtual void PrintWithHalo(std::string_view text, Color halo, std::span<const PointL> offsets);
  /// draw(*this, x, y, key): a picture of opaque lines, pixels and gradient rectangles within
  /// bounds (relative to (x, y)) that depends on key alone, changes nothing but pixels and reads
  /// none back. Hosts may paint it once per key and copy its pixels from then on, as a glyph is
  /// rendered once; the pixels are those draw paints.
  virtual void PaintKept(KeptDrawing draw, std::span<const uint32_t> key, int32_t x, int32_t y, const RectL& bounds) {
    (void)bounds;
    draw(*this, x, y, key);
  }

  // Painting part of a surface. A control may paint only what changed, or only what can be seen,
  // and leave the other pixels as they are.
  /// The part of the surface a screen can show, in its pixels (right and bottom exclusive),
  /// whether the surface is visible now or not; the whole surface unless the host knows better.
  /// Only a move or resize of the surface (or of the screen) changes it.
  virtual RectL Exposed() const {
    return RectL{0, 0, static_cast<int32_t>(std::ceil(ScaleWidth())), static_cast<int32_t>(std::ceil(ScaleHeight()))};
  }
  /// Confines every drawing operation, Cls included, to r (pixels, right and bottom exclusive)
  /// until Unclip; true when it did. A surface that cannot answers false, and the caller then
  /// paints everything.
  virtual bool ClipTo(const RectL& r) {
    (void)r;
    return false;
  }
  virtual void Unclip() {}

  // Font: a shared object; FontBold/FontName/FontSize change that object.
  virtual Ref<Font> GetFont() const = 0;
  virtual void SetFont(Ref<Font> font) = 0;
  bool FontBold() const { return GetFont()->Bold(); }
  void SetFontBold(bool bold) { GetFont()->SetBold(bold); }
  std::string FontName() const { return GetFont()->Name(); }
  void SetFontName(std::string name) { GetFont()->SetName(std::move(name)); }
  float FontSize() const { return GetFont()->Size(); }
  void SetFontSize(float size) { GetFont()->SetSize(size); }

  /// A disabled surface gets no mouse or keyboard input.
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;

  /// Handler of the surface's input (for inner picture surfaces; a control's own surface
  /// delivers to the control).
  virtual void SetEventHandler(SurfaceEvents* handler) = 0;
};

}  // namespace vorn
