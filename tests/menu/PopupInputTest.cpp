#include <gtest/gtest.h>

#include "PopupFixture.h"

namespace vorn {
namespace {

using test::PopupFixture;

// Rows of the menu used below: 1 "Open" (2..22), 2 separator (23..25), 3 "Save" (26..46).
void FillOpenSepSave(PopupFixture& m) {
  m.Add("Open");
  m.Add("", itPlaceholder);
  m.Add("Save");
}

// Closing, tick by tick:
//   click on a highlighted row   ItemClick (popup still shown, MenuVisible True), then hidden
//   next tick                    timer off, MenuVisible False, Closed
TEST(PopupClick, ItemClickWhileShownThenClosedOnTheNextTick) {
  PopupFixture m;
  FillOpenSepSave(m);
  m.OpenAt300x200();
  std::vector<std::string> seen;
  m.log.handler = [&](const std::string& name, std::span<Variant>) {
    seen.push_back(name + (m.Popup().Visible() ? " shown" : " hidden") + (m->MenuVisible_ ? " T" : " F") +
                   (m->tmrFocus().Enabled() ? " on" : " off"));
  };
  m.MoveOnPopup(40, 36);
  ASSERT_EQ(m->HoverRow(), 3);
  m.ClickOnPopup(40, 36);
  EXPECT_EQ(m.log.Joined(), "ItemClick(3, \"\")");
  EXPECT_FALSE(m.Popup().Visible());
  EXPECT_EQ(m->HoverRow(), 0);
  EXPECT_TRUE(m->MenuVisible_);
  m.Tick();
  EXPECT_EQ(m.log.Joined(), "ItemClick(3, \"\"); Closed()");
  EXPECT_EQ(seen, (std::vector<std::string>{"ItemClick shown T on", "Closed hidden F off"}));
  m.Tick(10);
  EXPECT_EQ(m.log.lines.size(), 2u);
}

TEST(PopupClick, ASeparatorOrTheMarginClosesWithoutItemClick) {
  PopupFixture m;
  FillOpenSepSave(m);
  m.OpenAt300x200();
  m.ClickOnPopup(40, 24);
  m.Tick();
  EXPECT_EQ(m.log.Joined(), "Closed()");
  m.log.Clear();
  m.OpenAt300x200();
  m.ClickOnPopup(40, 1);  // the margin above the first row
  m.Tick();
  EXPECT_EQ(m.log.Joined(), "Closed()");
}

TEST(PopupHover, TheBordersBelongToTheRow) {
  PopupFixture m;
  FillOpenSepSave(m);
  m.OpenAt300x200();
  m.MoveOnPopup(0, 10);
  EXPECT_EQ(m->HoverRow(), 1);
  m.MoveOnPopup(m.SW() - 1, 40);
  EXPECT_EQ(m->HoverRow(), 3);
  m.MoveOnPopup(20, 26);  // exactly on "Save"'s top
  EXPECT_EQ(m->HoverRow(), 0);
}

TEST(PopupOutside, APressOutsideClosesInTheSameTick) {
  for (int16_t button : {kLeftButton, kRightButton}) {
    PopupFixture m;
    FillOpenSepSave(m);
    m.OpenAt300x200();
    m.host.MoveMouse({150, 150});  // on the form, away from the popup
    m.Press(button);
    EXPECT_TRUE(m.Popup().Visible());  // nothing happens until the timer looks
    m.Tick();
    EXPECT_FALSE(m.Popup().Visible());
    EXPECT_FALSE(m->MenuVisible_);
    EXPECT_EQ(m.log.Joined(), "Closed()") << button;
    m.Release(button);
  }
}

TEST(PopupOutside, APressOnTheWindowThatOpenedItClosesItToo) {
  PopupFixture m;
  FillOpenSepSave(m);
  m.OpenAt300x200();
  m.MoveTo(10, 10);  // the control's own window on the form
  m.Press();
  m.Tick();
  EXPECT_EQ(m.log.Joined(), "Closed()");
}

TEST(PopupOutside, PressesInsideOrOnTheEdgeJustPastItDoNotClose) {
  PopupFixture m;
  FillOpenSepSave(m);
  m.OpenAt300x200();
  const RectL r = m.PopupRect();
  m.host.MoveMouse({r.right, r.bottom});  // the test is inclusive on all four sides
  m.Press();
  m.Tick(3);
  EXPECT_TRUE(m.Popup().Visible());
  m.Release();
  m.MoveOnPopup(5, 5);
  m.Press(kRightButton);
  m.Tick(3);
  EXPECT_TRUE(m.Popup().Visible());
  EXPECT_EQ(m.log.Joined(), "");
}

TEST(PopupOpening, TheOpeningPressDoesNotCloseTheMenu) {
  PopupFixture m;
  FillOpenSepSave(m);
  m.MoveTo(10, 10);
  m.Press();  // as a toolbar's MouseDown opens its menu, the button still down
  int pumps = 0;
  m.host.SetPendingInput([&] {
    if (++pumps == 3) m.Release();
    return pumps <= 3;
  });
  m.OpenAt300x200();
  m.host.SetPendingInput(nullptr);
  EXPECT_EQ(pumps, 3);  // returned only once the button was up
  EXPECT_EQ(m.host.Buttons(), 0);
  EXPECT_TRUE(m->tmrFocus().Enabled());
  m.Tick(5);
  EXPECT_TRUE(m.Popup().Visible());
  EXPECT_TRUE(m->MenuVisible_);
  EXPECT_EQ(m.log.Joined(), "");
}

TEST(PopupOpening, WaitsForTheRightButtonToo) {
  PopupFixture m;
  m.Add("One");
  m.Press(kRightButton);
  int pumps = 0;
  m.host.SetPendingInput([&] {
    if (++pumps == 2) m.Release(kRightButton);
    return true;
  });
  m.OpenAt300x200();
  m.host.SetPendingInput(nullptr);
  EXPECT_EQ(pumps, 2);
}

TEST(PopupOpening, ARunOutOfInputReleasesTheButtonsAndSaysSo) {
  PopupFixture m;
  m.Add("One");
  m.MoveTo(10, 10);
  m.Press();
  m.OpenAt300x200();  // nothing pending: the host lets go rather than wait forever
  EXPECT_EQ(m.host.Buttons(), 0);
  ASSERT_EQ(m.notes.size(), 1u);
  EXPECT_NE(m.notes[0].find("left button"), std::string::npos);
  EXPECT_TRUE(m.Popup().Visible());
}

TEST(PopupOpening, AClosedHandlerReopeningWhileTheButtonIsHeldDoesNotHang) {
  PopupFixture m;
  m.Add("One");
  m.OpenAt300x200();
  int reopened = 0;
  m.log.handler = [&](const std::string& name, std::span<Variant>) {
    if (name == "Closed" && reopened++ == 0) m.OpenAt300x200();  // inside the timer tick
  };
  m.host.MoveMouse({150, 150});
  m.Press();
  m.Tick();
  EXPECT_EQ(reopened, 1);
  EXPECT_EQ(m.host.Buttons(), 0);  // the host let go of the button it could never release
  EXPECT_TRUE(m.Popup().Visible());
  EXPECT_TRUE(m->tmrFocus().Enabled());
}

TEST(PopupKill, HidesAtOnceAndReportsOnTheNextTick) {
  PopupFixture m;
  m.Add("One");
  m.OpenAt300x200();
  m->KillMenu();
  EXPECT_FALSE(m.Popup().Visible());
  EXPECT_TRUE(m->MenuVisible_);
  m.Tick();
  EXPECT_FALSE(m->MenuVisible_);
  EXPECT_EQ(m.log.Joined(), "Closed()");
  m->KillMenu();  // already closed: nothing follows
  m.Tick(5);
  EXPECT_EQ(m.log.lines.size(), 1u);
}

TEST(PopupFocus, LosingTheFocusClosesAlsoWhenAlreadyClosed) {
  PopupFixture m;
  m.Add("One");
  m.OpenAt300x200();
  m.host.SetFocus(&m.Popup());
  m.host.SetFocus(nullptr);
  EXPECT_FALSE(m.Popup().Visible());
  m.Tick();
  EXPECT_EQ(m.log.Joined(), "Closed()");
  m->PUMenu_LostFocus();  // the timer starts whatever the state
  m.Tick();
  EXPECT_EQ(m.log.Joined(), "Closed(); Closed()");
}

TEST(PopupTimer, AHostClearingMenuVisibleWhileOpenIsOverruled) {
  PopupFixture m;
  m.Add("One");
  m.OpenAt300x200();
  m->MenuVisible_ = false;
  m.Tick();
  EXPECT_TRUE(m->MenuVisible_);
  EXPECT_EQ(m.log.Joined(), "");
}

TEST(PopupClearItems, NeitherClosesNorRepaintsAndLeavesOtherHoldersTheirList) {
  PopupFixture m;
  m.Add("Open");
  Ref<MenuItems> held = m->MenuItem_;
  m.OpenAt300x200();
  m.MoveOnPopup(30, 10);
  const Color highlighted = m.At(3, 3);
  m->ClearItems();
  EXPECT_EQ(m->HoverRow(), 0);
  EXPECT_EQ(m->MenuItem_->Count(), 0);
  EXPECT_NE(m->MenuItem_.get(), held.get());
  EXPECT_EQ(held->Count(), 1);
  EXPECT_TRUE(m.Popup().Visible());
  EXPECT_EQ(m.At(3, 3), highlighted);
  EXPECT_EQ(m->Listings()->Count(), 1);  // the table still describes the open menu
  // Storing another list and opening shows that list with nothing highlighted.
  m->MenuItem_ = held;
  m.OpenAt300x200();
  EXPECT_EQ(m.At(3, 3), PopupFixture::kWhite);
}

}  // namespace
}  // namespace vorn
