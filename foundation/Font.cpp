#include "foundation/Font.h"

#include "foundation/MemberBinding.h"

namespace vorn {

Ref<Font> Font::Clone() const {
  Ref<Font> f = MakeRef<Font>(name_, size_, bold_);
  f->italic_ = italic_;
  f->underline_ = underline_;
  f->strikethrough_ = strikethrough_;
  return f;
}

bool Font::SameLook(const Font& o) const noexcept {
  return name_ == o.name_ && size_ == o.size_ && bold_ == o.bold_ && italic_ == o.italic_ &&
         underline_ == o.underline_ && strikethrough_ == o.strikethrough_;
}

void Font::put_Size(float v) {
  if (!(v > 0.0f && v <= 2048.0f)) Raise(errInvalidProcedureCall, "Invalid font size");
  SetSize(v);
}

namespace {
// The standard font interface's identifiers.
const MemberInfo kFontMembers[] = {
    {"Name", 0, kGet | kLet, "String", {}, &PropertyThunk<&Font::get_Name, &Font::put_Name>},
    {"Size", 2, kGet | kLet, "Single", {}, &PropertyThunk<&Font::get_Size, &Font::put_Size>},
    {"Bold", 3, kGet | kLet, "Boolean", {}, &PropertyThunk<&Font::get_Bold, &Font::put_Bold>},
    {"Italic", 4, kGet | kLet, "Boolean", {}, &PropertyThunk<&Font::get_Italic, &Font::put_Italic>},
    {"Underline", 5, kGet | kLet, "Boolean", {}, &PropertyThunk<&Font::get_Underline, &Font::put_Underline>},
    {"Strikethrough", 6, kGet | kLet, "Boolean", {},
     &PropertyThunk<&Font::get_Strikethrough, &Font::put_Strikethrough>},
};
const ClassInfo kFontClass{"StdFont", kFontMembers};
}  // namespace

const ClassInfo& Font::Class() const { return kFontClass; }

}  // namespace vorn
