#include <gtest/gtest.h>

#include "ScrollBarSupport.h"
#include "foundation/Dispatch.h"

namespace vorn {
namespace {

using test::MemoryPropertyBag;
using test::StoredBar;

TEST(ScrollBarThumbMapping, Value50Of1To100IsThumbPos40OnATravelOf82) {
  auto b = StoredBar(200, 17);
  EXPECT_EQ((*b)->ThumbPos(), 40);  // Fix(nearest(4900 / 99) * 82 / 100)
  (*b)->put_Value(100);
  EXPECT_EQ((*b)->ThumbPos(), 82);
  EXPECT_EQ(b->Pixel(18 + 82 + 82, 8), test::NormalBarScheme()[2]);  // the frame after the thumb
}

// On a 400-pixel bar (travel 182) one percent is 1.82 pixels, so the rounding of the percent shows.
TEST(ScrollBarThumbMapping, PercentRoundsHalfToEven) {
  auto b = StoredBar(400, 17, {{"Min", Variant(int32_t{0})}, {"Max", Variant(int32_t{200})}});
  ASSERT_EQ((*b)->Travel(), 182);
  (*b)->put_Value(1);  // 0.5 % -> 0
  EXPECT_EQ((*b)->ThumbPos(), 0);
  (*b)->put_Value(3);  // 1.5 % -> 2
  EXPECT_EQ((*b)->ThumbPos(), 3);
  (*b)->put_Value(5);  // 2.5 % -> 2
  EXPECT_EQ((*b)->ThumbPos(), 3);
  (*b)->put_Value(7);  // 3.5 % -> 4
  EXPECT_EQ((*b)->ThumbPos(), 7);
}

TEST(ScrollBarValue, MinAndMaxLetsKeepTheOrderAndPullTheValueAlong) {
  auto b = StoredBar(200, 17);
  b->log.Clear();
  (*b)->put_Min(150);
  EXPECT_EQ((*b)->get_Min(), 99);
  EXPECT_EQ((*b)->get_Value(), 99);
  EXPECT_EQ(b->log.Joined(), "ValueChanged()");
  (*b)->put_Max(-5);
  EXPECT_EQ((*b)->get_Max(), 100);
  (*b)->put_Min(1);
  (*b)->put_Max(20);
  EXPECT_EQ((*b)->get_Value(), 20);
  EXPECT_EQ(b->log.Count("ValueChanged"), 2);
}

TEST(ScrollBarValue, ValueLetClampsAndRaisesOnlyForANewValue) {
  std::vector<std::string> changed;
  auto b = StoredBar(200, 17);
  b->ambient->propertyChanged = [&](const std::string&, std::string_view p) { changed.emplace_back(p); };
  b->log.Clear();
  b->Window().PSet(100, 8, 0x0000FF);  // only a repaint removes it
  (*b)->put_Value(50);
  EXPECT_EQ(b->Pixel(100, 8), 0x0000FFu);
  EXPECT_TRUE(changed.empty());
  LetMember(*b->control, "Value", Variant(int32_t{500}));
  EXPECT_EQ((*b)->get_Value(), 100);
  EXPECT_EQ(b->log.Joined(), "ValueChanged()");
  (*b)->put_Value(105);  // clamped back to the value it has: a repaint, no event
  EXPECT_EQ(b->log.Count("ValueChanged"), 1);
  EXPECT_EQ(changed, (std::vector<std::string>{"Value", "Value"}));
}

TEST(ScrollBarValue, DisabledBarStoresSilentlyAndReportsWhenEnabled) {
  auto b = StoredBar(200, 17);
  (*b)->put_Enabled(false);
  b->log.Clear();
  (*b)->put_Value(70);
  (*b)->put_Value(500);
  EXPECT_EQ((*b)->get_Value(), 100);
  EXPECT_EQ(b->log.Count("ValueChanged"), 0);
  (*b)->put_Enabled(true);
  EXPECT_EQ(b->log.Joined(), "ValueChanged()");
  EXPECT_EQ((*b)->VisualState(), 0);
}

TEST(ScrollBarValue, ADisabledBarSetBackToTheReportedValueKeepsItAndStaysQuiet) {
  auto b = StoredBar(200, 17);
  (*b)->put_Enabled(false);
  b->log.Clear();
  (*b)->put_Value(70);
  (*b)->put_Value(50);
  EXPECT_EQ((*b)->get_Value(), 50);
  (*b)->put_Enabled(true);
  EXPECT_EQ(b->log.Count("ValueChanged"), 0);
  EXPECT_EQ((*b)->ThumbPos(), 40);
}

TEST(ScrollBarValue, AHandlerThatSnapsTheValueLeavesOneThumb) {
  auto b = StoredBar(200, 17);
  int reports = 0;
  b->log.handler = [&](const std::string& name, std::span<Variant>) {
    if (name != "ValueChanged") return;
    ++reports;
    const int32_t v = (*b)->get_Value();
    if (v % 10 != 0) (*b)->put_Value(v - v % 10);
  };
  (*b)->put_Value(77);
  EXPECT_EQ((*b)->get_Value(), 70);
  EXPECT_EQ(reports, 2);
  // Only the frame of the thumb at 70 is drawn: one frame line before it, none where 77 would be.
  const ColorScheme s = test::NormalBarScheme();
  const int32_t T = 18 + (*b)->ThumbPos();
  EXPECT_EQ(b->Pixel(T - 1, 8), s[2]);
  EXPECT_EQ(test::CountOnRow(*b, 8, 17, 182, s[2]), 2 + 4);  // two frame lines and the grip
}

TEST(ScrollBarPersistence, SevenNamesInOrderWithTheirDefaults) {
  MemoryPropertyBag in;
  test::BarHarness b(17, 200, &in);
  const std::vector<std::string> order{"Enabled", "Min", "Max", "Value", "Orientation", "BackColor", "ForeColor"};
  EXPECT_EQ(in.reads, order);
  EXPECT_TRUE(in.defaults["Enabled"].ToBool());
  EXPECT_EQ(in.defaults["Min"].ToLong(), 1);
  EXPECT_EQ(in.defaults["Max"].ToLong(), 100);
  EXPECT_EQ(in.defaults["Value"].ToLong(), 50);
  EXPECT_EQ(in.defaults["Orientation"].ToLong(), 2);
  EXPECT_EQ(in.defaults["BackColor"].ToColor(), 0xFFFFFFu);
  EXPECT_EQ(in.defaults["ForeColor"].ToColor(), 0xC00000u);
  EXPECT_EQ(b.log.Joined(), "ValueChanged()");  // the loaded 50 differs from the initial 0
  MemoryPropertyBag out;
  b->put_Value(30);
  b->UserControl_WriteProperties(out);
  EXPECT_EQ(out.writes, order);
  EXPECT_EQ(out.stored["Value"].ToLong(), 30);
}

TEST(ScrollBarPersistence, StoredValuesAreTakenAsTheyAreAndABadOneIsReported) {
  MemoryPropertyBag in;
  in.stored["Orientation"] = Variant(int32_t{1});
  in.stored["Min"] = Variant(int32_t{50});
  in.stored["Max"] = Variant(int32_t{10});
  in.stored["Value"] = Variant("lots");
  test::BarHarness b(200, 17, &in);
  EXPECT_EQ(in.bad, std::vector<std::string>{"Value"});
  EXPECT_EQ(b->get_Min(), 50);
  EXPECT_EQ(b->get_Max(), 10);
  EXPECT_EQ(b->get_Value(), 50);
  b->put_Value(30);  // Max wins when Min lies above it
  EXPECT_EQ(b->get_Value(), 10);
}

}  // namespace
}  // namespace vorn
