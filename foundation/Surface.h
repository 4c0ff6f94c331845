#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/DeviceContext.h"
#include "foundation/Font.h"
#include "foundation/SurfaceEvents.h"
#include "foundation/Variant.h"

namespace vorn {

using WindowHandle = uint32_t;  // 0 = no window

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
