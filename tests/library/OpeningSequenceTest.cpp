// A control runs each step of its opening sequence once, whichever way its host starts it.
#include <gtest/gtest.h>

#include "AutomatedControl.h"
#include "controls/menu/vornPUMenu.h"
#include "foundation/Dispatch.h"
#include "library/LibraryIds.h"

namespace vorn {
namespace {

TEST(OpeningSequence, InitializeRunsOnceWhicheverStepRunsIt) {
  test::HarnessBase h(20, 20);
  Ref<vornPUMenu> menu(new vornPUMenu(*h.site));
  InitializeControl(*menu);
  const Ref<Object> items = GetMember(*menu, "MenuItem").ToObject();
  StartControl(*menu, nullptr);
  EXPECT_EQ(GetMember(*menu, "MenuItem").ToObject(), items);  // Initialize makes a new list
  menu->UserControl_Terminate();
}

TEST(OpeningSequence, AStartedControlRefusesASecondStartAndKeepsItsProperties) {
  test::Automated button(kClsid_vornButton);
  VARIANT text = test::Text("Changed");
  ASSERT_EQ(button.Put("Caption", text), S_OK);
  vornVariantClear(&text);
  test::MemoryPropertyBag bag;
  EXPECT_EQ(button.control->lpVtbl->InitNew(button.control), E_UNEXPECTED);
  EXPECT_EQ(button.control->lpVtbl->Load(button.control, static_cast<PropertyBag*>(&bag)), E_UNEXPECTED);
  VARIANT caption;
  ASSERT_EQ(button.Get("Caption", caption), S_OK);
  EXPECT_STREQ(caption.bstrVal, "Changed");
  vornVariantClear(&caption);
}

}  // namespace
}  // namespace vorn
