#include <gtest/gtest.h>

#include "controls/menu/MenuItemListings.h"
#include "controls/menu/MenuItems.h"
#include "foundation/Dispatch.h"
#include "foundation/RuntimeError.h"
#include "support/ErrorOf.h"

namespace vorn {
namespace {

using test::ErrorOf;

// Add as a host calls it: by name, with only the arguments given.
Variant HostAdd(MenuItems& items, std::vector<Variant> args) { return InvokeMember(items, "Add", kMethod, args); }

TEST(MenuItemsAdd, OnlyTheKeyGivenYieldsTheDefaults) {
  auto items = MakeRef<MenuItems>();
  Ref<Object> o = HostAdd(*items, {Variant("k")}).ToObject();
  auto* item = dynamic_cast<MenuItem*>(o.get());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->get_Caption(), "");
  EXPECT_EQ(item->get_Icon(), 0);
  EXPECT_TRUE(item->get_Enabled());
  EXPECT_EQ(item->get_Child(), "");
  EXPECT_EQ(item->get_Group(), "");
  EXPECT_EQ(item->get_ItemType(), itNormal);
  EXPECT_FALSE(item->get_Checked());
  EXPECT_FALSE(item->get_Bold());
  EXPECT_EQ(item->get_Key(), "k");
  EXPECT_EQ(ErrorOf([&] { HostAdd(*items, {}); }), errArgumentNotOptional);
  EXPECT_EQ(items->Count(), 1);
}

TEST(MenuItemsAdd, EmptyKeysAddUnkeyedEntriesReachableByPosition) {
  auto items = MakeRef<MenuItems>();
  HostAdd(*items, {Variant(""), Variant("A")});
  HostAdd(*items, {Variant(""), Variant("A")});
  EXPECT_EQ(items->Count(), 2);
  EXPECT_NE(items->Item(Variant(int16_t{1})).get(), items->Item(Variant(int16_t{2})).get());
  EXPECT_EQ(ErrorOf([&] { items->Item(Variant("A")); }), errInvalidProcedureCall);
}

TEST(MenuItemsAdd, ADuplicateKeyInAnyCaseFailsAndIsDiscarded) {
  auto items = MakeRef<MenuItems>();
  HostAdd(*items, {Variant("Open")});
  const int32_t live = Object::LiveObjects();
  EXPECT_EQ(ErrorOf([&] { HostAdd(*items, {Variant("OPEN"), Variant("second")}); }), errKeyAlreadyAssociated);
  EXPECT_EQ(items->Count(), 1);
  EXPECT_EQ(Object::LiveObjects(), live);  // the new record did not survive
  EXPECT_EQ(items->Item(Variant("open"))->get_Caption(), "");
}

TEST(MenuItemsItem, AnEmptyArgumentAnswersNothingOthersFail) {
  auto items = MakeRef<MenuItems>();
  items->Add("a", "A", 0, true, "", "", itNormal, false, false);
  EXPECT_FALSE(items->Item(Variant("")));
  EXPECT_FALSE(items->Item(Variant()));
  // Through dispatch too: the default member with an empty argument.
  Variant empty("");
  EXPECT_EQ(InvokeMember(*items, kDispIdValue, kGet, std::span<Variant>(&empty, 1)).ObjectValue(), nullptr);
  EXPECT_EQ(ErrorOf([&] { items->Item(Variant(int32_t{0})); }), errSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { items->Item(Variant(int32_t{2})); }), errSubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { items->Item(Variant("b")); }), errInvalidProcedureCall);
  EXPECT_EQ(items->Item(Variant("A"))->get_Caption(), "A");
}

TEST(MenuItemsRemove, TheSecondEntryMovesToTheFrontAndKeepsItsKey) {
  auto items = MakeRef<MenuItems>();
  items->Add("one", "1", 0, true, "", "", itNormal, false, false);
  items->Add("two", "2", 0, true, "", "", itNormal, false, false);
  items->Remove(Variant(int16_t{1}));
  EXPECT_EQ(items->Count(), 1);
  EXPECT_EQ(items->Item(Variant(int16_t{1}))->get_Caption(), "2");
  EXPECT_EQ(items->Item(Variant("TWO"))->get_Caption(), "2");
  EXPECT_EQ(ErrorOf([&] { items->Remove(Variant("one")); }), errInvalidProcedureCall);
  EXPECT_EQ(ErrorOf([&] { items->Remove(Variant(int16_t{2})); }), errSubscriptOutOfRange);
  EXPECT_EQ(items->Count(), 1);
}

TEST(MenuItemsEnumeration, NewEnumWalksInPositionOrderThroughDispatch) {
  auto items = MakeRef<MenuItems>();
  for (const char* c : {"x", "y", "z"}) items->Add("", c, 0, true, "", "", itNormal, false, false);
  items->Remove(Variant(int16_t{2}));
  items->Add("", "w", 0, true, "", "", itNormal, false, false);
  Ref<Object> e = InvokeMember(*items, kDispIdNewEnum, kGet, {}).ToObject();
  ASSERT_TRUE(e);
  std::string order;
  Variant slot;
  while (InvokeMember(*e, "Next", kMethod, std::span<Variant>(&slot, 1)).ToBool()) {
    order += GetMember(*slot.ToObject(), "Caption").ToString();
  }
  EXPECT_EQ(order, "xzw");
  EXPECT_TRUE(items->Class().Find(kDispIdNewEnum)->hidden);
}

TEST(MenuItemsSharing, ARecordChangedThroughOneHolderShowsThroughTheOther) {
  auto items = MakeRef<MenuItems>();
  Ref<MenuItems> other = items;  // a second holder of the same list
  items->Add("k", "before", 0, true, "", "", itNormal, false, false);
  LetMember(*GetMember(*other, "Item", Variant("k")).ToObject(), "Caption", Variant("after"));
  EXPECT_EQ(items->Item(Variant(int16_t{1}))->get_Caption(), "after");
  other->Add("k2", "", 0, true, "", "", itNormal, false, false);
  EXPECT_EQ(items->Count(), 2);
}

TEST(MenuItemListingsAdd, StoresEveryFieldAndFailsOnEmptyOrMissingKeys) {
  auto rows = MakeRef<MenuItemListings>();
  rows->Add("", 2, 2, 21, true);
  rows->Add("", 5, 23, 3, false);
  Ref<MenuItemListing> top = rows->Item(Variant(int16_t{1}));
  EXPECT_EQ(top->Index(), 2);
  EXPECT_EQ(top->Top(), 2);
  EXPECT_EQ(top->Height(), 21);
  EXPECT_TRUE(top->Selectable());
  EXPECT_EQ(top->Key(), "");
  EXPECT_EQ(ErrorOf([&] { rows->Item(Variant("")); }), errInvalidProcedureCall);
  EXPECT_EQ(ErrorOf([&] { rows->Item(Variant()); }), errInvalidProcedureCall);
  rows->Add("r", 6, 26, 21, true);
  EXPECT_EQ(ErrorOf([&] { rows->Add("R", 7, 47, 21, true); }), errKeyAlreadyAssociated);
  EXPECT_EQ(rows->Count(), 3);
  EXPECT_EQ(ErrorOf([&] { InvokeMember(*rows, "Add", kMethod, {}); }), errArgumentNotOptional);
}

}  // namespace
}  // namespace vorn
