#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AutomatedControl.h"
#include "library/LibraryIds.h"

namespace vorn {
namespace {

using test::Automated;
using test::Call;
using test::CaptionOf;
using test::Captions;
using test::Long;
using test::Text;

DISPID IdOf(IDispatch* d, const char* name) {
  DISPID id = DISPID_UNKNOWN;
  const char* names[] = {name};
  EXPECT_EQ(d->lpVtbl->GetIDsOfNames(d, nullptr, names, 1, 0x409, &id), S_OK) << name;
  return id;
}

// A toolbar from the class factory with items "a" (A), "b" (B) and "c" (C); "b" is a menu item
// with the entries One and Two.
struct AutomatedToolbar : Automated {
  AutomatedToolbar() : Automated(kClsid_vornToolbar) {
    for (const char* k : {"a", "b", "c"}) {
      const std::string caption(1, static_cast<char>(k[0] - 'a' + 'A'));
      VARIANT item;
      EXPECT_EQ(
          Call(disp, IdOf(disp, "Add"), DISPATCH_METHOD, {Text(k), Text(caption.c_str()), Long(0), Long(3)}, &item),
          S_OK);
      vornVariantClear(&item);
    }
    IDispatch* b = ItemByName(Text("b"));
    VARIANT list;
    EXPECT_EQ(Call(b, IdOf(b, "ToolbarMenuItems"), DISPATCH_PROPERTYGET, {}, &list), S_OK);
    menu = list.pdispVal;
    b->lpVtbl->Release(b);
    for (const char* k : {"One", "Two"}) {
      VARIANT entry;
      EXPECT_EQ(Call(menu, IdOf(menu, "Add"), DISPATCH_METHOD, {Text(k), Text(k)}, &entry), S_OK);
      vornVariantClear(&entry);
    }
  }
  ~AutomatedToolbar() override {
    if (menu) menu->lpVtbl->Release(menu);
  }
  IDispatch* ItemByName(VARIANT index) {
    VARIANT out;
    EXPECT_EQ(Call(disp, IdOf(disp, "Item"), DISPATCH_METHOD | DISPATCH_PROPERTYGET, {index}, &out), S_OK);
    EXPECT_EQ(out.vt, VT_DISPATCH);
    return out.pdispVal;
  }
  IDispatch* menu = nullptr;
};

TEST(ToolbarAutomation, ItemsAreReachedByNameButNotAsTheValueMember) {
  AutomatedToolbar t;
  EXPECT_EQ(IdOf(t.disp, "Item"), 0x68030002);
  IDispatch* second = t.ItemByName(Long(2));
  EXPECT_EQ(CaptionOf(second), "B");
  second->lpVtbl->Release(second);
  // obj(2), the value member, is not the toolbar's Item.
  VARIANT out;
  EXPECT_EQ(Call(t.disp, DISPID_VALUE, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {Long(2)}, &out), DISP_E_MEMBERNOTFOUND);
  VARIANT count;
  ASSERT_EQ(t.Get("Count", count), S_OK);
  EXPECT_EQ(count.vt, VT_I4);
  EXPECT_EQ(count.lVal, 3);
}

TEST(ToolbarAutomation, AForEachOverTheToolbarFindsNoEnumeratorWhileItsMenusEnumerate) {
  AutomatedToolbar t;
  // A host's for-each asks for DISPID_NEWENUM: the toolbar has no member under it.
  VARIANT none;
  EXPECT_EQ(Call(t.disp, DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, &none), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(IdOf(t.disp, "NewEnum"), 0x68030000);

  // The same loop over an item's menu list walks its entries in order.
  EXPECT_EQ(Captions(t.menu), (std::vector<std::string>{"One", "Two"}));
}

TEST(ToolbarAutomation, BadKeysAndPositionsAreErrorResultsThatChangeNothing) {
  AutomatedToolbar t;
  VARIANT out;
  EXPECT_EQ(Call(t.disp, IdOf(t.disp, "Add"), DISPATCH_METHOD, {Text("B")}, &out), DISP_E_EXCEPTION);
  EXPECT_EQ(Call(t.disp, IdOf(t.disp, "Remove"), DISPATCH_METHOD, {Long(4)}, &out), DISP_E_EXCEPTION);
  EXPECT_EQ(Call(t.disp, IdOf(t.disp, "Item"), DISPATCH_METHOD | DISPATCH_PROPERTYGET, {Text("zz")}, &out),
            DISP_E_EXCEPTION);
  VARIANT count;
  ASSERT_EQ(t.Get("Count", count), S_OK);
  EXPECT_EQ(count.lVal, 3);
}

}  // namespace
}  // namespace vorn
