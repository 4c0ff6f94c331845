#include <gtest/gtest.h>

#include "ToolbarFixture.h"
#include "foundation/Dispatch.h"
#include "support/ErrorOf.h"

namespace vorn {
namespace {

using test::ErrorOf;
using test::ToolbarFixture;

TEST(ToolbarItemRecord, EveryItemStartsWithItsOwnUsableMenuList) {
  auto a = MakeRef<ToolbarItem>();
  auto b = MakeRef<ToolbarItem>();
  ASSERT_TRUE(a->ToolbarMenuItems_);
  EXPECT_NE(a->ToolbarMenuItems_.get(), b->ToolbarMenuItems_.get());
  a->ToolbarMenuItems_->Add("x", "X", 0, true, "", "", itNormal, false, false);
  EXPECT_EQ(a->ToolbarMenuItems_->Count(), 1);
  EXPECT_EQ(b->ToolbarMenuItems_->Count(), 0);
  EXPECT_EQ(a->get_Style(), 0);
  EXPECT_FALSE(a->get_Enabled());
}

TEST(ToolbarItemRecord, AnAssignedListIsSharedNotCopied) {
  ToolbarFixture t;
  ToolbarItem& one = t.Add("one", "One", 0, mitMenu);
  ToolbarItem& two = t.Add("two", "Two", 0, mitMenu);
  SetMember(two, "ToolbarMenuItems", Variant(GetMember(one, "ToolbarMenuItems").ToObject()));
  EXPECT_EQ(one.ToolbarMenuItems_.get(), two.ToolbarMenuItems_.get());
  one.ToolbarMenuItems_->Add("late", "Added later", 0, true, "", "", itNormal, false, false);
  // Opening the second item's menu shows the entry added through the first.
  t.PressAndRelease(t.TextWidth("One") + 15 + 8 + 5, 12);
  ASSERT_TRUE(t.Popup().Visible());
  EXPECT_EQ(t->vornPUMenu1().MenuItem_.get(), one.ToolbarMenuItems_.get());
  EXPECT_EQ(t->vornPUMenu1().Listings()->Count(), 1);
}

TEST(ToolbarItemRecord, AnyStyleAndIconIndexAreStoredUnchanged) {
  ToolbarFixture t;
  ToolbarItem& odd = t.Add("odd", "Odd", -1, 9);
  EXPECT_EQ(GetMember(odd, "Style").ToLong(), 9);
  EXPECT_EQ(GetMember(odd, "IconIndex").ToInteger(), -1);
  LetMember(odd, "Style", Variant(int32_t{-70000}));
  EXPECT_EQ(odd.get_Style(), -70000);
}

TEST(ToolbarItemRecord, ClickingACheckButtonLeavesCheckedToTheHost) {
  ToolbarFixture t;
  ToolbarItem& wrap = t.Add("wrap", "Wrap", 0, mitCheckButton, true);
  for (int i = 0; i < 3; ++i) t.PressAndRelease(12, 12);
  EXPECT_EQ(t.log.Count("ItemClicked"), 3);
  EXPECT_TRUE(wrap.get_Checked());
}

TEST(ToolbarItems, AddSetsEveryMemberAndStoresUnderTheKey) {
  ToolbarFixture t;
  Ref<ToolbarItem> item = t->Add("save", "Save", 2, mitCheckButton, true, false);
  EXPECT_EQ(item->get_sKey(), "save");
  EXPECT_EQ(item->get_Caption(), "Save");
  EXPECT_EQ(item->get_IconIndex(), 2);
  EXPECT_EQ(item->get_Style(), mitCheckButton);
  EXPECT_TRUE(item->get_Checked());
  EXPECT_FALSE(item->get_Enabled());
  EXPECT_EQ(t->Item(Variant("SAVE")).get(), item.get());
  // The defaults of the automation surface: a normal, enabled, unchecked button without icon.
  Variant key("plain");
  Ref<Object> plain = InvokeMember(*t.control, "Add", kMethod, std::span<Variant>(&key, 1)).ToObject();
  EXPECT_EQ(GetMember(*plain, "Style").ToLong(), mitNormalButton);
  EXPECT_TRUE(GetMember(*plain, "Enabled").ToBool());
  EXPECT_EQ(GetMember(*plain, "Caption").ToString(), "");
}

TEST(ToolbarItems, KeysAreOptionalUniqueAndCaseBlind) {
  ToolbarFixture t;
  t.Add("", "First");
  t.Add("", "Second");
  t.Add("open", "Open");
  EXPECT_EQ(t->get_Count(), 3);
  EXPECT_EQ(ErrorOf([&] { t.Add("OPEN", "Again"); }), errKeyAlreadyAssociated);
  EXPECT_EQ(t->get_Count(), 3);
  EXPECT_EQ(t->Item(Variant(int16_t{3}))->get_Caption(), "Open");
  EXPECT_EQ(ErrorOf([&] { t->Item(Variant("")); }), errInvalidProcedureCall);
  EXPECT_EQ(ErrorOf([&] { t->Item(Variant(int32_t{4})); }), errSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { t->Remove(Variant("nope")); }), errInvalidProcedureCall);
  EXPECT_EQ(t->get_Count(), 3);
}

TEST(ToolbarItems, RemoveMovesTheLaterItemsDownAndKeepsTheirKeys) {
  ToolbarFixture t;
  t.Add("a", "A");
  t.Add("b", "B");
  t.Add("c", "C");
  t->Remove(Variant(int16_t{1}));
  EXPECT_EQ(t->get_Count(), 2);
  EXPECT_EQ(t->Item(Variant(int16_t{1}))->get_Caption(), "B");
  EXPECT_EQ(t->Item(Variant("c"))->get_Caption(), "C");
  EXPECT_EQ(ErrorOf([&] { t->Item(Variant("a")); }), errInvalidProcedureCall);
  // The former second item is now first on the strip too: its hit area starts after x = 7.
  t.PressAndRelease(9, 12);
  EXPECT_EQ(t.log.Joined(), "ItemClicked(1, \"b\")");
}

TEST(ToolbarItems, NewEnumWalksTheItemsInOrderByName) {
  ToolbarFixture t;
  t.Add("a", "A");
  t.Add("", "B");
  Ref<CollectionEnumerator> e = t->get_NewEnum();
  std::string seen;
  while (Ref<Object> o = e->NextItem()) seen += static_cast<ToolbarItem&>(*o).get_Caption();
  EXPECT_EQ(seen, "AB");
  EXPECT_EQ(t.control->Class().Find(kDispIdNewEnum), nullptr);
  EXPECT_EQ(t.control->Class().Find(kDispIdValue), nullptr);
}

TEST(ToolbarItems, ACaptionChangedThroughItemShowsAtTheNextRepaint) {
  ToolbarFixture t;
  t.Add("a", "A");
  t.Add("b", "Bee");
  const int32_t x = 15 + t.TextWidth("A") + 15 + 2;  // the second caption's left
  auto inkAt = [&](int32_t from, int32_t to) {
    int n = 0;
    for (int32_t px = from; px < to; ++px)
      for (int32_t py = 6; py < 19; ++py) n += t.Pixel(px, py) == ToolbarFixture::kCaption ? 1 : 0;
    return n;
  };
  const int32_t beeEnd = x + t.TextWidth("Bee");
  const int32_t longEnd = x + t.TextWidth("Beeeeeeee");
  EXPECT_EQ(inkAt(beeEnd + 1, longEnd), 0);
  t->Item(Variant(int16_t{2}))->put_Caption("Beeeeeeee");
  EXPECT_EQ(inkAt(beeEnd + 1, longEnd), 0);  // Item repainted before the caption changed
  t->Item(Variant(int16_t{1}));
  EXPECT_GT(inkAt(beeEnd + 1, longEnd), 5);
}

}  // namespace
}  // namespace vorn
