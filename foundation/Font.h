#pragma once
#include <string>

#include "foundation/Object.h"

namespace vorn {

/// The standard font object: shared by reference between a control's surface, the ambient
/// properties and hosts. Text engines key their caches on (Name, Size, Bold, Italic).
class Font : public Object {
 public:
  Font() = default;
  Font(std::string name, float size, bool bold = false) : name_(std::move(name)), size_(size), bold_(bold) {}

  const std::string& Name() const noexcept { return name_; }
  void SetName(std::string name) { name_ = std::move(name); ++revision_; }
  float Size() const noexcept { return size_; }
  void SetSize(float size) { size_ = size; ++revision_; }
  bool Bold() const noexcept { return bold_; }
  void SetBold(bool bold) { if (bold != bold_) { bold_ = bold; ++revision_; } }
  bool Italic() const noexcept { return italic_; }
  void SetItalic(bool italic) { italic_ = italic; ++revision_; }
  bool Underline() const noexcept { return underline_; }
  void SetUnderline(bool v) { underline_ = v; ++revision_; }
  bool Strikethrough() const noexcept { return strikethrough_; }
  void SetStrikethrough(bool v) { strikethrough_ = v; ++revision_; }

  /// Grows on every change, so a cache can tell cheaply whether its resolved face is current.
  uint32_t Revision() const noexcept { return revision_; }

  Ref<Font> Clone() const;
  bool SameLook(const Font& o) const noexcept;

  const ClassInfo& Class() const override;

  // Automation accessors (the member table binds these).
  std::string get_Name() const { return name_; }
  void put_Name(std::string v) { SetName(std::move(v)); }
  float get_Size() const { return size_; }
  void put_Size(float v);
  bool get_Bold() const { return bold_; }
  void put_Bold(bool v) { SetBold(v); }
  bool get_Italic() const { return italic_; }
  void put_Italic(bool v) { SetItalic(v); }
  bool get_Underline() const { return underline_; }
  void put_Underline(bool v) { SetUnderline(v); }
  bool get_Strikethrough() const { return strikethrough_; }
  void put_Strikethrough(bool v) { SetStrikethrough(v); }

 private:
  std::string name_ = "DejaVu Sans";
  float size_ = 8.0f;
  bool bold_ = false;
  bool italic_ = false;
  bool underline_ = false;
  bool strikethrough_ = false;
  uint32_t revision_ = 0;
};

}  // namespace vorn
