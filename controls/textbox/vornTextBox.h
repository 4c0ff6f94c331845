#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "controls/ColouredControl.h"
#include "foundation/ColorScheme.h"

namespace vorn {

/// A hand-painted text field: the buttons' glass face (flat in its top half) and, in the top-left
/// corner, the characters typed into it. Typing printable characters appends them; Backspace (or
/// code 127) empties the typed text. The text-box properties (Text, SelStart, PasswordChar, ...)
/// are stored, persisted and returned, and every setter repaints, but only BackColor, ForeColor
/// and SelectionColor change the picture. Text and the typed text are independent. It keeps no
/// caret and no selection, raises none of its declared events, and does not repaint on resize.
class vornTextBox final : public ClassOf<vornTextBox, ColouredControl<kNoSurfaceProperties>> {
 public:
  explicit vornTextBox(ControlSite& site) : ClassOf(site) {}
  static const ClassInfo& StaticClass();

  // Each let is the property table's (vornTextBoxMembers.cpp): store, mark, repaint.
  bool get_Enabled() const { return Enabled_; }
  void put_Enabled(bool enabled) { Let(Enabled_, enabled); }
  Ref<Font> get_Font() const { return Font_; }
  void putref_Font(Ref<Font> font) { Let(Font_, std::move(font)); }
  Color get_SelectionColor() const { return SelectionColor_; }
  void put_SelectionColor(Color c) { Let(SelectionColor_, c); }
  int16_t get_Alignment() const { return Alignment_; }
  void put_Alignment(int16_t v) { Let(Alignment_, v); }
  int16_t get_SelStart() const { return SelStart_; }
  void put_SelStart(int16_t v) { Let(SelStart_, v); }
  int16_t get_SelLenght() const { return SelLenght_; }
  void put_SelLenght(int16_t v) { Let(SelLenght_, v); }
  Variant get_Text() const { return Text_; }
  void put_Text(Variant v) { Let(Text_, std::move(v)); }
  bool get_PasswordChar() const { return PasswordChar_; }
  void put_PasswordChar(bool v) { Let(PasswordChar_, v); }
  bool get_MultiLine() const { return MultiLine_; }
  void put_MultiLine(bool v) { Let(MultiLine_, v); }
  int16_t get_Scrollbars() const { return Scrollbars_; }
  void put_Scrollbars(int16_t v) { Let(Scrollbars_, v); }
  Color get_TabSelectColor() const { return TabSelectColor_; }
  void put_TabSelectColor(Color c) { Let(TabSelectColor_, c); }

  void UserControl_KeyPress(int16_t& KeyAscii) override;

  /// The characters typed so far (UTF-8), as drawn.
  const std::string& TypedText() const noexcept { return typed_; }
  const ColorScheme& Scheme() const noexcept { return Scheme_; }

  void RedrawTextBox();

 private:
  struct Members;  // the member table (vornTextBoxMembers.cpp)

  std::string_view ShowablePart();

  Color TabSelectColor_ = 0x96E7;
  bool Enabled_ = false;
  Ref<Font> Font_;
  Color SelectionColor_ = 0x80FF;
  int16_t Alignment_ = 0;
  int16_t SelStart_ = 0;
  int16_t SelLenght_ = 0;
  Variant Text_;
  bool PasswordChar_ = false;
  bool MultiLine_ = false;
  int16_t Scrollbars_ = 0;
  ColorScheme Scheme_{};
  std::string typed_;
  // The typed text's prefix beyond which nothing can show (npos: not known yet), valid for the
  // surface width and the font revision it was found with.
  std::size_t showable_ = std::string::npos;
  float showWidth_ = -1;
  Ref<Font> showFont_;  // held, so that a new font cannot take its address
  uint32_t showRevision_ = 0;
};

}  // namespace vorn
