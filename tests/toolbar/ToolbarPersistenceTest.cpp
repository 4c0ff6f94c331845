#include <gtest/gtest.h>

#include "ToolbarFixture.h"
#include "foundation/Dispatch.h"
#include "support/ErrorOf.h"

namespace vorn {
namespace {

using test::MemoryPropertyBag;
using test::ToolbarFixture;

const std::vector<std::string> kBagOrder{"BackColor", "ForeColor", "SelectionColor", "MenuImageList",
                                         "Imagelist", "Enabled",   "Font"};

TEST(ToolbarPersistence, ReadsAndWritesTheSevenNamesInOrderWithTheirDefaults) {
  MemoryPropertyBag in;
  ToolbarFixture t(&in);
  EXPECT_EQ(in.reads, kBagOrder);
  EXPECT_EQ(in.defaults["BackColor"].ToColor(), 0xFFFFFFu);
  EXPECT_EQ(in.defaults["ForeColor"].ToColor(), 0xC00000u);
  EXPECT_EQ(in.defaults["SelectionColor"].ToColor(), 0x80FFu);
  EXPECT_FALSE(in.defaults["MenuImageList"].ToObject());
  EXPECT_FALSE(in.defaults["Imagelist"].ToObject());
  EXPECT_TRUE(in.defaults["Enabled"].ToBool());
  MemoryPropertyBag out;
  t->UserControl_WriteProperties(out);
  EXPECT_EQ(out.writes, kBagOrder);
  EXPECT_EQ(out.stored["SelectionColor"].ToColor(), 0x80FFu);
}

TEST(ToolbarPersistence, StoredValuesComeBackAndReachTheSurfaceAndTheMenu) {
  MemoryPropertyBag in;
  Ref<ImageList> icons = ToolbarFixture::SolidList(16, {0xFF});
  in.stored["BackColor"] = Variant(int32_t{0xE0FFE0});
  in.stored["SelectionColor"] = Variant(int32_t{0xFF0000});
  in.stored["MenuImageList"] = Variant(Ref<Object>(icons.get()));
  in.stored["Imagelist"] = Variant(Ref<Object>(icons.get()));
  in.stored["Enabled"] = Variant(false);
  in.stored["Font"] = Variant(MakeRef<Font>("DejaVu Sans", 10.0f));
  ToolbarFixture t(&in);
  EXPECT_EQ(t->get_BackColor(), 0xE0FFE0u);
  EXPECT_FALSE(t.Window().Enabled());
  EXPECT_EQ(t.Window().GetFont()->Size(), 10.0f);
  EXPECT_EQ(t.Window().ScaleHeight(), t.Window().TextHeight("I") + 14);  // taller than the images
  vornPUMenu& menu = t->vornPUMenu1();
  EXPECT_EQ(menu.get_BackColor(), 0xE0FFE0u);
  EXPECT_EQ(menu.get_SelectionColor(), 0xFF0000u);
  // A loaded toolbar's menus show the stored menu icons.
  EXPECT_EQ(menu.get_Imagelist().get(), icons.get());
  EXPECT_EQ(menu.IconColumnWidth(), 16 + 18);
}

TEST(ToolbarPersistence, AValueOfTheWrongTypeIsReportedAndTheDefaultKept) {
  MemoryPropertyBag in;
  in.stored["ForeColor"] = Variant("blue");
  in.stored["Imagelist"] = Variant(int32_t{3});
  in.stored["SelectionColor"] = Variant(int32_t{0xFF});
  ToolbarFixture t(&in);
  EXPECT_EQ(in.bad, (std::vector<std::string>{"ForeColor", "Imagelist"}));
  EXPECT_EQ(t->get_ForeColor(), 0xC00000u);
  EXPECT_FALSE(t->get_Imagelist());
  EXPECT_EQ(t->get_SelectionColor(), 0xFFu);
}

TEST(ToolbarProperties, SettersNotifyRepaintAndHandOnToTheMenu) {
  std::vector<std::string> changed;
  ToolbarFixture t;
  t.ambient->propertyChanged = [&](const std::string&, std::string_view p) { changed.emplace_back(p); };
  Ref<ImageList> icons = ToolbarFixture::SolidList(16, {0xFF});
  LetMember(*t, "BackColor", Variant(int32_t{0xFF}));
  EXPECT_EQ(t.Pixel(0, 0), BlendColor(0xFF, 0xC00000, 230));  // the strip's first glass colour
  LetMember(*t, "ForeColor", Variant(int32_t{0x8000}));
  LetMember(*t, "SelectionColor", Variant(int32_t{0x00FF00}));
  SetMember(*t, "MenuImageList", Variant(Ref<Object>(icons.get())));
  SetMember(*t, "Imagelist", Variant(Ref<Object>(icons.get())));
  LetMember(*t, "Enabled", Variant(true));
  SetMember(*t, "Font", Variant(MakeRef<Font>("DejaVu Serif", 9.0f)));
  EXPECT_EQ(changed, kBagOrder);
  vornPUMenu& menu = t->vornPUMenu1();
  EXPECT_EQ(menu.get_BackColor(), 0xFFu);
  EXPECT_EQ(menu.get_ForeColor(), 0x8000u);
  EXPECT_EQ(menu.get_SelectionColor(), 0x00FF00u);
  EXPECT_EQ(menu.get_Imagelist().get(), icons.get());
  EXPECT_EQ(menu.get_Font()->Name(), "DejaVu Serif");
  EXPECT_EQ(menu.get_Font()->Size(), 8.0f);  // only the name goes over
  EXPECT_EQ(test::ErrorOf([&] { SetMember(*t, "Font", Variant::Nothing()); }), errInvalidProcedureCall);
}

}  // namespace
}  // namespace vorn
