#include <gtest/gtest.h>

#include "controls/textbox/vornTextBox.h"
#include "foundation/Dispatch.h"
#include "support/ControlHarness.h"
#include "support/TestSurface.h"

namespace vorn {
namespace {

using TextBoxHarness = test::Harness<vornTextBox>;
using test::MemoryPropertyBag;
using test::SamePicture;

void Type(TextBoxHarness& t, std::initializer_list<int16_t> codes) {
  for (int16_t c : codes) t.host.KeyPress(c);
}

TEST(TextBoxFace, NewBoxShowsAFlatTopHalfAndNoTextAlthoughTextIsTheName) {
  TextBoxHarness t(120, 24);
  const ColorScheme s = PaletteNormal(0xFFFFFF, 0xC00000, 0x80FF);
  EXPECT_EQ(t->Scheme(), s);
  EXPECT_EQ(t->get_Text().ToString(), "Control1");
  EXPECT_EQ(t->TypedText(), "");
  // Entry 2 from row 0 to the middle row (the buttons would blend toward entry 3 there).
  EXPECT_EQ(t.Pixel(0, 0), s[2]);
  EXPECT_EQ(t.Pixel(60, 6), s[2]);
  EXPECT_EQ(t.Pixel(60, 12), s[2]);
  EXPECT_EQ(t.Pixel(1, 0), s[5]);
  EXPECT_EQ(t.Pixel(5, 23), s[7]);
  EXPECT_NE(t.Pixel(60, 20), s[2]);  // the lower half runs toward entry 4
}

TEST(TextBoxTyping, BackspaceEmptiesTheTypedTextAndTextStaysTheSame) {
  TextBoxHarness t(120, 24);
  t.host.SetFocus(&t.Window());
  Type(t, {'A', 'B'});
  EXPECT_EQ(t->TypedText(), "AB");
  Type(t, {8, 'C'});
  EXPECT_EQ(t->TypedText(), "C");
  EXPECT_EQ(t->get_Text().ToString(), "Control1");
  EXPECT_EQ(t.log.lines.size(), 0u);  // declared events are never raised

  TextBoxHarness only(120, 24);
  only.host.SetFocus(&only.Window());
  Type(only, {'C'});
  EXPECT_TRUE(SamePicture(t.Window().Pixels(), only.Window().Pixels()));
  Type(t, {127});
  EXPECT_EQ(t->TypedText(), "");
}

TEST(TextBoxTyping, CodesAbove127AreCodePage1252AndOthersAreIgnored) {
  TextBoxHarness t(120, 24);
  t.host.SetFocus(&t.Window());
  Type(t, {128, 233, 31, 256, -3, 13, 9});
  EXPECT_EQ(t->TypedText(), "\xE2\x82\xAC\xC3\xA9");  // the euro sign and e acute
}

TEST(TextBoxTyping, EnterAndTabChangeNothingButRepaint) {
  TextBoxHarness t(120, 24);
  t.host.SetFocus(&t.Window());
  Type(t, {'x'});
  const PixelBuffer before = t.Window().Pixels();
  t.Window().PSet(60, 12, 0x0000FF);  // a mark only a repaint removes
  Type(t, {13});
  EXPECT_TRUE(SamePicture(t.Window().Pixels(), before));
  t.Window().PSet(60, 12, 0x0000FF);
  Type(t, {9});
  EXPECT_TRUE(SamePicture(t.Window().Pixels(), before));
  EXPECT_EQ(t->TypedText(), "x");
}

// A repaint prints only the part of the typed text that can show: a long text and its first
// characters draw the same picture, also after the font shrinks so that more of them show.
TEST(TextBoxTyping, ALongTextDrawsWhatItsFirstCharactersDraw) {
  const std::string pattern = "Wij\xE9";  // wide, with a reach to the left, and a two-byte character
  auto typeChars = [&](TextBoxHarness& box, size_t count) {
    box.host.SetFocus(&box.Window());
    for (size_t i = 0; i < count; ++i) box.host.KeyPress(static_cast<uint8_t>(pattern[i % pattern.size()]));
  };
  TextBoxHarness t(120, 24);
  TextBoxHarness start(120, 24);
  typeChars(t, 3000);
  typeChars(start, 40);
  EXPECT_EQ(t->TypedText().size(), 3750u);
  EXPECT_TRUE(SamePicture(t.Window().Pixels(), start.Window().Pixels()));
  for (TextBoxHarness* box : {&t, &start}) {
    box->Window().GetFont()->SetSize(3);
    box->control->RedrawTextBox();
  }
  EXPECT_FALSE(SamePicture(t.Window().Pixels(), start.Window().Pixels()));  // more of the long text shows
  TextBoxHarness smallStart(120, 24);
  smallStart.Window().GetFont()->SetSize(3);
  typeChars(smallStart, 200);
  EXPECT_TRUE(SamePicture(t.Window().Pixels(), smallStart.Window().Pixels()));
}

TEST(TextBoxProperties, StoredOnlyPropertiesRepaintTheSamePicture) {
  std::vector<std::string> changed;
  TextBoxHarness t(120, 24);
  t.ambient->propertyChanged = [&](const std::string&, std::string_view p) { changed.emplace_back(p); };
  const PixelBuffer before = t.Window().Pixels();
  t.Window().PSet(60, 12, 0x0000FF);
  LetMember(*t.control, "Text", Variant("Hello"));
  EXPECT_TRUE(SamePicture(t.Window().Pixels(), before));
  t.Window().PSet(60, 12, 0x0000FF);
  LetMember(*t.control, "PasswordChar", Variant(true));
  EXPECT_TRUE(SamePicture(t.Window().Pixels(), before));
  t.Window().PSet(60, 12, 0x0000FF);
  LetMember(*t.control, "MultiLine", Variant(true));
  EXPECT_TRUE(SamePicture(t.Window().Pixels(), before));
  EXPECT_EQ(changed, (std::vector<std::string>{"Text", "PasswordChar", "MultiLine"}));
  EXPECT_EQ(GetMember(*t.control, "Text").ToString(), "Hello");
  // Enabled is stored only: the surface still takes input.
  t->put_Enabled(false);
  EXPECT_TRUE(t.Window().Enabled());
  // SelectionColor feeds only the scheme's entries 9 to 11, which the face does not use.
  LetMember(*t.control, "SelectionColor", Variant(int32_t{0x00FF00}));
  EXPECT_EQ(t->Scheme(), PaletteNormal(0xFFFFFF, 0xC00000, 0x00FF00));
}

TEST(TextBoxProperties, AResizeDoesNotRepaint) {
  TextBoxHarness t(120, 24);
  t.Window().Move(t.Window().Left(), t.Window().Top(), 150 * 15, 30 * 15);
  EXPECT_EQ(t.Pixel(0, 0), 0xFFFFFFu);  // the surface's back colour, no glass
  EXPECT_EQ(t.Pixel(1, 0), 0xFFFFFFu);
}

const std::vector<std::string> kBagOrder{"BackColor", "ForeColor", "Enabled",      "Font",      "SelectionColor",
                                         "Alignment", "SelStart",  "SelLenght",    "Text",      "PasswordChar",
                                         "MultiLine", "Scrollbars", "TabSelectColor"};

TEST(TextBoxPersistence, ThirteenNamesInOrderWithEnabledDefaultingToTheInteger0) {
  MemoryPropertyBag in;
  TextBoxHarness t(120, 24, &in);
  EXPECT_EQ(in.reads, kBagOrder);
  EXPECT_EQ(in.defaults["Enabled"].Type(), VarType::Integer);
  EXPECT_EQ(in.defaults["Enabled"].ToInteger(), 0);
  EXPECT_EQ(in.defaults["SelectionColor"].ToColor(), 0x80FFu);
  EXPECT_EQ(in.defaults["TabSelectColor"].ToColor(), 0x96E7u);
  EXPECT_EQ(in.defaults["Text"].ToString(), "Control1");
  EXPECT_FALSE(t->get_Enabled());
  MemoryPropertyBag out;
  t->UserControl_WriteProperties(out);
  EXPECT_EQ(out.writes, kBagOrder);
  EXPECT_EQ(out.defaults["Enabled"].Type(), VarType::Integer);
}

TEST(TextBoxPersistence, StoredValuesComeBackAndABadOneKeepsItsDefault) {
  MemoryPropertyBag in;
  in.stored["Text"] = Variant(int32_t{42});  // a Variant property keeps any type
  in.stored["Enabled"] = Variant(int16_t{-1});
  in.stored["Alignment"] = Variant("centre");
  in.stored["SelLenght"] = Variant(int16_t{7});
  in.stored["MultiLine"] = Variant(true);
  TextBoxHarness t(120, 24, &in);
  EXPECT_EQ(in.bad, std::vector<std::string>{"Alignment"});
  EXPECT_EQ(t->get_Text().Type(), VarType::Long);
  EXPECT_EQ(t->get_Text().ToLong(), 42);
  EXPECT_TRUE(t->get_Enabled());
  EXPECT_EQ(t->get_Alignment(), 0);
  EXPECT_EQ(t->get_SelLenght(), 7);
  EXPECT_TRUE(t->get_MultiLine());
  MemoryPropertyBag out;
  t->UserControl_WriteProperties(out);
  EXPECT_EQ(out.stored["SelLenght"].ToInteger(), 7);
  EXPECT_EQ(out.stored["Text"].ToLong(), 42);
}

}  // namespace
}  // namespace vorn
