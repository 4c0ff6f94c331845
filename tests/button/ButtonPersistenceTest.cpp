#include <gtest/gtest.h>

#include "controls/button/vornButton.h"
#include "foundation/Dispatch.h"
#include "support/ControlHarness.h"

namespace vorn {
namespace {

using ButtonHarness = test::Harness<vornButton>;
using test::MemoryPropertyBag;

const std::vector<std::string> kBagOrder{"BackColor", "ForeColor",      "Enabled",   "Font",
                                         "Caption",   "TabSelectColor", "ImageList", "ImageIndex"};

TEST(ButtonPersistence, ReadsAndWritesTheEightNamesInOrderWithTheirDefaults) {
  MemoryPropertyBag in;
  ButtonHarness b(100, 30, &in);
  EXPECT_EQ(in.reads, kBagOrder);
  EXPECT_EQ(in.defaults["BackColor"].ToColor(), 0xFFFFFFu);
  EXPECT_EQ(in.defaults["ForeColor"].ToColor(), 0xC00000u);
  EXPECT_TRUE(in.defaults["Enabled"].ToBool());
  EXPECT_EQ(in.defaults["Caption"].ToString(), "Control1");
  EXPECT_EQ(in.defaults["TabSelectColor"].ToColor(), 0x96E7u);
  EXPECT_EQ(in.defaults["ImageIndex"].ToInteger(), 0);
  MemoryPropertyBag out;
  b->UserControl_WriteProperties(out);
  EXPECT_EQ(out.writes, kBagOrder);
  EXPECT_EQ(out.stored["Caption"].ToString(), "Control1");
}

TEST(ButtonPersistence, StoredValuesComeBackAndEnabledAndFontGoToTheSurface) {
  MemoryPropertyBag in;
  in.stored["Caption"] = Variant("Go");
  in.stored["Enabled"] = Variant(false);
  in.stored["Font"] = Variant(MakeRef<Font>("DejaVu Sans", 10.0f, true));
  in.stored["BackColor"] = Variant(int32_t{0x00FFFF});
  ButtonHarness b(100, 30, &in);
  EXPECT_EQ(b->get_Caption(), "Go");
  EXPECT_FALSE(b.Window().Enabled());
  EXPECT_TRUE(b.Window().GetFont()->Bold());
  EXPECT_EQ(b->get_BackColor(), 0x00FFFFu);
}

TEST(ButtonPersistence, AValueOfTheWrongTypeIsReportedAndTheDefaultKept) {
  MemoryPropertyBag in;
  in.stored["BackColor"] = Variant("red");
  in.stored["ImageIndex"] = Variant(int32_t{40000});
  in.stored["Caption"] = Variant("Kept");
  ButtonHarness b(100, 30, &in);
  EXPECT_EQ(in.bad, (std::vector<std::string>{"BackColor", "ImageIndex"}));
  EXPECT_EQ(b->get_BackColor(), 0xFFFFFFu);
  EXPECT_EQ(b->get_ImageIndex(), 0);
  EXPECT_EQ(b->get_Caption(), "Kept");
}

TEST(ButtonProperties, SettersNotifyWithTheBagNamesAndRepaint) {
  std::vector<std::string> changed;
  ButtonHarness b(100, 30);
  b.ambient->propertyChanged = [&](const std::string&, std::string_view p) { changed.emplace_back(p); };
  LetMember(*b, "BackColor", Variant(int32_t{0xFF}));
  EXPECT_EQ(b.Pixel(0, 0), BlendColor(0xFF, 0xC00000, 230));
  LetMember(*b, "ForeColor", Variant(int32_t{0}));
  LetMember(*b, "Enabled", Variant(true));
  SetMember(*b, "Font", Variant(MakeRef<Font>()));
  LetMember(*b, "Caption", Variant("x"));
  LetMember(*b, "TabSelectColor", Variant(int32_t{0}));
  SetMember(*b, "Imagelist", Variant::Nothing());
  LetMember(*b, "ImageIndex", Variant(int16_t{0}));
  EXPECT_EQ(changed, kBagOrder);
  EXPECT_THROW(SetMember(*b, "Font", Variant::Nothing()), RuntimeError);
}

}  // namespace
}  // namespace vorn
