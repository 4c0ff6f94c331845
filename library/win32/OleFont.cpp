#include "library/win32/OleFont.h"

#include "library/com/ComPlatform.h"
#include "library/win32/Utf16.h"

namespace vorn {

Ref<Font> FontFromOle(IUnknown* unknown) {
  IFont* font = nullptr;
  if (!unknown || FAILED(unknown->lpVtbl->QueryInterface(unknown, IID_IFont, reinterpret_cast<void**>(&font))) ||
      !font) {
    return nullptr;
  }
  BSTR name = nullptr;
  CY size{};
  BOOL bold = FALSE, italic = FALSE, underline = FALSE, strike = FALSE;
  font->lpVtbl->get_Name(font, &name);
  font->lpVtbl->get_Size(font, &size);
  font->lpVtbl->get_Bold(font, &bold);
  font->lpVtbl->get_Italic(font, &italic);
  font->lpVtbl->get_Underline(font, &underline);
  font->lpVtbl->get_Strikethrough(font, &strike);
  font->lpVtbl->Release(font);
  Ref<Font> copy = MakeRef<Font>(BstrText(name), static_cast<float>(size.int64) / 10000.0f, bold != 0);
  SysFreeString(name);
  copy->SetItalic(italic != 0);
  copy->SetUnderline(underline != 0);
  copy->SetStrikethrough(strike != 0);
  return copy;
}

IDispatch* NewOleFont(const Font& font) {
  std::wstring name = Utf16(font.Name());
  FONTDESC desc{};
  desc.cbSizeofstruct = sizeof desc;
  desc.lpstrName = name.data();
  desc.cySize.int64 = static_cast<LONGLONG>(font.Size() * 10000.0f + 0.5f);
  desc.sWeight = font.Bold() ? FW_BOLD : FW_NORMAL;
  desc.sCharset = DEFAULT_CHARSET;
  desc.fItalic = font.Italic();
  desc.fUnderline = font.Underline();
  desc.fStrikethrough = font.Strikethrough();
  IDispatch* made = nullptr;
  if (FAILED(OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&made)))) return nullptr;
  return made;
}

}  // namespace vorn
