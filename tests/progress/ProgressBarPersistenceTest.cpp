#include <gtest/gtest.h>

#include "ProgressBarTestKit.h"
#include "foundation/Dispatch.h"

namespace vorn {
namespace {

using test::MemoryPropertyBag;
using test::ProgressHarness;

const std::vector<std::string> kBagOrder{"BackColor", "Enabled", "Font",    "Orientation",
                                         "Style",     "Value",   "Caption", "ForeColor"};

TEST(ProgressBarPersistence, ReadsAndWritesTheEightNamesInOrderWithTheirDefaults) {
  MemoryPropertyBag in;
  ProgressHarness bar(200, 24, &in);
  EXPECT_EQ(in.reads, kBagOrder);
  EXPECT_EQ(in.defaults["BackColor"].ToColor(), 0xFFFFFFu);
  EXPECT_TRUE(in.defaults["Enabled"].ToBool());
  EXPECT_EQ(in.defaults["Orientation"].ToLong(), 1);
  EXPECT_EQ(in.defaults["Style"].ToLong(), 0);
  EXPECT_EQ(in.defaults["Value"].ToInteger(), 50);
  EXPECT_EQ(in.defaults["Caption"].ToString(), "%");
  EXPECT_EQ(in.defaults["ForeColor"].ToColor(), 0xC00000u);
  MemoryPropertyBag out;
  bar->UserControl_WriteProperties(out);
  EXPECT_EQ(out.writes, kBagOrder);
  EXPECT_EQ(out.stored["Value"].Type(), VarType::Integer);
}

TEST(ProgressBarPersistence, StoredValuesAreTakenAsRead) {
  MemoryPropertyBag in;
  in.stored["Value"] = Variant(int16_t{250});
  in.stored["Orientation"] = Variant(int32_t{9});
  in.stored["Caption"] = Variant("Busy");
  in.stored["Font"] = Variant(MakeRef<Font>("DejaVu Sans", 10.0f, true));
  ProgressHarness bar(200, 24, &in);
  EXPECT_EQ(bar->get_Value(), 250);
  EXPECT_EQ(bar->get_Orientation(), 9);
  EXPECT_EQ(bar->get_Caption(), "Busy");
  EXPECT_TRUE(bar->get_Font()->Bold());
}

TEST(ProgressBarPersistence, AValueOfTheWrongTypeIsReportedAndTheDefaultKept) {
  MemoryPropertyBag in;
  in.stored["Value"] = Variant(int32_t{70000});
  in.stored["ForeColor"] = Variant("blue");
  in.stored["Caption"] = Variant("Kept");
  ProgressHarness bar(200, 24, &in);
  EXPECT_EQ(in.bad, (std::vector<std::string>{"Value", "ForeColor"}));
  EXPECT_EQ(bar->get_Value(), 50);
  EXPECT_EQ(bar->get_ForeColor(), 0xC00000u);
  EXPECT_EQ(bar->get_Caption(), "Kept");
}

TEST(ProgressBarProperties, SettersNotifyWithTheBagNames) {
  ProgressHarness bar(200, 24);
  std::vector<std::string> changed;
  bar.ambient->propertyChanged = [&](const std::string&, std::string_view p) { changed.emplace_back(p); };
  LetMember(*bar, "BackColor", Variant(int32_t{0xFF}));
  EXPECT_EQ(bar.Pixel(0, 0), BlendColor(0xFF, 0xC00000, 230));
  LetMember(*bar, "Enabled", Variant(true));
  SetMember(*bar, "Font", Variant(MakeRef<Font>()));
  LetMember(*bar, "Orientation", Variant(int32_t{1}));
  LetMember(*bar, "Style", Variant(int32_t{0}));
  LetMember(*bar, "Value", Variant(int32_t{10}));
  LetMember(*bar, "Caption", Variant("x"));
  LetMember(*bar, "ForeColor", Variant(int32_t{0}));
  EXPECT_EQ(changed, kBagOrder);
  EXPECT_THROW(SetMember(*bar, "Font", Variant::Nothing()), RuntimeError);
  EXPECT_EQ(bar->Class().events.size(), 0u);
}

}  // namespace
}  // namespace vorn
