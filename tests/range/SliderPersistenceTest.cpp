#include <gtest/gtest.h>

#include "SliderTestKit.h"
#include "foundation/Dispatch.h"

namespace vorn {
namespace {

using test::MemoryPropertyBag;
using test::SliderHarness;

const std::vector<std::string> kBagOrder{"BackColor",   "ForeColor", "Enabled",  "Font", "TabSelectColor",
                                         "Orientation", "TickStyle", "Min",      "Max",  "Value"};

TEST(SliderPersistence, ReadsAndWritesTheTenNamesInOrderWithTheirDefaults) {
  MemoryPropertyBag in;
  SliderHarness s(220, 25, &in);
  EXPECT_EQ(in.reads, kBagOrder);
  EXPECT_EQ(s.log.Joined(), "ValueChange()");  // the value read, reported by the first paint
  EXPECT_EQ(in.defaults["BackColor"].ToColor(), 0xFFFFFFu);
  EXPECT_EQ(in.defaults["ForeColor"].ToColor(), 0xC00000u);
  EXPECT_TRUE(in.defaults["Enabled"].ToBool());
  EXPECT_EQ(in.defaults["TabSelectColor"].ToColor(), 0x96E7u);
  EXPECT_EQ(in.defaults["Orientation"].ToLong(), 1);
  EXPECT_EQ(in.defaults["TickStyle"].ToLong(), 0);
  EXPECT_EQ(in.defaults["Min"].ToLong(), 0);
  EXPECT_EQ(in.defaults["Max"].ToLong(), 10);
  EXPECT_EQ(in.defaults["Value"].ToLong(), 5);
  MemoryPropertyBag out;
  s->UserControl_WriteProperties(out);
  EXPECT_EQ(out.writes, kBagOrder);
  EXPECT_EQ(out.stored["Value"].ToLong(), 5);
  EXPECT_EQ(out.stored["Value"].Type(), VarType::Long);
}

TEST(SliderPersistence, StoredValuesAreTakenAsReadAndReportedAtTheFirstPaint) {
  MemoryPropertyBag in;
  in.stored["Min"] = Variant(int32_t{20});
  in.stored["Max"] = Variant(int32_t{10});  // inconsistent, but kept
  in.stored["Value"] = Variant(int32_t{99});
  in.stored["Orientation"] = Variant(int32_t{2});
  in.stored["Enabled"] = Variant(false);
  SliderHarness s(25, 220, &in);
  EXPECT_EQ(s->get_Min(), 20);
  EXPECT_EQ(s->get_Max(), 10);
  EXPECT_EQ(s->get_Value(), 99);
  EXPECT_FALSE(s->get_Enabled());
  EXPECT_EQ(s->get_Orientation(), 2);
  EXPECT_EQ(s.log.Count("ValueChange"), 0);  // disabled: nothing reported yet
  s->put_Enabled(true);
  EXPECT_EQ(s.log.Count("ValueChange"), 1);
}

TEST(SliderPersistence, AValueOfTheWrongTypeIsReportedAndTheDefaultKept) {
  MemoryPropertyBag in;
  in.stored["Max"] = Variant("many");
  in.stored["Value"] = Variant(3.0e10);
  in.stored["Min"] = Variant(int32_t{-3});
  SliderHarness s(220, 25, &in);
  EXPECT_EQ(in.bad, (std::vector<std::string>{"Max", "Value"}));
  EXPECT_EQ(s->get_Max(), 10);
  EXPECT_EQ(s->get_Value(), 5);
  EXPECT_EQ(s->get_Min(), -3);
}

TEST(SliderProperties, SettersNotifyWithTheBagNames) {
  SliderHarness s(220, 25);
  std::vector<std::string> changed;
  s.ambient->propertyChanged = [&](const std::string&, std::string_view p) { changed.emplace_back(p); };
  LetMember(*s, "BackColor", Variant(int32_t{0xFF}));
  EXPECT_EQ(s.Pixel(30, 8), BlendColor(0xFF, 0xC00000, 230));
  LetMember(*s, "ForeColor", Variant(int32_t{0}));
  LetMember(*s, "Enabled", Variant(true));
  SetMember(*s, "Font", Variant(MakeRef<Font>()));
  LetMember(*s, "TabSelectColor", Variant(int32_t{0}));
  LetMember(*s, "Orientation", Variant(int32_t{1}));
  LetMember(*s, "TickStyle", Variant(int32_t{0}));
  LetMember(*s, "Min", Variant(int32_t{0}));
  LetMember(*s, "Max", Variant(int32_t{10}));
  LetMember(*s, "Value", Variant(int32_t{6}));
  EXPECT_EQ(changed, kBagOrder);
  EXPECT_EQ(GetMember(*s, "Value").ToLong(), 6);
  EXPECT_THROW(SetMember(*s, "Font", Variant::Nothing()), RuntimeError);
  EXPECT_THROW(LetMember(*s, "Value", Variant("x")), RuntimeError);
  EXPECT_EQ(s->get_Value(), 6);
}

}  // namespace
}  // namespace vorn
