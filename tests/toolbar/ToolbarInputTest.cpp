#include <gtest/gtest.h>

#include "ToolbarFixture.h"
#include "foundation/Dispatch.h"

namespace vorn {
namespace {

using test::ToolbarFixture;

// A menu item "m" with the entries Alpha, Beta and Gamma.
ToolbarItem& AddMenu(ToolbarFixture& t, const std::string& key, int32_t style = mitMenu, bool enabled = true) {
  ToolbarItem& m = t.Add(key, key, 0, style, false, enabled);
  for (const char* e : {"Alpha", "Beta", "Gamma"}) m.ToolbarMenuItems_->Add("", e, 0, true, "", "", itNormal, false, false);
  return m;
}

// Press and release, as the timer sees it (each row's state):
//   left down over an enabled button   HotItem, ButtonDown: the pressed frame (11 -> 9)
//   release over it                    ItemClicked once; ButtonDown ends
//   release after dragging off         HotItem 0: nothing
TEST(ToolbarClick, OnePressAndReleaseRaiseOneItemClicked) {
  ToolbarFixture t;
  t.Add("a", "Apply");
  const int32_t w = t.TextWidth("Apply") + 15;
  t.MoveTo(12, 12);
  t.Press();
  t.Tick();
  EXPECT_TRUE(t.FilledWith(8, w, ToolbarFixture::kSelCheck, ToolbarFixture::kSelLight));
  t.Release();
  EXPECT_EQ(t.log.Joined(), "ItemClicked(1, \"a\")");
  EXPECT_FALSE(t->ButtonDown());
  t.Tick();
  EXPECT_TRUE(t.FilledWith(8, w, ToolbarFixture::kSelLight, ToolbarFixture::kSelStrong));  // hot again
  t.Tick(20);
  EXPECT_EQ(t.log.lines.size(), 1u);
}

TEST(ToolbarClick, ReleasingAfterDraggingOffEveryItemRaisesNothing) {
  ToolbarFixture t;
  t.Add("a", "Apply");
  t.MoveTo(12, 12);
  t.Press();
  t.MoveTo(250, 12);  // on the strip, past the last item
  EXPECT_EQ(t->HotItem(), 0);
  t.Release();
  t.MoveTo(12, 12);
  t.Press();
  t.MoveTo(12, 80);  // below the toolbar, still captured
  t.Release();
  EXPECT_EQ(t.log.Joined(), "");
  EXPECT_FALSE(t->ButtonDown());
}

TEST(ToolbarClick, TheRightButtonStartsNothing) {
  ToolbarFixture t;
  t.Add("a", "Apply");
  AddMenu(t, "m");
  const int32_t w = t.TextWidth("Apply") + 15;
  t.MoveTo(12, 12);
  t.Press(kRightButton);
  t.Tick();
  EXPECT_TRUE(t.FilledWith(8, w, ToolbarFixture::kSelLight, ToolbarFixture::kSelStrong));  // hover, not pressed
  t.Release(kRightButton);
  t.MoveTo(static_cast<float>(7 + w + 5), 12);
  t.Press(kRightButton);
  EXPECT_FALSE(t.Popup().Visible());
  t.Release(kRightButton);
  EXPECT_EQ(t.log.Joined(), "");
  EXPECT_FALSE(t->ButtonDown());
}

TEST(ToolbarClick, AHandlerThatAssignsItemIndexMovesTheHotItem) {
  ToolbarFixture t;
  t.Add("a", "A");
  t.Add("b", "B");
  t.log.handler = [](const std::string& name, std::span<Variant> args) {
    if (name == "ItemClicked") args[0] = Variant(int16_t{2});
  };
  t.PressAndRelease(12, 12);
  EXPECT_EQ(t.log.Count("ItemClicked"), 1);
  EXPECT_EQ(t->HotItem(), 2);
}

TEST(ToolbarDisabled, ADisabledButtonIsNeverHotNorClicked) {
  ToolbarFixture t;
  t.Add("d", "Disabled", 0, mitNormalButton, false, false);
  const int32_t w = t.TextWidth("Disabled") + 15;
  t.MoveTo(12, 12);
  EXPECT_EQ(t->HotItem(), 0);
  t.Tick();
  EXPECT_NE(t.Pixel(8, 3), ToolbarFixture::kBorder);  // no frame
  t.PressAndRelease(12, 12);
  t.Tick();
  EXPECT_EQ(t->HotItem(), 0);
  EXPECT_NE(t.Pixel(8 + w, 12), ToolbarFixture::kBorder);
  EXPECT_EQ(t.log.Joined(), "");
}

TEST(ToolbarDisabled, ADisabledMenuItemStillOpensItsMenu) {
  ToolbarFixture t;
  AddMenu(t, "m", mitMenu, false);
  t.PressAndRelease(12, 12);
  EXPECT_TRUE(t.Popup().Visible());
  EXPECT_EQ(t.log.Joined(), "ItemClicked(1, \"m\")");
}

TEST(ToolbarDisabled, ADisabledToolbarKeepsItsLookAndIgnoresTheMouse) {
  ToolbarFixture t;
  t.Add("a", "Apply");
  AddMenu(t, "m");
  const PixelBuffer before = t.Window().Pixels();
  t->put_Enabled(false);
  EXPECT_TRUE(test::SamePicture(t.Window().Pixels(), before));
  t.MoveTo(12, 12);
  t.PressAndRelease(12, 12);
  t.PressAndRelease(static_cast<float>(7 + t.TextWidth("Apply") + 15 + 5), 12);
  t.Tick(5);
  EXPECT_EQ(t->HotItem(), 0);
  EXPECT_FALSE(t->MousePos().Enabled());
  EXPECT_FALSE(t.Popup().Visible());
  EXPECT_EQ(t.log.Joined(), "");
  EXPECT_TRUE(test::SamePicture(t.Window().Pixels(), before));
}

// Hover (MousePos): a move makes the item hot but does not paint; each tick paints; a tick that
// finds the cursor 2 pixels or more from the last move stops the timer. The item stays hot after
// the cursor has left the toolbar.
TEST(ToolbarHover, TheTimerPaintsAndStopsButTheHotItemStays) {
  ToolbarFixture t;
  t.Add("a", "Apply");
  const int32_t w = t.TextWidth("Apply") + 15;
  t.MoveTo(12, 12);
  EXPECT_EQ(t->HotItem(), 1);
  EXPECT_NE(t.Pixel(8, 3), ToolbarFixture::kBorder);
  t.Tick();
  EXPECT_TRUE(t.FilledWith(8, w, ToolbarFixture::kSelLight, ToolbarFixture::kSelStrong));
  EXPECT_TRUE(t->MousePos().Enabled());
  t.host.MoveMouse({t.ToolbarRect().left + 12, t.ToolbarRect().top + 60});  // off the toolbar
  t.Tick();
  EXPECT_FALSE(t->MousePos().Enabled());
  EXPECT_EQ(t->HotItem(), 1);
  EXPECT_EQ(t.Pixel(8, 3), ToolbarFixture::kBorder);
}

// A menu item, step by step:
//   left down       HotItem = MenuOwner, ButtonDown; the menu opens under the button and waits
//   release         (taken in while it waits) ItemClicked; ButtonDown stays: pressed-open look
//   click an entry  MenuItemClicked(owner, its key, entry position, "")
//   next tick       Closed: ButtonDown ends, HotItem 0, the normal look
TEST(ToolbarMenu, OpensUnderTheButtonAndReportsTheChosenEntry) {
  ToolbarFixture t;
  t.Add("a", "Apply");
  AddMenu(t, "m");
  const int32_t X = 15 + t.TextWidth("Apply") + 15;  // the menu item's painting X
  const int32_t w = t.TextWidth("m") + 15;
  t.PressAndRelease(static_cast<float>(X - 8 + 3), 12);
  ASSERT_TRUE(t.Popup().Visible());
  EXPECT_EQ(t.log.Joined(), "ItemClicked(2, \"m\")");
  EXPECT_EQ(t->MenuOwner(), 2);
  EXPECT_TRUE(t->ButtonDown());
  const RectL bar = t.ToolbarRect();
  const RectL pop = t.PopupRect();
  EXPECT_EQ(pop.left, bar.left + X - 7);  // the frame's left edge
  EXPECT_EQ(pop.top, bar.top + 3 + 13 + 6);  // the frame's bottom edge
  EXPECT_EQ(t->vornPUMenu1().TopGap(), w);
  EXPECT_EQ(t->vornPUMenu1().Listings()->Count(), 3);
  t.MoveOnPopup(30, 2 + 21 + 10);  // Beta
  t.Tick();                        // the cursor has left: the hover timer stops
  EXPECT_TRUE(t.FilledWith(X - 7, w, ToolbarFixture::kLight, ToolbarFixture::kBorder));
  t.ClickOnPopup(30, 2 + 21 + 10);
  EXPECT_EQ(t.log.Joined(), "ItemClicked(2, \"m\"); MenuItemClicked(2, \"m\", 2, \"\")");
  EXPECT_TRUE(t.FilledWith(X - 7, w, ToolbarFixture::kLight, ToolbarFixture::kBorder));  // until Closed
  t.Tick();
  EXPECT_EQ(t->HotItem(), 0);
  EXPECT_FALSE(t->ButtonDown());
  ToolbarFixture fresh;
  fresh.Add("a", "Apply");
  AddMenu(fresh, "m");
  EXPECT_TRUE(test::SamePicture(t.Window().Pixels(), fresh.Window().Pixels()));
}

TEST(ToolbarMenu, AHandlerThatAssignsItemIndexMovesTheMenuOwner) {
  ToolbarFixture t;
  AddMenu(t, "m");
  t.log.handler = [](const std::string& name, std::span<Variant> args) {
    if (name == "MenuItemClicked") args[0] = Variant(int16_t{7});
  };
  t.PressAndRelease(10, 12);
  t.ClickOnPopup(30, 12);
  EXPECT_EQ(t.log.Count("MenuItemClicked"), 1);
  EXPECT_EQ(t->MenuOwner(), 7);
}

TEST(ToolbarMenu, MovingOntoAnotherMenuItemOpensItsMenuAndOntoAButtonClosesIt) {
  ToolbarFixture t;
  AddMenu(t, "one");
  ToolbarItem& two = AddMenu(t, "two", mitMenu2);
  two.ToolbarMenuItems_->Remove(Variant(int16_t{1}));
  t.Add("p", "Push");
  const int32_t x2 = 15 + t.TextWidth("one") + 15;
  const int32_t x3 = x2 + t.TextWidth("two") + 15;
  t.PressAndRelease(10, 12);
  ASSERT_TRUE(t.Popup().Visible());
  t.MoveTo(static_cast<float>(x2 - 8 + 3), 12);  // no button held
  EXPECT_EQ(t->MenuOwner(), 2);
  EXPECT_TRUE(t.Popup().Visible());
  EXPECT_EQ(t.PopupRect().left, t.ToolbarRect().left + x2 - 7);
  EXPECT_EQ(t->vornPUMenu1().MenuItem_.get(), two.ToolbarMenuItems_.get());
  EXPECT_EQ(t->vornPUMenu1().Listings()->Count(), 2);
  EXPECT_EQ(t->vornPUMenu1().TopGap(), t.TextWidth("two") + 15 + 3 + t.TextWidth("6"));
  t.MoveTo(static_cast<float>(x3 - 8 + 3), 12);  // within the arrow room of "two": still "two"
  EXPECT_EQ(t->HotItem(), 2);
  t.MoveTo(static_cast<float>(x3 - 8 + 3 + 3 + t.TextWidth("6")), 12);
  EXPECT_EQ(t->HotItem(), 3);
  EXPECT_FALSE(t.Popup().Visible());
  t.Tick();  // Closed
  EXPECT_EQ(t->HotItem(), 0);
  EXPECT_FALSE(t->ButtonDown());
  EXPECT_EQ(t.log.Joined(), "ItemClicked(1, \"one\")");
}

TEST(ToolbarMenu, MovingOntoAnInertItemClosesTheMenu) {
  for (int32_t inert : {mitPlaceholder, mitSeparator, mitCaption}) {
    ToolbarFixture t;
    AddMenu(t, "m");
    t.Add("i", "Inert", 0, inert);
    t.PressAndRelease(10, 12);
    ASSERT_TRUE(t.Popup().Visible());
    t.MoveTo(static_cast<float>(7 + t.TextWidth("m") + 15 + 3), 12);
    EXPECT_FALSE(t.Popup().Visible()) << inert;
    EXPECT_EQ(t->HotItem(), 0) << inert;
    t.Tick();
    EXPECT_FALSE(t->ButtonDown()) << inert;
  }
}

TEST(ToolbarMenu, ClosingFromOutsideClearsTheHighlight) {
  ToolbarFixture t;
  AddMenu(t, "m");
  t.PressAndRelease(10, 12);
  t.host.MoveMouse({5, 5});
  t.Press();
  t.Tick();
  t.Release();
  EXPECT_FALSE(t.Popup().Visible());
  EXPECT_EQ(t->HotItem(), 0);
  EXPECT_FALSE(t->ButtonDown());
  EXPECT_NE(t.Pixel(8, 3), ToolbarFixture::kBorder);
}

TEST(ToolbarMenu, AnEmptyOrMissingListOpensAnEmptyMenu) {
  ToolbarFixture t;
  t.Add("e", "Empty", 0, mitMenu);
  ToolbarItem& gone = t.Add("n", "None", 0, mitMenu);
  gone.ToolbarMenuItems_ = nullptr;
  t.PressAndRelease(10, 12);
  EXPECT_TRUE(t.Popup().Visible());
  EXPECT_EQ(t->vornPUMenu1().Listings()->Count(), 0);
  EXPECT_EQ(t.Popup().ScaleHeight(), 4.0f);
  t.ClickOnPopup(2, 2);
  t.Tick();
  t.PressAndRelease(static_cast<float>(7 + t.TextWidth("Empty") + 15 + 3), 12);
  EXPECT_TRUE(t.Popup().Visible());
  EXPECT_EQ(t->vornPUMenu1().Listings()->Count(), 0);
  EXPECT_TRUE(t.notes.empty());
  EXPECT_EQ(t.log.Joined(), "ItemClicked(1, \"e\"); ItemClicked(2, \"n\")");
}

// Items the host removes while they are in use: the press still ends, the menu still closes.
TEST(ToolbarMenu, RemovingTheHotOrOwningItemMeanwhileEndsCleanly) {
  ToolbarFixture t;
  t.Add("a", "A");
  t.Add("b", "B");
  t.MoveTo(12, 12);
  t.Press();
  t->Remove(Variant(int16_t{2}));
  t->Remove(Variant(int16_t{1}));
  t.Release();
  EXPECT_FALSE(t->ButtonDown());
  AddMenu(t, "m");
  t.PressAndRelease(10, 12);
  t->Remove(Variant("m"));
  t.ClickOnPopup(30, 12);
  EXPECT_FALSE(t.Popup().Visible());
  EXPECT_EQ(t.log.Joined(), "ItemClicked(1, \"m\"); MenuItemClicked(0, \"\", 1, \"\")");
  t.Tick();
  EXPECT_FALSE(t->ButtonDown());
  EXPECT_TRUE(t.notes.empty());
}

// Removing an item before the hot item or the menu owner: the events still name the item that
// was pressed or whose menu is open, at its new position.
TEST(ToolbarMenu, RemovingAnEarlierItemKeepsTheEventsOnThePressedItem) {
  ToolbarFixture t;
  t.Add("a", "A");
  t.Add("b", "B");
  // "A" takes the hit area from 7 to 7 + TextWidth("A") + 15; "B" follows it.
  const float inB = 7 + t.Window().TextWidth("A") + 15 + 5;
  t.MoveTo(inB, 12);
  t.Press();
  const int16_t pressed = t->HotItem();
  t->Remove(Variant(int16_t{1}));
  EXPECT_EQ(t->HotItem(), pressed - 1);
  t.Release();
  EXPECT_EQ(t.log.Joined(), "ItemClicked(1, \"b\")");
  t.log.Clear();
  ToolbarFixture u;
  u.Add("x", "X");
  AddMenu(u, "m");
  u.PressAndRelease(7 + u.Window().TextWidth("X") + 15 + 5, 12);
  ASSERT_TRUE(u.Popup().Visible());
  u->Remove(Variant("x"));
  u.ClickOnPopup(30, 12);
  EXPECT_EQ(u.log.Joined(), "ItemClicked(2, \"m\"); MenuItemClicked(1, \"m\", 1, \"\")");
}

}  // namespace
}  // namespace vorn
